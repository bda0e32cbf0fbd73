#include "controls/editors/text/cxTextEditInner.h"

#include "controls/foundation/controls/cxControls.h"
#include "platform/classes/ClassBuilder.h"

namespace {

// The repaint the inner edit asks of itself; the editor's re-render
// request, of the same number, carries 0.
constexpr WPARAM kOwnRepaintRequest = 1;

std::string ValueText(const Variant& value) {
  return VarIsEmpty(value) || VarIsNull(value) ? std::string() : value.AsString();
}

}  // namespace

// ---- TcxCustomInnerTextEditHelper

TClass TcxCustomInnerTextEditHelper::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TcxCustomInnerTextEditHelper>(
                                          "TcxCustomInnerTextEditHelper", TcxInterfacedPersistent::StaticClass())
                                          .Build();
  return &metaClass;
}

TcxCustomInnerTextEditHelper::TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit& edit)
    : TcxInterfacedPersistent(&edit), FEdit(edit) {}

TWinControl* TcxCustomInnerTextEditHelper::GetControl() { return &FEdit; }
TcxContainer* TcxCustomInnerTextEditHelper::GetControlContainer() { return FEdit.Container(); }
bool TcxCustomInnerTextEditHelper::ReadOnly() const { return FEdit.ReadOnly(); }
void TcxCustomInnerTextEditHelper::SetReadOnly(bool value) { FEdit.SetReadOnly(value); }
void TcxCustomInnerTextEditHelper::SetOnChange(TNotifyEvent value) { FEdit.SetOnChange(std::move(value)); }
void TcxCustomInnerTextEditHelper::SafelySetFocus() { FEdit.SetFocus(); }

TAlignment TcxCustomInnerTextEditHelper::Alignment() const { return FEdit.Alignment(); }
void TcxCustomInnerTextEditHelper::SetAlignment(TAlignment value) { FEdit.SetAlignment(value); }
bool TcxCustomInnerTextEditHelper::AutoSelect() const { return FEdit.AutoSelect(); }
void TcxCustomInnerTextEditHelper::SetAutoSelect(bool value) { FEdit.SetAutoSelect(value); }
TEditCharCase TcxCustomInnerTextEditHelper::CharCase() const { return FEdit.CharCase(); }
void TcxCustomInnerTextEditHelper::SetCharCase(TEditCharCase value) { FEdit.SetCharCase(value); }
TcxEditEchoMode TcxCustomInnerTextEditHelper::EchoMode() const { return FEdit.EchoMode(); }
void TcxCustomInnerTextEditHelper::SetEchoMode(TcxEditEchoMode value) { FEdit.SetEchoMode(value); }
bool TcxCustomInnerTextEditHelper::HideSelection() const { return FEdit.HideSelection(); }
void TcxCustomInnerTextEditHelper::SetHideSelection(bool value) { FEdit.SetHideSelection(value); }
TImeMode TcxCustomInnerTextEditHelper::ImeMode() const { return FEdit.ImeMode(); }
void TcxCustomInnerTextEditHelper::SetImeMode(TImeMode value) { FEdit.SetImeMode(value); }
std::string TcxCustomInnerTextEditHelper::ImeName() const { return FEdit.ImeName(); }
void TcxCustomInnerTextEditHelper::SetImeName(const std::string& value) { FEdit.SetImeName(value); }
bool TcxCustomInnerTextEditHelper::KeyHandled() const { return FEdit.KeyHandled(); }
void TcxCustomInnerTextEditHelper::SetKeyHandled(bool value) { FEdit.SetKeyHandled(value); }
int TcxCustomInnerTextEditHelper::MaxLength() const { return FEdit.MaxLength(); }
void TcxCustomInnerTextEditHelper::SetMaxLength(int value) { FEdit.SetMaxLength(value); }
bool TcxCustomInnerTextEditHelper::OEMConvert() const { return FEdit.OEMConvert(); }
void TcxCustomInnerTextEditHelper::SetOEMConvert(bool value) { FEdit.SetOEMConvert(value); }
char TcxCustomInnerTextEditHelper::PasswordChar() const { return FEdit.PasswordChar(); }
void TcxCustomInnerTextEditHelper::SetPasswordChar(char value) { FEdit.SetPasswordChar(value); }

const TcxInnerTextEditSelChangeEvent& TcxCustomInnerTextEditHelper::OnSelChange() const { return FEdit.FOnSelChange; }

void TcxCustomInnerTextEditHelper::SetOnSelChange(TcxInnerTextEditSelChangeEvent value) {
  FEdit.SetOnSelChange(std::move(value));
}

char TcxCustomInnerTextEditHelper::ImeLastChar() const { return FEdit.FImeCharCount == 2 ? FEdit.FImeLastChar : '\0'; }

HWND TcxCustomInnerTextEditHelper::Handle() const { return FEdit.Handle(); }
bool TcxCustomInnerTextEditHelper::HandleAllocated() const { return FEdit.HandleAllocated(); }

int TcxCustomInnerTextEditHelper::SelStart() const {
  return FEdit.FImeCharCount > 0 ? FEdit.FSavedState.SelStart : FEdit.SelStart();
}

int TcxCustomInnerTextEditHelper::SelLength() const {
  return FEdit.FImeCharCount > 0 ? FEdit.FSavedState.SelLength : FEdit.SelLength();
}

void TcxCustomInnerTextEditHelper::SetSelStart(int value) {
  if (!FEdit.HandleAllocated()) return;
  if (FEdit.FImeCharCount > 0)
    FEdit.FSavedState.SelStart = value;
  else
    FEdit.SetSelStart(value);
}

void TcxCustomInnerTextEditHelper::SetSelLength(int value) {
  if (!FEdit.HandleAllocated()) return;
  if (FEdit.FImeCharCount > 0)
    FEdit.FSavedState.SelLength = value;
  else
    FEdit.SetSelLength(value);
}

std::string TcxCustomInnerTextEditHelper::SelText() const { return FEdit.SelText(); }
void TcxCustomInnerTextEditHelper::SetSelText(const std::string& value) { FEdit.SetSelText(value); }
void TcxCustomInnerTextEditHelper::SelectAll() { FEdit.SelectAll(); }
void TcxCustomInnerTextEditHelper::CopyToClipboard() { FEdit.TCustomEdit::CopyToClipboard(); }
void TcxCustomInnerTextEditHelper::CutToClipboard() { FEdit.TCustomEdit::CutToClipboard(); }
void TcxCustomInnerTextEditHelper::PasteFromClipboard() { FEdit.TCustomEdit::PasteFromClipboard(); }
void TcxCustomInnerTextEditHelper::ClearSelection() { FEdit.TCustomEdit::ClearSelection(); }
void TcxCustomInnerTextEditHelper::SetEditValue(const Variant& value) { FEdit.SetText(ValueText(value)); }
void TcxCustomInnerTextEditHelper::LockBounds(bool lock) { FEdit.LockBounds(lock); }

LRESULT TcxCustomInnerTextEditHelper::CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  FEdit.TCustomEdit::DefaultHandler(message);
  return message.Result;
}

// ---- TcxCustomInnerTextEdit

TClass TcxCustomInnerTextEdit::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomInnerTextEdit>("TcxCustomInnerTextEdit", TCustomEdit::StaticClass()).Build();
  return &metaClass;
}

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* owner)
    : TCustomEdit(owner), FContainer(dynamic_cast<TcxCustomEdit*>(owner)) {
  FCreating = true;
  FHelper.reset(new TcxCustomInnerTextEditHelper(*this));
  // A press and release on the text is a click, which the editor gets.
  TControlStyle style = ControlStyle();
  style.Include(csClickEvents);
  SetControlStyle(style);
  SetParentColor(true);
  SetParentFont(false);
  if (FContainer) FContainer->FreeNotification(this);
  ApplyEchoMode();
  FCreating = false;
}

void TcxCustomInnerTextEdit::Notification(TComponent* component, TOperation operation) {
  TCustomEdit::Notification(component, operation);
  if (operation == opRemove && component == FContainer) FContainer = nullptr;
}

TcxCustomEdit* TcxCustomInnerTextEdit::Container() const { return ContainerAlive() ? FContainer : nullptr; }

bool TcxCustomInnerTextEdit::ContainerAlive() const { return FContainer && !FContainer->IsDestroying(); }

IcxInnerTextEditContainer* TcxCustomInnerTextEdit::TextContainer() const {
  return dynamic_cast<IcxInnerTextEditContainer*>(Container());
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL;
  params.Style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerTextEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  SetMargins(0, 1);
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode value) {
  FEchoMode = value;
  ApplyEchoMode();
}

void TcxCustomInnerTextEdit::SetPasswordChar(char value) {
  FPasswordChar = value;
  if (FEchoMode != eemNormal) ApplyEchoMode();
}

void TcxCustomInnerTextEdit::ApplyEchoMode() {
  const char echo = FPasswordChar ? FPasswordChar : '*';
  TCustomEdit::SetPasswordChar(FEchoMode == eemNormal ? '\0' : echo);
}

// ---- bounds: the editor places the inner edit and clips it itself

void TcxCustomInnerTextEdit::SetBounds(int left, int top, int width, int height) {
  if (FCreating || FBoundsLock > 0) return;
  TcxCustomEdit* container = Container();
  if (!container) return TCustomEdit::SetBounds(left, top, width, height);
  const TcxWeakSelf editor(container);
  container->LockInnerControlSetBounds(true);
  try {
    TCustomEdit::SetBounds(left, top, width, height);
  } catch (...) {
    if (editor.Alive()) container->LockInnerControlSetBounds(false);
    throw;
  }
  if (editor.Alive()) container->LockInnerControlSetBounds(false);
}

void TcxCustomInnerTextEdit::LockBounds(bool lock) {
  if (lock)
    ++FBoundsLock;
  else if (FBoundsLock > 0)
    --FBoundsLock;
}

// ---- the caret

// The caret stands at a character's start: the last start left of it or on
// it. The thread's caret is another window's while the edit has no focus:
// typing would then go where the selection starts.
int TcxCustomInnerTextEdit::GetCaretCharIndex() {
  POINT caret{};
  if (!HandleAllocated()) return 0;
  if (GetFocus() != Handle() || !GetCaretPos(&caret)) return SelStart();
  const int length = GetWindowTextLengthA(Handle());
  int low = 0;
  int high = length;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    const POINT position = PosFromChar(middle);
    if (position.x != -1 && position.x <= caret.x)
      low = middle;
    else
      high = middle - 1;
  }
  // An edit may give no position past its last character: a caret right of
  // the last character's start stands at the end.
  if (low == length - 1 && PosFromChar(length).x == -1 && caret.x > PosFromChar(low).x) return length;
  return low;
}

// ---- keys

// The editor has the key first; true when it used the key up (or went).
bool TcxCustomInnerTextEdit::EditorTakesKey(TEditorKeyHandler handler, WORD& key, TShiftState shift) {
  if (TcxCustomEdit* container = Container()) {
    const TcxWeakSelf self(this);
    (container->*handler)(key, shift);
    if (!self.Alive()) return true;
  }
  if (key != 0) return false;
  FKeyHandled = true;
  return true;
}

void TcxCustomInnerTextEdit::KeyDown(WORD& key, TShiftState shift) {
  if (!EditorTakesKey(&TcxCustomEdit::InnerEditKeyDown, key, shift)) TCustomEdit::KeyDown(key, shift);
}

// Tab belongs to the dialog and the editor; Enter and Escape would only make
// the native edit beep, which the editor asks for on Enter alone.
void TcxCustomInnerTextEdit::KeyPress(char& key) {
  if (key == '\t') key = 0;
  if (TcxCustomEdit* container = Container(); container && key != 0) {
    const TcxWeakSelf self(this);
    container->InnerEditKeyPress(key);
    if (!self.Alive()) return;
    if (key == 0) FKeyHandled = true;
  }
  const IcxInnerTextEditContainer* text = TextContainer();
  if (key == '\r' && !(text && text->BeepOnEnter())) key = 0;
  if (key == VK_ESCAPE) key = 0;
  if (key != 0) TCustomEdit::KeyPress(key);
}

void TcxCustomInnerTextEdit::KeyUp(WORD& key, TShiftState shift) {
  if (!EditorTakesKey(&TcxCustomEdit::InnerEditKeyUp, key, shift)) TCustomEdit::KeyUp(key, shift);
}

TcxCustomInnerTextEdit::TSavedState TcxCustomInnerTextEdit::CurrentState() {
  if (!HandleAllocated()) return {};
  return TSavedState{WindowText(Handle()), SelStart(), SelLength()};
}

// A key ends whatever the input method was typing: its characters are no
// longer awaited.
void TcxCustomInnerTextEdit::KeyDownMessage(TMessage& message) {
  if (KeyCode(message) != VK_PROCESSKEY) ClearPendingIme();
  FKeyHandled = false;
  if (IcxInnerTextEditContainer* text = TextContainer(); text && text->SendKeyToPopup(message)) return;
  SaveState();
  TCustomEdit::WndProc(message);
}

void TcxCustomInnerTextEdit::CharMessage(TMessage& message) {
  const TSavedState before = CurrentState();
  FKeyHandled = false;
  const TcxWeakSelf self(this);
  TCustomEdit::WndProc(message);
  if (!self.Alive()) return;
  IcxInnerTextEditContainer* text = TextContainer();
  if (FImeCharCount > 0 && --FImeCharCount == 0 && text && text->FindSelection())
    SendMessageA(Handle(), EM_SETSEL, FSavedState.SelStart, FSavedState.SelStart + FSavedState.SelLength);
  if (FKeyHandled || !text) return;
  if (!(CurrentState() == before)) text->SetFindSelection(false);
}

// The native edit turns an input method's character into character
// messages: two for a double-byte one.
void TcxCustomInnerTextEdit::ImeCharMessage(TMessage& message) {
  const char lead = static_cast<char>(KeyCode(message) >> 8);
  FImeLastChar = lead;
  FImeCharCount = lead != '\0' ? 2 : 1;
  SaveState();
  TCustomEdit::WndProc(message);
}

// ---- the mouse

void TcxCustomInnerTextEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TCustomEdit::MouseDown(button, shift, x, y);
  if (TcxCustomEdit* container = self.Alive() ? Container() : nullptr)
    container->InnerEditMouseDown(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TCustomEdit::MouseMove(shift, x, y);
  if (TcxCustomEdit* container = self.Alive() ? Container() : nullptr)
    container->InnerEditMouseMove(shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TCustomEdit::MouseUp(button, shift, x, y);
  if (TcxCustomEdit* container = self.Alive() ? Container() : nullptr)
    container->InnerEditMouseUp(button, shift, x + Left(), y + Top());
}

void TcxCustomInnerTextEdit::Click() {
  const TcxWeakSelf self(this);
  TCustomEdit::Click();
  if (TcxCustomEdit* container = self.Alive() ? Container() : nullptr) container->InnerEditClick();
}

void TcxCustomInnerTextEdit::DblClick() {
  const TcxWeakSelf self(this);
  TCustomEdit::DblClick();
  if (TcxCustomEdit* container = self.Alive() ? Container() : nullptr) container->InnerEditDblClick();
}

// ---- messages

void TcxCustomInnerTextEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return KeyDownMessage(message);
    case WM_CHAR: return CharMessage(message);
    case WM_IME_CHAR: return ImeCharMessage(message);
    case WM_IME_COMPOSITION:
      if (TcxCustomEdit* container = Container(); container && !container->DoEditing()) return;
      break;
    case WM_COPY:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR: return ClipboardMessage(message);
    case WM_GETDLGCODE: return GetDlgCodeMessage(message);
    case WM_KILLFOCUS: ClearPendingIme(); break;
    case WM_SIZE:
      TCustomEdit::WndProc(message);
      if (HandleAllocated()) SetMargins(0, 1);
      return;
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_NCPAINT: message.Result = 0; return;
    case EM_SETSEL: return SetSelMessage(message);
    case CM_MOUSELEAVE: {
      const TcxWeakSelf self(this);
      TCustomEdit::WndProc(message);
      if (self.Alive() && Container()) Container()->RefreshForCursorPos(true);
      return;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: return ColorMessage(message);
    case CM_BUFFEREDPAINTONGLASS:
      if (OwnRepaintMessage(message)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (StartsDrag()) return;
      break;
    default: break;
  }
  if (TcxCustomEdit* container = Container(); container && container->DoInnerControlKeyMessage(message)) return;
  TCustomEdit::WndProc(message);
}

// Focus, enter and exit, the context menu and the editor's re-render
// request reach the editor before the native edit.
void TcxCustomInnerTextEdit::DefaultHandler(TMessage& message) {
  if (TcxCustomEdit* container = Container(); container && !Destroying() && container->DoInnerControlMessage(message))
    return;
  TCustomEdit::DefaultHandler(message);
}

// A read-only edit only copies. The editor's own clipboard messages mark a
// cut or a paste as the user's.
void TcxCustomInnerTextEdit::ClipboardMessage(TMessage& message) {
  TcxCustomEdit* container = Container();
  if (!container) return TCustomEdit::WndProc(message);
  const UINT msg = message.Msg;
  if (ReadOnly()) {
    if (msg == WM_CUT || msg == WM_COPY) container->CopyToClipboard();
    return;
  }
  if (msg != WM_CLEAR) {
    container->Perform(msg);
    return;
  }
  if (IcxInnerTextEditContainer* text = TextContainer()) text->ClearSelection();
}

void TcxCustomInnerTextEdit::GetDlgCodeMessage(TMessage& message) {
  TCustomEdit::WndProc(message);
  message.Result |= DLGC_WANTCHARS;
  TcxCustomEdit* container = Container();
  if (!container) return;
  if ((container->InnerEditWantsTab() || container->ActiveProperties()->ProcessesTabKey()) && !IsCtrlPressed())
    message.Result |= DLGC_WANTTAB;
  if (IcxInnerTextEditContainer* text = TextContainer(); text && text->HasOpenPopup())
    message.Result |= DLGC_WANTALLKEYS;
}

void TcxCustomInnerTextEdit::SetSelMessage(TMessage& message) {
  TCustomEdit::WndProc(message);
  if (FOnSelChange) FOnSelChange(this);
}

// The native edit paints in the colours the editor's style gives it. In the
// native look a colour notification asks for one repaint of its own, which
// runs before the request is forgotten: the repaint's own colour
// notification asks for no further one.
void TcxCustomInnerTextEdit::ColorMessage(TMessage& message) {
  TCustomEdit::WndProc(message);
  TcxCustomEdit* container = Container();
  if (FColorPosted || !container || !container->IsNativeStyle() || !HandleAllocated()) return;
  FColorPosted = true;
  PostMessageA(Handle(), CM_BUFFEREDPAINTONGLASS, kOwnRepaintRequest, 0);
}

bool TcxCustomInnerTextEdit::OwnRepaintMessage(const TMessage& message) {
  if (message.WParam != kOwnRepaintRequest) return false;
  if (FColorPosted && HandleAllocated())
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
  FColorPosted = false;
  return true;
}

// The editor is what the user drags.
bool TcxCustomInnerTextEdit::StartsDrag() {
  TcxCustomEdit* container = Container();
  if (!container || container->DragMode() != dmAutomatic || ComponentState().Contains(csDesigning)) return false;
  container->BeginDrag(false);
  return true;
}
