#pragma once
// An editor stand-in for view data tests: it owns the edit styles a view
// data reads and answers the view owner's questions as an editor would.
#include <windows.h>

#include <string>

#include "controls/editors/base/cxEditStyles.h"
#include "controls/editors/base/cxEditViewInfo.h"
#include "controls/foundation/container/cxContainerStyles.h"
#include "platform/controls/core/Control.h"

class TFakeEditor : public TControl, public IcxContainerStyleOwner, public IcxEditViewOwner {
 public:
  TFakeEditor() : TControl(nullptr), FStyles(this, CreateEditStyle) {}

  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return false; }
  bool IsInplace() const override { return false; }
  bool IsStylePropertyStored(const std::string&, bool) const override { return true; }

  HWND ViewHandle() const override { return nullptr; }
  bool HasMouseCapture() const override { return Capture; }
  bool HasNativeBackground() const override { return false; }
  TRect InnerEditBounds(const TRect& contentRect) const override { return contentRect; }
  SIZE MinSize() const override { return Min; }
  SIZE MaxSize() const override { return Max; }

  TcxEditStyle& Style() { return static_cast<TcxEditStyle&>(*FStyles.GetStyleByState(csNormal)); }

  bool Capture = false;
  SIZE Min{0, 0};
  SIZE Max{0, 0};

 private:
  TcxContainerStyles FStyles;
};
