#include <gtest/gtest.h>

#include <string>

#include "controls/editors/mask/cxMaskEditStandardMode.h"
#include "tests/controls/editors/MaskEditModelHost.h"

namespace {

const char kPhoneMask[] = "(000) 000-0000";
const char kEmptyPhone[] = "(___) ___-____";

class cxMaskEditStandardModeTest : public ::testing::Test {
 protected:
  cxMaskEditStandardModeTest() : Mode(&Host, Host.Properties) { Host.Mode = &Mode; }

  void Start(const std::string& mask, const std::string& text, int selStart) {
    Mode.Compile(mask);
    Host.Show(text, selStart);
  }

  // Routes the keys as the editor does: what the mode lets pass the native
  // edit handles. "{L}" "{R}" "{H}" "{E}" "{Del}" "{BS}" are keys, a "+"
  // before one holds Shift; any other character is typed.
  void Type(const std::string& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] != '{' && !(keys[i] == '+' && i + 1 < keys.size() && keys[i + 1] == '{')) {
        char ch = keys[i];
        if (Mode.PressChar(ch)) Host.SendChar(ch);
        continue;
      }
      Host.Shift = keys[i] == '+';
      if (Host.Shift) ++i;
      const size_t end = keys.find('}', i);
      PressKey(keys.substr(i + 1, end - i - 1));
      Host.Shift = false;
      i = end;
    }
  }

  void PressKey(const std::string& key) {
    if (key == "BS") {
      if (Mode.Backspace()) Host.SendChar(cxMaskCharBackspace);
      return;
    }
    const struct {
      const char* Name;
      bool (TcxMaskEditCustomMode::*Operation)();
      uint16_t Key;
    } keys[] = {{"L", &TcxMaskEditCustomMode::Left, cxMaskKeyLeft},
                {"R", &TcxMaskEditCustomMode::Right, cxMaskKeyRight},
                {"H", &TcxMaskEditCustomMode::Home, cxMaskKeyHome},
                {"E", &TcxMaskEditCustomMode::End, cxMaskKeyEnd},
                {"Del", &TcxMaskEditCustomMode::Delete, cxMaskKeyDelete}};
    for (const auto& entry : keys)
      if (key == entry.Name && (Mode.*entry.Operation)()) Host.SendKeyDown(entry.Key);
  }

  TMaskEditModelHost Host;
  TcxMaskEditStandardMode Mode;
};

// The caret shows as the selected character typing replaces; the keys step
// over the literals and deleting blanks instead of closing the text up.
TEST_F(cxMaskEditStandardModeTest, TypingOverwritesAndTheCaretSkipsLiterals) {
  struct TCase {
    const char* Mask;
    const char* Keys;
    const char* Text;
    int SelStart;
    int SelLength;
    int Beeps;
  };
  const TCase cases[] = {
      {kPhoneMask, "5551234567", "(555) 123-4567", 14, 0, 0},
      {kPhoneMask, "555", "(555) ___-____", 6, 1, 0},
      {kPhoneMask, "555{H}", "(555) ___-____", 1, 1, 0},
      {kPhoneMask, "555{L}", "(555) ___-____", 3, 1, 0},
      {kPhoneMask, "555{L}{R}", "(555) ___-____", 6, 1, 0},
      {kPhoneMask, "12{L}{L}{L}", "(12_) ___-____", 0, 1, 0},
      {kPhoneMask, "{R}{R}", kEmptyPhone, 2, 1, 0},
      {kPhoneMask, "555{BS}", "(55_) ___-____", 3, 1, 0},
      {kPhoneMask, "555{H}{Del}", "(_55) ___-____", 1, 1, 0},
      {kPhoneMask, "555{H}+{E}", "(555) ___-____", 1, 13, 0},
      {kPhoneMask, "555{H}+{R}", "(555) ___-____", 1, 2, 0},
      {kPhoneMask, "555{L}+{L}", "(555) ___-____", 3, 1, 0},
      {kPhoneMask, "a", kEmptyPhone, 1, 1, 1},
      {kPhoneMask, "{E}5", kEmptyPhone, 14, 0, 0},
      {kPhoneMask, "{E}{R}", kEmptyPhone, 14, 0, 0},
      {">LL-l", "abc", "AB-C", 4, 0, 0},
      {">LL-l", "a-", "A_-_", 1, 1, 1},
      {"\\+0", "7", "+7", 2, 0, 0},
      {"\\+0", "7{L}{R}", "+7", 2, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Keys);
    Host.Beeps = 0;
    std::string empty;
    TcxStandardMask mask;
    mask.Compile(c.Mask);
    mask.GetEmptyText(empty);
    Start(c.Mask, empty, 0);
    Type(c.Keys);
    EXPECT_EQ(Host.Text, c.Text);
    EXPECT_EQ(Host.EditSelStart(), c.SelStart);
    EXPECT_EQ(Host.EditSelLength(), c.SelLength);
    EXPECT_EQ(Host.Beeps, c.Beeps);
  }
}

TEST_F(cxMaskEditStandardModeTest, ARefusedCharacterBeepsOnlyWithBeepOnError) {
  Host.Properties.BeepOnError = false;
  Start(kPhoneMask, kEmptyPhone, 1);
  Type("x");
  EXPECT_EQ(Host.Beeps, 0);
  EXPECT_EQ(Host.Text, kEmptyPhone);
}

TEST_F(cxMaskEditStandardModeTest, AnUnfocusedEditorKeepsItsCaretUnselected) {
  Host.Focused = false;
  Start(kPhoneMask, kEmptyPhone, 3);
  EXPECT_EQ(Host.EditSelLength(), 0);
  Type("5");
  EXPECT_EQ(Host.Text, "(__5) ___-____");
  EXPECT_EQ(Host.EditSelStart(), 6);
  EXPECT_EQ(Host.EditSelLength(), 0);
}

// A selection of several characters is blanked before the character goes in.
TEST_F(cxMaskEditStandardModeTest, TypingOverASelectionBlanksItFirst) {
  Start(kPhoneMask, "(555) 123-4567", 1);
  Host.SetEditSelLength(8);
  Type("9");
  EXPECT_EQ(Host.Text, "(9__) ___-4567");
  Host.Show("(555) 123-4567", 4);
  Host.SetEditSelLength(4);
  Type("9");
  EXPECT_EQ(Host.Text, "(555) 9_3-4567");
}

// Both paste steps work from where the paste began: running them twice, as
// a paste from the clipboard does, places the caret once.
TEST_F(cxMaskEditStandardModeTest, PasteStepsRunTwiceLeaveTheCaretAfterThePastedText) {
  Start(kPhoneMask, kEmptyPhone, 1);
  Mode.SetPasteLength(3);
  for (int run = 0; run < 2; ++run) Mode.PreparePaste();
  EXPECT_EQ(Host.EditSelStart(), 1);
  EXPECT_EQ(Host.EditSelLength(), 3);
  Host.Text = "(555) ___-____";
  for (int run = 0; run < 2; ++run) Mode.FinishPaste();
  EXPECT_EQ(Host.EditSelStart(), 6);
  EXPECT_EQ(Host.EditSelLength(), 1);
}

TEST_F(cxMaskEditStandardModeTest, ValuesValidityAndTheEmptyValueFollowTheMask) {
  struct TCase {
    const char* Mask;
    bool IgnoreMaskBlank;
    const char* Text;
    bool FullValid;
    const char* Value;
  };
  const TCase cases[] = {
      {kPhoneMask, false, "(555) 123-4567", true, "(555) 123-4567"},
      {kPhoneMask, false, "(555) 12_-____", false, "(555) 12 -    "},
      {kPhoneMask, true, "(555) 12_-____", true, "(555) 12 -    "},
      {kPhoneMask, true, "(5_5) ___-____", false, "(5 5)    -    "},
      {kPhoneMask, true, kEmptyPhone, true, "(   )    -    "},
      {"(000) 000-0000;0;_", false, "(555) 123-4567", true, "5551234567"},
      {"(000) 000-0000;0;*", false, "(55*) ***-****", false, "55        "},
      {"(999) 000;0;_", false, "(___) 123", true, "   123"},
      {">LLL", false, "ABC", true, "ABC"},
      {">LLL", false, "abc", true, "ABC"},
      {"LLL", false, "ab1", false, "ab "},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mask) + " " + c.Text);
    Host.Properties.IgnoreMaskBlank = c.IgnoreMaskBlank;
    Mode.Compile(c.Mask);
    EXPECT_EQ(Mode.IsFullValid(c.Text), c.FullValid);
    EXPECT_EQ(Mode.GetValue(c.Text, true), c.Value);
  }
}

TEST_F(cxMaskEditStandardModeTest, TheEmptyValueKeepsTheLiteralsTheMaskSaves) {
  Mode.Compile(kPhoneMask);
  EXPECT_EQ(Mode.GetEmptyValueText(), "(   )    -    ");
  Mode.Compile("(000) 000-0000;0;_");
  EXPECT_EQ(Mode.GetEmptyValueText(), "          ");
  EXPECT_EQ(Mode.Format("5551234567", true), "(555) 123-4567");
}

// A mask compiled while the mode has no editor to give it to keeps the
// empty value for the first one it gets.
TEST_F(cxMaskEditStandardModeTest, AModeWithoutEditorGivesTheEmptyValueLater) {
  TMaskEditModelProperties properties;
  TcxMaskEditStandardMode detached(nullptr, properties);
  detached.Compile(kPhoneMask);
  detached.ApplyPendingEmpty();
  Host.EditValue = "unchanged";
  Mode.Compile(kPhoneMask);
  Mode.ApplyPendingEmpty();
  EXPECT_EQ(Host.EditValue, "unchanged");
}

}  // namespace
