#include <gtest/gtest.h>

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
