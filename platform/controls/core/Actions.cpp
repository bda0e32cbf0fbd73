#include "platform/controls/core/Actions.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Control.h"

TClass TAction::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TAction>("TAction", TComponent::StaticClass())
                                          .String("Caption", &TAction::Caption, &TAction::SetCaption)
                                          .Boolean("Enabled", &TAction::Enabled, &TAction::SetEnabled, true)
                                          .Boolean("Visible", &TAction::Visible, &TAction::SetVisible, true)
                                          .Boolean("Checked", &TAction::Checked, &TAction::SetChecked, false)
                                          .Event("OnExecute", &TAction::SetOnExecute)
                                          .Build();
  return &metaClass;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() { SetActionList(nullptr); }

void TAction::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

void TAction::SetEnabled(bool value) {
  FEnabled = value;
  Changed();
}

void TAction::SetVisible(bool value) {
  FVisible = value;
  Changed();
}

void TAction::SetChecked(bool value) {
  if (value == FChecked) return;
  const std::vector<TActionClient*> clients = FClients;
  for (TActionClient* client : clients) client->ActionCheckedChanging(*this, value);
  FChecked = value;
  Changed();
}

void TAction::SetActionList(TActionList* list) {
  if (list == FActionList) return;
  if (FActionList) std::erase(FActionList->FActions, this);
  FActionList = list;
  if (FActionList) FActionList->FActions.push_back(this);
}

void TAction::SetParentComponent(TComponent* parent) {
  if (parent && parent->InheritsFrom(TActionList::StaticClass())) SetActionList(static_cast<TActionList*>(parent));
}

bool TAction::Execute() {
  if (!FEnabled || !FOnExecute) return false;
  FOnExecute(this);
  return true;
}

void TAction::AddClient(TActionClient* client) {
  if (std::find(FClients.begin(), FClients.end(), client) == FClients.end()) FClients.push_back(client);
}

void TAction::RemoveClient(TActionClient* client) { std::erase(FClients, client); }

void TAction::Changed() {
  for (TActionClient* client : FClients) client->ActionChanged(*this);
}

TClass TActionList::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TActionList>("TActionList", TComponent::StaticClass()).Build();
  return &metaClass;
}

TActionList::~TActionList() {
  for (TAction* action : FActions) action->FActionList = nullptr;
}

TControlActionLink::TControlActionLink(TControl& client, TAction& action) : FClient(client), FAction(action) {
  FAction.AddClient(this);
}

TControlActionLink::~TControlActionLink() {
  if (!FActionGone) FAction.RemoveClient(this);
}

void TControlActionLink::Apply() {
  ActionChanged(FAction);
  SetChecked(FAction.Checked());
}

void TControlActionLink::SetCaption(const std::string& value) { FClient.SetCaption(value); }

void TControlActionLink::SetEnabled(bool value) { FClient.SetEnabled(value); }

void TControlActionLink::SetVisible(bool value) { FClient.SetVisible(value); }

void TControlActionLink::ActionChanged(const TAction& action) {
  SetCaption(action.Caption());
  SetEnabled(action.Enabled());
  SetVisible(action.Visible());
}

void TControlActionLink::ActionCheckedChanging(const TAction&, bool value) {
  if (IsCheckedLinked()) SetChecked(value);
}
