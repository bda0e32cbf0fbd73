#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditConsts.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#undef NEPL_RESOURCE_STRING
#define NEPL_RESOURCE_STRING(name, identifier, text) name,
const std::vector<TResStringRec> kEditTexts = {
#include "resources/strings/cxEditConsts.strings"
};

struct TRegistration {
  TResStringRec Resource;
  const char* EditorName;
  const char* Hint;
};

const TRegistration kRegistrations[] = {
    {cxMsgCheckBoxRegistration, "CheckBox", "Represents a check box control that allows selecting an option"},
    {cxMsgComboBoxRegistration, "ComboBox", "Represents the combo box editor"},
    {cxMsgImageComboBoxRegistration, "ImageComboBox",
     "Represents an editor displaying the list of images and text strings within the dropdown window"},
    {cxMsgMaskEditRegistration, "MaskEdit", "Represents a generic masked edit control."},
    {cxMsgPopupEditRegistration, "PopupEdit", "Represents an edit control with a dropdown list"},
    {cxMsgTextEditRegistration, "TextEdit", "Represents a single line text editor"},
};

}  // namespace

TEST(cxEditConstsTest, TheListHoldsEveryIdentifierOfTheEditorsBlockOnce) {
  std::vector<unsigned> identifiers;
  for (const TResStringRec& text : kEditTexts) identifiers.push_back(text.Identifier);
  std::sort(identifiers.begin(), identifiers.end());
  std::vector<unsigned> expected;
  for (unsigned id = 65008; id <= 65010; ++id) expected.push_back(id);
  for (unsigned id = 65024; id <= 65071; ++id) expected.push_back(id);
  for (unsigned id = 65081; id <= 65087; ++id) expected.push_back(id);
  std::sort(expected.begin(), expected.end());
  // 65079 and 65080 belong to the variant unit's list.
  EXPECT_EQ(identifiers, expected);
  EXPECT_EQ(kEditTexts.size(), 58u);
}

TEST(cxEditConstsTest, RegistrationTextsSplitAtTheFirstBarIntoNameAndHint) {
  for (const TRegistration& registration : kRegistrations) {
    const std::string text = cxGetResourceString(registration.Resource);
    const size_t bar = text.find('|');
    ASSERT_NE(bar, std::string::npos) << text;
    EXPECT_EQ(text.substr(0, bar), registration.EditorName);
    EXPECT_EQ(text.substr(bar + 1), registration.Hint);
  }
}

#ifdef _WIN32
namespace {

// Reads an entry straight from the executable's string table, without the
// lookup's fallback to the listed text: a block of 16 counted UTF-16 texts.
bool ReadStringTableEntry(unsigned identifier, std::string& text) {
  const HMODULE module = GetModuleHandleA(nullptr);
  const HRSRC block = FindResourceA(module, MAKEINTRESOURCEA(identifier / 16 + 1), MAKEINTRESOURCEA(6));
  if (!block) return false;
  const auto* entry = static_cast<const WCHAR*>(LockResource(LoadResource(module, block)));
  for (unsigned skip = identifier % 16; skip > 0; --skip) entry += 1 + *entry;
  text.clear();
  for (WCHAR i = 1; i <= entry[0]; ++i) text += static_cast<char>(entry[i]);
  return true;
}

}  // namespace

// Compared with the list's C literals, this also checks that the resource
// compiler reads "\\" as one backslash and keeps the empty grayed text.
TEST(cxEditConstsTest, TheExecutablesStringTableHoldsEveryTextExactlyAsListed) {
  for (const TResStringRec& listed : kEditTexts) {
    std::string stored;
    ASSERT_TRUE(ReadStringTableEntry(listed.Identifier, stored)) << listed.Identifier;
    EXPECT_EQ(stored, listed.Text) << listed.Identifier;
    EXPECT_EQ(cxGetResourceString(listed), listed.Text) << listed.Identifier;
  }
}
#endif
