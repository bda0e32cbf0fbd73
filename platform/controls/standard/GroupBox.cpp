#include "platform/controls/standard/GroupBox.h"

#include "platform/classes/ClassBuilder.h"

namespace {

// The frame's margin on three sides, and the height the caption takes at the top.
constexpr int kFrameMargin = 8;
constexpr int kCaptionHeight = 18;

}  // namespace

TClass TGroupBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TGroupBox>("TGroupBox", TWinControl::StaticClass())
                                          .String("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)
                                          .Build();
  return &metaClass;
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= BS_GROUPBOX;
  // Tab moves through the controls inside.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::AdjustClientRect(RECT& rect) const {
  rect.left += kFrameMargin;
  rect.top += kCaptionHeight;
  rect.right -= kFrameMargin;
  rect.bottom -= kFrameMargin;
}

void TGroupBox::WndProc(TMessage& message) {
  if (message.Msg != WM_ERASEBKGND) {
    TWinControl::WndProc(message);
    return;
  }
  // The Win32 group box paints only its frame and caption, and the window it
  // sits in does not paint beneath its children: the inside is ours to fill.
  RECT inside{};
  GetClientRect(Handle(), &inside);
  FillRect(MessageDC(message), &inside, GetSysColorBrush(COLOR_BTNFACE));
  message.Result = 1;
}
