#pragma once
// TDeviceParam: the modal dialog in which the operator enters or changes one
// device of the inventory. It edits CurrentDevice; the main window saves it.
#include <string>

#include "platform/controls/core/Form.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/standard/SpinEdit.h"
#include "platform/rtl/IniFile.h"

class TDeviceParam : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The inventory whose sections a new name must not collide with; nullptr
  // when there is none to check against. The file must outlive ShowModal.
  void SetInventory(const TIniFile* inventory) { FInventory = inventory; }

  TEdit* EditName = nullptr;
  TEdit* EditIP = nullptr;
  TSpinEdit* SpinEditAddr = nullptr;
  TEdit* EditCommunityRead = nullptr;
  TComboBox* cmbSnmpVertion = nullptr;
  TEdit* EditCommunityWrite = nullptr;
  TBitBtn* BitBtnOk = nullptr;
  TBitBtn* BitBtnClose = nullptr;

  void FormShow(TObject* Sender);
  void BitBtnOkClick(TObject* Sender);

 private:
  bool NameIsValid(const std::string& name) const;
  bool NameIsFreeInInventory(const std::string& name) const;
  void StoreDevice(const std::string& name, int address);
  // Keeps the dialog open, says what is wrong and puts the operator back into the field at fault.
  void RefuseEntry(TWinControl& field, const std::string& message);

  const TIniFile* FInventory = nullptr;
  // The name the device had when the dialog was shown: its own section may keep it.
  std::string FOwnName;
};
