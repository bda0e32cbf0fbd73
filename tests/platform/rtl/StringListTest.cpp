#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

TEST(TStringList, KeepsOrderAndATagPerEntry) {
  TStringList list;
  list.Add("a", 4);
  list.Add("b");
  list.Insert(1, "mid", 2);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[1], "mid");
  EXPECT_EQ(list.Tags(1), 2);
  EXPECT_EQ(list.Tags(0), 4);
  EXPECT_EQ(list.Tags(2), 0);
  list.Delete(0);
  EXPECT_EQ(list[0], "mid");
  EXPECT_EQ(list.IndexOf("b"), 1);
  EXPECT_EQ(list.IndexOf("B"), -1);
}

TEST(TStringList, RaisesTheLibraryListErrorOutsideItsEntries) {
  TStringList list;
  list.Add("only");
  EXPECT_THROW(list.Strings(1), EListError);
  EXPECT_THROW(list.Strings(-1), EListError);
  EXPECT_THROW(list.SetTags(2, 1), EListError);
  EXPECT_THROW(list.Insert(3, "x"), EListError);
  list.Insert(1, "end");
  EXPECT_EQ(list[1], "end");
  try {
    list.Strings(5);
    FAIL();
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (5)");
  }
}

TEST(TStringList, KeepsEveryOctetOfAByteString) {
  TStringList list;
  const std::string octets("\x00\xFF\x30", 3);
  list.Add(octets);
  EXPECT_EQ(list[0], octets);
}

TEST(TStringList, CustomSortKeepsEqualEntriesInTheirOrderAndTellsOnce) {
  TStringList list;
  for (const char* text : {"b2", "a1", "b1", "a2", "c1"}) list.Add(text);
  int changes = 0;
  list.SetOnChange([&] { ++changes; });
  // By the first letter only: the digits show whether equal entries moved.
  list.CustomSort(
      [](const TStringList& sorted, int index1, int index2) { return sorted[index1][0] - sorted[index2][0]; });
  const char* expected[] = {"a1", "a2", "b2", "b1", "c1"};
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list[i], expected[i]);
  EXPECT_EQ(changes, 1);
}

TEST(TStringList, ASortedListKeepsItsOrderAndFindsByItsComparison) {
  struct TCase {
    const char* Name;
    bool CaseSensitive;
    std::vector<std::string> Added;
    std::vector<std::string> Order;
    std::string Sought;
    bool Found;
    int Index;
  };
  const TCase cases[] = {
      {"case-sensitive", true, {"b", "a", "B", "c"}, {"B", "a", "b", "c"}, "b", true, 2},
      {"case-insensitive", false, {"b", "a", "B", "c"}, {"a", "b", "B", "c"}, "B", true, 1},
      {"absent: where it would go", false, {"apple", "cherry"}, {"apple", "cherry"}, "Banana", false, 1},
      {"past the end", true, {"a"}, {"a"}, "z", false, 1},
      {"empty", true, {}, {}, "a", false, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TStringList list;
    list.SetCaseSensitive(c.CaseSensitive);
    list.SetSorted(true);
    for (const std::string& text : c.Added) list.Add(text);
    std::vector<std::string> order;
    for (int i = 0; i < list.Count(); ++i) order.push_back(list[i]);
    EXPECT_EQ(order, c.Order);
    int index = -1;
    EXPECT_EQ(list.Find(c.Sought, index), c.Found);
    EXPECT_EQ(index, c.Index);
    EXPECT_EQ(list.IndexOf(c.Sought), c.Found ? c.Index : -1);
  }
}

TEST(TStringList, SortingAnUnsortedListOrdersItAndRefusesPlacedEntries) {
  TStringList list;
  list.SetCaseSensitive(false);
  for (const char* text : {"pear", "Apple", "fig"}) list.Add(text);
  EXPECT_EQ(list.IndexOf("APPLE"), 1) << "unsorted, case-insensitive";
  int changes = 0;
  list.SetOnChange([&] { ++changes; });
  list.SetSorted(true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list[0], "Apple");
  EXPECT_EQ(list[2], "pear");
  EXPECT_EQ(list.Add("banana"), 1);
  EXPECT_THROW(list.Insert(0, "x"), EListError);
  EXPECT_THROW(list.SetStrings(0, "x"), EListError);
  TStringList copy;
  copy.SetSorted(true);
  TStringList unsorted;
  unsorted.Add("b");
  unsorted.Add("a");
  copy = unsorted;
  EXPECT_EQ(copy[0], "a") << "a sorted list assigned stays sorted";
}
