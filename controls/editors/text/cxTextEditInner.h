#pragma once
// The native single-line edit a text editor places inside itself. It draws
// no border, hands every key, character, mouse, focus, clipboard and
// selection event to its editor, and lets the editor decide about editing,
// incremental search and popups. Its helper is what the editor holds of it:
// the inner edit as an interface.
#include <windows.h>

#include <functional>
#include <string>

#include "controls/editors/base/cxEditControl.h"
#include "controls/foundation/base/cxClasses.h"
#include "platform/controls/standard/Edit.h"
#include "platform/rtl/Variants.h"

enum TcxEditEchoMode { eemNormal, eemPassword };

// What a text editor offers its inner edit beyond the edit base.
class IcxInnerTextEditContainer {
 public:
  virtual ~IcxInnerTextEditContainer() = default;
  // Whether Enter reaches the native edit, which beeps at it.
  virtual bool BeepOnEnter() const = 0;
  // The tail the incremental search completed is selected.
  virtual bool FindSelection() const = 0;
  virtual void SetFindSelection(bool value) = 0;
  virtual void ClearSelection() = 0;
  // An open popup that claims the key gets it; true when it handled it.
  virtual bool SendKeyToPopup(TMessage& message) = 0;
  // While a popup is open the inner edit takes every key from the dialog manager.
  virtual bool HasOpenPopup() = 0;
};

using TcxInnerTextEditSelChangeEvent = std::function<void(TObject* sender)>;

class TcxCustomInnerTextEdit;

class TcxCustomInnerTextEditHelper : public TcxInterfacedPersistent, public IcxCustomInnerEdit {
 public:
  explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit& edit);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomInnerTextEdit& Edit() const { return FEdit; }

  // ---- IcxCustomInnerEdit
  TWinControl* GetControl() override;
  TcxContainer* GetControlContainer() override;
  bool ReadOnly() const override;
  void SetReadOnly(bool value) override;
  void SetOnChange(TNotifyEvent value) override;
  void SafelySetFocus() override;

  TAlignment Alignment() const;
  // A change makes the window again.
  void SetAlignment(TAlignment value);
  bool AutoSelect() const;
  void SetAutoSelect(bool value);
  TEditCharCase CharCase() const;
  void SetCharCase(TEditCharCase value);
  TcxEditEchoMode EchoMode() const;
  void SetEchoMode(TcxEditEchoMode value);
  bool HideSelection() const;
  void SetHideSelection(bool value);
  TImeMode ImeMode() const;
  void SetImeMode(TImeMode value);
  std::string ImeName() const;
  void SetImeName(const std::string& value);
  // The editor used up the last key.
  bool KeyHandled() const;
  void SetKeyHandled(bool value);
  int MaxLength() const;
  void SetMaxLength(int value);
  bool OEMConvert() const;
  void SetOEMConvert(bool value);
  char PasswordChar() const;
  void SetPasswordChar(char value);
  const TcxInnerTextEditSelChangeEvent& OnSelChange() const;
  void SetOnSelChange(TcxInnerTextEditSelChangeEvent value);
  // The lead byte of a double-byte character the input method is typing;
  // character 0 otherwise.
  char ImeLastChar() const;
  HWND Handle() const;
  bool HandleAllocated() const;

  // While the input method's characters are on their way, what the
  // selection was before them.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::string SelText() const;
  void SetSelText(const std::string& value);
  void SelectAll();
  // The edit's own clipboard operations, for the editor that agreed to them.
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void ClearSelection();

  void SetEditValue(const Variant& value);
  void LockBounds(bool lock);
  LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  TcxCustomInnerTextEdit& FEdit;
};

class TcxCustomInnerTextEdit : public TCustomEdit {
  friend class TcxCustomInnerTextEditHelper;

 public:
  explicit TcxCustomInnerTextEdit(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomInnerTextEditHelper& Helper() const { return *FHelper; }
  // The editor it serves; nullptr once the editor is going.
  TcxCustomEdit* Container() const;
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode value);
  // The echo character; character 0 shows "*".
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode value) { FImeMode = value; }
  const std::string& ImeName() const { return FImeName; }
  void SetImeName(const std::string& value) { FImeName = value; }
  bool KeyHandled() const { return FKeyHandled; }
  void SetKeyHandled(bool value) { FKeyHandled = value; }
  // How many characters of the input method are still to arrive.
  int PendingImeCount() const { return FImeCharCount; }
  // Runs after every EM_SETSEL.
  void SetOnSelChange(TcxInnerTextEditSelChangeEvent value) { FOnSelChange = std::move(value); }
  // The index of the character at the caret.
  int GetCaretCharIndex();

  // Ignored while the bounds are locked; the editor places it.
  void SetBounds(int left, int top, int width, int height) override;
  void LockBounds(bool lock);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  // The text covers all of its editor but the border: what the mouse does
  // on it is the editor's, after the native edit has placed the caret.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Click() override;
  void DblClick() override;

 private:
  // What a key or character found, to tell what the native edit changed.
  struct TSavedState {
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
    bool operator==(const TSavedState&) const = default;
  };

  using TEditorKeyHandler = void (TcxCustomEdit::*)(WORD& key, TShiftState shift);

  IcxInnerTextEditContainer* TextContainer() const;
  bool EditorTakesKey(TEditorKeyHandler handler, WORD& key, TShiftState shift);
  bool ContainerAlive() const;
  TSavedState CurrentState();
  void SaveState() { FSavedState = CurrentState(); }
  void ApplyEchoMode();
  void KeyDownMessage(TMessage& message);
  void CharMessage(TMessage& message);
  void ImeCharMessage(TMessage& message);
  void ClipboardMessage(TMessage& message);
  void GetDlgCodeMessage(TMessage& message);
  void ColorMessage(TMessage& message);
  bool OwnRepaintMessage(const TMessage& message);
  bool StartsDrag();
  void SetSelMessage(TMessage& message);
  void ClearPendingIme() { FImeCharCount = 0; }
  void Notification(TComponent* component, TOperation operation) override;

  TcxCustomEdit* FContainer;
  TOwned<TcxCustomInnerTextEditHelper> FHelper;
  bool FAutoSelect = true;
  TcxEditEchoMode FEchoMode = eemNormal;
  TSavedState FSavedState;
  int FImeCharCount = 0;
  char FImeLastChar = '\0';
  bool FKeyHandled = false;
  bool FCreating = false;
  bool FColorPosted = false;
  int FBoundsLock = 0;
  TcxInnerTextEditSelChangeEvent FOnSelChange;
  char FPasswordChar = '\0';
  TImeMode FImeMode = imDontCare;
  std::string FImeName;
};
