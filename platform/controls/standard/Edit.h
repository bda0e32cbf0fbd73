#pragma once
// TCustomEdit: the Win32 single-line edit. Text follows what the user types;
// MaxLength (0: no limit) is enforced by the window; every change of the
// text runs OnChange. The clipboard operations, the keyboard's among them,
// go through the program's clipboard (platform/controls/core/Clipboard.h);
// an edit with a password character copies and cuts nothing.
// TEdit publishes it.
#include <windows.h>

#include <string>

#include "platform/controls/core/WinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
const TIdentMap& EditCharCaseIdents();

// What a single-line edit takes of a pasted text, as the system's own edit
// does: the text up to its first line feed, without a carriage return just
// before it.
std::string SingleLinePaste(const std::string& text);
// The clipboard message the system's edit acts out itself, without sending
// it, for a key: Shift+Insert pastes, Ctrl+Insert copies, Shift+Delete cuts
// (a selection: without one it deletes a character). 0 for any other key.
UINT ClipboardMessageOfEditKey(WORD key, TShiftState shift);

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& value) { SetCaption(value); }
  // At most this many characters; 0 for no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // Shown in place of every character; character 0 shows the text.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  // The case typed letters take.
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase value);
  // Whether the selection disappears while the control has no focus; a
  // change makes the window again.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  // Whether typed text goes through the OEM code page and back.
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool value);
  // A change makes the window again: an edit takes its alignment only when made.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

  // The selection, in octets from the start.
  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  std::string SelText();
  // Replaces the selection, as typing would (it can be undone); the text
  // stays within MaxLength, a double-byte character whole.
  void SetSelText(const std::string& value);
  void SelectAll();
  // The blank space inside the window at the left and right of the text.
  void SetMargins(int left, int right);
  // Where the character at `index` begins, in client coordinates; (-1, -1)
  // past the end of the text.
  POINT PosFromChar(int index);

  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void ClearSelection();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  void SetStyleBit(DWORD bit, bool on);
  bool IsMultiLine();
  int KeptCharacters();
  int RoomForText();

  int FMaxLength = 0;
  bool FReadOnly = false;
  char FPasswordChar = '\0';
  TEditCharCase FCharCase = ecNormal;
  bool FHideSelection = true;
  bool FOEMConvert = false;
  TAlignment FAlignment = taLeftJustify;
  TNotifyEvent FOnChange;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};
