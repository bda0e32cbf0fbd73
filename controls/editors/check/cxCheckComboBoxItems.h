#pragma once
// The items of a check-list combo box: a description the list shows, a
// shorter one the editor's text may use instead, whether the user may
// toggle the item, and a tag left to the program. The check states
// themselves belong to the editor, one per item; each item carries a serial
// number so that the editor can find its own state again whatever was
// added, deleted or moved meanwhile.
#include <cstdint>
#include <string>

#include "controls/editors/base/cxGroupBox.h"

class TcxCheckComboBoxItem : public TcxButtonGroupItem {
 public:
  explicit TcxCheckComboBoxItem(TCollection& collection);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The short description first, then the inherited fields.
  void Assign(const TPersistent* source) override;

  const std::string& Description() const { return Caption(); }
  void SetDescription(const std::string& value) { SetCaption(value); }
  const std::string& ShortDescription() const { return FShortDescription; }
  void SetShortDescription(const std::string& value);
  // What the editor's text shows of the item.
  const std::string& DisplayDescription() const;
  // Unique among all items made while the program runs.
  uint64_t Serial() const { return FSerial; }

 private:
  std::string FShortDescription;
  uint64_t FSerial;
};

class TcxCheckComboBoxItems : public TcxButtonGroupItems {
 public:
  using TcxButtonGroupItems::TcxButtonGroupItems;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCheckComboBoxItem& Add() { return static_cast<TcxCheckComboBoxItem&>(TcxButtonGroupItems::Add()); }
  TcxCheckComboBoxItem& Items(int index) const {
    return static_cast<TcxCheckComboBoxItem&>(TcxButtonGroupItems::Items(index));
  }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TcxCheckComboBoxItem>(*this); }
};
