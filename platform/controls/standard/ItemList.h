#pragma once
// Keeps the entries of a Win32 list box or combo box equal to a string list.
// Only the entries between the unchanged head and tail are deleted and
// inserted, so the window keeps or drops its selection as it would for the
// same edits made one by one; a replaced selected entry stays selected.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

struct TItemListMessages {
  UINT Insert;
  UINT Delete;
  UINT GetSelection;
  UINT SetSelection;
};

extern const TItemListMessages kListBoxMessages;
extern const TItemListMessages kComboBoxMessages;

class TItemListWindow {
 public:
  explicit TItemListWindow(const TItemListMessages& messages) : FMessages(messages) {}

  // The window starts empty and is then filled from `items`.
  void Attach(HWND window, const TStringList& items);
  void Detach() { FWindow = nullptr; }
  void Update(const TStringList& items);

 private:
  void Insert(int index, const std::string& text);

  const TItemListMessages& FMessages;
  HWND FWindow = nullptr;
  std::vector<std::string> FShown;
};
