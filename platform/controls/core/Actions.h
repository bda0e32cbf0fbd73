#pragma once
// TAction and TActionList: a command with a caption and an OnExecute handler
// that several controls can share. A control bound to an action shows the
// action's caption and state and runs the action when it is clicked.
#include <string>
#include <vector>

#include "platform/classes/Component.h"

class TAction;
class TActionList;
class TControl;

// What a control bound to an action hears when the action changes.
class TActionClient {
 public:
  virtual void ActionChanged(const TAction& action) = 0;
  // Heard before the action takes the new checked state, so that a client
  // can still compare itself with the old one.
  virtual void ActionCheckedChanging(const TAction& /*action*/, bool /*value*/) {}

 protected:
  ~TActionClient() = default;
};

class TAction : public TComponent {
 public:
  explicit TAction(TComponent* owner);
  ~TAction() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  void SetOnExecute(TNotifyEvent handler) { FOnExecute = std::move(handler); }

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* list);
  // An action nested in an action list's block of a form belongs to that list.
  void SetParentComponent(TComponent* parent) override;

  // Runs OnExecute when the action is enabled and has one; false otherwise.
  bool Execute();

  // A client hears every change until it removes itself; it also asks for a
  // free notification, so it learns when the action goes.
  void AddClient(TActionClient* client);
  void RemoveClient(TActionClient* client);

 private:
  friend class TActionList;
  void Changed();

  std::string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  TNotifyEvent FOnExecute;
  TActionList* FActionList = nullptr;
  std::vector<TActionClient*> FClients;
};

class TActionList : public TComponent {
 public:
  using TComponent::TComponent;
  ~TActionList() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TAction* Actions(int index) const { return FActions.at(index); }

 private:
  friend class TAction;

  std::vector<TAction*> FActions;
};

// Binds one control to an action: the control shows the action's caption
// and state and a click on it runs the action. The control owns its link and
// frees it when the action goes or another replaces it.
class TControlActionLink : public TActionClient {
 public:
  TControlActionLink(TControl& client, TAction& action);
  virtual ~TControlActionLink();
  TControlActionLink(const TControlActionLink&) = delete;
  TControlActionLink& operator=(const TControlActionLink&) = delete;

  TControl& Client() const { return FClient; }
  TAction& Action() const { return FAction; }

  // Whether the action's checked state reaches the control; a control has
  // none of its own, so the base links it while the action is there.
  virtual bool IsCheckedLinked() const { return true; }

  // Gives the control everything the action says, its checked state too.
  virtual void Apply();
  bool Execute() { return FAction.Execute(); }

  // The action is going: it must not be touched any more.
  void ForgetAction() { FActionGone = true; }

 protected:
  virtual void SetCaption(const std::string& value);
  virtual void SetEnabled(bool value);
  virtual void SetVisible(bool value);
  // A control with a checked state takes the action's here.
  virtual void SetChecked(bool /*value*/) {}

 private:
  void ActionChanged(const TAction& action) override;
  void ActionCheckedChanging(const TAction& action, bool value) override;

  TControl& FClient;
  TAction& FAction;
  bool FActionGone = false;
};
