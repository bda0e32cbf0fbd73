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
