#include <gtest/gtest.h>

#include "application/core/AppUtils.h"

namespace {

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(SplitString, DropsEmptyFields) {
  EXPECT_EQ(Items(SplitString("1.3..6", ".")), (Texts{"1", "3", "6"}));
  EXPECT_EQ(Items(SplitString(".1.3.", ".")), (Texts{"1", "3"}));
  EXPECT_EQ(Items(SplitString("whole", ".")), (Texts{"whole"}));
  EXPECT_EQ(Items(SplitString("", ".")), Texts{});
  EXPECT_EQ(Items(SplitString("...", ".")), Texts{});
  EXPECT_EQ(Items(SplitString("Port@@Speed@", "@")), (Texts{"Port", "Speed"}));
}

TEST(SplitString, TakesMultiCharacterSeparatorsAndNeverLoopsOnAnEmptyOne) {
  EXPECT_EQ(Items(SplitString("a::b:c", "::")), (Texts{"a", "b:c"}));
  EXPECT_EQ(Items(SplitString("a.b", "")), (Texts{"a.b"}));
}

TEST(TextBeforeAndAfter, CutAtTheFirstSeparatorOnly) {
  EXPECT_EQ(TextBefore("*", "116*8"), "116");
  EXPECT_EQ(TextAfter("*", "116*8"), "8");
  EXPECT_EQ(TextAfter(".", "1.2.3"), "2.3");
  EXPECT_EQ(TextBefore("*", "11"), "");
  EXPECT_EQ(TextAfter("*", "11"), "");
  EXPECT_EQ(TextAfter("*", "11*"), "");
  EXPECT_EQ(TextBefore("*", "*8"), "");
}

TEST(TryStrToIP, PutsTheFirstFieldInTheLowestOctet) {
  uint32_t value = 0;
  ASSERT_TRUE(TryStrToIP("192.168.0.155", value));
  EXPECT_EQ(value & 0xFF, 192u);
  EXPECT_EQ((value >> 8) & 0xFF, 168u);
  EXPECT_EQ((value >> 16) & 0xFF, 0u);
  EXPECT_EQ(value >> 24, 155u);
  ASSERT_TRUE(TryStrToIP("0.0.0.0", value));
  EXPECT_EQ(value, 0u);
  ASSERT_TRUE(TryStrToIP("255.255.255.255", value));
  EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST(TryStrToIP, RejectsAnythingButFourFieldsOfOctetsAndLeavesTheValue) {
  uint32_t value = 12345;
  for (const char* text : {"256.1.1.1", "1.2.3.4.5", "1.2.3", "", "a.b.c.d", "1..2.3", "-1.0.0.0", "1.2.3.256"}) {
    EXPECT_FALSE(TryStrToIP(text, value)) << text;
  }
  EXPECT_EQ(value, 12345u);
}

TEST(IsInteger, FollowsTheStrictConversion) {
  EXPECT_TRUE(IsInteger("0"));
  EXPECT_TRUE(IsInteger("-12"));
  EXPECT_TRUE(IsInteger("$1F"));
  EXPECT_FALSE(IsInteger(""));
  EXPECT_FALSE(IsInteger("12 "));
  EXPECT_FALSE(IsInteger("99999999999"));
}

TEST(BytesToInt64, ReadsTheFirstOctetAsTheLeastSignificant) {
  EXPECT_EQ(BytesToInt64({1, 0, 0, 0, 0, 0, 0, 0}), 1);
  EXPECT_EQ(BytesToInt64({0, 1}), 256);
  EXPECT_EQ(BytesToInt64({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), -1);
  EXPECT_EQ(BytesToInt64({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}), INT64_MIN);
  EXPECT_EQ(BytesToInt64({}), 0);
  EXPECT_EQ(BytesToInt64({2, 0, 0, 0, 0, 0, 0, 0, 0xFF}), 2);
}
