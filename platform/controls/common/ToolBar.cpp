#include "platform/controls/common/ToolBar.h"

#include <utility>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/SysUtils.h"

TClass TToolButton::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TToolButton>("TToolButton", TControl::StaticClass())
          .String("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
          .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex, -1)
          .Event("OnClick", &TToolButton::SetOnClick)
          .Build();
  return &metaClass;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

// Leaves the bar while it is still a tool button, so the bar drops it from its window.
void TToolButton::BeforeDestruction() {
  TToolBar* toolBar = std::exchange(FToolBar, nullptr);
  TControl::BeforeDestruction();
  if (toolBar) toolBar->UpdateButtons();
}

void TToolButton::SetImageIndex(int value) {
  FImageIndex = value;
  Changed();
}

void TToolButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED: Changed(); break;
  }
  TControl::WndProc(message);
}

void TToolButton::ParentChanged() {
  TToolBar* previous = FToolBar;
  FToolBar = Parent() && Parent()->InheritsFrom(TToolBar::StaticClass()) ? static_cast<TToolBar*>(Parent()) : nullptr;
  if (previous) previous->UpdateButtons();
  Changed();
}

void TToolButton::Changed() {
  if (FToolBar) FToolBar->UpdateButtons();
}

TClass TToolBar::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TToolBar>("TToolBar", TWinControl::StaticClass())
          .Component("Images", &TToolBar::Images, &TToolBar::SetImages)
          .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions, false)
          .Enumeration("Align", &TToolBar::Align, &TToolBar::SetAlign, AlignIdents(), alTop)
          .Build();
  return &metaClass;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

void TToolBar::BeforeDestruction() {
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->FToolBar = nullptr;
  TWinControl::BeforeDestruction();
}

int TToolBar::ButtonCount() const {
  int count = 0;
  for (int i = 0; i < ControlCount(); ++i) count += Controls(i)->InheritsFrom(TToolButton::StaticClass());
  return count;
}

TToolButton* TToolBar::Buttons(int index) const {
  int remaining = index;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->InheritsFrom(TToolButton::StaticClass()) && remaining-- == 0)
      return static_cast<TToolButton*>(Controls(i));
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

void TToolBar::SetImages(TImageList* images) {
  FImages = images;
  if (FImages) FImages->FreeNotification(this);
  UpdateButtons();
}

void TToolBar::SetShowCaptions(bool value) {
  FShowCaptions = value;
  UpdateButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FImages) {
    FImages = nullptr;
    UpdateButtons();
  }
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = TOOLBARCLASSNAMEA;
  // The bar's place and size are the layout's, not the common control's own.
  params.Style |= TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  UpdateButtons();
}

void TToolBar::UpdateButtons() {
  if (!HandleAllocated()) return;
  while (SendMessageA(Handle(), TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(Handle(), TB_DELETEBUTTON, 0, 0);
  SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
  std::vector<TBBUTTON> buttons(ButtonCount());
  for (int i = 0; i < ButtonCount(); ++i) {
    const TToolButton& button = *Buttons(i);
    buttons[i].iBitmap = button.ImageIndex() >= 0 ? button.ImageIndex() : I_IMAGENONE;
    buttons[i].idCommand = i;
    buttons[i].fsState =
        static_cast<BYTE>((button.Enabled() ? TBSTATE_ENABLED : 0) | (button.Visible() ? 0 : TBSTATE_HIDDEN));
    buttons[i].fsStyle = BTNS_BUTTON;
    buttons[i].iString = FShowCaptions ? reinterpret_cast<INT_PTR>(button.Caption().c_str()) : -1;
  }
  SendMessageA(Handle(), TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void TToolBar::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    const int index = CommandId(message);
    if (index < ButtonCount()) Buttons(index)->Click();
    return;
  }
  TWinControl::WndProc(message);
}
