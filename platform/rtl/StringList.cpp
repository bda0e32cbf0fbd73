#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Locale.h"

void TStringList::RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TStringList& TStringList::operator=(const TStringList& other) {
  FItems = other.FItems;
  if (FSorted)
    Sort();
  else
    Changed();
  return *this;
}

int TStringList::Add(std::string text, intptr_t tag) {
  int index = Count();
  if (FSorted) {
    // After the equal entries already there.
    const auto after = std::upper_bound(
        FItems.begin(), FItems.end(), text,
        [this](const std::string& value, const TStringItem& item) { return Compare(value, item.Text) < 0; });
    index = static_cast<int>(after - FItems.begin());
  }
  FItems.insert(FItems.begin() + index, {std::move(text), tag});
  Changed();
  return index;
}

void TStringList::Insert(int index, const std::string& text, intptr_t tag) {
  CheckNotSorted();
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
  CheckNotSorted();
  CheckIndex(index, Count());
  FItems[index].Text = text;
  Changed();
}

void TStringList::SetTags(int index, intptr_t tag) {
  CheckIndex(index, Count());
  FItems[index].Tag = tag;
}

int TStringList::IndexOf(const std::string& text) const {
  int index = -1;
  if (FSorted) return Find(text, index) ? index : -1;
  for (int i = 0; i < Count(); ++i)
    if (Compare(FItems[i].Text, text) == 0) return i;
  return -1;
}

bool TStringList::Find(const std::string& text, int& index) const {
  const auto first = std::lower_bound(
      FItems.begin(), FItems.end(), text,
      [this](const TStringItem& item, const std::string& value) { return Compare(item.Text, value) < 0; });
  index = static_cast<int>(first - FItems.begin());
  return first != FItems.end() && Compare(first->Text, text) == 0;
}

int TStringList::Compare(const std::string& a, const std::string& b) const {
  return FCaseSensitive ? a.compare(b) : AnsiCompareText(a, b);
}

void TStringList::SetCaseSensitive(bool value) {
  if (value == FCaseSensitive) return;
  FCaseSensitive = value;
  if (FSorted) Sort();
}

void TStringList::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  if (value) Sort();
}

void TStringList::Sort() {
  CustomSort([](const TStringList& list, int index1, int index2) { return list.Compare(list[index1], list[index2]); });
}

void TStringList::CheckNotSorted() const {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
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
