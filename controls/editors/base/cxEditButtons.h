#pragma once
// The buttons an editor carries at its sides: a drop-down arrow, an
// ellipsis, a glyph or a caption. They are items of a collection owned by
// the editor's properties, which hears of every change through the
// collection's change event.
#include <memory>
#include <string>

#include "controls/foundation/cxLookAndFeelPainters.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"

enum TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph, bkText };

// The names a form gives the horizontal alignments.
const TIdentMap& AlignmentIdents();

// Gives `target` the size, pixels and transparent colour of `source`: how
// the editors' settings copy a glyph they are given.
void CopyBitmap(TBitmap& target, const TBitmap& source);

class TcxEditButtons;

class TcxEditButton : public TCollectionItem {
 public:
  explicit TcxEditButton(TCollection& collection);
  ~TcxEditButton() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // The caption without its accelerator marks, as it is painted.
  const std::string& VisibleCaption() const { return FVisibleCaption; }
  TAlignment ContentAlignment() const { return FContentAlignment; }
  void SetContentAlignment(TAlignment value);
  bool Default() const { return FDefault; }
  // Only one button of the collection is the default one.
  void SetDefault(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // Made empty on first read, so a form may draw into it.
  TBitmap* Glyph();
  // nullptr frees the glyph.
  void SetGlyph(const TBitmap* value);
  bool HasGlyph() const { return FGlyph != nullptr; }
  // A form names the glyph by its bitmap resource.
  const std::string& GlyphResourceName() const { return FGlyphResourceName; }
  void LoadGlyphResource(const std::string& name);
  TcxEditButtonKind Kind() const { return FKind; }
  void SetKind(TcxEditButtonKind value);
  bool LeftAlignment() const { return FLeftAlignment; }
  void SetLeftAlignment(bool value);
  bool Stretchable() const { return FStretchable; }
  void SetStretchable(bool value);
  int Tag() const { return FTag; }
  void SetTag(int value);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // 0 leaves the width to the painter; a negative width is refused.
  int Width() const { return FWidth; }
  void SetWidth(int value);

 private:
  template <class V>
  void Change(V& field, V value);
  void GlyphChanged() { Changed(); }

  std::string FCaption;
  std::string FVisibleCaption;
  TAlignment FContentAlignment = taCenter;
  bool FDefault = false;
  bool FEnabled = true;
  std::unique_ptr<TBitmap> FGlyph;
  std::string FGlyphResourceName;
  TcxEditButtonKind FKind = bkDown;
  bool FLeftAlignment = false;
  bool FStretchable = true;
  int FTag = 0;
  TColor FTextColor = clBtnText;
  bool FVisible = true;
  int FWidth = 0;
};

class TcxEditButtons : public TCollectionOf<TcxEditButton> {
 public:
  explicit TcxEditButtons(TPersistent* owner) : TCollectionOf<TcxEditButton>(owner) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int VisibleCount() const;
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 protected:
  void Update(TCollectionItem*) override;

 private:
  TNotifyEvent FOnChange;
};
