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
  TStringList(const TStringList& other)
      : FItems(other.FItems), FCaseSensitive(other.FCaseSensitive), FSorted(other.FSorted) {}
  TStringList& operator=(const TStringList& other);

  int Count() const { return static_cast<int>(FItems.size()); }

  // Appends (in a sorted list: inserts where the text belongs) and returns
  // the new entry's index.
  int Add(std::string text, intptr_t tag = 0);
  // Insert and SetStrings raise EListError "Operation not allowed on sorted
  // list" in a sorted list.
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

  // The first entry equal to `text` by the list's comparison; -1 when absent.
  int IndexOf(const std::string& text) const;
  // Searches a sorted list: true when `text` is there, with `index` at its
  // first entry; else `index` is where it would go.
  bool Find(const std::string& text, int& index) const;

  // Octet by octet, or by the current locale's upper case when false.
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);
  // A sorted list keeps its entries in the order of its comparison (equal
  // entries in the order they came).
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);

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
  void CheckNotSorted() const;
  int Compare(const std::string& a, const std::string& b) const;
  void Sort();

  std::vector<TStringItem> FItems;
  bool FCaseSensitive = true;
  bool FSorted = false;
  std::function<void()> FOnChange;
};
