#pragma once
// TStringList: an ordered list of byte strings, each with an integer tag
// (the class library attaches an object to each entry; the system only ever
// attaches a number, such as the ASN.1 type of an SNMP value).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStringList {
 public:
  TStringList() = default;
  // A copy has the entries only: the change handler belongs to the list's holder.
  TStringList(const TStringList& other) : FItems(other.FItems) {}
  TStringList& operator=(const TStringList& other);

  int Count() const { return static_cast<int>(FItems.size()); }

  // Appends and returns the new entry's index.
  int Add(std::string text, intptr_t tag = 0);
  void Insert(int index, const std::string& text, intptr_t tag = 0);
  void Delete(int index);
  void Clear();

  // Raise EListError "List index out of bounds (i)" outside 0..Count-1.
  // The readers are inline: the SNMP codec reads its lists in its inner loops.
  const std::string& Strings(int index) const {
    CheckIndex(index, Count());
    return FItems[index].Text;
  }
  void SetStrings(int index, const std::string& text);
  intptr_t Tags(int index) const {
    CheckIndex(index, Count());
    return FItems[index].Tag;
  }
  void SetTags(int index, intptr_t tag);

  // Orders the entries by `compare` (negative, zero, positive, like strcmp)
  // over the indices of the order before the sort; entries that compare equal
  // keep their order.
  void CustomSort(const std::function<int(const TStringList& list, int index1, int index2)>& compare);

  // Exact, case-sensitive match; -1 when absent.
  int IndexOf(const std::string& text) const;

  const std::string& operator[](int index) const { return Strings(index); }

  // Runs after every change of the entries' texts or order, so a control
  // showing the list keeps its window in step.
  void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

 private:
  struct TStringItem {
    std::string Text;
    intptr_t Tag;
  };
  void CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) RaiseIndexError(index);
  }
  [[noreturn]] static void RaiseIndexError(int index);
  void Changed();

  std::vector<TStringItem> FItems;
  std::function<void()> FOnChange;
};
