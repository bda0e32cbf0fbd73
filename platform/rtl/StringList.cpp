#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/rtl/Exceptions.h"

void TStringList::RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TStringList& TStringList::operator=(const TStringList& other) {
  FItems = other.FItems;
  Changed();
  return *this;
}

int TStringList::Add(std::string text, intptr_t tag) {
  FItems.push_back({std::move(text), tag});
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text, intptr_t tag) {
  CheckIndex(index, Count() + 1);
  FItems.insert(FItems.begin() + index, {text, tag});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  FItems.clear();
  Changed();
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count());
  FItems[index].Text = text;
  Changed();
}

void TStringList::SetTags(int index, intptr_t tag) {
  CheckIndex(index, Count());
  FItems[index].Tag = tag;
}

int TStringList::IndexOf(const std::string& text) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].Text == text) return i;
  return -1;
}

void TStringList::Changed() {
  if (FOnChange) FOnChange();
}

void TStringList::CustomSort(const std::function<int(const TStringList& list, int index1, int index2)>& compare) {
  std::vector<int> order(FItems.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(FItems.size());
  for (const int index : order) sorted.push_back(FItems[index]);
  FItems = std::move(sorted);
  Changed();
}
