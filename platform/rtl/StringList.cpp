#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"

void TStringList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TStringList::Add(const std::string& text, intptr_t tag) {
  FItems.push_back({text, tag});
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text, intptr_t tag) {
  CheckIndex(index, Count() + 1);
  FItems.insert(FItems.begin() + index, {text, tag});
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  FItems.erase(FItems.begin() + index);
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return FItems[index].Text;
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count());
  FItems[index].Text = text;
}

intptr_t TStringList::Tags(int index) const {
  CheckIndex(index, Count());
  return FItems[index].Tag;
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
