#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "controls/editors/check/cxCheckBoxStates.h"

namespace {

constexpr TcxCheckBoxState U = cbsUnchecked;
constexpr TcxCheckBoxState C = cbsChecked;
constexpr TcxCheckBoxState G = cbsGrayed;

class TTestCheckItems : public IcxCheckItems {
 public:
  explicit TTestCheckItems(std::vector<std::string> captions) : FCaptions(std::move(captions)) {}
  std::string GetCaption(int index) const override { return FCaptions.at(static_cast<size_t>(index)); }
  int GetCount() const override { return static_cast<int>(FCaptions.size()); }

 private:
  std::vector<std::string> FCaptions;
};

std::vector<std::string> NumberedCaptions(int count) {
  std::vector<std::string> captions;
  for (int i = 0; i < count; ++i) captions.push_back("Port " + std::to_string(i + 1));
  return captions;
}

struct TEncodeCase {
  TcxCheckStatesValueFormat Format;
  std::vector<std::string> Captions;
  TcxCheckStates States;
  const char* Value;
};

const TEncodeCase kEncodeCases[] = {
    {cvfCaptions, {}, {}, ""},
    {cvfCaptions, {"a", "x", "abc"}, {C, U, C}, ";1:a3:abc"},
    {cvfCaptions, {"a"}, {G}, "1:a"},
    {cvfCaptions, {"a", "b"}, {U, U}, ""},
    {cvfCaptions, {"ab", "c"}, {C, G}, "1:c;2:ab"},
    {cvfCaptions, {"10:x;y", ""}, {G, C}, "6:10:x;y;0:"},
    {cvfIndices, {}, {}, ""},
    {cvfIndices, {"a", "b", "c", "d"}, {G, C, G, C}, "0,2;1,3"},
    {cvfIndices, {"a", "b"}, {U, C}, ";1"},
    {cvfIndices, {"a", "b"}, {G, U}, "0"},
    {cvfStatesString, {}, {}, ""},
    {cvfStatesString, {"a", "b", "c", "d"}, {U, C, G, U}, "0120"},
};

struct TDecodeCase {
  TcxCheckStatesValueFormat Format;
  Variant Value;
  std::vector<std::string> Captions;
  bool Decoded;
  TcxCheckStates States;
};

const TDecodeCase kDecodeCases[] = {
    {cvfCaptions, "", {"a", "b"}, true, {U, U}},
    {cvfCaptions, Null(), {"a"}, true, {U}},
    {cvfCaptions, ";2:AB", {"ab", "c"}, true, {C, U}},
    {cvfCaptions, "1:c;2:ab", {"ab", "c"}, true, {C, G}},
    {cvfCaptions, "1:c;2:ab;1:x", {"ab", "c", "x"}, false, {U, U, U}},
    {cvfCaptions, "1:a;1:z", {"a", "b"}, false, {U, U}},
    {cvfCaptions, "0:", {"a", ""}, true, {U, G}},
    {cvfCaptions, "007:a;b:c;d", {"a;b:c;d"}, true, {G}},
    {cvfCaptions, ";", {"a"}, false, {U}},
    {cvfCaptions, "1:a;", {"a"}, false, {U}},
    {cvfCaptions, ":a", {"a"}, false, {U}},
    {cvfCaptions, "1a", {"a"}, false, {U}},
    {cvfCaptions, "2:a", {"a"}, false, {U}},
    {cvfCaptions, "-1:a", {"a"}, false, {U}},
    {cvfCaptions, "2147483648:a", {"a"}, false, {U}},
    {cvfCaptions, "99999999999999999999:a", {"a"}, false, {U}},
    {cvfCaptions, "2147483647:a", {"a"}, false, {U}},
    {cvfCaptions, 1, {"a"}, false, {U}},
    {cvfCaptions, Unassigned(), {"a"}, false, {U}},
    {cvfIndices, "", {"a", "b", "c"}, true, {U, U, U}},
    {cvfIndices, Null(), {"a"}, true, {U}},
    {cvfIndices, "3", {"a", "b", "c"}, false, {U, U, U}},
    {cvfIndices, "2", {"a", "b", "c"}, true, {U, U, G}},
    {cvfIndices, "0,;1", {"a", "b", "c"}, true, {G, C, U}},
    {cvfIndices, "0,2;1", {"a", "b", "c"}, true, {G, C, G}},
    {cvfIndices, "0,", {"a"}, true, {G}},
    {cvfIndices, "0,,1", {"a", "b", "c"}, false, {U, U, U}},
    {cvfIndices, "0 ,1", {"a", "b", "c"}, false, {U, U, U}},
    {cvfIndices, " 0", {"a"}, false, {U}},
    {cvfIndices, ";0;1", {"a", "b"}, false, {U, U}},
    {cvfIndices, "0;", {"a"}, false, {U}},
    {cvfIndices, "-1", {"a"}, false, {U}},
    {cvfIndices, "99999999999", {"a"}, false, {U}},
    {cvfIndices, 0, {"a"}, false, {U}},
    {cvfInteger, "5", {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, "$6", {"a", "b", "c"}, true, {U, C, C}},
    {cvfInteger, "x", {"a", "b", "c"}, false, {U, U, U}},
    {cvfInteger, "", {"a"}, false, {U}},
    {cvfInteger, "5 ", {"a"}, false, {U}},
    {cvfInteger, "99999999999999999999", {"a"}, false, {U}},
    {cvfInteger, Null(), {"a"}, true, {U}},
    {cvfInteger, 5, {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, int64_t{-1}, {"a", "b"}, true, {C, C}},
    {cvfInteger, 5.0, {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, Currency{50000}, {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, TDateTime{5.0}, {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, StrToBcd("5"), {"a", "b", "c"}, true, {C, U, C}},
    {cvfInteger, 1e30, {"a"}, false, {U}},
    {cvfInteger, Unassigned(), {"a"}, false, {U}},
    {cvfInteger, VarArrayOf({1}), {"a"}, false, {U}},
    {cvfStatesString, "21", {"a", "b", "c", "d"}, true, {G, C, U, U}},
    {cvfStatesString, "0121", {"a", "b"}, true, {U, C}},
    {cvfStatesString, "12x", {"a", "b"}, true, {C, G}},
    {cvfStatesString, "3", {"a", "b"}, false, {U, U}},
    {cvfStatesString, "1 ", {"a", "b"}, false, {U, U}},
    {cvfStatesString, Null(), {"a"}, true, {U}},
    {cvfStatesString, 12, {"a", "b"}, false, {U, U}},
};

TcxCheckStates RandomStates(std::mt19937& random, size_t count) {
  std::uniform_int_distribution<int> state(cbsUnchecked, cbsGrayed);
  TcxCheckStates states(count);
  for (TcxCheckBoxState& s : states) s = static_cast<TcxCheckBoxState>(state(random));
  return states;
}

}  // namespace

TEST(CalculateCheckStatesValueTest, WritesEachTextFormAsTheStatesAndCaptionsGive) {
  for (const TEncodeCase& c : kEncodeCases) {
    const Variant value = CalculateCheckStatesValue(c.States, TTestCheckItems(c.Captions), c.Format);
    EXPECT_EQ(value.VType(), varString) << c.Value;
    EXPECT_EQ(value.AsString(), c.Value);
  }
}

TEST(CalculateCheckStatesValueTest, TheIntegerFormSetsTheBitsOfTheFirstSixtyFourCheckedItems) {
  struct TCase {
    TcxCheckStates States;
    int64_t Mask;
  };
  TcxCheckStates seventy(70, C);
  seventy[1] = G;
  const TCase cases[] = {
      {{}, 0},
      {{C, G, C, U}, 5},
      {seventy, static_cast<int64_t>(~uint64_t{2})},
  };
  for (const TCase& c : cases) {
    const Variant value = CalculateCheckStatesValue(c.States, TTestCheckItems(NumberedCaptions(70)), cvfInteger);
    EXPECT_EQ(value.VType(), varInt64);
    EXPECT_EQ(value.AsInt64(), c.Mask);
  }
}

TEST(CalculateCheckStatesValueTest, StatesPastTheItemsHaveNoCaptionToWrite) {
  const Variant value = CalculateCheckStatesValue({C, C}, TTestCheckItems({"a"}), cvfCaptions);
  EXPECT_EQ(value.AsString(), ";1:a");
}

TEST(CalculateCheckStatesTest, ReadsEachValueOrLeavesEveryItemUnchecked) {
  for (size_t i = 0; i < std::size(kDecodeCases); ++i) {
    const TDecodeCase& c = kDecodeCases[i];
    TcxCheckStates states(9, G);
    EXPECT_EQ(CalculateCheckStates(c.Value, TTestCheckItems(c.Captions), c.Format, states), c.Decoded) << i;
    EXPECT_EQ(states, c.States) << i;
  }
}

TEST(CalculateCheckStatesTest, ItemsWithOneCaptionTakeItsRunsInTheOrderOfTheText) {
  const TTestCheckItems items({"a", "b", "A"});
  const Variant value = CalculateCheckStatesValue({C, U, G}, items, cvfCaptions);
  EXPECT_EQ(value.AsString(), "1:A;1:a");
  TcxCheckStates states;
  EXPECT_TRUE(CalculateCheckStates(value, items, cvfCaptions, states));
  EXPECT_EQ(states, (TcxCheckStates{G, U, C}));
  EXPECT_FALSE(CalculateCheckStates("1:a;1:a1:a", items, cvfCaptions, states));
  EXPECT_EQ(states, (TcxCheckStates{U, U, U}));
}

TEST(CalculateCheckStatesTest, TheTextFormsGiveBackEveryStateOfDistinctCaptions) {
  std::mt19937 random(143);
  for (const TcxCheckStatesValueFormat format : {cvfCaptions, cvfIndices, cvfStatesString}) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{5}, size_t{70}}) {
      const TTestCheckItems items(NumberedCaptions(static_cast<int>(count)));
      const TcxCheckStates states = RandomStates(random, count);
      TcxCheckStates decoded;
      EXPECT_TRUE(CalculateCheckStates(CalculateCheckStatesValue(states, items, format), items, format, decoded));
      EXPECT_EQ(decoded, states) << format << " " << count;
    }
  }
}

TEST(CalculateCheckStatesTest, TheIntegerFormKeepsOnlyTheCheckedOnesOfTheFirstSixtyFour) {
  std::mt19937 random(161);
  const TTestCheckItems items(NumberedCaptions(70));
  TcxCheckStates states = RandomStates(random, 70);
  for (size_t i = 64; i < 70; ++i) states[i] = C;
  TcxCheckStates decoded;
  EXPECT_TRUE(CalculateCheckStates(CalculateCheckStatesValue(states, items, cvfInteger), items, cvfInteger, decoded));
  ASSERT_EQ(decoded.size(), 70u);
  for (size_t i = 0; i < 70; ++i) EXPECT_EQ(decoded[i], i < 64 && states[i] == C ? C : U) << i;
}
