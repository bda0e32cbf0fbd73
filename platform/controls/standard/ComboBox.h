#pragma once
// TComboBox: the Win32 combo box, with an edit (csDropDown) or as a drop-down
// list the user can only choose from (csDropDownList). Items is the list the
// window shows; ItemIndex is the window's choice (-1: none). OnChange runs
// when the user chooses another line or types in the edit; never for a choice
// the program makes, nor when the user picks the line already chosen.
#include <string>

#include "platform/controls/standard/CustomListControl.h"

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  // The text shown: the chosen item's, or what was typed in the edit.
  std::string Text() const;
  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;
  void SelectionSet() override { FKnownIndex = ItemIndex(); }

 private:
  void UserSelected();
  void Change();

  TComboBoxStyle FStyle = csDropDown;
  // The choice last set by the program or reported to OnChange.
  int FKnownIndex = -1;
  TNotifyEvent FOnChange;
};
