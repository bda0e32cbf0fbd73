#include "platform/controls/standard/BitBtn.h"

#include <commctrl.h>

#include "platform/classes/ClassBuilder.h"

namespace {

const TIdentMap kKinds = {{bkCustom, "bkCustom"}, {bkOK, "bkOK"}, {bkCancel, "bkCancel"}, {bkClose, "bkClose"}};

struct TKindLook {
  const char* Caption;
  const char* Glyph;
  TModalResult ModalResult;
};

TKindLook LookOf(TBitBtnKind kind) {
  switch (kind) {
    case bkOK: return {"OK", "BBOK", mrOk};
    case bkCancel: return {"Cancel", "BBCANCEL", mrCancel};
    case bkClose: return {"&Close", "BBCLOSE", mrNone};
    default: return {"", "", mrNone};
  }
}

}  // namespace

TClass TBitBtn::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TBitBtn>("TBitBtn", TButton::StaticClass())
                                          .Enumeration("Kind", &TBitBtn::Kind, &TBitBtn::SetKind, kKinds, bkCustom)
                                          .Bitmap("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph)
                                          .Build();
  return &metaClass;
}

void TBitBtn::SetKind(TBitBtnKind value) {
  if (value == FKind) return;
  FKind = value;
  if (FKind == bkCustom) return;
  const TKindLook look = LookOf(FKind);
  SetDefault(FKind == bkOK);
  SetCancel(FKind == bkCancel);
  SetModalResult(look.ModalResult);
  // A caption the form gave before the kind stays.
  if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(look.Caption);
  ShowGlyph();
}

void TBitBtn::SetGlyph(const std::string& value) {
  FGlyph = value;
  ShowGlyph();
}

std::string TBitBtn::GlyphResource() const { return FGlyph.empty() ? LookOf(FKind).Glyph : FGlyph; }

void TBitBtn::CreateWnd() {
  TButton::CreateWnd();
  ShowGlyph();
}

void TBitBtn::ShowGlyph() {
  const std::string resource = GlyphResource();
  TImageListHandle glyph = resource.empty() ? nullptr : LoadImageStrip(resource, 0);
  // The window lets go of the old picture before it is destroyed.
  if (HandleAllocated()) {
    BUTTON_IMAGELIST images{};
    images.himl = glyph.get();
    images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageA(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
  }
  FGlyphImages = std::move(glyph);
}

void TBitBtn::Click() {
  TButton::Click();
  if (FKind == bkClose)
    if (TForm* form = GetParentForm(*this)) form->Close();
}
