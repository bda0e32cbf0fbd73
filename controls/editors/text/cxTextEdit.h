#pragma once
// The single-line text editor, and the base of every editor that shows its
// value as text in a native edit. Its edit value is a text; what the native
// edit shows is that text with the echo and the case of the properties. It
// keeps the selection, the clipboard and typed text within what its
// properties accept (the lookup items in the list styles, the length
// limit) and walks the lookup items as the user types or navigates.
#include <string>

#include "controls/editors/base/cxEditControl.h"
#include "controls/editors/base/cxEditFilterHelpers.h"
#include "controls/editors/text/cxTextEditInner.h"
#include "controls/editors/text/cxTextEditLookupData.h"
#include "controls/editors/text/cxTextEditProperties.h"
#include "controls/editors/text/cxTextEditViewInfo.h"
#include "platform/classes/ClassBuilder.h"

class TcxCustomTextEdit : public TcxCustomEdit, public IcxInnerTextEditContainer {
 public:
  explicit TcxCustomTextEdit(TComponent* owner, bool inplace = false,
                             TClass propertiesClass = TcxCustomTextEditProperties::StaticClass());
  ~TcxCustomTextEdit() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void AfterConstruction() override;

  TcxCustomTextEditProperties& TextProperties() const {
    return static_cast<TcxCustomTextEditProperties&>(*ActiveProperties());
  }
  TcxCustomInnerTextEditHelper* InnerTextEdit() const {
    return static_cast<TcxCustomInnerTextEditHelper*>(InnerEdit());
  }
  TcxCustomTextEditLookupData& LookupData() const;

  // ---- IcxInnerTextEditContainer
  bool BeepOnEnter() const override { return FBeepOnEnter; }
  void SetBeepOnEnter(bool value) { FBeepOnEnter = value; }
  bool FindSelection() const override { return FFindSelection; }
  void SetFindSelection(bool value) override;
  // Deletes the selected text when what is left may stand.
  void ClearSelection() override;
  bool SendKeyToPopup(TMessage&) override { return false; }
  bool HasOpenPopup() override { return HasPopupWindow(); }

  // The text as WM_GETTEXT answers it, set as WM_SETTEXT sets it.
  std::string Text() const;
  void SetText(const std::string& value);
  // The selection reads empty where the user cannot select: in the
  // not-editable style, and in the fixed-list style unless a completed
  // tail is selected.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::string SelText() const;
  // Replaces the selection when the resulting text may stand.
  virtual void SetSelText(const std::string& value);
  int ItemIndex() const { return LookupData().ItemIndex(); }

  // ---- the edit base
  // An activated editor starts with the caret at the start of its text, or
  // with the whole text selected when the properties say so.
  void Activate(TcxCustomEditData*& editData) override;
  void SelectAll() override;
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  std::string GetInnerEditText() const override;
  Variant GetDisplayValue() override { return Variant(GetInnerEditText()); }
  void InternalSetDisplayValue(const Variant& value) override;
  void SetInternalDisplayValue(const Variant& value) override { ShowText(DisplayText(value)); }
  bool TrySetDisplayText(const std::string& text) override;
  void UpdateDisplayFromEditValue() override;
  void UpdateEditValueFromDisplay() override;
  void PropertiesChanged(TObject* sender) override;
  void InnerEditChangeHandler(TObject* sender) override;
  void DoEditKeyDown(WORD& key, TShiftState shift) override;
  void DoEditKeyPress(char& key) override;
  bool IsEditingKeyDown(WORD key, TShiftState shift) override;
  bool IsEditingChar(char key) override;
  bool IsValidChar(char key) override;
  bool DoInnerControlMessage(TMessage& message) override;
  // The arrows, Home and End move the caret or walk the lookup items.
  bool HandlesNavigationKeys() override { return true; }

  // The text that replacing the selection by `value` gives (in the
  // fixed-list style `value` alone) and the caret after the inserted part;
  // false when that text may not stand. Typed text keeps to MaxLength
  // characters, a double-byte character whole.
  virtual bool CanChangeSelText(const std::string& value, std::string& newText, int& newSelStart);
  // Whether the navigation keys and the wheel walk the lookup items.
  virtual bool CanUseLookupNavigation() { return false; }
  virtual std::string GetEditingText() const { return GetInnerEditText(); }
  virtual bool TrySetEditingText(const std::string& text) { return TrySetDisplayText(text); }
  // The edit value a display text stands for: the text itself here.
  virtual Variant EditValueFromDisplayText(const std::string& text) { return Variant(text); }
  // Fires OnNewLookupDisplayText of the own and the repository item's properties.
  virtual void DoNewLookupDisplayText(const std::string& text);
  // In the list styles a text that is no item is replaced by the empty text.
  virtual void ValidateLookupText();

 protected:
  void WndProc(TMessage& message) override;
  // Entering a standalone editor selects its text when the properties say so.
  void DoEnterEdit() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  // While hooked, the inner edit taking the focus selects its text when its
  // AutoSelect is on.
  void InnerEditWndProc(TMessage& message) override;
  IcxCustomInnerEdit* CreateInnerEdit() override;
  // The looks take the shown text and its selection: what the editor paints
  // where its native edit does not show.
  void CalculateViewInfo(POINT point, bool isMouseEvent) override;
  void InitializeViewData(TcxCustomEditViewData& data) override;
  bool IsEditingAllowed() override { return TextProperties().GetEditingStyle() != esNoEdit; }
  // The native edit's undo puts back a text the editor never checked: a
  // list style holds items only, so it has none.
  virtual bool KeepsNativeUndo() const { return !IsListStyle(); }
  // The password echo keeps the text off the clipboard.
  bool HidesText() const;

 private:
  TcxEditEditingStyle EditingStyle() const { return TextProperties().GetEditingStyle(); }
  bool IsListStyle() const;
  // The display text of a value: its text in the properties' case.
  std::string DisplayText(const Variant& value) const;
  // Puts the text into the native edit when it differs from what it shows.
  void ShowText(const std::string& text);
  void ApplyPropertiesToInnerEdit();
  int InnerSelStart() const;
  int InnerSelLength() const;
  void SelectInner(int start, int length);
  // Replaces the selection by `value` when the text that leaves may stand;
  // false when it may not.
  bool ReplaceSelection(const std::string& value);
  bool ReplaceInnerSelection(const std::string& newText);
  void ChooseItem(int index);
  void SetTextMessage(TMessage& message);
  void ClearMessage();
  // ---- incremental search
  bool IncrementalSearchApplies() const;
  void SearchCharacter(char& key);
  void SearchBackspace(char& key);
  // Shows the item's start as typed followed by the selected tail.
  void ShowFound(const std::string& prefix, const std::string& tail);
  // ---- lookup navigation
  bool NavigatesLookup(WORD key);
  void NavigateLookup(TcxEditLookupMove move);
  bool FixedListKeyDown(WORD& key, TShiftState shift);
  UINT ClipboardMessageOfKey(WORD key, TShiftState shift) const;
  bool ClipboardKeyDown(WORD& key, TShiftState shift);
  bool CollapseSelection(WORD& key, TShiftState shift);
  void LookupCurrentChanged();

  bool FBeepOnEnter = true;
  bool FInKeyPress = false;
  bool FFindSelection = false;
  bool FInSetText = false;
  mutable TOwned<TcxCustomTextEditLookupData> FLookupData;
};

// What every text editor publishes after its properties: its styles, its
// colour and font, its text and its events.
template <class E>
TClassBuilder<E>& PublishTextEditMembers(TClassBuilder<E>& builder) {
  PublishEditStyles(builder)
      .Boolean("BeepOnEnter", &E::BeepOnEnter, &E::SetBeepOnEnter, true)
      .Boolean("ParentColor", &E::ParentColor, &E::SetParentColor, false)
      .Boolean("ParentFont", &E::ParentFont, &E::SetParentFont, true)
      .String("Text", &E::Text, &E::SetText)
      .Event("OnClick", &E::SetOnClick)
      .Event("OnDblClick", &E::SetOnDblClick)
      .Event("OnEditing", &E::SetOnEditing);
  return PublishEditInputEvents(builder);
}

// The text editor as a form holds it.
class TcxTextEdit : public TcxCustomTextEdit {
 public:
  explicit TcxTextEdit(TComponent* owner, bool inplace = false)
      : TcxCustomTextEdit(owner, inplace, TcxTextEditProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxTextEditProperties& PropertiesObject() const { return static_cast<TcxTextEditProperties&>(*Properties()); }
};

// What a filter row's text editor needs: it selects, shows its selection
// and takes typing whatever the editor it stands for does.
class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The editor class a filter row makes for the text editor's properties.
  TClass GetFilterEditClass() const { return TcxTextEdit::StaticClass(); }
  void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const override;
  void SetFilterValue(TcxCustomEdit& edit, const Variant& value) const { edit.SetEditValue(value); }
};

// Registers the text editor's properties with the editors' registry, its
// filter helper, and the editor with the form reader; the end undoes them.
void cxTextEditInitialize();
void cxTextEditFinalize();
