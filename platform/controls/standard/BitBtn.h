#pragma once
// TBitBtn: a push button with a picture beside its caption. Its Kind gives
// the usual caption, picture, modal result and default or cancel role of an
// OK, Cancel or Close button at once; later properties may change each.
#include <string>

#include "platform/controls/standard/Button.h"
#include "platform/controls/common/ImageList.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkClose };

class TBitBtn : public TButton {
 public:
  using TButton::TButton;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind value);
  // The name of the bitmap resource shown beside the caption; empty: the kind's own.
  const std::string& Glyph() const { return FGlyph; }
  void SetGlyph(const std::string& value);

  // A Close button closes its form.
  void Click() override;

 protected:
  void CreateWnd() override;

 private:
  std::string GlyphResource() const;
  void ShowGlyph();

  TBitBtnKind FKind = bkCustom;
  std::string FGlyph;
  TImageListHandle FGlyphImages;
};
