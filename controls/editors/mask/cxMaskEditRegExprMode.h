#pragma once
// The modes of the expression masks. The filter mode refuses every
// character the expression cannot continue with and cuts off what no longer
// fits after an edit; the completing mode also types the literal characters
// the expression forces and moves the caret over a typed character and its
// forced literals as one unit.
#include "controls/editors/mask/cxMaskEditCustomMode.h"

class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
 public:
  TcxMaskEditRegExprMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);

  TcxEditMaskKind GetMaskKind() const override { return emkRegExpr; }
  // The engine matches letters regardless of their case when set.
  virtual void SetCaseInsensitive(bool value);
};

class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
 public:
  TcxMaskEditRegExprExMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties);

  TcxEditMaskKind GetMaskKind() const override { return emkRegExprEx; }
};
