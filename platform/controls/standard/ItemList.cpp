#include "platform/controls/standard/ItemList.h"

const TItemListMessages kListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_GETCURSEL, LB_SETCURSEL};
const TItemListMessages kComboBoxMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_GETCURSEL, CB_SETCURSEL};

void TItemListWindow::Attach(HWND window, const TStringList& items) {
  FWindow = window;
  FShown.clear();
  Update(items);
}

void TItemListWindow::Update(const TStringList& items) {
  if (!FWindow) return;
  const int shown = static_cast<int>(FShown.size());
  const int wanted = items.Count();
  int head = 0;
  while (head < shown && head < wanted && FShown[head] == items[head]) ++head;
  int tail = 0;
  while (tail < shown - head && tail < wanted - head && FShown[shown - 1 - tail] == items[wanted - 1 - tail]) ++tail;
  // Only an item replaced in place can take the selection with it; the list is asked only then.
  const bool replacingOne = shown == wanted && head + tail + 1 == shown;
  const int selection = replacingOne ? static_cast<int>(SendMessageA(FWindow, FMessages.GetSelection, 0, 0)) : -1;
  const bool replacedSelection = replacingOne && selection == head;
  for (int i = shown - tail - 1; i >= head; --i) {
    SendMessageA(FWindow, FMessages.Delete, i, 0);
    FShown.erase(FShown.begin() + i);
  }
  for (int i = head; i < wanted - tail; ++i) Insert(i, items[i]);
  if (replacedSelection) SendMessageA(FWindow, FMessages.SetSelection, selection, 0);
}

void TItemListWindow::Insert(int index, const std::string& text) {
  SendMessageA(FWindow, FMessages.Insert, index, reinterpret_cast<LPARAM>(text.c_str()));
  FShown.insert(FShown.begin() + index, text);
}
