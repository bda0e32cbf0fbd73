#include "controls/editors/base/cxEditButtons.h"

#include <algorithm>

#include "controls/foundation/cxControls.h"
#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kButtonKinds = {
    {bkEllipsis, "bkEllipsis"}, {bkDown, "bkDown"}, {bkGlyph, "bkGlyph"}, {bkText, "bkText"}};

}  // namespace

void CopyBitmap(TBitmap& target, const TBitmap& source) {
  target.SetSize(source.Width(), source.Height());
  if (!source.Empty()) target.SetPixels(source.GetPixels());
  target.SetTransparentColor(source.TransparentColor());
}

const TIdentMap& AlignmentIdents() {
  static const TIdentMap idents = {
      {taLeftJustify, "taLeftJustify"}, {taRightJustify, "taRightJustify"}, {taCenter, "taCenter"}};
  return idents;
}

TcxEditButton::TcxEditButton(TCollection& collection) : TCollectionItem(collection) {}

TcxEditButton::~TcxEditButton() = default;

TClass TcxEditButton::StaticClass() {
  using B = TcxEditButton;
  static const TMetaClass metaClass =
      TClassBuilder<B>("TcxEditButton", TCollectionItem::StaticClass())
          .String("Caption", &B::Caption, &B::SetCaption)
          .Enumeration("ContentAlignment", &B::ContentAlignment, &B::SetContentAlignment, AlignmentIdents(), taCenter)
          .Boolean("Default", &B::Default, &B::SetDefault, false)
          .Boolean("Enabled", &B::Enabled, &B::SetEnabled, true)
          .Bitmap("Glyph", &B::GlyphResourceName, &B::LoadGlyphResource)
          .Enumeration("Kind", &B::Kind, &B::SetKind, kButtonKinds, bkDown)
          .Boolean("LeftAlignment", &B::LeftAlignment, &B::SetLeftAlignment, false)
          .Boolean("Stretchable", &B::Stretchable, &B::SetStretchable, true)
          .Integer("Tag", &B::Tag, &B::SetTag, 0)
          .Stored([](const B& button) { return button.Tag() != 0; })
          .Boolean("Visible", &B::Visible, &B::SetVisible, true)
          .Integer("Width", &B::Width, &B::SetWidth, 0)
          .Build();
  return &metaClass;
}

void TcxEditButton::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxEditButton*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  Collection().BeginUpdate();
  SetCaption(other->FCaption);
  SetContentAlignment(other->FContentAlignment);
  SetDefault(other->FDefault);
  SetEnabled(other->FEnabled);
  SetGlyph(other->FGlyph.get());
  SetKind(other->FKind);
  SetLeftAlignment(other->FLeftAlignment);
  SetStretchable(other->FStretchable);
  SetTag(other->FTag);
  SetTextColor(other->FTextColor);
  SetVisible(other->FVisible);
  SetWidth(other->FWidth);
  Collection().EndUpdate();
}

template <class V>
void TcxEditButton::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxEditButton::SetCaption(const std::string& value) {
  if (FCaption == value) return;
  FCaption = value;
  FVisibleCaption = RemoveAccelChars(value);
  Changed();
}

void TcxEditButton::SetContentAlignment(TAlignment value) { Change(FContentAlignment, value); }

void TcxEditButton::SetDefault(bool value) {
  if (FDefault == value) return;
  FDefault = value;
  if (value)
    for (int index = 0; index < Collection().Count(); ++index)
      if (index != Index()) static_cast<TcxEditButton&>(Collection().Items(index)).FDefault = false;
  Changed(true);
}

void TcxEditButton::SetEnabled(bool value) { Change(FEnabled, value); }

TBitmap* TcxEditButton::Glyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->SetOnChange([this] { GlyphChanged(); });
  }
  return FGlyph.get();
}

void TcxEditButton::SetGlyph(const TBitmap* value) {
  if (!value) {
    if (!FGlyph) return;
    FGlyph.reset();
    FGlyphResourceName.clear();
    Changed();
    return;
  }
  CopyBitmap(*Glyph(), *value);
}

void TcxEditButton::LoadGlyphResource(const std::string& name) {
  FGlyphResourceName = name;
  Glyph()->LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TcxEditButton::SetKind(TcxEditButtonKind value) { Change(FKind, value); }

void TcxEditButton::SetLeftAlignment(bool value) { Change(FLeftAlignment, value); }

void TcxEditButton::SetStretchable(bool value) { Change(FStretchable, value); }

void TcxEditButton::SetTag(int value) { Change(FTag, value); }

void TcxEditButton::SetTextColor(TColor value) { Change(FTextColor, value); }

void TcxEditButton::SetVisible(bool value) { Change(FVisible, value); }

// A negative width would mean nothing to the painter; the width stays.
void TcxEditButton::SetWidth(int value) {
  if (value < 0) return;
  Change(FWidth, value);
}

TClass TcxEditButtons::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxEditButtons>("TcxEditButtons", TCollection::StaticClass()).Build();
  return &metaClass;
}

int TcxEditButtons::VisibleCount() const {
  int count = 0;
  for (int index = 0; index < Count(); ++index)
    if (Items(index).Visible()) ++count;
  return count;
}

void TcxEditButtons::Update(TCollectionItem*) {
  if (FOnChange) FOnChange(this);
}
