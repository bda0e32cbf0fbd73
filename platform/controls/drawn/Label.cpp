#include "platform/controls/drawn/Label.h"

#include "platform/classes/ClassBuilder.h"

TClass TLabel::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TLabel>("TLabel", TGraphicControl::StaticClass())
                                          .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
                                          .Event("OnClick", &TLabel::SetOnClick)
                                          .Build();
  return &metaClass;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 13);
  SetParentColor(true);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT area = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(area);
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(Caption(), area, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS);
}
