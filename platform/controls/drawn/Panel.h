#pragma once
// TPanel: a plain area that holds other controls, with a raised or lowered
// edge (BevelOuter) and its caption in the middle.
#include "platform/controls/core/CustomControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  TPanelBevel FBevelOuter = bvRaised;
};
