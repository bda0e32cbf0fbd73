#pragma once
// TListBox: the Win32 list box. Choosing a line with the mouse or the keys runs OnClick.
// MultiSelect takes effect when the window is made.
#include "platform/controls/CustomListControl.h"

class TListBox : public TCustomListControl {
 public:
  explicit TListBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Many changes to the items in a row: the window is not redrawn between them.
  void BeginUpdate();
  void EndUpdate();

  int TopIndex() const;
  void SetTopIndex(int value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value) { FMultiSelect = value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool value) { FAutoComplete = value; }
  // Milliseconds between typed keys after which a search starts anew.
  unsigned AutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(unsigned value) { FAutoCompleteDelay = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void SetRedraw(bool redraw);

  int FUpdateCount = 0;
  bool FMultiSelect = false;
  bool FAutoComplete = true;
  unsigned FAutoCompleteDelay = 500;
};
