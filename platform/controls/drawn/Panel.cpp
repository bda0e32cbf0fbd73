#include "platform/controls/drawn/Panel.h"

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kBevels = {{bvNone, "bvNone"}, {bvLowered, "bvLowered"}, {bvRaised, "bvRaised"}};

}  // namespace

TClass TPanel::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TPanel>("TPanel", TCustomControl::StaticClass())
          .String("Caption", &TPanel::Caption, &TPanel::SetCaption)
          .Enumeration("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, kBevels, bvRaised)
          .Build();
  return &metaClass;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TPanelBevel value) {
  FBevelOuter = value;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  // Tab moves through the controls inside.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::Paint() {
  RECT area = ClientRect();
  if (FBevelOuter != bvNone)
    DrawEdge(Canvas().RequiredHandle(), &area, FBevelOuter == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  if (Caption().empty()) return;
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(Caption(), area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
