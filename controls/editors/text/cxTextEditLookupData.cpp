#include "controls/editors/text/cxTextEditLookupData.h"

#include <algorithm>

#include "controls/editors/text/cxTextEdit.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Locale.h"

TClass TcxCustomTextEditLookupData::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomTextEditLookupData>("TcxCustomTextEditLookupData", TcxInterfacedPersistent::StaticClass())
          .Build();
  return &metaClass;
}

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* owner)
    : TcxInterfacedPersistent(owner), FEdit(*static_cast<TcxCustomTextEdit*>(owner)) {}

TcxCustomTextEditLookupData::~TcxCustomTextEditLookupData() = default;

TcxCustomTextEditProperties& TcxCustomTextEditLookupData::Properties() const { return FEdit.TextProperties(); }

std::string TcxCustomTextEditLookupData::GetItem(int index) const {
  const TStringList& items = Properties().LookupItems();
  return index >= 0 && index < items.Count() ? items[index] : std::string();
}

int TcxCustomTextEditLookupData::GetItemCount() const { return Properties().LookupItems().Count(); }

std::string TcxCustomTextEditLookupData::EditText(const std::string& item) const {
  const TcxEditEditingStyle style = Properties().GetEditingStyle();
  const int maxLength = Properties().MaxLength();
  if ((style != esEdit && style != esNoEdit) || maxLength <= 0) return item;
  return LeftCharacters(item, maxLength);
}

void TcxCustomTextEditLookupData::SetItemIndex(int value) {
  FItemIndex = std::clamp(value, -1, GetItemCount() - 1);
  if (FList) FList->SetItemIndex(FItemIndex);
}

void TcxCustomTextEditLookupData::PropertiesChanged() {
  if (FItemIndex >= GetItemCount()) FItemIndex = -1;
  if (FList) FList->SetItemCount(GetItemCount());
}

// ---- search

int TcxCustomTextEditLookupData::LocateExact(const std::string& text) const {
  const std::string wanted = AnsiUpperCase(text);
  for (int i = 0; i < GetItemCount(); ++i)
    if (AnsiUpperCase(GetItem(i)) == wanted) return i;
  return -1;
}

int TcxCustomTextEditLookupData::FindItemStartingWith(const std::string& text, int from) const {
  const std::string wanted = AnsiUpperCase(text);
  for (int i = std::max(from, 0); i < GetItemCount(); ++i) {
    const std::string item = GetItem(i);
    if (item.size() >= text.size() && AnsiUpperCase(item.substr(0, text.size())) == wanted) return i;
  }
  return -1;
}

bool TcxCustomTextEditLookupData::Find(const std::string& text) const { return LocateExact(text) >= 0; }

bool TcxCustomTextEditLookupData::Locate(std::string& text, std::string& tail, bool exact, bool next) {
  tail.clear();
  if (GetItemCount() == 0) {
    ApplyResetRule(text, exact);
    return false;
  }
  if (exact && Properties().ExactLookupMatch()) {
    FItemIndex = LocateExact(text);
    return FItemIndex >= 0;
  }
  const int index = text.empty() ? -1 : FindItemStartingWith(text, next ? FItemIndex + 1 : 0);
  if (index < 0) {
    ApplyResetRule(text, exact);
    return false;
  }
  const std::string item = GetItem(index);
  text = item.substr(0, text.size());
  tail = item.substr(text.size());
  FItemIndex = index;
  return true;
}

// The edit-list style keeps the item the user stands on while a typed text
// still may become one; the fixed-list style keeps it unless a whole item
// was asked for.
void TcxCustomTextEditLookupData::ApplyResetRule(const std::string& text, bool exact) {
  switch (Properties().GetEditingStyle()) {
    case esEditList:
      if (exact || (text.empty() && !Find(text))) FItemIndex = -1;
      break;
    case esFixedList:
      if (exact) FItemIndex = -1;
      break;
    default: FItemIndex = -1; break;
  }
}

// The current item stands while the text is the one it put into the editor,
// so that items alike up to MaxLength do not take each other's place.
void TcxCustomTextEditLookupData::TextChanged() {
  const std::string text = FEdit.GetEditingText();
  if (FItemIndex >= 0 && AnsiUpperCase(GetItemEditText(FItemIndex)) == AnsiUpperCase(text)) return;
  std::string located = text;
  std::string tail;
  Locate(located, tail, true, false);
}

// ---- navigation

int TcxCustomTextEditLookupData::PageRowCount() const {
  if (FList && FList->HandleAllocated() && FList->GetItemHeight() > 0)
    return std::max(static_cast<int>(FList->ClientRect().bottom) / FList->GetItemHeight(), 1);
  return Properties().GetDropDownPageRowCount();
}

// A page moves at least one row, and a move never leaves the items.
int TcxCustomTextEditLookupData::MovedIndex(TcxEditLookupMove move, bool wrap) const {
  const int count = GetItemCount();
  const int last = count - 1;
  const int index = FItemIndex;
  const int step = std::max(PageRowCount() - 1, 1);
  switch (move) {
    case elmFirst: return 0;
    case elmLast: return last;
    case elmNext:
      if (index < last) return index + 1;
      return wrap ? 0 : index;
    case elmPrevious:
      if (index > 0) return index - 1;
      if (index < 0) return wrap ? last : index;
      return wrap ? last : 0;
    case elmPageUp:
      if (index < 0) return wrap ? last : index;
      if (index - step >= 0) return index - step;
      return wrap && index == 0 ? last : 0;
    case elmPageDown:
      if (index < 0) return std::min(std::max(PageRowCount() - 1, 0), last);
      if (index + step <= last) return index + step;
      return wrap && index == last ? 0 : last;
  }
  return index;
}

void TcxCustomTextEditLookupData::SelectItem(TcxEditLookupMove move, bool wrap) {
  if (GetItemCount() == 0) return;
  const int index = std::clamp(MovedIndex(move, wrap), -1, GetItemCount() - 1);
  if (IsListVisible() && !(Properties().ImmediateUpdateText() && FEdit.DoEditing())) {
    FList->SetItemIndex(index);
    return;
  }
  MakeCurrent(index);
}

void TcxCustomTextEditLookupData::MakeCurrent(int index) {
  FItemIndex = index;
  if (FList) FList->SetItemIndex(index);
  if (index >= 0 && GetItem(index) != FEdit.GetEditingText() && FOnCurrentChanged) FOnCurrentChanged(this);
}

// ---- the list

// A text editor shows no drop-down: its list serves no container until a
// drop-down editor places it in its popup.
TcxCustomEditListBox& TcxCustomTextEditLookupData::List() {
  if (FList) return *FList;
  FList.reset(CreateList());
  TcxContainerStyle& style = *FEdit.GetActiveStyle();
  FList->Font().Assign(*style.GetVisibleFont());
  FList->SetColor(style.GetVisibleColor());
  FList->SetItemCount(GetItemCount());
  FList->SetItemIndex(FItemIndex);
  FList->SetOnSelectItem([this](TObject*) { ListItemSelected(); });
  return *FList;
}

TcxCustomEditListBox* TcxCustomTextEditLookupData::CreateList() {
  return new TcxCustomEditListBox(nullptr, nullptr, *this);
}

bool TcxCustomTextEditLookupData::IsListVisible() const {
  return FList && FList->HandleAllocated() && FList->Showing();
}

void TcxCustomTextEditLookupData::ListItemSelected() {
  const TcxWeakSelf self(&FEdit);
  if (FOnSelectItem) FOnSelectItem(this);
  if (self.Alive() && FList) FItemIndex = std::clamp(FList->ItemIndex(), -1, GetItemCount() - 1);
}
