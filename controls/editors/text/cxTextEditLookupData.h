#pragma once
// The lookup items of a text editor as the editor walks them: the item the
// editor stands on, incremental search over the items' starts, and moves
// to the first, last, next, previous item or by a page. The list that
// shows the items is made when it is first asked for. The editor's
// properties name the class, so a drop-down editor brings its own list.
#include <string>

#include "controls/foundation/base/cxClasses.h"
#include "platform/classes/Component.h"

class TcxCustomTextEdit;
class TcxCustomTextEditProperties;
class TcxCustomEditListBox;

// Where a navigation key moves the current item.
enum TcxEditLookupMove { elmFirst, elmLast, elmNext, elmPrevious, elmPageUp, elmPageDown };

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent {
 public:
  // `owner` is the text editor the data serves.
  explicit TcxCustomTextEditLookupData(TPersistent* owner);
  ~TcxCustomTextEditLookupData() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomTextEdit& Edit() const { return FEdit; }
  // -1 while the editor stands on no item; otherwise below GetItemCount.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  virtual std::string GetItem(int index) const;
  virtual int GetItemCount() const;
  // The text an item puts into the editor: in the free-text styles no
  // longer than MaxLength, as typed text is.
  std::string GetItemEditText(int index) const { return EditText(GetItem(index)); }
  // An item's text as the editor takes it: cut to MaxLength in the free-text styles.
  std::string EditText(const std::string& item) const;

  // Finds the first item, from the start or after the current one when
  // `next`, that begins with `text` (case ignored). On a match `text` takes
  // the item's own case, `tail` is the rest of the item and the item becomes
  // the current one. `exact` with the properties' exact match asks for a
  // whole item.
  bool Locate(std::string& text, std::string& tail, bool exact, bool next);
  // Whether an item equals the text, case ignored.
  bool Find(const std::string& text) const;
  // The first item equal to the text, case ignored; -1 for none.
  int LocateExact(const std::string& text) const;
  // The editor's text changed: the current item follows it.
  virtual void TextChanged();
  // Moves the current item; `wrap` goes round from one end to the other.
  // With no items nothing moves and nothing fires.
  void SelectItem(TcxEditLookupMove move, bool wrap);
  // The items may have changed: a current item past their end is forgotten.
  void PropertiesChanged();

  // The list that shows the items, made on first use.
  TcxCustomEditListBox& List();
  bool HasList() const { return FList != nullptr; }
  bool IsListVisible() const;
  // The rows a page move steps over: the list's visible rows, or the
  // properties' drop-down rows before the list shows.
  int PageRowCount() const;

  // The current item changed by a move; the editor takes its text.
  void SetOnCurrentChanged(TNotifyEvent value) { FOnCurrentChanged = std::move(value); }
  // The list chose an item.
  void SetOnSelectItem(TNotifyEvent value) { FOnSelectItem = std::move(value); }

 protected:
  // A new list of the class this data shows its items in.
  virtual TcxCustomEditListBox* CreateList();
  TcxCustomTextEditProperties& Properties() const;

 private:
  void ApplyResetRule(const std::string& text, bool exact);
  int FindItemStartingWith(const std::string& text, int from) const;
  int MovedIndex(TcxEditLookupMove move, bool wrap) const;
  void MakeCurrent(int index);
  void ListItemSelected();

  TcxCustomTextEdit& FEdit;
  int FItemIndex = -1;
  TOwned<TcxCustomEditListBox> FList;
  TNotifyEvent FOnCurrentChanged;
  TNotifyEvent FOnSelectItem;
};
