#pragma once
// TStringList: an ordered list of byte strings, each with an integer tag
// (the class library attaches an object to each entry; the system only ever
// attaches a number, such as the ASN.1 type of an SNMP value).
#include <cstdint>
#include <string>
#include <vector>

class TStringList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }

  // Appends and returns the new entry's index.
  int Add(const std::string& text, intptr_t tag = 0);
  void Insert(int index, const std::string& text, intptr_t tag = 0);
  void Delete(int index);
  void Clear() { FItems.clear(); }

  // Raise EListError "List index out of bounds (i)" outside 0..Count-1.
  const std::string& Strings(int index) const;
  void SetStrings(int index, const std::string& text);
  intptr_t Tags(int index) const;
  void SetTags(int index, intptr_t tag);

  // Exact, case-sensitive match; -1 when absent.
  int IndexOf(const std::string& text) const;

  const std::string& operator[](int index) const { return Strings(index); }

 private:
  struct TStringItem {
    std::string Text;
    intptr_t Tag;
  };
  void CheckIndex(int index, int count) const;

  std::vector<TStringItem> FItems;
};
