#include "controls/editors/text/cxTextEdit.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/text/cxTextEditListBox.h"
#include "controls/foundation/container/cxContainerListBox.h"
#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Clipboard.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/Units.h"

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 21;
constexpr char kCtrlV = 0x16;
constexpr char kCtrlX = 0x18;

std::string VarText(const Variant& value) {
  return VarIsEmpty(value) || VarIsNull(value) ? std::string() : value.AsString();
}

TUnitGuard gUnit;
const TcxFilterTextEditHelper gFilterTextEditHelper;

}  // namespace

// ---- TcxCustomTextEdit

TClass TcxCustomTextEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomTextEdit>("TcxCustomTextEdit", TcxCustomEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass) {}

TcxCustomTextEdit::~TcxCustomTextEdit() = default;

void TcxCustomTextEdit::AfterConstruction() {
  TcxCustomEdit::AfterConstruction();
  SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
  if (InnerTextEdit()) InnerTextEdit()->Edit().SetColor(clWindow);
}

// Made on first use, once the properties that name its class exist.
TcxCustomTextEditLookupData& TcxCustomTextEdit::LookupData() const {
  if (FLookupData) return *FLookupData;
  TClass lookupDataClass = TextProperties().GetLookupDataClass();
  if (!lookupDataClass) lookupDataClass = TcxCustomTextEditLookupData::StaticClass();
  auto* self = const_cast<TcxCustomTextEdit*>(this);
  FLookupData.reset(static_cast<TcxCustomTextEditLookupData*>(lookupDataClass->CreatePersistent(self)));
  FLookupData->SetOnCurrentChanged([self](TObject*) { self->LookupCurrentChanged(); });
  return *FLookupData;
}

IcxCustomInnerEdit* TcxCustomTextEdit::CreateInnerEdit() { return &(new TcxCustomInnerTextEdit(this))->Helper(); }

bool TcxCustomTextEdit::IsListStyle() const {
  const TcxEditEditingStyle style = EditingStyle();
  return style == esEditList || style == esFixedList;
}

std::string TcxCustomTextEdit::DisplayText(const Variant& value) const {
  return TextProperties().ApplyCharCase(VarText(value));
}

std::string TcxCustomTextEdit::GetInnerEditText() const {
  const TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  return inner ? inner->Edit().GetTextBuf() : std::string();
}

void TcxCustomTextEdit::ShowText(const std::string& text) {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (inner && inner->Edit().GetTextBuf() != text) inner->SetEditValue(Variant(text));
}

// ---- the text

std::string TcxCustomTextEdit::Text() const { return const_cast<TcxCustomTextEdit*>(this)->GetTextBuf(); }

void TcxCustomTextEdit::SetText(const std::string& value) { SetTextBuf(value); }

void TcxCustomTextEdit::InternalSetDisplayValue(const Variant& value) {
  const TcxWeakSelf self(this);
  ShowText(DisplayText(value));
  if (self.Alive() && !FInKeyPress) UpdateEditValueFromDisplay();
}

bool TcxCustomTextEdit::TrySetDisplayText(const std::string& text) {
  Variant value(text);
  if (!TextProperties().IsValueValid(value, Focused())) return false;
  if (FInKeyPress && !DoEditing()) return false;
  InternalSetDisplayValue(value);
  return true;
}

// A value the editor may not show while it is edited shows as the empty text.
void TcxCustomTextEdit::UpdateDisplayFromEditValue() {
  Variant editValue = GetEditValue();
  Variant displayValue;
  PrepareDisplayValue(editValue, displayValue, Focused());
  if (Focused() && !TextProperties().IsEditValueValid(editValue, true))
    displayValue = TextProperties().GetEmptyDisplayValue();
  const TcxWeakSelf self(this);
  ShowText(VarText(displayValue));
  if (!self.Alive()) return;
  FFindSelection = false;
  UpdateDisplayText();
}

void TcxCustomTextEdit::UpdateEditValueFromDisplay() {
  const Variant value = EditValueFromDisplayText(GetInnerEditText());
  if (FInKeyPress) SetModifiedAfterEnter(true);
  const Variant previous = GetEditValue();
  if (VarType(previous) == VarType(value) && VarEqualsExact(previous, value)) return;
  AssignEditValue(value);
  const TcxWeakSelf self(this);
  DoEditValueChanged();
  if (self.Alive() && !TextProperties().IsChangeReportedByInnerEdit()) DoChange();
}

void TcxCustomTextEdit::InnerEditChangeHandler(TObject* sender) {
  const TcxWeakSelf self(this);
  TcxCustomEdit::InnerEditChangeHandler(sender);
  if (self.Alive() && !FInKeyPress) LookupData().TextChanged();
}

void TcxCustomTextEdit::SetFindSelection(bool value) {
  if (FFindSelection == value) return;
  FFindSelection = value;
  if (HandleAllocated()) UpdateDisplayText();
}

// ---- the looks

void TcxCustomTextEdit::InitializeViewData(TcxCustomEditViewData& data) {
  if (auto* textData = dynamic_cast<TcxCustomTextEditViewData*>(&data)) {
    textData->SelStart = SelStart();
    textData->SelLength = SelLength();
  }
}

void TcxCustomTextEdit::CalculateViewInfo(POINT point, bool isMouseEvent) {
  TcxCustomEdit::CalculateViewInfo(point, isMouseEvent);
  auto* viewInfo = dynamic_cast<TcxCustomTextEditViewInfo*>(&EditViewInfo());
  if (!viewInfo) return;
  std::string text = GetEditingText();
  TextProperties().ApplyEchoModeAndCharCase(text);
  viewInfo->Text = text;
  viewInfo->LayoutText(cxScreenCanvas());
}

// ---- the properties

void TcxCustomTextEdit::PropertiesChanged(TObject* sender) {
  const TcxWeakSelf self(this);
  ApplyPropertiesToInnerEdit();
  LookupData().PropertiesChanged();
  if (!IsLoading()) ValidateLookupText();
  if (self.Alive()) TcxCustomEdit::PropertiesChanged(sender);
}

void TcxCustomTextEdit::ApplyPropertiesToInnerEdit() {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner) return;
  TcxCustomTextEditProperties& properties = TextProperties();
  inner->SetAlignment(properties.Alignment()->Horz());
  if (!IsInplace()) inner->SetAutoSelect(properties.AutoSelect());
  inner->SetCharCase(properties.CharCase());
  inner->SetEchoMode(properties.EchoMode());
  inner->SetHideSelection(properties.HideSelection());
  inner->SetImeMode(properties.ImeMode());
  inner->SetImeName(properties.ImeName());
  inner->SetMaxLength(properties.MaxLength());
  inner->SetOEMConvert(properties.OEMConvert());
  inner->SetPasswordChar(properties.PasswordChar());
}

void TcxCustomTextEdit::ValidateLookupText() {
  if (!IsListStyle()) return;
  Variant value(GetInnerEditText());
  if (TextProperties().IsValueValid(value, Focused())) return;
  ShowText(VarText(TextProperties().GetEmptyDisplayValue()));
  UpdateEditValueFromDisplay();
}

void TcxCustomTextEdit::DoNewLookupDisplayText(const std::string& text) {
  const TcxWeakSelf self(this);
  const auto& own = static_cast<TcxCustomTextEditProperties&>(*Properties()).OnNewLookupDisplayText();
  if (own) own(this, text);
  if (!self.Alive() || !RepositoryItem()) return;
  const auto& active = TextProperties().OnNewLookupDisplayText();
  if (active) active(this, text);
}

// ---- the selection

void TcxCustomTextEdit::DoEnterEdit() {
  const TcxWeakSelf self(this);
  TcxCustomEdit::DoEnterEdit();
  if (self.Alive() && !IsInplace() && TextProperties().AutoSelect()) SelectAll();
}

void TcxCustomTextEdit::Activate(TcxCustomEditData*& editData) {
  const TcxWeakSelf self(this);
  TcxCustomEdit::Activate(editData);
  if (!self.Alive() || !HandleAllocated()) return;
  SelectInner(0, 0);
  if (self.Alive() && TextProperties().AutoSelect()) SelectAll();
}

void TcxCustomTextEdit::InnerEditWndProc(TMessage& message) {
  const TcxWeakSelf self(this);
  TcxCustomEdit::InnerEditWndProc(message);
  if (!self.Alive() || message.Msg != WM_SETFOCUS) return;
  if (TcxCustomInnerTextEditHelper* inner = InnerTextEdit(); inner && inner->AutoSelect()) inner->SelectAll();
}

int TcxCustomTextEdit::InnerSelStart() const {
  const TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  return inner && inner->HandleAllocated() ? inner->SelStart() : 0;
}

int TcxCustomTextEdit::InnerSelLength() const {
  const TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  return inner && inner->HandleAllocated() ? inner->SelLength() : 0;
}

void TcxCustomTextEdit::SelectInner(int start, int length) {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner) return;
  inner->SetSelStart(start);
  inner->SetSelLength(length);
}

int TcxCustomTextEdit::SelStart() const {
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esNoEdit || (style == esFixedList && !FFindSelection)) return 0;
  return InnerSelStart();
}

int TcxCustomTextEdit::SelLength() const {
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esNoEdit || (style == esFixedList && !FFindSelection)) return 0;
  return InnerSelLength();
}

void TcxCustomTextEdit::SetSelStart(int value) {
  if (EditingStyle() != esNoEdit && InnerTextEdit()) InnerTextEdit()->SetSelStart(value);
}

void TcxCustomTextEdit::SetSelLength(int value) {
  if (EditingStyle() != esNoEdit && InnerTextEdit()) InnerTextEdit()->SetSelLength(value);
}

std::string TcxCustomTextEdit::SelText() const {
  const std::string text = GetEditingText();
  const auto start = std::min(static_cast<size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<size_t>(SelLength()));
}

void TcxCustomTextEdit::SetSelText(const std::string& value) { ReplaceSelection(value); }

// What is applied is what was checked: the new text, or in the list styles
// the item it names; the caret follows the inserted part.
bool TcxCustomTextEdit::ReplaceSelection(const std::string& value) {
  const TcxWeakSelf self(this);
  const bool itemsOnly = IsListStyle() && TextProperties().IsLookupDataVisual();
  std::string newText;
  int newSelStart = 0;
  {
    const TcxFlagScope inKeyPress(self, FInKeyPress, true);
    if (!CanChangeSelText(value, newText, newSelStart) || !self.Alive()) return false;
    if (!itemsOnly && !(KeepsNativeUndo() && ReplaceInnerSelection(newText)) && self.Alive())
      InternalSetDisplayValue(Variant(newText));
  }
  if (self.Alive() && itemsOnly) ChooseItem(LookupData().LocateExact(newText));
  if (self.Alive()) SelectInner(newSelStart, 0);
  return self.Alive();
}

// A list style holds an item or nothing: the item becomes the current one,
// shows in its own case and gives the edit value, as when the keys move to it.
void TcxCustomTextEdit::ChooseItem(int index) {
  const TcxWeakSelf self(this);
  LookupData().SetItemIndex(index);
  SetFindSelection(false);
  InternalSetDisplayValue(Variant(LookupData().GetItemEditText(index)));
  if (self.Alive()) SetModifiedAfterEnter(true);
}

// Where the checked text only replaces the selection, the native edit
// replaces it, so that undo brings the text before back.
bool TcxCustomTextEdit::ReplaceInnerSelection(const std::string& newText) {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated()) return false;
  const std::string text = GetInnerEditText();
  const std::string shown = DisplayText(Variant(newText));
  const size_t start = std::min(static_cast<size_t>(InnerSelStart()), text.size());
  const size_t kept = text.size() - std::min(start + static_cast<size_t>(InnerSelLength()), text.size());
  if (shown.size() < start + kept || shown.compare(0, start, text, 0, start) != 0 ||
      shown.compare(shown.size() - kept, kept, text, text.size() - kept, kept) != 0)
    return false;
  const std::string inserted = shown.substr(start, shown.size() - start - kept);
  const TcxWeakSelf self(this);
  SendMessageA(inner->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
  return !self.Alive() || GetInnerEditText() == shown;
}

void TcxCustomTextEdit::SelectAll() {
  if (TcxCustomInnerTextEditHelper* inner = InnerTextEdit(); inner && inner->HandleAllocated()) inner->SelectAll();
}

// The caret may not move past what the limit keeps of the text before it.
bool TcxCustomTextEdit::CanChangeSelText(const std::string& value, std::string& newText, int& newSelStart) {
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esFixedList) {
    newText = value;
    newSelStart = static_cast<int>(value.size());
  } else {
    const std::string text = GetEditingText();
    const size_t start = std::min(static_cast<size_t>(InnerSelStart()), text.size());
    const size_t end = std::min(start + static_cast<size_t>(InnerSelLength()), text.size());
    newText = text.substr(0, start) + value + text.substr(end);
    newSelStart = static_cast<int>(start + value.size());
  }
  const int maxLength = TextProperties().MaxLength();
  if (FInKeyPress && (style == esEdit || style == esNoEdit) && maxLength > 0) {
    const std::string head = LeftCharacters(newText.substr(0, static_cast<size_t>(newSelStart)), maxLength);
    if (head.size() < static_cast<size_t>(newSelStart)) return false;
    newText = LeftCharacters(newText, maxLength);
  }
  Variant validated(newText);
  if (!TextProperties().IsValueValid(validated, Focused())) return false;
  if ((FInKeyPress || UserAction()) && !DoEditing()) return false;
  newText = VarText(validated);
  return true;
}

void TcxCustomTextEdit::ClearSelection() {
  const int start = InnerSelStart();
  const int length = InnerSelLength();
  if (length == 0) return;
  std::string text = GetEditingText();
  text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
  const TcxWeakSelf self(this);
  if (TrySetDisplayText(text) && self.Alive()) SelectInner(start, 0);
}

// ---- the clipboard: the editor checks the text a cut or a paste leaves and
// applies that text; a password is never copied

bool TcxCustomTextEdit::HidesText() const { return TextProperties().EchoMode() != eemNormal; }

void TcxCustomTextEdit::CopyToClipboard() {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated() || HidesText()) return;
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esFixedList || style == esNoEdit) inner->SelectAll();
  if (inner->SelLength() > 0) inner->CopyToClipboard();
}

// A fixed list's text is one item: a cut takes it whole, as a copy does.
void TcxCustomTextEdit::CutToClipboard() {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated() || HidesText()) return;
  if (EditingStyle() == esFixedList) inner->SelectAll();
  if (inner->SelLength() == 0) return;
  const std::string cut = inner->SelText();
  const TcxWeakSelf self(this);
  if (ReplaceSelection("") && self.Alive()) Clipboard().SetAsText(cut);
}

// The pasted text keeps to its first line and takes the case of the
// properties, as typed text does, and in the free-text styles keeps to the
// room the limit leaves, as the native edit would, leaving a text set longer
// than the limit as it is; the list styles take their items whole, and a
// fixed list keeps its item when nothing is pasted.
void TcxCustomTextEdit::PasteFromClipboard() {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated() || !Clipboard().HasFormat(CF_TEXT)) return;
  std::string pasted = TextProperties().ApplyCharCase(SingleLinePaste(Clipboard().AsText()));
  if (pasted.empty() && EditingStyle() == esFixedList) return;
  const int maxLength = TextProperties().MaxLength();
  if (!IsListStyle() && maxLength > 0) {
    const int kept = CharacterCount(GetInnerEditText()) - CharacterCount(inner->SelText());
    if (kept > maxLength) return;
    pasted = LeftCharacters(pasted, maxLength - kept);
  }
  ReplaceSelection(pasted);
}

// ---- messages

void TcxCustomTextEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      if (FInSetText) break;
      return SetTextMessage(message);
    case WM_GETTEXT: return AnswerGetText(message, GetEditingText());
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(GetEditingText().size()); return;
    case WM_CLEAR: return ClearMessage();
    default: break;
  }
  TcxCustomEdit::WndProc(message);
}

void TcxCustomTextEdit::SetTextMessage(TMessage& message) {
  const TcxWeakSelf self(this);
  const TcxFlagScope setting(self, FInSetText, true);
  message.Result = TrySetEditingText(SetTextText(message)) ? 1 : 0;
}

bool TcxCustomTextEdit::DoInnerControlMessage(TMessage& message) {
  if ((message.Msg == WM_UNDO || message.Msg == EM_UNDO) && !KeepsNativeUndo()) {
    message.Result = 0;
    return true;
  }
  return TcxCustomEdit::DoInnerControlMessage(message);
}

void TcxCustomTextEdit::ClearMessage() {
  const TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!TextProperties().ReadOnly() && inner && !inner->ReadOnly()) ClearSelection();
}

// ---- characters and incremental search

bool TcxCustomTextEdit::IsEditingChar(char key) {
  return IsTextChar(key) || key == VK_BACK || key == kCtrlV || key == kCtrlX;
}

bool TcxCustomTextEdit::IsValidChar(char key) {
  return TcxCustomEdit::IsValidChar(key) || TextProperties().ValidChars().test(static_cast<unsigned char>(key));
}

bool TcxCustomTextEdit::IncrementalSearchApplies() const {
  if (!TextProperties().IsLookupDataVisual()) return false;
  return IsListStyle() || (EditingStyle() == esEdit && TextProperties().IncrementalSearch());
}

void TcxCustomTextEdit::DoEditKeyPress(char& key) {
  const TcxWeakSelf self(this);
  TcxCustomEdit::DoEditKeyPress(key);
  if (!self.Alive() || key == 0 || !IncrementalSearchApplies()) return;
  const int itemIndex = LookupData().ItemIndex();
  {
    const TcxFlagScope inKeyPress(self, FInKeyPress, true);
    if (key == VK_BACK)
      SearchBackspace(key);
    else if (static_cast<unsigned char>(key) >= ' ')
      SearchCharacter(key);
  }
  // Another item found is a new value, as when the keys move to it.
  if (self.Alive() && LookupData().ItemIndex() != itemIndex) {
    SetModifiedAfterEnter(true);
    UpdateEditValueFromDisplay();
  }
}

// The item found is cut to the limit, as when the keys move to it.
void TcxCustomTextEdit::ShowFound(const std::string& prefix, const std::string& tail) {
  const TcxWeakSelf self(this);
  const std::string text = LookupData().EditText(prefix + tail);
  InternalSetDisplayValue(Variant(text));
  if (!self.Alive()) return;
  const size_t start = std::min(prefix.size(), text.size());
  SelectInner(static_cast<int>(start), static_cast<int>(text.size() - start));
  SetFindSelection(true);
}

// The typed text completes to the first item it starts; in the list styles
// a character that starts no item is dropped.
void TcxCustomTextEdit::SearchCharacter(char& key) {
  const TcxEditEditingStyle style = EditingStyle();
  const std::string text = GetEditingText();
  const size_t start = std::min(static_cast<size_t>(InnerSelStart()), text.size());
  const size_t length = static_cast<size_t>(InnerSelLength());
  if (style == esEdit && length == 0 && start != text.size()) return;
  const bool hadTail = FFindSelection && length > 0;
  std::string candidate;
  bool retryAlone = false;
  if (length > 0) {
    candidate = text.substr(0, start) + key;
  } else if (style == esFixedList) {
    retryAlone = FFindSelection;
    candidate = FFindSelection ? text + key : std::string(1, key);
  } else {
    candidate = text.substr(0, start) + key + text.substr(start);
  }
  std::string tail;
  bool found = LookupData().Locate(candidate, tail, false, false);
  if (!found && retryAlone) {
    candidate.assign(1, key);
    found = LookupData().Locate(candidate, tail, false, false);
  }
  if (found) {
    key = 0;
    return ShowFound(candidate, tail);
  }
  if (!IsListStyle()) return;
  key = 0;
  if (style == esEditList && !text.empty()) FFindSelection = true;
  if (style == esFixedList && TextProperties().FixedListBackspace() && hadTail) FFindSelection = true;
}

// Backspace over a completed tail takes the tail and the character before
// it and searches again for what is left. In the edit-list style the text
// from the caret on becomes that tail first, an empty one at the end of an
// item: the native edit would leave part of an item.
void TcxCustomTextEdit::SearchBackspace(char& key) {
  const TcxEditEditingStyle style = EditingStyle();
  if (style == esFixedList && !TextProperties().FixedListBackspace()) {
    key = 0;
    SetFindSelection(false);
    return;
  }
  const std::string text = GetEditingText();
  const size_t start = std::min(static_cast<size_t>(InnerSelStart()), text.size());
  const bool editList = style == esEditList && !text.empty();
  if (editList && !FFindSelection) {
    SelectInner(static_cast<int>(start), static_cast<int>(text.size() - start));
    FFindSelection = true;
  }
  if (!FFindSelection || (InnerSelLength() == 0 && !editList)) {
    if (style == esFixedList) key = 0;
    return;
  }
  key = 0;
  std::string prefix = RemoveLastCharacter(text.substr(0, start), GetACP());
  std::string tail;
  // An erased text starts every item: it stands only on an item that is empty.
  if (LookupData().Locate(prefix, tail, prefix.empty(), false)) return ShowFound(prefix, tail);
  const TcxWeakSelf self(this);
  InternalSetDisplayValue(Variant(prefix));
  if (!self.Alive()) return;
  SelectInner(static_cast<int>(prefix.size()), 0);
  SetFindSelection(false);
}

// ---- keys

bool TcxCustomTextEdit::IsEditingKeyDown(WORD key, TShiftState shift) {
  if (!CanUseLookupNavigation() || HasPopupWindow()) return false;
  if (key == VK_PRIOR || key == VK_NEXT) return true;
  return (key == VK_UP || key == VK_DOWN) && !shift.Contains(ssAlt);
}

bool TcxCustomTextEdit::NavigatesLookup(WORD key) {
  const bool fixedList = EditingStyle() == esFixedList;
  const bool navigation = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN ||
                          (fixedList && (key == VK_HOME || key == VK_END));
  return navigation && TextProperties().IsLookupDataVisual() && CanUseLookupNavigation() &&
         !LookupData().IsListVisible();
}

void TcxCustomTextEdit::NavigateLookup(TcxEditLookupMove move) { LookupData().SelectItem(move, false); }

// The fixed-list style has no caret to move: the keys only end the
// completion, but Shift+Delete cuts; the editor's key-down handling has seen
// them already.
bool TcxCustomTextEdit::FixedListKeyDown(WORD& key, TShiftState shift) {
  if (EditingStyle() != esFixedList || (key != VK_LEFT && key != VK_RIGHT && key != VK_DELETE)) return false;
  if (ClipboardMessageOfKey(key, shift) != 0) return false;
  SetFindSelection(false);
  key = 0;
  return true;
}

// The native edit answers Shift+Insert (with Ctrl too), Ctrl+Insert and a
// Shift+Delete of a selection itself, past the editor's checks: a list
// would take a text that is no item and a password would reach the
// clipboard. They paste, copy and cut as Ctrl+V, Ctrl+C and Ctrl+X do, in
// the list styles Shift+Delete too. The list styles delete nothing with
// Delete.
UINT TcxCustomTextEdit::ClipboardMessageOfKey(WORD key, TShiftState shift) const {
  const UINT message = ClipboardMessageOfEditKey(key, shift);
  if (message != WM_CUT || IsListStyle()) return message;
  return EditingStyle() == esEdit && InnerSelLength() > 0 ? WM_CUT : 0;
}

bool TcxCustomTextEdit::ClipboardKeyDown(WORD& key, TShiftState shift) {
  const UINT message = ClipboardMessageOfKey(key, shift);
  if (message == 0) return false;
  key = 0;
  InnerTextEdit()->Edit().Perform(message);
  return true;
}

bool TcxCustomTextEdit::CollapseSelection(WORD& key, TShiftState shift) {
  if ((key != VK_LEFT && key != VK_RIGHT) || shift.Contains(ssShift)) return false;
  SetFindSelection(false);
  const int length = InnerSelLength();
  if (length == 0) return false;
  const int start = InnerSelStart();
  SelectInner(key == VK_LEFT ? start : start + length, 0);
  key = 0;
  return true;
}

void TcxCustomTextEdit::DoEditKeyDown(WORD& key, TShiftState shift) {
  if (FixedListKeyDown(key, shift)) return;
  const TcxWeakSelf self(this);
  TcxCustomEdit::DoEditKeyDown(key, shift);
  if (!self.Alive() || key == 0) return;
  if (NavigatesLookup(key)) {
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
      case VK_PRIOR: NavigateLookup(ctrl ? elmFirst : elmPageUp); break;
      case VK_NEXT: NavigateLookup(ctrl ? elmLast : elmPageDown); break;
      case VK_HOME: NavigateLookup(elmFirst); break;
      case VK_END: NavigateLookup(elmLast); break;
      case VK_UP: NavigateLookup(elmPrevious); break;
      default: NavigateLookup(elmNext); break;
    }
    key = 0;
    return;
  }
  if (CollapseSelection(key, shift) || ClipboardKeyDown(key, shift)) return;
  if (key == VK_DELETE) {
    if (EditingStyle() == esEditList) key = 0;
    SetFindSelection(false);
  }
  if (key == VK_END && InnerSelLength() == 0 && EditingStyle() != esFixedList) SetFindSelection(false);
}

bool TcxCustomTextEdit::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  const TcxWeakSelf self(this);
  if (TcxCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  if (!self.Alive() || !CanUseLookupNavigation() || HasPopupWindow() || !TextProperties().IsLookupDataVisual() ||
      LookupData().IsListVisible() || !DoEditing())
    return false;
  if (self.Alive()) NavigateLookup(wheelDelta < 0 ? elmNext : elmPrevious);
  return true;
}

// A move to another item shows that item's text.
void TcxCustomTextEdit::LookupCurrentChanged() {
  const int index = LookupData().ItemIndex();
  if (index < 0) return;
  const std::string text = LookupData().GetItemEditText(index);
  if (text == GetEditingText()) return;
  const TcxWeakSelf self(this);
  if (!DoEditing() || !self.Alive()) return;
  InternalSetDisplayValue(Variant(text));
  if (self.Alive()) SetModifiedAfterEnter(true);
}

// ---- TcxTextEdit

TClass TcxTextEdit::StaticClass() {
  using E = TcxTextEdit;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxTextEdit", TcxCustomTextEdit::StaticClass());
    builder.Object("Properties", &E::PropertiesObject);
    return PublishTextEditMembers(builder).Build();
  }();
  return &metaClass;
}

// ---- TcxFilterTextEditHelper

TClass TcxFilterTextEditHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterTextEditHelper", TcxCustomFilterEditHelper::StaticClass(), nullptr, {},
                                    {}, {});
  return &metaClass;
}

void TcxFilterTextEditHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  TcxCustomFilterEditHelper::InitializeProperties(properties, keepButtons);
  auto& text = static_cast<TcxCustomTextEditProperties&>(properties);
  text.BeginUpdate();
  text.SetAutoSelect(true);
  text.SetHideSelection(true);
  text.SetNonEditable(false);
  text.EndUpdate(true);
}

// ---- the unit

void cxTextEditInitialize() {
  if (!gUnit.Enter()) return;
  GetRegisteredEditProperties()->Register(TcxTextEditProperties::StaticClass(),
                                          cxGetResourceString(cxMsgTextEditRegistration));
  RegisterFilterEditHelper(TcxTextEditProperties::StaticClass(), gFilterTextEditHelper);
  RegisterClasses({TcxTextEdit::StaticClass()});
}

void cxTextEditFinalize() {
  if (!gUnit.Leave()) return;
  UnRegisterClass(TcxTextEdit::StaticClass());
  UnregisterFilterEditHelper(TcxTextEditProperties::StaticClass(), gFilterTextEditHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxTextEditProperties::StaticClass());
}
