#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "controls/editors/base/cxExtEditConsts.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

template <size_t N>
std::vector<std::string> Names(const std::array<const char*, N>& table) {
  std::vector<std::string> names;
  for (const char* name : table) names.push_back(name ? name : "");
  return names;
}

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

TEST(cxExtEditConstsTest, EveryColourTableHoldsItsCountOfDistinctNames) {
  struct TCase {
    std::vector<std::string> Names;
    size_t Count;
  };
  const TCase cases[] = {
      {Names(cxColorConstantNames), 52},
      {Names(cxBasicColorNames), 16},
      {Names(cxWebColorNames), 140},
      {Names(cxWebColorNamesByHue), 140},
  };
  for (const TCase& c : cases) {
    std::set<std::string> distinct;
    for (const std::string& name : c.Names) {
      EXPECT_FALSE(name.empty());
      distinct.insert(name);
    }
    EXPECT_EQ(distinct.size(), c.Count) << c.Names.front();
  }
}

TEST(cxExtEditConstsTest, TheWebColoursAreAlphabeticalAndTheHueOrderIsTheirPermutation) {
  const std::vector<std::string> alphabetical = Names(cxWebColorNames);
  EXPECT_TRUE(std::is_sorted(alphabetical.begin(), alphabetical.end(), CaseInsensitiveLess));
  EXPECT_EQ(alphabetical.front(), "AliceBlue");
  EXPECT_EQ(alphabetical.back(), "YellowGreen");
  std::vector<std::string> byHue = Names(cxWebColorNamesByHue);
  EXPECT_EQ(byHue.front(), "LightPink");
  EXPECT_EQ(byHue.back(), "Black");
  std::sort(byHue.begin(), byHue.end(), CaseInsensitiveLess);
  EXPECT_EQ(byHue, alphabetical);
}

TEST(cxExtEditConstsTest, TheBasicColoursAreTheColourConstantsWithoutTheirPrefix) {
  const std::vector<std::string> constants = Names(cxColorConstantNames);
  for (const char* basic : cxBasicColorNames)
    EXPECT_NE(std::find(constants.begin(), constants.begin() + 16, std::string("cl") + basic), constants.begin() + 16)
        << basic;
}

TEST(cxExtEditConstsTest, TheCheckComboBoxTextsReadBack) {
  struct TCase {
    TResStringRec Resource;
    unsigned Identifier;
    const char* Text;
  };
  const TCase cases[] = {
      {cxMsgCheckComboBoxRegistration, 65011, "CheckComboBox|Represents a CheckComboBox"},
      {cxMsgCheckComboBoxEmptySelectionText, 65012, "None selected"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.Resource.Identifier, c.Identifier);
    EXPECT_EQ(cxGetResourceString(c.Resource), c.Text);
#ifdef _WIN32
    char stored[256] = {};
    EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), c.Identifier, stored, sizeof stored),
              static_cast<int>(std::strlen(c.Text)));
    EXPECT_STREQ(stored, c.Text);
#endif
  }
}
