#include "platform/controls/Label.h"

#include "platform/classes/ClassBuilder.h"

TClass TLabel::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TLabel>("TLabel", TWinControl::StaticClass())
                                          .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
                                          .Event("OnClick", &TLabel::SetOnClick)
                                          .Build();
  return &metaClass;
}

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "STATIC";
  params.Style |= SS_LEFT | SS_NOTIFY;
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == STN_CLICKED && FOnClick) FOnClick(this);
    return;
  }
  TWinControl::WndProc(message);
}
