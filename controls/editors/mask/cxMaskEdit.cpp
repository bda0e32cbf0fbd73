#include "controls/editors/mask/cxMaskEdit.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/mask/cxMaskEditModes.h"
#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "controls/editors/mask/cxMaskEditStandardMode.h"
#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Clipboard.h"
#include "platform/rtl/Units.h"

namespace {

constexpr char kCtrlC = 0x03;
constexpr char kCtrlV = 0x16;
constexpr char kCtrlX = 0x18;

// The comparisons of a filter row by their bits: those every masked edit
// offers, the pattern matches of an unmasked text, the ranges and lists.
constexpr uint32_t kMaskFilterOperators = 0x67E;
constexpr uint32_t kTextFilterOperators = 0x180;
constexpr uint32_t kExtendedFilterOperators = 0x7800;

std::string VarText(const Variant& value) {
  return VarIsEmpty(value) || VarIsNull(value) ? std::string() : value.AsString();
}

TUnitGuard gUnit;
const TcxFilterMaskEditHelper gFilterMaskEditHelper;

}  // namespace

// ---- TcxCustomMaskEdit

TClass TcxCustomMaskEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomMaskEdit>("TcxCustomMaskEdit", TcxCustomTextEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomMaskEdit::TcxCustomMaskEdit(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomTextEdit(owner, inplace, propertiesClass) {}

TcxCustomMaskEdit::~TcxCustomMaskEdit() = default;

// The first PropertiesChanged makes the mode of the properties' kind and
// compiles their mask.
void TcxCustomMaskEdit::AfterConstruction() {
  TcxCustomTextEdit::AfterConstruction();
  FMode = std::make_unique<TcxMaskEditStandardMode>(this, MaskProperties());
  FShiftHeld = false;
  if (TcxCustomInnerTextEditHelper* inner = InnerTextEdit())
    inner->SetOnSelChange([this](TObject*) { InnerSelectionChanged(); });
}

void TcxCustomMaskEdit::Loaded() {
  const TcxWeakSelf self(this);
  TcxCustomTextEdit::Loaded();
  if (!self.Alive() || !IsMasked()) return;
  LockChangeEvents(true);
  SetDisplayValueFromText();
  if (self.Alive()) LockChangeEvents(false);
}

void TcxCustomMaskEdit::InnerSelectionChanged() {
  if (FMode && !FInternalSelection) FMode->SelectionChanged();
}

// ---- what the modes use

void TcxCustomMaskEdit::SetSelStartInternally(int value) {
  const TcxWeakSelf self(this);
  const TcxFlagScope internal(self, FInternalSelection, true);
  SetSelStart(value);
}

void TcxCustomMaskEdit::SetSelLengthInternally(int value) {
  const TcxWeakSelf self(this);
  const TcxFlagScope internal(self, FInternalSelection, true);
  SetSelLength(value);
}

void TcxCustomMaskEdit::SendKeyDown(uint16_t key) {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated()) return;
  const TcxWeakSelf self(this);
  const TcxFlagScope bypass(self, FKeyBypass, true);
  SendMessageA(inner->Handle(), WM_KEYDOWN, key, 0);
}

void TcxCustomMaskEdit::SendChar(char ch) {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated()) return;
  const TcxWeakSelf self(this);
  const TcxFlagScope bypass(self, FKeyBypass, true);
  SendMessageA(inner->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
}

int TcxCustomMaskEdit::CaretCharIndex() const {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  return inner ? inner->Edit().GetCaretCharIndex() : 0;
}

std::string TcxCustomMaskEdit::DisplayText() const { return VarText(DataBinding()->GetDisplayValue()); }

void TcxCustomMaskEdit::SetDisplayText(const std::string& text) { DataBinding()->SetDisplayValue(Variant(text)); }

std::string TcxCustomMaskEdit::PreparedEditValueText() {
  Variant displayValue;
  PrepareDisplayValue(GetEditValue(), displayValue, Focused());
  return VarText(displayValue);
}

void TcxCustomMaskEdit::SetDisplayValueFromText() { InternalSetDisplayValue(Variant(Text())); }

// ---- keys: the key-bypass flag lets the modes' own keys reach the native edit

void TcxCustomMaskEdit::KeyDown(WORD& key, TShiftState shift) {
  if (!FKeyBypass) TcxCustomTextEdit::KeyDown(key, shift);
}

void TcxCustomMaskEdit::KeyPress(char& key) {
  if (!FKeyBypass) TcxCustomTextEdit::KeyPress(key);
}

void TcxCustomMaskEdit::KeyUp(WORD& key, TShiftState shift) {
  if (!FKeyBypass) TcxCustomTextEdit::KeyUp(key, shift);
}

// Under a mask Delete edits the text through the mode, which needs the
// editor's permission as typing does.
bool TcxCustomMaskEdit::IsEditingKeyDown(WORD key, TShiftState shift) {
  if (IsMasked() && key == VK_DELETE) return true;
  return TcxCustomTextEdit::IsEditingKeyDown(key, shift);
}

void TcxCustomMaskEdit::DoEditKeyDown(WORD& key, TShiftState shift) {
  const bool clearKey = ShortCut(key, shift) == ActiveProperties()->ClearKey();
  if (!IsMasked() || clearKey || key == VK_TAB) return TcxCustomTextEdit::DoEditKeyDown(key, shift);
  const TcxWeakSelf self(this);
  if (!CanProcessKeyDown(key, shift)) {
    if (self.Alive()) FireKeyDown(key, shift);
    key = 0;
    return;
  }
  if (!self.Alive()) return;
  FShiftHeld = shift.Contains(ssShift);
  if ((key == VK_UP || key == VK_DOWN) && !HasPopupWindow()) {
    FireKeyDown(key, shift);
    key = 0;
    return;
  }
  if (!MaskKeyDown(key, shift)) key = 0;
  if (self.Alive() && key != 0) TcxCustomTextEdit::DoEditKeyDown(key, shift);
}

bool TcxCustomMaskEdit::DoInnerControlMessage(TMessage& message) {
  InnerMouseMessage(message);
  return TcxCustomTextEdit::DoInnerControlMessage(message);
}

// A press or a drag on the text moves the native caret without a selection
// message. The mode hears of it before the native edit handles it, lest an
// expression mode's next key meet a stale split, and again when the press
// or the drag reaches the editor, after the native edit: only then does the
// caret a standard mode selects stand where the press fell.
// Every message of the inner edit passes here: the button state is read
// from the message itself, never asked of the system.
void TcxCustomMaskEdit::InnerMouseMessage(const TMessage& message) {
  if (IsMouseDownMessage(message.Msg) && MouseButtonOf(message.Msg) == mbLeft) InnerSelectionChanged();
  if (message.Msg == WM_MOUSEMOVE && (message.WParam & MK_LBUTTON)) SelectionDragged();
}

bool TcxCustomMaskEdit::MaskKeyDown(WORD key, TShiftState shift) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT: return ArrowKeyDown(key, shift, key == VK_LEFT);
    case VK_HOME: return FMode->Home();
    case VK_END: return FMode->End();
    case VK_DELETE: return DeleteKeyDown(shift);
    default: return true;
  }
}

// Shift+Delete cuts a selection through the editor, so that the mode blanks
// what the native edit would take out of the mask's text.
bool TcxCustomMaskEdit::DeleteKeyDown(TShiftState shift) {
  // With Ctrl the native edit deletes to the end of the line, or nothing
  // with Shift too, where the mode would count one character: a mask has no
  // such deletion.
  if (shift.Contains(ssCtrl)) return false;
  if (!shift.Contains(ssShift)) return FMode->Delete();
  if (SelLength() == 0) return FMode->Backspace();
  CutToClipboard();
  return false;
}

// Ctrl moves to the start or the end; a key swallowed at the start or the
// end still tells the key event.
bool TcxCustomMaskEdit::ArrowKeyDown(WORD& key, TShiftState shift, bool toLeft) {
  if (shift.Contains(ssCtrl)) {
    SendKeyDown(toLeft ? VK_HOME : VK_END);
    return toLeft ? FMode->Home() : FMode->End();
  }
  const bool atLimit = toLeft ? FMode->IsCaretAtStart() : FMode->IsCaretAtEnd();
  const bool passes = toLeft ? FMode->Left() : FMode->Right();
  if (!passes && atLimit) FireKeyDown(key, shift);
  return passes;
}

void TcxCustomMaskEdit::DoEditKeyPress(char& key) {
  if (!IsMasked()) return TcxCustomTextEdit::DoEditKeyPress(key);
  if (key == '\t' || key == VK_ESCAPE) {
    key = 0;
    return;
  }
  TcxCustomEdit::DoEditKeyPress(key);
  if (key == 0 || key == '\r' || key == kCtrlC || key == kCtrlV || key == kCtrlX) return;
  const bool passes = key == VK_BACK ? FMode->Backspace() : FMode->PressChar(key);
  if (!passes) key = 0;
}

// ---- the mouse

void TcxCustomMaskEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) InnerSelectionChanged();
  TcxCustomTextEdit::MouseDown(button, shift, x, y);
}

void TcxCustomMaskEdit::MouseMove(TShiftState shift, int x, int y) {
  if (shift.Contains(ssLeft)) SelectionDragged();
  TcxCustomTextEdit::MouseMove(shift, x, y);
}

// A drag extends the selection as Shift does.
void TcxCustomMaskEdit::SelectionDragged() {
  const TcxWeakSelf self(this);
  const TcxFlagScope shiftHeld(self, FShiftHeld, true);
  InnerSelectionChanged();
}

void TcxCustomMaskEdit::DblClick() {
  if (IsMasked()) FMode->AdvanceToEnd();
  TcxCustomTextEdit::DblClick();
}

void TcxCustomMaskEdit::DoEnterEdit() {
  if (IsMasked() && ActiveProperties()->AutoSelect()) FMode->AdvanceToEnd();
  TcxCustomTextEdit::DoEnterEdit();
}

void TcxCustomMaskEdit::HookInnerEditWndProc() {
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!IsMasked() || !inner || !inner->HandleAllocated()) return TcxCustomTextEdit::HookInnerEditWndProc();
  SendMessageA(inner->Handle(), WM_SETREDRAW, FALSE, 0);
  FRedrawLocked = true;
}

void TcxCustomMaskEdit::UnhookInnerEditWndProc() {
  if (!FRedrawLocked) return TcxCustomTextEdit::UnhookInnerEditWndProc();
  FRedrawLocked = false;
  TcxCustomInnerTextEditHelper* inner = InnerTextEdit();
  if (!inner || !inner->HandleAllocated()) return;
  SendMessageA(inner->Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(inner->Handle(), nullptr, TRUE);
}

// ---- the clipboard

// Without a selection there is nothing to cut: the mode's Delete would pass
// a Backspace on that takes the character before the caret behind its back.
void TcxCustomMaskEdit::CutToClipboard() {
  if (!IsMasked()) return TcxCustomTextEdit::CutToClipboard();
  if (SelLength() == 0 || HidesText() || (Focused() && !DoEditing())) return;
  CopyToClipboard();
  if (FMode->Delete()) SendChar(cxMaskCharBackspace);
}

void TcxCustomMaskEdit::PasteFromClipboard() {
  if (!IsMasked()) return TcxCustomTextEdit::PasteFromClipboard();
  if (!Clipboard().HasFormat(CF_TEXT)) return;
  const std::string text = SingleLinePaste(Clipboard().AsText());
  const TcxWeakSelf self(this);
  FMode->SetPasteLength(static_cast<int>(text.size()));
  FMode->PreparePaste();
  SetSelText(text);
  if (!self.Alive()) return;
  FMode->FinishPaste();
  FMode->SetPasteLength(0);
}

// Inside a paste from the clipboard the paste length stays for the paste's
// own FinishPaste.
void TcxCustomMaskEdit::SetSelText(const std::string& value) {
  if (!IsMasked()) return TcxCustomTextEdit::SetSelText(value);
  const int outerPasteLength = FMode->PasteLength();
  const TcxWeakSelf self(this);
  FMode->SetPasteLength(static_cast<int>(value.size()));
  FMode->PreparePaste();
  TcxCustomTextEdit::SetSelText(value);
  if (!self.Alive()) return;
  FMode->FinishPaste();
  FMode->SetPasteLength(outerPasteLength);
}

// The selection counts in the shown text, which holds the mask's literals
// and blanks; the mask places what comes out.
bool TcxCustomMaskEdit::CanChangeSelText(const std::string& value, std::string& newText, int& newSelStart) {
  if (!IsMasked()) return TcxCustomTextEdit::CanChangeSelText(value, newText, newSelStart);
  const std::string text = GetInnerEditText();
  const size_t start = std::min(static_cast<size_t>(std::max(SelStart(), 0)), text.size());
  const size_t end = std::min(start + static_cast<size_t>(std::max(SelLength(), 0)), text.size());
  newText = text.substr(0, start) + value + text.substr(end);
  newSelStart = static_cast<int>(start + value.size());
  return DoEditing();
}

// ---- display and value

void TcxCustomMaskEdit::InternalSetDisplayValue(const Variant& value) {
  if (!FMode || !IsMasked() || IsLoading()) return TcxCustomTextEdit::InternalSetDisplayValue(value);
  const TcxWeakSelf self(this);
  TcxCustomTextEdit::InternalSetDisplayValue(
      Variant(MaskProperties().FormatDisplayText(*FMode, VarText(value), Focused())));
  if (self.Alive()) FMode->DisplayTextChanged(GetInnerEditText());
}

void TcxCustomMaskEdit::UpdateDisplayFromEditValue() {
  const TcxWeakSelf self(this);
  TcxCustomTextEdit::UpdateDisplayFromEditValue();
  if (self.Alive() && FMode && IsMasked()) FMode->DisplayTextChanged(GetInnerEditText());
}

Variant TcxCustomMaskEdit::EditValueFromDisplayText(const std::string& text) {
  if (!FMode || !IsMasked()) return TcxCustomTextEdit::EditValueFromDisplayText(text);
  const TcxCustomMaskEditProperties& properties = MaskProperties();
  const auto* standard = dynamic_cast<const TcxMaskEditStandardMode*>(FMode.get());
  if (!Focused() && standard &&
      (standard->StandardMask().SaveLiteralChars() || !properties.AlwaysShowBlanksAndLiterals()))
    return TcxCustomTextEdit::EditValueFromDisplayText(text);
  return Variant(FMode->GetValue(text, true));
}

void TcxCustomMaskEdit::InnerEditChangeHandler(TObject* sender) {
  if (FMode) FEditingText = FMode->GetValue(GetInnerEditText(), true);
  TcxCustomTextEdit::InnerEditChangeHandler(sender);
}

std::string TcxCustomMaskEdit::GetEditingText() const {
  return FMode && IsMasked() ? FEditingText : TcxCustomTextEdit::GetEditingText();
}

// ---- the properties

void TcxCustomMaskEdit::PropertiesChanged(TObject* sender) {
  if (!FMode) return TcxCustomTextEdit::PropertiesChanged(sender);
  TcxCustomMaskEditProperties& properties = MaskProperties();
  const bool wasLocked = properties.ChangedLocked();
  properties.SetChangedLocked(true);
  const std::string mask = properties.EffectiveMask();
  const bool maskChanged = FMode->Mask() != mask || properties.InChangedFormat();
  const bool kindChanged = FMode->GetMaskKind() != properties.MaskKind();
  const bool caseChanged = properties.CharCase() != FMode->CharCase();
  bool storedMaskCleared = false;
  if (kindChanged) ReplaceModeForKind(storedMaskCleared);
  if (maskChanged) CompileChangedMask(mask, storedMaskCleared);
  if (caseChanged) {
    if (properties.CharCase() == ecNormal) {
      if (TcxCustomInnerTextEditHelper* inner = InnerTextEdit()) inner->SetCharCase(ecNormal);
      FMode->RefreshEditing();
    }
    FMode->SetCharCase(properties.CharCase());
  }
  const bool echoChanged = properties.EchoMode() != FMode->EchoMode();
  const bool keepSelection = echoChanged && HandleAllocated();
  const int selStart = keepSelection ? SelStart() : 0;
  const int selLength = keepSelection ? SelLength() : 0;
  if (IsMasked() && (Destroying() || !InnerTextEdit() || !VarIsNull(GetEditValue()))) FMode->ApplyPendingEmpty();
  properties.SetChangedLocked(wasLocked);
  if (auto* regExpr = dynamic_cast<TcxMaskEditRegExprMode*>(FMode.get()))
    regExpr->SetCaseInsensitive(properties.CaseInsensitive());
  const TcxWeakSelf self(this);
  TcxCustomTextEdit::PropertiesChanged(sender);
  if (!self.Alive()) return;
  if (echoChanged) {
    if (keepSelection && HandleAllocated()) {
      SetSelStartInternally(selStart);
      SetSelLengthInternally(selLength);
    }
    FMode->SetEchoMode(properties.EchoMode());
  }
  if (maskChanged || kindChanged || caseChanged) FEditingText = FMode->GetValue(GetInnerEditText(), true);
}

// A change between a picture and an expression clears the stored mask: the
// old kind's mask means nothing to the new one.
void TcxCustomMaskEdit::ReplaceModeForKind(bool& storedMaskCleared) {
  TcxCustomMaskEditProperties& properties = MaskProperties();
  const int charCase = FMode->CharCase();
  const int echoMode = FMode->EchoMode();
  const bool wasStandard = FMode->GetMaskKind() == emkStandard;
  FMode = properties.CreateMaskMode(this);
  FMode->SetCharCase(charCase);
  FMode->SetEchoMode(echoMode);
  if (wasStandard != (properties.MaskKind() == emkStandard)) {
    properties.ClearStoredMask();
    storedMaskCleared = true;
  }
  const std::string mask = properties.EffectiveMask();
  FMode->Compile(mask);
  if (IsMaskNonBlank(mask)) FMode->RefreshEditing();
}

void TcxCustomMaskEdit::CompileChangedMask(const std::string& mask, bool storedMaskCleared) {
  TcxCustomMaskEditProperties& properties = MaskProperties();
  if (IsMaskNonBlank(mask) && properties.MaxLength() != 0) properties.SetMaxLength(0);
  FMode->Compile(mask);
  if (storedMaskCleared) properties.RestoreStoredMask(mask);
  if (IsMaskNonBlank(mask)) return FMode->RefreshEditing();
  const bool standard = FMode->GetMaskKind() == emkStandard;
  if (standard && HandleAllocated() && SelLength() == 1) SetSelLengthInternally(0);
}

// ---- TcxMaskEdit

TClass TcxMaskEdit::StaticClass() {
  using E = TcxMaskEdit;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxMaskEdit", TcxCustomMaskEdit::StaticClass());
    builder.Object("Properties", &E::PropertiesObject);
    return PublishTextEditMembers(builder).Build();
  }();
  return &metaClass;
}

// ---- TcxFilterMaskEditHelper

TClass TcxFilterMaskEditHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterMaskEditHelper", TcxFilterTextEditHelper::StaticClass(), nullptr, {}, {},
                                    {});
  return &metaClass;
}

void TcxFilterMaskEditHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  TcxFilterTextEditHelper::InitializeProperties(properties, keepButtons);
  auto& mask = static_cast<TcxCustomMaskEditProperties&>(properties);
  mask.BeginUpdate();
  if (mask.MaskKind() == emkRegExpr) mask.SetMaskKind(emkRegExprEx);
  mask.SetAutoSelect(!mask.IsMasked());
  mask.EndUpdate(true);
}

TcxFilterOperatorKinds TcxFilterMaskEditHelper::GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                                            TcxValueTypeClass valueType,
                                                                            bool extended) const {
  uint32_t bits = kMaskFilterOperators;
  const auto& mask = static_cast<const TcxCustomMaskEditProperties&>(properties);
  if (!mask.IsMasked() && valueType && valueType->IsString()) bits |= kTextFilterOperators;
  if (extended) bits |= kExtendedFilterOperators;
  return TcxFilterOperatorKinds::FromBits(bits);
}

// ---- the unit

void cxMaskEditInitialize() {
  if (!gUnit.Enter()) return;
  GetRegisteredEditProperties()->Register(TcxMaskEditProperties::StaticClass(),
                                          cxGetResourceString(cxMsgMaskEditRegistration));
  RegisterFilterEditHelper(TcxMaskEditProperties::StaticClass(), gFilterMaskEditHelper);
  RegisterClasses({TcxMaskEdit::StaticClass()});
}

void cxMaskEditFinalize() {
  if (!gUnit.Leave()) return;
  UnRegisterClass(TcxMaskEdit::StaticClass());
  UnregisterFilterEditHelper(TcxMaskEditProperties::StaticClass(), gFilterMaskEditHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxMaskEditProperties::StaticClass());
}
