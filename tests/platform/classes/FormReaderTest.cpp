#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "tests/platform/classes/TestClasses.h"

namespace {

class FormReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClasses({TGadget::StaticClass()}); }

  // Reads `text` into a fresh root and returns the load error's message ("" when it loads).
  std::string LoadError(const std::string& text) {
    TPanelRoot root(nullptr);
    try {
      ReadComponentResource(root, text, "TPanelRoot");
    } catch (const EReadError& error) {
      return error.Message();
    }
    return "";
  }

  // A valid form with `extra` lines in the Knob block.
  static std::string WithKnobLines(const std::string& extra) {
    return "object Panel: TPanelRoot\n"
           "  object Knob: TGadget\n" +
           extra +
           "  end\n"
           "  object Dial: TGadget\n"
           "  end\n"
           "end\n";
  }
};

TEST_F(FormReaderTest, SetsEveryKindOfValueThroughThePropertyTables) {
  TPanelRoot root(nullptr);
  ReadComponentResource(root,
                        "object Panel: TPanelRoot\n"
                        "  object Knob: TGadget\n"
                        "    Count = -42\n"
                        "    Color = clRed\n"
                        "    Text = 'It''s'#13#10'done'\n"
                        "    Active = True\n"
                        "    Shape = stTriangle\n"
                        "    Flags = [flGreen, flBlue]\n"
                        "    Lines = (\n"
                        "      'first'\n"
                        "      '')\n"
                        "    Items = <\n"
                        "      item\n"
                        "        Caption = 'a'\n"
                        "        Size = 100\n"
                        "        Value = 7\n"
                        "      end\n"
                        "      item\n"
                        "        Value = 'seven'\n"
                        "      end>\n"
                        "    Limits.MinWidth = 900\n"
                        "    Buddy = Dial\n"
                        "    OnChange = KnobChange\n"
                        "    Glyph = 'KNOB_BITMAP'\n"
                        "    Mark = #35\n"
                        "  end\n"
                        "  object Dial: TGadget\n"
                        "    Color = $00FF00\n"
                        "    Flags = []\n"
                        "    Active = false\n"
                        "  end\n"
                        "end\n",
                        "TPanelRoot");
  ASSERT_NE(root.Knob, nullptr);
  ASSERT_NE(root.Dial, nullptr);
  const TGadget& knob = *root.Knob;
  EXPECT_EQ(knob.Count(), -42);
  EXPECT_EQ(knob.Color(), 0x0000FF);
  EXPECT_EQ(knob.Text(), "It's\r\ndone");
  EXPECT_TRUE(knob.Active());
  EXPECT_EQ(knob.Shape(), stTriangle);
  EXPECT_EQ(knob.Flags(), (TFlags{flGreen, flBlue}));
  ASSERT_EQ(root.Knob->Lines().Count(), 2);
  EXPECT_EQ(root.Knob->Lines()[0], "first");
  EXPECT_EQ(root.Knob->Lines()[1], "");
  ASSERT_EQ(root.Knob->Items().Count(), 2);
  EXPECT_EQ(root.Knob->Items().Items(0).Caption(), "a");
  EXPECT_EQ(root.Knob->Items().Items(0).Size(), 100);
  EXPECT_EQ(root.Knob->Items().Items(1).Size(), 10);
  EXPECT_EQ(VarType(root.Knob->Items().Items(0).Value()), varInteger);
  EXPECT_EQ(root.Knob->Items().Items(0).Value(), Variant(7));
  EXPECT_EQ(VarType(root.Knob->Items().Items(1).Value()), varString);
  EXPECT_EQ(root.Knob->Items().Items(1).Value(), Variant(std::string("seven")));
  EXPECT_EQ(root.Knob->Limits().MinWidth(), 900);
  EXPECT_EQ(knob.Buddy(), root.Dial);
  EXPECT_EQ(knob.Glyph(), "KNOB_BITMAP");
  EXPECT_EQ(knob.Mark(), '#');
  EXPECT_EQ(root.Dial->Color(), 0x00FF00);
  EXPECT_EQ(root.Dial->Flags(), TFlags{});
  EXPECT_FALSE(root.Dial->Active());

  ASSERT_TRUE(knob.OnChange());
  knob.OnChange()(root.Knob);
  ASSERT_EQ(root.Changes.size(), 1u);
  EXPECT_EQ(root.Changes[0], root.Knob);
}

TEST_F(FormReaderTest, ADefinedValueGoesToItsReadHandlerAndIsNoPublishedProperty) {
  TPanelRoot root(nullptr);
  ReadComponentResource(root, WithKnobLines("    Legacy = False\n    Legacy = True\n"), "TPanelRoot");
  EXPECT_EQ(root.Knob->LegacyRead, (std::vector<bool>{false, true}));
  EXPECT_EQ(TGadget::StaticClass()->FindProperty("Legacy"), nullptr);
  EXPECT_NE(TGadget::StaticClass()->FindDefinedProperty("legacy"), nullptr);
}

TEST_F(FormReaderTest, NestedObjectsAreOwnedByTheRootAndToldTheirParent) {
  TPanelRoot root(nullptr);
  ReadComponentResource(root,
                        "object Panel: TPanelRoot\n"
                        "  object Knob: TGadget\n"
                        "    object Dial: TGadget\n"
                        "      object Inner: TGadget\n"
                        "      end\n"
                        "    end\n"
                        "  end\n"
                        "end\n",
                        "TPanelRoot");
  EXPECT_EQ(root.Name(), "Panel");
  ASSERT_EQ(root.ComponentCount(), 3);
  EXPECT_EQ(root.Components(0), root.Knob);
  EXPECT_EQ(root.Components(1), root.Dial);
  auto* inner = static_cast<TGadget*>(root.FindComponent("inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Owner(), &root);
  EXPECT_EQ(root.Knob->ParentComponent, &root);
  EXPECT_EQ(root.Dial->ParentComponent, root.Knob);
  EXPECT_EQ(inner->ParentComponent, root.Dial);
}

TEST_F(FormReaderTest, ResolvesReferencesToLaterComponentsBeforeLoaded) {
  TPanelRoot root(nullptr);
  ReadComponentResource(root,
                        "object Panel: TPanelRoot\n"
                        "  object Knob: TGadget\n"
                        "    Buddy = Dial\n"
                        "  end\n"
                        "  object Dial: TGadget\n"
                        "  end\n"
                        "end\n",
                        "TPanelRoot");
  EXPECT_EQ(root.Knob->BuddyWhenLoaded, root.Dial);
  EXPECT_FALSE(root.Knob->ComponentState().Contains(csLoading));
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
}

TEST_F(FormReaderTest, NamesTheOffendingTextAndLineOfEveryUnresolvedName) {
  struct TCase {
    std::string KnobLines;
    std::string Message;
  };
  const TCase cases[] = {
      {"    Colour = clRed\n", "TPanelRoot, line 3: Unknown property Colour of TGadget"},
      {"    Limits.MaxWidth = 1\n", "TPanelRoot, line 3: Unknown property MaxWidth of TGadgetLimits"},
      {"    Count.Low = 1\n", "TPanelRoot, line 3: Count has no properties of its own"},
      {"    Limits = 1\n", "TPanelRoot, line 3: Limits takes no value; set its properties by a dotted path"},
      {"    Shape = stHexagon\n", "TPanelRoot, line 3: Invalid value stHexagon for Shape"},
      {"    Flags = [flRed, flPink]\n", "TPanelRoot, line 3: Invalid value flPink for Flags"},
      {"    Active = Yes\n", "TPanelRoot, line 3: Invalid value Yes for Active"},
      {"    Legacy = 1\n", "TPanelRoot, line 3: Invalid value for Legacy"},
      {"    Color = clPurple\n", "TPanelRoot, line 3: Invalid value clPurple for Color"},
      {"    Count = Many\n", "TPanelRoot, line 3: Invalid value for Count"},
      {"    Count = 99999999999\n", "TPanelRoot, line 3: '99999999999' is not a valid integer value"},
      {"    Text = 5\n", "TPanelRoot, line 3: Invalid value for Text"},
      {"    Mark = 'ab'\n", "TPanelRoot, line 3: Invalid value for Mark"},
      {"    Lines = (5 6)\n", "TPanelRoot, line 3: Invalid value for Lines"},
      {"    Items = <\n      item\n        Value = True\n      end>\n", "TPanelRoot, line 5: Invalid value for Value"},
      {"\n    Buddy = Nobody\n", "TPanelRoot, line 4: Unknown component Nobody"},
      {"    Buddy = Panel\n", "TPanelRoot, line 3: Panel is a TPanelRoot, not a TGadget"},
      {"    OnChange = KnobChanged\n", "TPanelRoot, line 3: Unknown handler KnobChanged of TPanelRoot"},
      {"    OnChange = Resized\n", "TPanelRoot, line 3: Handler Resized does not fit OnChange"},
      {"    object Gizmo: TGizmo\n    end\n", "TPanelRoot, line 3: Unknown class TGizmo"},
      {"    object Dial: TGadget\n    end\n", "TPanelRoot, line 6: A component named Dial already exists"},
  };
  for (const TCase& test : cases) EXPECT_EQ(LoadError(WithKnobLines(test.KnobLines)), test.Message) << test.KnobLines;
}

TEST_F(FormReaderTest, EveryComponentMemberMustBeInTheForm) {
  EXPECT_EQ(LoadError("object Panel: TPanelRoot\n"
                      "  object Knob: TGadget\n"
                      "  end\n"
                      "end\n"),
            "TPanelRoot, line 1: The form has no component Dial");
  EXPECT_EQ(LoadError("object Panel: TPanelRoot\n"
                      "  object Knob: TGadget\n"
                      "  end\n"
                      "  object Dial: TPanelRoot\n"
                      "  end\n"
                      "end\n"),
            "TPanelRoot, line 4: Unknown class TPanelRoot");
  EXPECT_EQ(LoadError("object Panel: TGadget\nend\n"), "TPanelRoot, line 1: The form is a TGadget, not a TPanelRoot");
}

TEST_F(FormReaderTest, ReportsSyntaxErrorsWithTheirLine) {
  struct TCase {
    std::string Text;
    std::string Message;
  };
  const TCase cases[] = {
      {"object Panel: TPanelRoot\n  Text = 'open\nend\n", "TPanelRoot, line 2: Unterminated string"},
      {"object Panel: TPanelRoot\n  Count = 12ab\nend\n", "TPanelRoot, line 2: Invalid number 12a"},
      {"object Panel: TPanelRoot\n  Count = #300\nend\n", "TPanelRoot, line 2: Invalid character code #300"},
      {"object Panel: TPanelRoot\n  Count 1\nend\n", "TPanelRoot, line 2: Expected = but found '1'"},
      {"object Panel TPanelRoot\nend\n", "TPanelRoot, line 1: Expected : but found 'TPanelRoot'"},
      {"object Panel: TPanelRoot\n  Lines = ('a' 1)\nend\n",
       "TPanelRoot, line 2: Expected a string or ) but found '1'"},
      {"object Panel: TPanelRoot\n  Lines = (1 'a')\nend\n",
       "TPanelRoot, line 2: Expected an integer or ) but found 'a'"},
      {"object Panel: TPanelRoot\n  Flags = [flRed flBlue]\nend\n",
       "TPanelRoot, line 2: Expected , but found 'flBlue'"},
      {"object Panel: TPanelRoot\n  Items = < Size = 1 >\nend\n", "TPanelRoot, line 2: Expected item but found 'Size'"},
      {"object Panel: TPanelRoot\n  Count = 1\n", "TPanelRoot, line 3: Expected a name but found the end of the text"},
      {"object Panel: TPanelRoot\nend\nend\n", "TPanelRoot, line 3: Text after the form's end"},
      {"object Panel: TPanelRoot\n  Count = ;\nend\n", "TPanelRoot, line 2: Unexpected character ';'"},
  };
  for (const TCase& test : cases) EXPECT_EQ(LoadError(test.Text), test.Message) << test.Text;
}

}  // namespace
