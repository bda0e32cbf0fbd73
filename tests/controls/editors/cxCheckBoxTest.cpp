// The check box on a real window: Space and the mouse toggle it in its
// order, its values map to states and back, a state it already has fires
// nothing; its looks are checked on pixels drawn into memory bitmaps.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditFilterHelpers.h"
#include "controls/editors/check/cxCheckBox.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Actions.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/editors/FakeEditViewOwner.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

COLORREF Rgb(TColor color) { return ColorToRGB(color); }

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

const char* StateName(TcxCheckBoxState state) {
  switch (state) {
    case cbsChecked: return "checked";
    case cbsGrayed: return "grayed";
    case cbsUnchecked: break;
  }
  return "unchecked";
}

bool Same(const Variant& a, const Variant& b) { return VarIsNull(a) ? VarIsNull(b) : !VarIsNull(b) && a == b; }

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

class cxCheckBoxTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxCheckBoxInitialize();
    Form->SetBounds(100, 100, 300, 200);
    Box = CreateComponent<TcxCheckBox>(Form.get());
    Box->SetParent(Form.get());
    Box->SetBounds(10, 10, 120, 24);
    Box->SetCaption("ab");
    Box->SetOnClick([this](TObject*) { ++Clicks; });
    Box->PropertiesObject().SetOnChange([this](TObject*) { ++Changes; });
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
  }
  void TearDown() override {
    Form.reset();
    cxCheckBoxFinalize();
    cxEditFinalize();
  }

  void Space() {
    SendMessageA(Box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(Box->Handle(), WM_KEYUP, VK_SPACE, 0);
  }
  // Presses the left button over the check and lets it go at `release`.
  void ClickAt(POINT release) {
    const POINT check = Centre(Box->CheckViewInfo().CheckBoxRect);
    SendMessageA(Box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(check.x, check.y));
    SendMessageA(Box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
  }
  void Click() { ClickAt(Centre(Box->CheckViewInfo().CheckBoxRect)); }
  static POINT Centre(const TRect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  TOwned<TForm> Form{new TForm(nullptr)};
  TcxCheckBox* Box = nullptr;
  int Clicks = 0;
  int Changes = 0;
};

}  // namespace

TEST_F(cxCheckBoxTest, SpaceAndTheMouseToggleInTheirOrder) {
  struct TCase {
    bool AllowGrayed;
    TcxCheckBoxState From;
    TcxCheckBoxState To;
  };
  const TCase cases[] = {
      {false, cbsUnchecked, cbsChecked}, {false, cbsChecked, cbsUnchecked}, {false, cbsGrayed, cbsChecked},
      {true, cbsUnchecked, cbsGrayed},   {true, cbsGrayed, cbsChecked},     {true, cbsChecked, cbsUnchecked},
  };
  for (const TCase& c : cases) {
    for (const bool byMouse : {false, true}) {
      SCOPED_TRACE(std::string(byMouse ? "mouse " : "space ") + (c.AllowGrayed ? "grayed allowed, from " : "from ") +
                   StateName(c.From));
      Box->PropertiesObject().SetAllowGrayed(c.AllowGrayed);
      Box->SetState(c.From);
      Clicks = Changes = 0;
      if (byMouse)
        Click();
      else
        Space();
      EXPECT_EQ(Box->State(), c.To);
      EXPECT_EQ(Clicks, 1);
      EXPECT_EQ(Changes, 1);
    }
  }
}

TEST_F(cxCheckBoxTest, TheCheckShowsPressedUntilTheSpaceGoesUp) {
  SendMessageA(Box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Box->CheckViewInfo().CheckBoxState, ecsPressed);
  EXPECT_TRUE(Box->PressedBySpace());
  SendMessageA(Box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Box->State(), cbsUnchecked) << "a repeated key down toggles nothing";
  SendMessageA(Box->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_NE(Box->CheckViewInfo().CheckBoxState, ecsPressed);
  EXPECT_EQ(Box->State(), cbsChecked) << "once, although the released check may show hot";
}

// Each toggle would count a click, so one check covers them all.
TEST_F(cxCheckBoxTest, AButtonLetGoAwayOrAReadOnlyBoxTogglesNothing) {
  ClickAt(POINT{Box->Width() + 20, 5});
  Box->PropertiesObject().SetReadOnly(true);
  Space();
  Click();
  EXPECT_EQ(Box->State(), cbsUnchecked);
  EXPECT_EQ(Clicks, 0);
}

// The whole check box is its one button, in place or not: each press of a
// double click presses it, a press soon after a mouse activation is no
// double click, and Space, which starts an in-place check box, toggles it.
TEST_F(cxCheckBoxTest, EachPressAnywhereOnTheBoxPressesTheCheck) {
  TcxCustomEditData* data = nullptr;
  const auto press = [](TcxCheckBox& box, UINT down) {
    SendMessageA(box.Handle(), down, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  };
  struct TCase {
    const char* Name;
    bool Inplace;
    std::function<void(TcxCheckBox&)> Input;
    TcxCheckBoxState State;
  };
  const TCase cases[] = {
      {"a double click", false,
       [&](TcxCheckBox& box) {
         press(box, WM_LBUTTONDOWN);
         press(box, WM_LBUTTONDBLCLK);
       },
       cbsUnchecked},
      {"a press soon after a mouse activation", true,
       [&](TcxCheckBox& box) {
         box.ActivateByMouse(TShiftState{ssLeft}, box.Left() + 3, box.Top() + 3, data);
         SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
         press(box, WM_LBUTTONDOWN);
       },
       cbsUnchecked},
      {"Space starting it", true,
       [&](TcxCheckBox& box) {
         EXPECT_TRUE(box.PropertiesObject().IsActivationKey(' '));
         EXPECT_FALSE(box.PropertiesObject().IsActivationKey('x'));
         box.ActivateByKey(' ', data);
       },
       cbsChecked},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxCheckBox* box = Box;
    if (c.Inplace) {
      box = TcxCustomEdit::CreateInplace<TcxCheckBox>(Form.get());
      box->SetBounds(10, 50, 60, 20);
      box->SetParent(Form.get());
    }
    int doubleClicks = 0;
    box->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    c.Input(*box);
    EXPECT_EQ(box->State(), c.State);
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_TRUE(box->CheckViewInfo().HasHotButtons()) << "though it has no edit buttons";
  }
}

TEST_F(cxCheckBoxTest, TheLooksFollowTheParentsColourAndTheCaption) {
  Form->SetColor(clTeal);
  ProcessPendingMessages();
  EXPECT_TRUE(Box->ParentColor());
  EXPECT_EQ(Box->CheckViewInfo().BackgroundColor, clTeal);
  Box->SetCaption("longer");
  EXPECT_EQ(Box->CheckViewInfo().Text, "longer");
}

TEST_F(cxCheckBoxTest, AStateItAlreadyHasFiresNothing) {
  int valueChanges = 0;
  Box->PropertiesObject().SetOnEditValueChanged([&](TObject*) { ++valueChanges; });
  Box->SetState(cbsUnchecked);
  Box->SetChecked(false);
  EXPECT_EQ(Clicks + Changes + valueChanges, 0);
  Box->SetState(cbsGrayed);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Changes, 1);
  EXPECT_TRUE(VarIsNull(Box->EditValue()));
}

TEST_F(cxCheckBoxTest, ValuesMapToStatesAndBack) {
  TcxCheckBoxProperties& properties = Box->PropertiesObject();
  properties.SetValueChecked(Variant("Y"));
  properties.SetValueUnchecked(Variant("N"));
  struct TCase {
    Variant Value;
    TcxCheckBoxState State;
    const char* Display;
    bool Valid;
  };
  const TCase cases[] = {
      {Variant("Y"), cbsChecked, "True", true},    {Variant("y"), cbsGrayed, "", false},
      {Variant("N"), cbsUnchecked, "False", true}, {Variant::Null(), cbsGrayed, "", true},
      {Variant(1), cbsGrayed, "", false},          {Variant(true), cbsGrayed, "", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(VarIsNull(c.Value) ? std::string("Null") : c.Value.AsString());
    Box->SetEditValue(c.Value);
    EXPECT_EQ(Box->State(), c.State);
    EXPECT_EQ(properties.GetDisplayText(c.Value, false), c.Display);
    Variant value = c.Value;
    EXPECT_EQ(properties.IsEditValueValid(value, false), c.Valid);
  }
  for (const TcxCheckBoxState state : {cbsChecked, cbsUnchecked, cbsGrayed}) {
    Box->SetState(state);
    EXPECT_EQ(properties.StateOfValue(Box->EditValue()), state) << StateName(state);
  }
}

TEST_F(cxCheckBoxTest, EachValueRefusesWhatAnotherHasAndNull) {
  TcxCheckBoxProperties& properties = Box->PropertiesObject();
  struct TCase {
    void (TcxCustomCheckBoxProperties::*Set)(const Variant&);
    const Variant& (TcxCustomCheckBoxProperties::*Get)() const;
    Variant Offered;
    bool Accepted;
  };
  const TCase cases[] = {
      {&TcxCustomCheckBoxProperties::SetValueChecked, &TcxCustomCheckBoxProperties::ValueChecked, Variant(false),
       false},
      {&TcxCustomCheckBoxProperties::SetValueChecked, &TcxCustomCheckBoxProperties::ValueChecked, Variant::Null(),
       false},
      {&TcxCustomCheckBoxProperties::SetValueUnchecked, &TcxCustomCheckBoxProperties::ValueUnchecked, Variant::Null(),
       false},
      {&TcxCustomCheckBoxProperties::SetValueGrayed, &TcxCustomCheckBoxProperties::ValueGrayed, Variant(true), false},
      {&TcxCustomCheckBoxProperties::SetValueGrayed, &TcxCustomCheckBoxProperties::ValueGrayed, Variant(2), true},
      {&TcxCustomCheckBoxProperties::SetValueChecked, &TcxCustomCheckBoxProperties::ValueChecked, Variant(1), true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(VarIsNull(c.Offered) ? std::string("Null") : c.Offered.AsString());
    const Variant before = (properties.*c.Get)();
    (properties.*c.Set)(c.Offered);
    const Variant after = (properties.*c.Get)();
    EXPECT_TRUE(Same(after, c.Accepted ? c.Offered : before));
  }
  TOwned<TcxCheckBoxProperties> copy =
      CreatePersistentOf<TcxCheckBoxProperties>(TcxCheckBoxProperties::StaticClass(), nullptr);
  copy->Assign(&properties);
  EXPECT_EQ(copy->ValueChecked(), Variant(1));
  EXPECT_EQ(copy->ValueGrayed(), Variant(2));
}

TEST_F(cxCheckBoxTest, AStateSetWhileLoadingWaitsAndShowsSilently) {
  TcxCheckBox* loaded = CreateComponent<TcxCheckBox>(Form.get());
  loaded->SetOnClick([this](TObject*) { ++Clicks; });
  loaded->BeginLoading();
  loaded->SetState(cbsChecked);
  EXPECT_EQ(loaded->State(), cbsUnchecked);
  loaded->SetParent(Form.get());
  loaded->Loaded();
  EXPECT_EQ(loaded->State(), cbsChecked);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(cxCheckBoxTest, AFormResourceHoldsACheckBox) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Box: TcxCheckBox\n"
                        "    Caption = 'ETH1'\n"
                        "    Properties.AllowGrayed = True\n"
                        "    Properties.NullStyle = nssInactive\n"
                        "    Properties.Alignment = taRightJustify\n"
                        "    Properties.ValueChecked = 'Y'\n"
                        "    Properties.ValueGrayed = 2\n"
                        "    Properties.ValueUnchecked = 'N'\n"
                        "    State = cbsGrayed\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* box = dynamic_cast<TcxCheckBox*>(form.FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->State(), cbsGrayed);
  EXPECT_EQ(box->Caption(), "ETH1");
  EXPECT_EQ(box->PropertiesObject().NullStyle(), nssInactive);
  EXPECT_EQ(box->PropertiesObject().AlignmentHorz(), taRightJustify);
  EXPECT_EQ(box->EditValue().AsString(), "2") << "the grayed state's value, as the form gives it";
  box->SetState(cbsChecked);
  EXPECT_EQ(box->EditValue().AsString(), "Y");
  box->SetState(cbsUnchecked);
  EXPECT_EQ(box->EditValue().AsString(), "N");
  box->PropertiesObject().SetCaption("ETH2");
  EXPECT_EQ(box->Caption(), "ETH2") << "the properties' caption becomes the check box's";
}

// The action's checked state reaches the check box only while the two are
// in step, and never as a user's change: no click, no change events.
TEST_F(cxCheckBoxTest, TheCheckFollowsItsActionSilentlyWhileInStep) {
  struct TCase {
    const char* What;
    bool ActionFrom;
    TcxCheckBoxState BoxFrom;
    bool ActionTo;
    bool Linked;
    TcxCheckBoxState Expected;
  };
  const TCase cases[] = {
      {"in step, the action checks", false, cbsUnchecked, true, true, cbsChecked},
      {"in step, the action unchecks", true, cbsChecked, false, true, cbsUnchecked},
      {"in step, the action keeps its state", true, cbsChecked, true, true, cbsChecked},
      {"grayed", false, cbsGrayed, true, false, cbsGrayed},
      {"grayed while the action is checked", true, cbsGrayed, false, false, cbsGrayed},
      {"turned the other way", true, cbsUnchecked, false, false, cbsUnchecked},
  };
  int valueChanges = 0;
  int executes = 0;
  Box->PropertiesObject().SetOnEditValueChanged([&](TObject*) { ++valueChanges; });
  Box->PropertiesObject().SetAllowGrayed(true);
  auto* action = CreateComponent<TAction>(Form.get());
  action->SetCaption("Link up");
  action->SetOnExecute([&](TObject*) { ++executes; });
  Box->SetAction(action);
  EXPECT_EQ(Box->Caption(), "Link up");
  const TPropertyInfo* stateProperty = TcxCheckBox::StaticClass()->FindProperty("State");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    action->SetChecked(c.ActionFrom);
    Box->SetState(c.BoxFrom);
    Clicks = Changes = valueChanges = executes = 0;
    EXPECT_EQ(Box->ActionLink()->IsCheckedLinked(), c.Linked);
    action->SetChecked(c.ActionTo);
    EXPECT_EQ(Box->State(), c.Expected);
    EXPECT_EQ(Clicks + Changes + valueChanges + executes, 0);
    EXPECT_EQ(stateProperty->IsStored(*Box), c.Expected == cbsGrayed) << "the action's state stands for the box's";
  }

  // Without a handler of its own the check box runs its action when clicked;
  // the action following the click leaves the two in step.
  Box->SetOnClick(nullptr);
  Box->PropertiesObject().SetAllowGrayed(false);
  action->SetOnExecute([&](TObject*) { action->SetChecked(!action->Checked()); });
  action->SetChecked(false);
  Box->SetState(cbsUnchecked);
  for (const bool checked : {true, false}) {
    Click();
    EXPECT_EQ(Box->Checked(), checked);
    EXPECT_EQ(action->Checked(), checked);
  }

  action->Free();
  EXPECT_EQ(Box->Action(), nullptr);
  EXPECT_EQ(Box->ActionLink(), nullptr);
  Click();
  EXPECT_TRUE(Box->Checked()) << "a click still toggles the unbound box";
}

TEST_F(cxCheckBoxTest, AFormNamesTheCheckBoxsAction) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Actions: TActionList\n"
                        "    object LinkAction: TAction\n"
                        "      Caption = 'Link up'\n"
                        "      Checked = True\n"
                        "    end\n"
                        "  end\n"
                        "  object Box: TcxCheckBox\n"
                        "    Action = LinkAction\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* box = dynamic_cast<TcxCheckBox*>(form.FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Action(), form.FindComponent("LinkAction"));
  EXPECT_EQ(box->Caption(), "Link up");
  EXPECT_EQ(box->State(), cbsChecked);
}

TEST_F(cxCheckBoxTest, TheUnitRegistersTheCheckBoxAndMakesTheMask) {
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  EXPECT_GE(registered->IndexOf(TcxCheckBoxProperties::StaticClass()), 0);
  const TcxCustomFilterEditHelper* helper = FindFilterEditHelper(TcxCheckBoxProperties::StaticClass());
  ASSERT_NE(helper, nullptr);
  EXPECT_EQ(helper->GetSupportedFilterOperators(Box->PropertiesObject(), nullptr, true).Bits(), 0x606u);
  EXPECT_EQ(GetClass("TcxCheckBox"), TcxCheckBox::StaticClass());
  EXPECT_NE(CheckMarkMask(), nullptr);
  cxCheckBoxFinalize();
  EXPECT_EQ(CheckMarkMask(), nullptr);
  EXPECT_EQ(FindFilterEditHelper(TcxCheckBoxProperties::StaticClass()), nullptr);
  cxCheckBoxInitialize();
}

TEST_F(cxCheckBoxTest, TheFilterRowOffersTheCheckedAndUncheckedValues) {
  const TcxFilterCheckBoxHelper helper;
  TcxCheckBoxProperties& properties = Box->PropertiesObject();
  properties.SetDisplayChecked("On");
  EXPECT_EQ(helper.FilterItems(properties), (std::vector<std::string>{"On", "False"}));
  EXPECT_EQ(helper.FilterValueOfItem(properties, 0), Variant(true));
  EXPECT_EQ(helper.FilterValueOfItem(properties, 1), Variant(false));
  EXPECT_TRUE(VarIsNull(helper.FilterValueOfItem(properties, -1)));
  EXPECT_EQ(helper.FilterItemOfValue(properties, Variant(false)), 1);
  EXPECT_EQ(helper.FilterItemOfValue(properties, Variant::Null()), -1);
}

// ---- the check drawing

namespace {

constexpr TRect kCheck{4, 4, 18, 17};
constexpr TColor kCanvasColor = clFuchsia;

class CheckDrawingTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxCheckBoxInitialize();
    for (TBitmap* bitmap : {&Drawn, &Expected}) {
      bitmap->SetSize(24, 24);
      TcxCanvas canvas(bitmap->Canvas());
      canvas.FillRectWithColor(TRect{0, 0, 24, 24}, kCanvasColor);
    }
  }
  void TearDown() override {
    cxCheckBoxFinalize();
    cxEditFinalize();
  }
  void Draw(const TcxEditCheckDrawParams& params, const TRect& r = kCheck) { DrawEditCheck(DrawnCanvas, r, params); }
  COLORREF Pixel(int x, int y) const { return GetPixel(Drawn.DC(), x, y); }
  // The mark's area: the check less its two-pixel frame.
  static TRect MarkRect() { return TRect{kCheck.left + 2, kCheck.top + 2, kCheck.right - 2, kCheck.bottom - 2}; }
  static bool MaskCovers(int x, int y) {
    const TMemoryDC dc;
    const TSelectedObject selected(dc.Get(), CheckMarkMask());
    return GetPixel(dc.Get(), x - kCheck.left, y - kCheck.top) == RGB(0, 0, 0);
  }
  int CountInMark(COLORREF color) const {
    int count = 0;
    const TRect mark = MarkRect();
    for (int y = mark.top; y < mark.bottom; ++y)
      for (int x = mark.left; x < mark.right; ++x) count += Pixel(x, y) == color;
    return count;
  }

  TBitmap Drawn;
  TBitmap Expected;
  TcxCanvas DrawnCanvas{Drawn.Canvas()};
};

}  // namespace

TEST_F(CheckDrawingTest, TheClassicMarkIsDrawFrameControlsByTheStates) {
  struct TCase {
    TcxCheckBoxState State;
    TcxEditCheckState Button;
    TcxCheckBoxNullValueShowingStyle NullStyle;
    TcxEditBorderStyle Border;
    UINT Flags;
  };
  const TCase cases[] = {
      {cbsUnchecked, ecsNormal, nssGrayedChecked, ebs3D, DFCS_BUTTONCHECK},
      {cbsChecked, ecsNormal, nssGrayedChecked, ebs3D, DFCS_BUTTONCHECK | DFCS_CHECKED},
      {cbsChecked, ecsPressed, nssGrayedChecked, ebsFlat, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_PUSHED | DFCS_FLAT},
      {cbsGrayed, ecsNormal, nssInactive, ebsSingle, DFCS_BUTTON3STATE | DFCS_INACTIVE | DFCS_FLAT},
      {cbsGrayed, ecsHot, nssGrayedChecked, ebsThick, DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT},
      {cbsGrayed, ecsNormal, nssUnchecked, ebs3D, DFCS_BUTTONCHECK},
      {cbsChecked, ecsDisabled, nssGrayedChecked, ebsNone, DFCS_BUTTON3STATE | DFCS_PUSHED | DFCS_CHECKED | DFCS_FLAT},
      {cbsUnchecked, ecsDisabled, nssGrayedChecked, ebs3D, DFCS_BUTTON3STATE | DFCS_PUSHED | DFCS_INACTIVE},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(StateName(c.State)) + " button " + std::to_string(c.Button) + " border " +
                 std::to_string(c.Border));
    TcxEditCheckDrawParams params;
    params.State = c.State;
    params.ButtonState = c.Button;
    params.NullStyle = c.NullStyle;
    params.CheckBorderStyle = c.Border;
    Draw(params);
    RECT whole = kCheck;
    DrawFrameControl(Expected.DC(), &whole, DFC_BUTTON, c.Flags);
    const TRect mark = MarkRect();
    int differing = 0;
    for (int y = mark.top; y < mark.bottom; ++y)
      for (int x = mark.left; x < mark.right; ++x) differing += Pixel(x, y) != GetPixel(Expected.DC(), x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(CheckDrawingTest, TheFrameByTheCheckBorderStyle) {
  struct TCase {
    TcxEditBorderStyle Border;
    bool Fill;
    // The outermost ring and the one inside it.
    COLORREF Outer;
    COLORREF Inner;
  };
  const TCase cases[] = {
      {ebsNone, true, Rgb(clLime), Rgb(clLime)},           {ebsSingle, true, Rgb(clLime), Rgb(clRed)},
      {ebsSingle, false, Rgb(kCanvasColor), Rgb(clRed)},   {ebsThick, true, Rgb(clRed), Rgb(clRed)},
      {ebsFlat, true, Rgb(clBtnShadow), Rgb(clBtnFace)},   {ebs3D, true, Rgb(clBtnShadow), Rgb(cl3DDkShadow)},
      {ebsUltraFlat, true, Rgb(clLime), Rgb(clBtnShadow)}, {ebsOffice11, true, Rgb(clLime), Rgb(clBtnText)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE("border " + std::to_string(c.Border) + (c.Fill ? " filled" : ""));
    TcxEditCheckDrawParams params;
    params.CheckBorderStyle = c.Border;
    params.FillBackground = c.Fill;
    params.BackgroundColor = clLime;
    params.BorderColor = clRed;
    DrawnCanvas.FillRectWithColor(TRect{0, 0, 24, 24}, kCanvasColor);
    Draw(params);
    EXPECT_EQ(Pixel(kCheck.left, kCheck.top + 5), c.Outer);
    EXPECT_EQ(Pixel(kCheck.left + 1, kCheck.top + 5), c.Inner);
  }
}

// The flat kinds paint the system's check mark through the mask in the
// colour the state asks for, over the interior colour of the button state.
TEST_F(CheckDrawingTest, TheFlatKindsPaintTheMarkThroughTheMask) {
  struct TCase {
    TcxCheckBoxState State;
    TcxEditCheckState Button;
    TcxCheckBoxNullValueShowingStyle NullStyle;
    COLORREF Interior;
    // clNone: no mark.
    TColor Mark;
  };
  const COLORREF hot = Rgb(GetEditButtonHighlightColor(false, false));
  const TCase cases[] = {
      {cbsChecked, ecsNormal, nssGrayedChecked, Rgb(clWindow), clBtnText},
      {cbsUnchecked, ecsNormal, nssGrayedChecked, Rgb(clWindow), clNone},
      {cbsChecked, ecsDisabled, nssGrayedChecked, Rgb(clBtnFace), clBtnShadow},
      {cbsGrayed, ecsNormal, nssGrayedChecked, Rgb(clWindow), clBtnShadow},
      {cbsGrayed, ecsNormal, nssInactive, Rgb(clBtnFace), clNone},
      {cbsChecked, ecsHot, nssGrayedChecked, hot, clBtnText},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(StateName(c.State)) + " button " + std::to_string(c.Button));
    TcxEditCheckDrawParams params;
    params.State = c.State;
    params.ButtonState = c.Button;
    params.NullStyle = c.NullStyle;
    params.CheckBorderStyle = ebsUltraFlat;
    Draw(params);
    const TRect mark = MarkRect();
    int wrong = 0;
    int marked = 0;
    for (int y = mark.top; y < mark.bottom; ++y)
      for (int x = mark.left; x < mark.right; ++x) {
        const bool covered = c.Mark != clNone && MaskCovers(x, y);
        marked += covered;
        wrong += Pixel(x, y) != (covered ? Rgb(c.Mark) : c.Interior);
      }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(marked > 0, c.Mark != clNone);
  }
}

// Without the system's check-box bitmap there is no mask: the mark must
// not vanish.
TEST_F(CheckDrawingTest, WithoutTheMaskThePaintersOwnMarkShows) {
  FreeCheckMarkMask();
  TcxEditCheckDrawParams params;
  params.State = cbsChecked;
  params.CheckBorderStyle = ebsOffice11;
  Draw(params);
  EXPECT_GT(CountInMark(Rgb(clBtnText)), 0);
  CreateCheckMarkMask();
}

TEST_F(CheckDrawingTest, TheMaskMarksWhatTheCheckedCellAdds) {
  constexpr SIZE kCell{5, 4};
  const TWindowDC screen(nullptr);
  TGdiObject<HBITMAP> cells(CreateCompatibleBitmap(screen.Get(), 2 * kCell.cx, kCell.cy));
  {
    const TMemoryDC dc;
    const TSelectedObject selected(dc.Get(), cells.Get());
    const RECT all{0, 0, 2 * kCell.cx, kCell.cy};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // The frame pixel both cells share, and the mark only the second has.
    for (const int left : {0, static_cast<int>(kCell.cx)}) SetPixel(dc.Get(), left, 0, RGB(0, 0, 0));
    for (const POINT p : {POINT{1, 1}, POINT{2, 2}, POINT{3, 1}}) SetPixel(dc.Get(), kCell.cx + p.x, p.y, RGB(9, 9, 9));
  }
  const TGdiObject<HBITMAP> mask = MakeCheckMarkMask(cells.Get(), kCell);
  const TMemoryDC dc;
  const TSelectedObject selected(dc.Get(), mask.Get());
  std::string rows;
  for (int y = 0; y < kCell.cy; ++y) {
    for (int x = 0; x < kCell.cx; ++x) rows += GetPixel(dc.Get(), x, y) == RGB(0, 0, 0) ? '#' : '.';
    rows += '/';
  }
  EXPECT_EQ(rows, "...../.#.#./..#../...../");
}

TEST_F(CheckDrawingTest, TheGlyphStripGivesTheImageOfTheState) {
  constexpr int kCellWidth = 14;
  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clAqua, clMaroon};
  TBitmap strip;
  TcxCanvas stripCanvas(strip.Canvas());
  strip.SetTransparentColor(kCanvasColor);
  struct TCase {
    TcxCheckBoxState State;
    TcxEditCheckState Button;
    int Count;
    int Image;
  };
  const TCase cases[] = {{cbsChecked, ecsNormal, 6, 1},
                         {cbsUnchecked, ecsPressed, 6, 3},
                         {cbsGrayed, ecsPressed, 6, 5},
                         {cbsGrayed, ecsPressed, 3, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(StateName(c.State)) + " of " + std::to_string(c.Count));
    strip.SetSize(c.Count * kCellWidth, 13);
    for (int i = 0; i < c.Count; ++i)
      stripCanvas.FillRectWithColor(TRect{i * kCellWidth, 0, (i + 1) * kCellWidth, 13}, colours[i]);
    TcxEditCheckDrawParams params;
    params.State = c.State;
    params.ButtonState = c.Button;
    params.Glyph = &strip;
    params.GlyphCount = c.Count;
    EXPECT_EQ(GetEditCheckSize(&strip, c.Count, nullptr, false).cx, kCellWidth);
    Draw(params);
    EXPECT_EQ(Pixel(kCheck.left + 5, kCheck.top + 5), Rgb(colours[c.Image]));
  }
}

TEST(CheckGlyphIndexTest, TheIndexAlwaysNamesAnImageOfTheStrip) {
  struct TCase {
    TcxCheckBoxState State;
    bool Pressed;
    int Count;
    bool AllowGrayed;
    int Index;
  };
  const TCase cases[] = {
      {cbsUnchecked, false, 6, true, 0}, {cbsChecked, true, 4, false, 3}, {cbsChecked, true, 3, true, 1},
      {cbsGrayed, true, 9, true, 5},     {cbsChecked, true, 5, true, 4},  {cbsChecked, false, 1, true, 0},
      {cbsGrayed, true, 1, false, 0},    {cbsGrayed, false, 2, true, 0},  {cbsChecked, true, 2, false, 1},
      {cbsGrayed, true, 2, false, 0},    {cbsChecked, true, 4, true, 1},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(EditCheckGlyphIndex(c.State, c.Pressed, c.Count, c.AllowGrayed), c.Index)
        << StateName(c.State) << (c.Pressed ? " pressed" : "") << " of " << c.Count
        << (c.AllowGrayed ? " grayed allowed" : "");
  }
}

TEST(CheckGlyphIndexTest, AStripNarrowerThanItsCountIsNoGlyph) {
  TBitmap strip;
  strip.SetSize(5, 13);
  EXPECT_FALSE(IsEditCheckGlyphValid(&strip, 6));
  EXPECT_TRUE(IsEditCheckGlyphValid(&strip, 5));
  EXPECT_FALSE(IsEditCheckGlyphValid(&strip, 0));
  EXPECT_FALSE(IsEditCheckGlyphValid(nullptr, 1));
}

namespace {

// The button theme draws nothing and tells what it was asked; OpenThemeData
// finds the theme unless the test takes it away.
struct TRecordingButtonTheme {
  struct TCall {
    int Part, State;
    std::string Rect;
  };
  static inline std::vector<TCall> Calls;
  static inline bool Opens = true;
  static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR) { return Opens ? reinterpret_cast<HTHEME>(1) : nullptr; }
  static HRESULT WINAPI DrawThemeBackground(HTHEME, HDC, int part, int state, LPCRECT rect, LPCRECT) {
    Calls.push_back({part, state, Text(*rect)});
    return S_OK;
  }
};

class ThemedCheckTest : public FakeCurrentThemeTest {
 protected:
  void SetUp() override {
    Found = UxThemeBinding();
    FakeCurrentThemeTest::SetUp();
    TRecordingButtonTheme::Calls.clear();
    TRecordingButtonTheme::Opens = true;
    TUxThemeBinding binding = UxThemeBinding();
    binding.Api.OpenThemeData = TRecordingButtonTheme::OpenThemeData;
    binding.Api.DrawThemeBackground = TRecordingButtonTheme::DrawThemeBackground;
    SetUxThemeBinding(binding);
    Bitmap.SetSize(24, 24);
    Canvas.FillRectWithColor(TRect{0, 0, 24, 24}, kCanvasColor);
  }
  // The fake's themes go with it: the tests after these see the visual
  // style the program found.
  void TearDown() override {
    CloseAllThemes();
    FakeCurrentThemeTest::TearDown();
    SetUxThemeBinding(Found);
  }

  TUxThemeBinding Found;
  TBitmap Bitmap;
  TcxCanvas Canvas{Bitmap.Canvas()};
};

}  // namespace

TEST_F(ThemedCheckTest, TheNativeCheckIsTheButtonThemesCheckBoxPart) {
  struct TCase {
    TcxCheckBoxState State;
    TcxEditCheckState Button;
    int ThemeState;
  };
  const TCase cases[] = {
      {cbsUnchecked, ecsNormal, 1}, {cbsChecked, ecsHot, 6}, {cbsGrayed, ecsDisabled, 12}, {cbsChecked, ecsPressed, 7}};
  for (const TCase& c : cases) {
    TRecordingButtonTheme::Calls.clear();
    TcxEditCheckDrawParams params;
    params.State = c.State;
    params.ButtonState = c.Button;
    params.NativeStyle = true;
    DrawEditCheck(Canvas, kCheck, params);
    ASSERT_EQ(TRecordingButtonTheme::Calls.size(), 1u);
    EXPECT_EQ(TRecordingButtonTheme::Calls[0].Part, 3);
    EXPECT_EQ(TRecordingButtonTheme::Calls[0].State, c.ThemeState);
    EXPECT_EQ(TRecordingButtonTheme::Calls[0].Rect, Text(kCheck));
  }
}

TEST_F(ThemedCheckTest, WithoutTheButtonThemeTheCheckIsClassic) {
  TRecordingButtonTheme::Opens = false;
  CloseAllThemes();
  TcxEditCheckDrawParams params;
  params.State = cbsChecked;
  params.NativeStyle = true;
  params.CheckBorderStyle = ebs3D;
  DrawEditCheck(Canvas, kCheck, params);
  EXPECT_TRUE(TRecordingButtonTheme::Calls.empty());
  EXPECT_NE(GetPixel(Bitmap.DC(), kCheck.left + 1, kCheck.top + 5), Rgb(kCanvasColor));
}

// ---- the layout and the looks

TEST(CheckBoxLayoutTest, TheCheckAndCaptionByAlignment) {
  constexpr SIZE kCheckSize{14, 13};
  constexpr TRect kClient{0, 0, 100, 21};
  constexpr TRect kOffsets{0, 1, 0, 1};
  struct TCase {
    const char* Name;
    TRect Client;
    TAlignment Alignment;
    bool Inplace;
    TRect Check;
    TRect Text;
  };
  const TCase cases[] = {
      {"left", kClient, taLeftJustify, false, {2, 4, 16, 17}, {19, 1, 98, 19}},
      {"right", kClient, taRightJustify, false, {84, 4, 98, 17}, {2, 1, 81, 19}},
      {"centre", kClient, taCenter, false, {43, 4, 57, 17}, {2, 1, 98, 19}},
      {"left in place", kClient, taLeftJustify, true, {2, 4, 16, 17}, {19, 1, 98, 20}},
      {"right in place", kClient, taRightJustify, true, {84, 4, 98, 17}, {2, 1, 81, 20}},
      {"centre in place", kClient, taCenter, true, {43, 4, 57, 17}, {0, 1, 100, 20}},
      {"too narrow", TRect{0, 0, 10, 21}, taLeftJustify, false, {2, 4, 8, 17}, {2, 1, 2, 19}},
      {"too low", TRect{0, 0, 100, 10}, taLeftJustify, false, {2, 2, 16, 8}, {19, 1, 98, 8}},
  };
  for (const TCase& c : cases) {
    const TcxCheckBoxLayout layout = CalculateCheckBoxLayout(c.Client, kCheckSize, c.Alignment, c.Inplace, kOffsets);
    EXPECT_EQ(Text(layout.CheckRect), Text(c.Check)) << c.Name;
    EXPECT_EQ(Text(layout.TextRect), Text(c.Text)) << c.Name;
  }
}

TEST(CheckBoxLayoutTest, TheButtonStateOfTheCheck) {
  struct TCase {
    const char* Name;
    TcxCheckButtonStateFacts Facts;
    TcxEditCheckState State;
  };
  TcxCheckButtonStateFacts inside;
  inside.MouseInside = true;
  auto with = [inside](auto change) {
    TcxCheckButtonStateFacts facts = inside;
    change(facts);
    return facts;
  };
  const TCase cases[] = {
      {"hovered", inside, ecsHot},
      {"outside", with([](auto& f) { f.MouseInside = false; }), ecsNormal},
      {"disabled", with([](auto& f) {
         f.Enabled = false;
         f.PressedBySpace = true;
       }),
       ecsDisabled},
      {"space", with([](auto& f) {
         f.MouseInside = false;
         f.PressedBySpace = true;
       }),
       ecsPressed},
      {"designing", with([](auto& f) { f.Designing = true; }), ecsNormal},
      {"left down", with([](auto& f) { f.AnyMouseButtonHeld = f.OnlyLeftButtonHeld = f.ButtonDownEvent = true; }),
       ecsPressed},
      {"left held", with([](auto& f) {
         f.AnyMouseButtonHeld = f.OnlyLeftButtonHeld = true;
         f.PreviousState = ecsPressed;
       }),
       ecsPressed},
      {"left held in again", with([](auto& f) { f.AnyMouseButtonHeld = f.OnlyLeftButtonHeld = true; }), ecsNormal},
      {"right down", with([](auto& f) { f.AnyMouseButtonHeld = f.ButtonDownEvent = true; }), ecsNormal},
  };
  for (const TCase& c : cases) EXPECT_EQ(CheckButtonStateFor(c.Facts), c.State) << c.Name;
}

namespace {

class CheckBoxViewTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    Properties = CreatePersistentOf<TcxCheckBoxProperties>(TcxCheckBoxProperties::StaticClass(), nullptr);
    Editor = std::make_unique<TFakeEditor>();
    Editor->Style().SetEditBorderStyle(ebs3D);
    Bitmap.SetSize(kBounds.right, kBounds.bottom);
    Canvas.FillRectWithColor(kBounds, clBlue);
  }
  void TearDown() override {
    Editor.reset();
    Properties.reset();
    cxEditFinalize();
  }
  // The looks of a check box showing `value` with the caption.
  void Calculate(const std::string& caption, const Variant& value, bool inplace = false, bool focused = false,
                 bool enabled = true) {
    std::unique_ptr<TcxCustomEditViewData> data = Properties->CreateViewData(Editor->Style(), inplace);
    auto& check = static_cast<TcxCustomCheckBoxViewData&>(*data);
    check.Editor = Editor.get();
    check.Caption = caption;
    check.Focused = focused;
    check.Enabled = enabled;
    check.Calculate(Canvas, kBounds, {-1, -1}, mbLeft, {}, ViewInfo, false);
    check.EditValueToDrawValue(value, ViewInfo);
  }
  SIZE TextExtent(const std::string& text) {
    Canvas.SetFont(*Editor->Style().Font());
    return Canvas.TextExtent(text);
  }
  // Pixels of the colour in the columns from `left` up to `right`.
  int CountInColumns(int left, int right, COLORREF color) {
    int count = 0;
    for (int y = 0; y < kBounds.bottom; ++y)
      for (int x = left; x < right; ++x) count += GetPixel(Bitmap.DC(), x, y) == color;
    return count;
  }

  static constexpr TRect kBounds{0, 0, 100, 21};
  TOwned<TcxCheckBoxProperties> Properties;
  std::unique_ptr<TFakeEditor> Editor;
  TBitmap Bitmap;
  TcxCanvas Canvas{Bitmap.Canvas()};
  TcxCustomCheckBoxViewInfo ViewInfo;
};

}  // namespace

TEST_F(CheckBoxViewTest, ALeftAlignedCaptionStandsThreePixelsRightOfTheCheck) {
  Calculate("ab", Variant(true), false, true);
  const SIZE check = cxStandardLookAndFeelPainter()->CheckButtonSize();
  const TRect& box = ViewInfo.CheckBoxRect;
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top - 2, (kBounds.bottom - 4 - check.cy) / 2) << "centred vertically";
  EXPECT_EQ(box.right - box.left, check.cx);
  EXPECT_EQ(ViewInfo.TextRect.left, box.right + 3);
  EXPECT_EQ(ViewInfo.State, cbsChecked);
  const SIZE text = TextExtent("ab");
  const int textTop = ViewInfo.TextRect.top + (ViewInfo.TextRect.bottom - ViewInfo.TextRect.top - text.cy) / 2;
  EXPECT_EQ(Text(ViewInfo.FocusRect),
            Text(TRect{box.right + 2, textTop - 1, box.right + 3 + text.cx + 1, textTop + text.cy + 1}));
  ViewInfo.Paint(Canvas);
  const COLORREF ink = Rgb(clWindowText);
  EXPECT_EQ(CountInColumns(box.right, box.right + 2, ink), 0) << "the gap before the focus rectangle";
  EXPECT_GT(CountInColumns(box.right + 3, box.right + 3 + text.cx, ink), 0) << "the caption";
  EXPECT_EQ(CountInColumns(ViewInfo.FocusRect.right, kBounds.right, ink), 0) << "nothing after the focus rectangle";
}

TEST_F(CheckBoxViewTest, TheFocusRectangleByFocusAlignmentAndFullFocusRect) {
  Calculate("ab", Variant(false));
  EXPECT_TRUE(IsRectEmpty(&ViewInfo.FocusRect)) << "unfocused";
  Properties->SetAlignmentHorz(taCenter);
  Calculate("ab", Variant(false), false, true);
  EXPECT_TRUE(IsRectEmpty(&ViewInfo.FocusRect)) << "centred";
  Properties->SetAlignmentHorz(taLeftJustify);
  Calculate("", Variant(false), false, true);
  EXPECT_TRUE(IsRectEmpty(&ViewInfo.FocusRect)) << "no caption";
  Properties->SetFullFocusRect(true);
  Calculate("ab", Variant(false), false, true);
  const TRect& text = ViewInfo.TextRect;
  EXPECT_EQ(Text(ViewInfo.FocusRect), Text(TRect{text.left - 1, text.top - 1, kBounds.right - 1, text.bottom + 1}));
}

TEST_F(CheckBoxViewTest, InPlaceWithoutCaptionTheCheckIsCentredAndNoCaptionIsDrawn) {
  Calculate("ab", Variant(true), true, true);
  EXPECT_EQ(ViewInfo.Alignment, taLeftJustify) << "a caption keeps the alignment";
  Calculate("", Variant(true), true, true);
  EXPECT_EQ(ViewInfo.Alignment, taCenter);
  const TRect& box = ViewInfo.CheckBoxRect;
  EXPECT_EQ(box.left + box.right, kBounds.right - (kBounds.right - (box.right - box.left)) % 2);
  EXPECT_EQ(box.top, (kBounds.bottom - (box.bottom - box.top)) / 2);
  EXPECT_TRUE(IsRectEmpty(&ViewInfo.FocusRect));
  Properties->SetUseAlignmentWhenInplace(true);
  Calculate("", Variant(true), true);
  EXPECT_EQ(ViewInfo.Alignment, taLeftJustify);
}

TEST_F(CheckBoxViewTest, ADisabledCaptionHasRoomForItsEmbossing) {
  Calculate("ab", Variant(false));
  const TRect enabled = ViewInfo.TextRect;
  Calculate("ab", Variant(false), false, false, false);
  EXPECT_EQ(ViewInfo.TextRect.right, enabled.right + 1);
  EXPECT_EQ(ViewInfo.TextRect.bottom, enabled.bottom + 1);
  EXPECT_EQ(ViewInfo.CheckBoxState, ecsDisabled);
}

TEST_F(CheckBoxViewTest, AHotSingleBorderDrawsTheCheckThick) {
  Editor->Style().SetEditBorderStyle(ebsSingle);
  ViewInfo.HotState = 2;
  Calculate("ab", Variant(false));
  EXPECT_EQ(ViewInfo.CheckBorderStyle, ebsThick);
  EXPECT_EQ(ViewInfo.CheckBorderWidth, 0);
  ViewInfo.HotState = 1;
  Calculate("ab", Variant(false));
  EXPECT_EQ(ViewInfo.CheckBorderStyle, ebsSingle);
  EXPECT_EQ(ViewInfo.CheckBorderWidth, 1);
}

TEST_F(CheckBoxViewTest, PreviewShowsTheCheckChecked) {
  std::unique_ptr<TcxCustomEditViewData> data = Properties->CreateViewData(Editor->Style(), false, true);
  data->Calculate(Canvas, kBounds, {-1, -1}, mbLeft, {}, ViewInfo, false);
  data->EditValueToDrawValue(Variant(false), ViewInfo);
  EXPECT_EQ(ViewInfo.State, cbsChecked);
}

TEST_F(CheckBoxViewTest, AutoSizeTakesTheCheckAndTheCaptionsHeight) {
  const SIZE check = cxStandardLookAndFeelPainter()->CheckButtonSize();
  std::unique_ptr<TcxCustomEditViewData> data = Properties->CreateViewData(Editor->Style(), false);
  static_cast<TcxCustomCheckBoxViewData&>(*data).Caption = "&ab";
  const SIZE standing = data->GetEditSize(Canvas, 0);
  EXPECT_EQ(standing.cx, check.cx);
  EXPECT_EQ(standing.cy, std::max<LONG>(check.cy + 4, TextExtent("ab").cy));
  std::unique_ptr<TcxCustomEditViewData> inplace = Properties->CreateViewData(Editor->Style(), true);
  static_cast<TcxCustomCheckBoxViewData&>(*inplace).Caption = "&ab";
  EXPECT_EQ(inplace->GetEditSize(Canvas, 0).cx, TextExtent("ab").cx + 2 + check.cx + 3 + 2);
  // A themed check has no inner frame, whatever the border style.
  Editor->Style().SetEditBorderStyle(ebsNone);
  Editor->Style().LookAndFeel()->SetNativeStyle(true);
  std::unique_ptr<TcxCustomEditViewData> themed = Properties->CreateViewData(Editor->Style(), true);
  ASSERT_TRUE(themed->NativeStyle()) << "the visual style is active";
  EXPECT_EQ(themed->GetEditSize(Canvas, 0).cy,
            std::max<LONG>(cxWinXPLookAndFeelPainter()->CheckButtonSize().cy + 2, TextExtent("Gg").cy));
  themed->Calculate(Canvas, kBounds, {-1, -1}, mbLeft, {}, ViewInfo, false);
  EXPECT_EQ(ViewInfo.CheckBorderWidth, 0) << "drawn as measured";
}
