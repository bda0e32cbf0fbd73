#pragma once
// The font, brush and pen a canvas or a control draws with. Each makes its
// GDI object when first asked and drops it when a property changes; OnChange
// runs before the old object goes, so a canvas that has it selected can let
// go of it first. A brush or pen property set to the value it has is no
// change and tells nobody: a shape repainted for nothing costs a round trip
// to the window server. A font tells every set, since a control takes a font
// set on it as its own even when the value is its parent's.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiHandles.h"

class TGraphicsObject : public TPersistent {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 protected:
  // Setters call it after changing a property.
  void Changed();
  virtual void ReleaseHandle() = 0;

 private:
  TNotifyEvent FOnChange;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// The names a form resource gives the members of a font style set.
const TIdentMap& FontStyleIdents();

class TFont : public TGraphicsObject {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value);
  // In points.
  int Size() const { return FSize; }
  void SetSize(int value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  // The character height in pixels of the screen, negative as GDI takes it;
  // setting it sets the size in points.
  int Height() const;
  void SetHeight(int value);
  BYTE Charset() const { return FCharset; }
  void SetCharset(BYTE value);

  using TPersistent::Assign;
  void Assign(const TFont& source);
  HFONT Handle();

 protected:
  void ReleaseHandle() override { FHandle.Reset(); }

 private:
  std::string FName = "MS Sans Serif";
  int FSize = 8;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  BYTE FCharset = DEFAULT_CHARSET;
  TGdiObject<HFONT> FHandle;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // A clear brush fills nothing and lets text leave its background alone.
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // A brush that repeats a picture (the caller keeps the bitmap alive);
  // nullptr goes back to the plain colour.
  HBITMAP PatternBitmap() const { return FPatternBitmap; }
  void SetPatternBitmap(HBITMAP value);

  using TPersistent::Assign;
  void Assign(const TBrush& source);
  HBRUSH Handle();

 protected:
  void ReleaseHandle() override { FHandle.Reset(); }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  HBITMAP FPatternBitmap = nullptr;
  TGdiObject<HBRUSH> FHandle;
};

class TPen : public TGraphicsObject {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Width() const { return FWidth; }
  void SetWidth(int value);

  using TPersistent::Assign;
  void Assign(const TPen& source);
  HPEN Handle();

 protected:
  void ReleaseHandle() override { FHandle.Reset(); }

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TGdiObject<HPEN> FHandle;
};
