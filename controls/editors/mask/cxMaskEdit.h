#pragma once
// The text editor with an input mask. Each key, character, paste, selection
// change and validation goes to the mode of the mask's kind, which edits the
// text itself or lets the native edit do it; the editor only routes. Without
// a mask (an empty or blank one) it is the text editor unchanged.
#include <memory>
#include <string>

#include "controls/editors/mask/cxMaskEditCustomMode.h"
#include "controls/editors/mask/cxMaskEditProperties.h"
#include "controls/editors/text/cxTextEdit.h"

class TcxCustomMaskEdit : public TcxCustomTextEdit, public IcxMaskEditHost {
 public:
  explicit TcxCustomMaskEdit(TComponent* owner, bool inplace = false,
                             TClass propertiesClass = TcxCustomMaskEditProperties::StaticClass());
  ~TcxCustomMaskEdit() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;
  void Loaded() override;

  TcxCustomMaskEditProperties& MaskProperties() const {
    return static_cast<TcxCustomMaskEditProperties&>(*ActiveProperties());
  }
  TcxMaskEditCustomMode& Mode() const { return *FMode; }
  bool IsMasked() const { return MaskProperties().IsMasked(); }

  // ---- what the modes use
  void SetSelStartInternally(int value) override;
  void SetSelLengthInternally(int value) override;
  void SendKeyDown(uint16_t key) override;
  void SendChar(char ch) override;
  // Shows the current text again, in the mask's form.
  void SetDisplayValueFromText();

  // ---- IcxMaskEditHost
  IcxMaskEditModeProperties& ModeProperties() override { return MaskProperties(); }
  bool CanTakeText() const override { return !Destroying() && InnerTextEdit() != nullptr; }
  bool HasWindow() const override { return HandleAllocated(); }
  bool IsFocused() const override { return const_cast<TcxCustomMaskEdit*>(this)->Focused(); }
  bool ShiftHeld() const override { return FShiftHeld; }
  bool IsModifiedAfterEnter() const override { return ModifiedAfterEnter(); }
  std::string EditText() const override { return GetInnerEditText(); }
  int EditSelStart() const override { return SelStart(); }
  int EditSelLength() const override { return SelLength(); }
  void SetEditSelStart(int value) override { SetSelStart(value); }
  void SetEditSelLength(int value) override { SetSelLength(value); }
  int CaretCharIndex() const override;
  std::string DisplayText() const override;
  void SetDisplayText(const std::string& text) override;
  void SetInternalDisplayText(const std::string& text) override { SetInternalDisplayValue(Variant(text)); }
  std::string PreparedEditValueText() override;
  void SetEditValueTextInternally(const std::string& text) override {
    TcxCustomEdit::SetEditValueInternally(Variant(text));
  }
  void Beep() override { cxEditBeep()(); }

  // ---- the text editor
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void SetSelText(const std::string& value) override;
  void InternalSetDisplayValue(const Variant& value) override;
  void UpdateDisplayFromEditValue() override;
  void PropertiesChanged(TObject* sender) override;
  void InnerEditChangeHandler(TObject* sender) override;
  void DoEditKeyDown(WORD& key, TShiftState shift) override;
  void DoEditKeyPress(char& key) override;
  bool IsEditingKeyDown(WORD key, TShiftState shift) override;
  bool DoInnerControlMessage(TMessage& message) override;
  std::string GetEditingText() const override;
  Variant EditValueFromDisplayText(const std::string& text) override;
  bool CanChangeSelText(const std::string& value, std::string& newText, int& newSelStart) override;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void DblClick() override;
  void DoEnterEdit() override;
  // A masked editor keeps its native edit from drawing while an activating
  // key is typed, instead of watching its focus.
  void HookInnerEditWndProc() override;
  void UnhookInnerEditWndProc() override;
  // The native undo puts back a text the mode never saw: under a mask there
  // is no undo, by message or by Ctrl+Z, which sends the message.
  bool KeepsNativeUndo() const override { return !IsMasked() && TcxCustomTextEdit::KeepsNativeUndo(); }

 private:
  // The inner edit's selection changed: the mode hears of it unless the
  // change was its own.
  void InnerSelectionChanged();
  void SelectionDragged();
  void InnerMouseMessage(const TMessage& message);
  // The mode's answer to a navigation or deletion key; false swallows it.
  bool MaskKeyDown(WORD key, TShiftState shift);
  bool ArrowKeyDown(WORD& key, TShiftState shift, bool toLeft);
  bool DeleteKeyDown(TShiftState shift);
  void ReplaceModeForKind(bool& storedMaskCleared);
  void CompileChangedMask(const std::string& mask, bool storedMaskCleared);

  bool FInternalSelection = false;
  std::unique_ptr<TcxMaskEditCustomMode> FMode;
  bool FKeyBypass = false;
  bool FRedrawLocked = false;
  bool FShiftHeld = false;
  std::string FEditingText;
};

// The masked edit as a form holds it.
class TcxMaskEdit : public TcxCustomMaskEdit {
 public:
  explicit TcxMaskEdit(TComponent* owner, bool inplace = false)
      : TcxCustomMaskEdit(owner, inplace, TcxMaskEditProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxMaskEditProperties& PropertiesObject() const { return static_cast<TcxMaskEditProperties&>(*Properties()); }
  void SetPropertiesObject(const TcxMaskEditProperties* value) { Properties()->Assign(value); }
};

// A filter row's masked edit: an expression mask there completes its
// literals, and only an unmasked one selects its text on entry.
class TcxFilterMaskEditHelper : public TcxFilterTextEditHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TClass GetFilterEditClass() const { return TcxMaskEdit::StaticClass(); }
  void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const override;
  TcxFilterOperatorKinds GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                     TcxValueTypeClass valueType, bool extended) const override;
};

// Registers the masked edit's properties with the editors' registry, its
// filter helper, and the editor with the form reader; the end undoes them.
void cxMaskEditInitialize();
void cxMaskEditFinalize();
