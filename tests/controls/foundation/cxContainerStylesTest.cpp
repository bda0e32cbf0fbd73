#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/foundation/container/cxContainer.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/classes/FormReader.h"
#include "platform/controls/core/Control.h"
#include "platform/controls/drawn/Panel.h"

namespace {

// Stands in for the container control: a control that owns styles.
class TFakeContainer : public TControl, public IcxContainerStyleOwner {
 public:
  TFakeContainer() : TControl(nullptr), FStyles(this, CreateContainerStyle) {}

  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return DefaultParentColor; }
  bool IsInplace() const override { return Inplace; }
  bool IsStylePropertyStored(const std::string& name, bool isStateStyle) const override {
    AskedToStore.push_back(name + (isStateStyle ? " state" : " base"));
    return StoreAnswer;
  }

  TcxContainerStyles& Styles() { return FStyles; }

  bool DefaultParentColor = false;
  bool Inplace = false;
  bool StoreAnswer = true;
  mutable std::vector<std::string> AskedToStore;

 private:
  TcxContainerStyles FStyles;
};

// Publishes its normal style the way the editors' controller does, so a form can set it.
class TTestStyleController : public TcxStyleController {
 public:
  using TcxStyleController::TcxStyleController;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestStyleController>("TTestStyleController", TcxStyleController::StaticClass())
            .Object("Style", &TTestStyleController::StyleObject)
            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

 private:
  TcxContainerStyle& StyleObject() { return *Style(); }
};

// A standalone style, freed the way the library frees styles: it leaves its
// controller on its way out.
TOwned<TcxContainerStyle> NewStyle(bool directAccess = false) {
  return TOwned<TcxContainerStyle>(new TcxContainerStyle(nullptr, csNormal, nullptr, directAccess));
}

int CountChanges(TcxContainerStyle& style, const std::function<void()>& action) {
  int changes = 0;
  style.SetOnChanged([&](TObject*) { ++changes; });
  action();
  style.SetOnChanged(nullptr);
  return changes;
}

class ContainerStylesTest : public testing::Test {
 protected:
  void SetUp() override { cxLookAndFeelsInitialize(); }
  void TearDown() override {
    SetDefaultStyleController(nullptr);
    cxLookAndFeelsFinalize();
  }
};

// One value of each property for the style itself, one for a controller,
// and the base style's default without container or controller.
struct TValueRow {
  const char* Name;
  TcxContainerStyleValue Value;
  std::function<void(TcxContainerStyle&, int64_t)> Set;
  std::function<int64_t(const TcxContainerStyle&)> Get;
  int64_t Own;
  int64_t FromController;
  int64_t ByDefault;
};

int64_t Bits(TcxBorders borders) { return borders.Bits(); }
int64_t Bits(TFontStyles styles) { return styles.Bits(); }

const std::vector<TValueRow>& ValueRows() {
  using S = TcxContainerStyle;
  static const std::vector<TValueRow> rows = {
      {"BorderColor", csvBorderColor, [](S& s, int64_t v) { s.SetBorderColor(static_cast<TColor>(v)); },
       [](const S& s) { return int64_t{s.BorderColor()}; }, clRed, clBlue, clWindowFrame},
      {"BorderStyle", csvBorderStyle,
       [](S& s, int64_t v) { s.SetBorderStyle(static_cast<TcxContainerBorderStyle>(v)); },
       [](const S& s) { return int64_t{s.BorderStyle()}; }, cbsSingle, cbsThick, cbsUltraFlat},
      {"Color", csvColor, [](S& s, int64_t v) { s.SetColor(static_cast<TColor>(v)); },
       [](const S& s) { return int64_t{s.GetColor()}; }, clRed, clBlue, clBtnFace},
      {"Edges", csvEdges, [](S& s, int64_t v) { s.SetEdges(TcxBorders::FromBits(static_cast<uint32_t>(v))); },
       [](const S& s) { return Bits(s.Edges()); }, Bits(TcxBorders{bLeft}), Bits(TcxBorders{bTop, bBottom}),
       Bits(cxBordersAll)},
      {"HotTrack", csvHotTrack, [](S& s, int64_t v) { s.SetHotTrack(v != 0); },
       [](const S& s) { return int64_t{s.HotTrack()}; }, true, false, true},
      {"Shadow", csvShadow, [](S& s, int64_t v) { s.SetShadow(v != 0); },
       [](const S& s) { return int64_t{s.Shadow()}; }, false, true, false},
      {"TextColor", csvTextColor, [](S& s, int64_t v) { s.SetTextColor(static_cast<TColor>(v)); },
       [](const S& s) { return int64_t{s.GetTextColor()}; }, clRed, clBlue, clWindowText},
      {"TextStyle", csvTextStyle,
       [](S& s, int64_t v) { s.SetTextStyle(TFontStyles::FromBits(static_cast<uint32_t>(v))); },
       [](const S& s) { return Bits(s.GetTextStyle()); }, Bits(TFontStyles{fsBold}), Bits(TFontStyles{fsItalic}),
       Bits(TFontStyles{})},
      {"TransparentBorder", csvTransparentBorder, [](S& s, int64_t v) { s.SetTransparentBorder(v != 0); },
       [](const S& s) { return int64_t{s.TransparentBorder()}; }, true, false, true},
  };
  return rows;
}

TEST_F(ContainerStylesTest, EachValueComesFromTheStyleThenTheControllerChainThenTheDefault) {
  for (const TValueRow& row : ValueRows()) {
    SCOPED_TRACE(row.Name);
    TOwned<TcxStyleController> outer(new TcxStyleController(nullptr));
    TOwned<TcxStyleController> inner(new TcxStyleController(nullptr));
    const TOwned<TcxContainerStyle> styleOwned = NewStyle();
    TcxContainerStyle& style = *styleOwned;
    EXPECT_EQ(row.Get(style), row.ByDefault);

    inner->Style()->SetStyleController(outer.get());
    style.SetStyleController(inner.get());
    row.Set(*outer->Style(), row.FromController);
    EXPECT_EQ(row.Get(style), row.FromController) << "through two controllers";
    row.Set(*inner->Style(), row.FromController);
    EXPECT_EQ(row.Get(style), row.FromController);

    row.Set(style, row.Own);
    EXPECT_EQ(row.Get(style), row.Own);
    EXPECT_TRUE(style.AssignedValues().Contains(row.Value));

    style.SetAssignedValues({});
    EXPECT_EQ(row.Get(style), row.FromController);
    style.SetStyleController(nullptr);
    EXPECT_EQ(row.Get(style), row.ByDefault);
  }
}

TEST_F(ContainerStylesTest, AStateStyleReadsTheSameStateOfTheControllerAndSharesTheCommonValuesWithItsParent) {
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  TcxContainerStyles styles(nullptr, CreateContainerStyle);
  TcxContainerStyle& focused = *styles.GetStyleFocused();
  styles.GetStyle()->SetStyleController(controller.get());
  controller->Styles().GetStyleFocused()->SetBorderColor(clRed);
  controller->Styles().GetStyle()->SetBorderColor(clBlue);
  EXPECT_EQ(focused.BorderColor(), clRed);
  EXPECT_EQ(styles.GetStyleHot()->BorderColor(), clBlue) << "the hot style falls back on its parent";
  EXPECT_EQ(focused.StyleController(), controller.get());

  for (const TValueRow& row : ValueRows()) {
    if (!focused.GetCommonValues().Contains(row.Value)) continue;
    SCOPED_TRACE(row.Name);
    row.Set(focused, row.FromController);
    EXPECT_EQ(row.Get(*styles.GetStyle()), row.FromController);
    EXPECT_TRUE(styles.GetStyle()->AssignedValues().Contains(row.Value));
    EXPECT_FALSE(focused.AssignedValues().Contains(row.Value));
    row.Set(*styles.GetStyle(), row.Own);
    EXPECT_EQ(row.Get(focused), row.Own);
  }
}

TEST_F(ContainerStylesTest, StateStylesRaiseTheirParentsBorderWhenHotTracking) {
  struct TRow {
    TcxContainerState State;
    bool HotTrack;
    TcxContainerBorderStyle Parent;
    TcxContainerBorderStyle Expected;
  };
  const std::vector<TRow> rows = {
      {csFocused, true, cbsNone, cbsFlat},
      {csFocused, false, cbsNone, cbsNone},
      {csFocused, true, cbsSingle, cbsThick},
      {csFocused, true, cbsThick, cbsThick},
      {csFocused, true, cbsFlat, cbs3D},
      {csFocused, true, cbs3D, cbs3D},
      {csFocused, true, cbsUltraFlat, cbsUltraFlat},
      {csHot, true, cbsOffice11, cbsOffice11},
      {csHot, true, cbsSingle, cbsThick},
      {csHot, false, cbsSingle, cbsSingle},
      {csDisabled, true, cbsNone, cbsNone},
      {csDisabled, false, cbsFlat, cbsFlat},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "state " << int{row.State} << " hot " << row.HotTrack << " parent "
                                    << int{row.Parent});
    TcxContainerStyles styles(nullptr, CreateContainerStyle);
    styles.GetStyle()->SetHotTrack(row.HotTrack);
    styles.GetStyle()->SetBorderStyle(row.Parent);
    EXPECT_EQ(styles.GetStyleByState(row.State)->BorderStyle(), row.Expected);
  }
}

TEST_F(ContainerStylesTest, TheDisabledStateHasItsOwnDefaultsAndTheOthersFollowTheirParent) {
  TFakeContainer container;
  TcxContainerStyles& styles = container.Styles();
  styles.GetStyle()->SetBorderColor(clRed);
  styles.GetStyle()->SetTextColor(clGreen);
  styles.GetStyle()->SetColor(clYellow);
  styles.GetStyle()->SetTextStyle({fsUnderline});
  struct TRow {
    TcxContainerState State;
    TColor BorderColor;
    TColor TextColor;
    TColor Color;
  };
  for (const TRow& row : {TRow{csFocused, clRed, clGreen, clYellow}, TRow{csHot, clRed, clGreen, clYellow},
                          TRow{csDisabled, clBtnShadow, clBtnShadow, clBtnFace}}) {
    SCOPED_TRACE(int{row.State});
    const TcxContainerStyle& style = *styles.GetStyleByState(row.State);
    EXPECT_EQ(style.BorderColor(), row.BorderColor);
    EXPECT_EQ(style.GetTextColor(), row.TextColor);
    EXPECT_EQ(style.GetColor(), row.Color);
    EXPECT_EQ(style.GetTextStyle(), TFontStyles{fsUnderline});
    const TFont* visibleFont = styles.GetStyleByState(row.State)->GetVisibleFont();
    EXPECT_EQ(visibleFont->Color(), row.TextColor);
    EXPECT_EQ(visibleFont->Style(), TFontStyles{fsUnderline});
    EXPECT_EQ(visibleFont->Name(), styles.GetStyle()->Font()->Name());
  }
  // A container that takes its parent's colour by default shows it when disabled too.
  container.DefaultParentColor = true;
  EXPECT_EQ(styles.GetStyleDisabled()->GetColor(), clYellow);
}

TEST_F(ContainerStylesTest, TheBaseDefaultsFollowTheLookAndFeelAndTheContainer) {
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  const std::vector<std::pair<TcxLookAndFeelKind, TcxContainerBorderStyle>> kinds = {
      {lfFlat, cbsFlat}, {lfStandard, cbs3D}, {lfUltraFlat, cbsUltraFlat}, {lfOffice11, cbsOffice11}};
  for (const auto& [kind, borderStyle] : kinds) {
    style.LookAndFeel()->SetKind(kind);
    EXPECT_EQ(style.BorderStyle(), borderStyle) << int{kind};
  }
  style.Font()->SetColor(clMaroon);
  style.Font()->SetStyle({fsStrikeOut});
  style.SetAssignedValues({});
  EXPECT_EQ(style.GetTextColor(), TFont().Color()) << "an unassigned font is the default font again";
  style.Font()->SetColor(clMaroon);
  EXPECT_EQ(style.GetTextColor(), clMaroon);

  TFakeContainer container;
  EXPECT_EQ(container.Styles().GetStyle()->GetColor(), clWindow);
  container.DefaultParentColor = true;
  EXPECT_EQ(container.Styles().GetStyle()->GetColor(), clBtnFace);
}

TEST_F(ContainerStylesTest, ABaseStyleTakesTheParentControlsColourUnlessInPlaceForTheVisibleColour) {
  TOwned<TPanel> parent(new TPanel(nullptr));
  parent->SetColor(clAqua);
  TFakeContainer container;
  container.SetParent(parent.get());
  container.SetParentColor(true);
  TcxContainerStyle& style = *container.Styles().GetStyle();
  EXPECT_EQ(style.GetColor(), clAqua);
  EXPECT_EQ(style.GetVisibleColor(), clAqua);
  container.Inplace = true;
  EXPECT_EQ(style.GetVisibleColor(), clWindow);
  style.SetColor(clRed);
  EXPECT_EQ(style.GetColor(), clAqua) << "the parent's colour wins while the container takes it";
  EXPECT_EQ(style.GetVisibleColor(), clRed) << "the style's own colour wins for what is shown";
  container.SetParent(nullptr);
}

TEST_F(ContainerStylesTest, ADirectAccessStyleOnlyHoldsValues) {
  TFont font;
  font.SetStyle({fsBold});
  const TOwned<TcxContainerStyle> holderOwned = NewStyle(true);
  TcxContainerStyle& holder = *holderOwned;
  EXPECT_EQ(holder.Font(), nullptr);
  EXPECT_EQ(holder.LookAndFeel(), nullptr);
  holder.SetFont(&font);
  holder.SetColor(clRed);
  holder.SetTextColor(clBlue);
  EXPECT_EQ(holder.Font(), &font);
  EXPECT_EQ(holder.GetTextStyle(), TFontStyles{fsBold});
  EXPECT_EQ(holder.BorderColor(), clDefault);
  EXPECT_EQ(holder.Edges(), TcxBorders{});
  EXPECT_FALSE(holder.Shadow());
  EXPECT_TRUE(holder.TransparentBorder());
  EXPECT_EQ(holder.AssignedValues().Bits(), (1u << holder.GetValueCount()) - 1);
  EXPECT_EQ(CountChanges(holder, [&] { holder.SetColor(clGreen); }), 0);
  EXPECT_EQ(holder.StyleController(), nullptr);

  // A copy into an ordinary style takes the holder's font with its text colour.
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  style.Assign(&holder);
  EXPECT_EQ(style.GetColor(), clGreen);
  EXPECT_EQ(style.Font()->Color(), clBlue);
  EXPECT_EQ(style.Font()->Style(), TFontStyles{fsBold});
  EXPECT_TRUE(style.AssignedValues().Contains(csvTransparentBorder));
}

TEST_F(ContainerStylesTest, AssignCopiesTheOwnValuesTheControllerAndTheLookAndFeelInOneNotification) {
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  const TOwned<TcxContainerStyle> sourceOwned = NewStyle();
  TcxContainerStyle& source = *sourceOwned;
  source.SetStyleController(controller.get());
  source.SetBorderStyle(cbsThick);
  source.SetEdges({bRight});
  source.SetHotTrack(false);
  source.SetTextColor(clNavy);
  source.LookAndFeel()->SetKind(lfOffice11);
  source.Font()->SetSize(14);

  const TOwned<TcxContainerStyle> targetOwned = NewStyle();

  TcxContainerStyle& target = *targetOwned;
  EXPECT_EQ(CountChanges(target, [&] { target.Assign(&source); }), 1);
  EXPECT_EQ(target.StyleController(), controller.get());
  EXPECT_EQ(target.AssignedValues(), source.AssignedValues());
  EXPECT_EQ(target.BorderStyle(), cbsThick);
  EXPECT_EQ(target.Edges(), TcxBorders{bRight});
  EXPECT_FALSE(target.HotTrack());
  EXPECT_EQ(target.GetTextColor(), clNavy);
  EXPECT_EQ(target.Font()->Size(), 14);
  EXPECT_EQ(target.LookAndFeel()->Kind(), lfOffice11);

  TcxContainerStyles styles(nullptr, CreateContainerStyle);
  styles.SetStyleHot(&source);
  EXPECT_EQ(styles.GetStyleHot()->BorderStyle(), cbsThick);
  EXPECT_THROW(target.Assign(controller.get()), EConvertError);
}

TEST_F(ContainerStylesTest, ChangesNotifyOnceAndUpdatesBatchThem) {
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  for (const TValueRow& row : ValueRows()) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(CountChanges(style, [&] { row.Set(style, row.FromController); }), 1);
    EXPECT_EQ(CountChanges(style, [&] { row.Set(style, row.FromController); }), 0) << "the same value again";
  }
  const int batched = CountChanges(style, [&] {
    style.BeginUpdate();
    style.BeginUpdate();
    style.SetColor(clLime);
    style.SetShadow(false);
    style.EndUpdate();
    EXPECT_TRUE(style.GetColor() == clLime);
    style.EndUpdate();
  });
  EXPECT_EQ(batched, 1);
  EXPECT_EQ(CountChanges(style,
                         [&] {
                           style.BeginUpdate();
                           style.EndUpdate();
                           style.EndUpdate();
                         }),
            0)
      << "an update that changed nothing, and an end too many";
  EXPECT_EQ(CountChanges(style, [&] { style.Font()->SetSize(20); }), 1);
  EXPECT_EQ(CountChanges(style, [&] { style.LookAndFeel()->SetKind(lfFlat); }), 1);

  TcxContainerStyles styles(nullptr, CreateContainerStyle);
  std::vector<TObject*> senders;
  styles.SetOnChanged([&](TObject* sender) { senders.push_back(sender); });
  for (const TcxContainerState state : {csNormal, csFocused, csDisabled, csHot})
    styles.GetStyleByState(state)->SetTextColor(clTeal);
  EXPECT_EQ(senders, (std::vector<TObject*>{styles.GetStyle(), styles.GetStyleFocused(), styles.GetStyleDisabled(),
                                            styles.GetStyleHot()}));
}

TEST_F(ContainerStylesTest, AControllerTellsItsListenersAndLendsThemItsFontAndLookAndFeel) {
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  std::vector<TObject*> controllerChanges;
  controller->SetOnStyleChanged([&](TObject* sender) { controllerChanges.push_back(sender); });
  const TOwned<TcxContainerStyle> listenerOwned = NewStyle();
  TcxContainerStyle& listener = *listenerOwned;
  const TOwned<TcxContainerStyle> ownFontOwned = NewStyle();
  TcxContainerStyle& ownFont = *ownFontOwned;
  ownFont.Font()->SetName("Arial");
  listener.SetStyleController(controller.get());
  ownFont.SetStyleController(controller.get());
  listener.SetStyleController(controller.get());
  EXPECT_EQ(controller->Listeners(), (std::vector<TcxContainerStyle*>{&listener, &ownFont}));
  EXPECT_EQ(listener.LookAndFeel()->GetMasterLookAndFeel(), controller->Style()->LookAndFeel());

  const int heard = CountChanges(listener, [&] { controller->Style()->Font()->SetName("Courier New"); });
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(controllerChanges, std::vector<TObject*>{controller.get()});
  EXPECT_EQ(listener.Font()->Name(), "Courier New");
  EXPECT_FALSE(listener.AssignedValues().Contains(csvFont)) << "a lent font is no assignment";
  EXPECT_EQ(ownFont.Font()->Name(), "Arial");
  controller->Style()->LookAndFeel()->SetKind(lfStandard);
  EXPECT_EQ(listener.BorderStyle(), cbs3D);

  listener.SetStyleController(nullptr);
  EXPECT_EQ(controller->Listeners(), std::vector<TcxContainerStyle*>{&ownFont});
  EXPECT_EQ(listener.LookAndFeel()->GetMasterLookAndFeel(), RootLookAndFeel);
  EXPECT_EQ(listener.Font()->Name(), TFont().Name()) << "without a controller the font is the default again";
}

TEST_F(ContainerStylesTest, AControllerAndItsListenersMayBeFreedInEitherOrder) {
  for (const bool controllerFirst : {true, false}) {
    SCOPED_TRACE(controllerFirst ? "controller first" : "style first");
    auto* controller = new TcxStyleController(nullptr);
    auto* style = new TcxContainerStyles(nullptr, CreateContainerStyle);
    const TOwned<TcxContainerStyle> secondOwned = NewStyle();
    TcxContainerStyle& second = *secondOwned;
    style->GetStyle()->SetStyleController(controller);
    second.SetStyleController(controller);
    controller->Style()->SetColor(clRed);
    if (controllerFirst) {
      controller->Free();
      EXPECT_EQ(style->GetStyle()->GetActiveStyleController(), nullptr);
      EXPECT_EQ(second.GetActiveStyleController(), nullptr);
      EXPECT_EQ(style->GetStyleFocused()->GetColor(), clBtnFace) << "nothing is asked of the freed controller";
      EXPECT_EQ(style->GetStyle()->LookAndFeel()->GetMasterLookAndFeel(), RootLookAndFeel);
      delete style;
    } else {
      delete style;
      EXPECT_EQ(controller->Listeners(), std::vector<TcxContainerStyle*>{&second});
      controller->Free();
      EXPECT_EQ(second.GetActiveStyleController(), nullptr);
    }
  }
}

namespace {

// A style of a class of its own, so a controller can tell a whole style from
// one whose destructors have begun.
class TWholeStyle : public TcxContainerStyle {
 public:
  using TcxContainerStyle::TcxContainerStyle;
};

TOwned<TcxContainerStyle> CreateWholeStyle(TPersistent* owner, TcxContainerState state,
                                           TcxContainerStyle* parentStyle) {
  return TOwned<TcxContainerStyle>(new TWholeStyle(owner, state, parentStyle, false));
}

// Records, for each style that leaves it, whether the style was still whole;
// hearing it at all shows the controller was whole too.
class TLeaveRecordingController : public TcxStyleController {
 public:
  TLeaveRecordingController(std::vector<bool>& left) : TcxStyleController(nullptr), FLeft(left) {}
  void RemoveListener(TcxContainerStyle* style) override {
    FLeft.push_back(dynamic_cast<TWholeStyle*>(style) != nullptr);
    TcxStyleController::RemoveListener(style);
  }

 private:
  std::vector<bool>& FLeft;
};

}  // namespace

TEST_F(ContainerStylesTest, AControllerAndItsListenersPartWhileBothAreWhole) {
  enum TFreed { ControllerFirst, StylesFirst, StandaloneStyle };
  const struct {
    const char* Name;
    TFreed Freed;
  } cases[] = {{"controller first", ControllerFirst},
               {"the set of styles first", StylesFirst},
               {"a standalone style", StandaloneStyle}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<bool> left;
    auto* controller = new TLeaveRecordingController(left);
    auto styles = std::make_unique<TcxContainerStyles>(nullptr, CreateWholeStyle);
    TOwned<TcxContainerStyle> standalone(new TWholeStyle(nullptr, csNormal, nullptr, false));
    TcxContainerStyle* listener = c.Freed == StandaloneStyle ? standalone.get() : styles->GetStyle();
    listener->SetStyleController(controller);
    switch (c.Freed) {
      case ControllerFirst: controller->Free(); break;
      case StylesFirst: styles.reset(); break;
      case StandaloneStyle: standalone.reset(); break;
    }
    EXPECT_EQ(left, std::vector<bool>{true});
    if (c.Freed != ControllerFirst) controller->Free();
  }
}

TEST_F(ContainerStylesTest, TheDefaultControllerIsInEffectWithoutBeingNamed) {
  TOwned<TcxStyleController> byDefault(new TcxStyleController(nullptr));
  SetDefaultStyleController(byDefault.get());
  byDefault->Style()->SetBorderColor(clPurple);
  TOwned<TcxStyleController> other(new TcxStyleController(nullptr));
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  EXPECT_EQ(style.GetActiveStyleController(), byDefault.get());
  EXPECT_EQ(style.StyleController(), nullptr);
  EXPECT_FALSE(style.IsStyleControllerStored());
  EXPECT_EQ(style.BorderColor(), clPurple);
  EXPECT_EQ(other->Style()->GetActiveStyleController(), byDefault.get()) << "controllers follow it too";

  style.SetStyleController(other.get());
  EXPECT_EQ(style.StyleController(), other.get());
  EXPECT_TRUE(style.IsStyleControllerStored());
  EXPECT_EQ(style.BorderColor(), clPurple) << "through the other controller";
  other.reset();
  EXPECT_EQ(style.GetActiveStyleController(), byDefault.get()) << "a freed controller hands over to the default";

  // The default controller's own styles take no controller.
  TOwned<TcxStyleController> third(new TcxStyleController(nullptr));
  byDefault->Style()->SetStyleController(third.get());
  EXPECT_EQ(byDefault->Style()->GetActiveStyleController(), nullptr);
}

TEST_F(ContainerStylesTest, AControllerThatLeadsBackToTheStyleIsRefused) {
  TOwned<TcxStyleController> first(new TcxStyleController(nullptr));
  TOwned<TcxStyleController> second(new TcxStyleController(nullptr));
  TOwned<TcxStyleController> third(new TcxStyleController(nullptr));
  first->Style()->SetStyleController(first.get());
  EXPECT_EQ(first->Style()->StyleController(), nullptr) << "its own controller";
  second->Style()->SetStyleController(first.get());
  third->Style()->SetStyleController(second.get());
  first->Styles().GetStyleHot()->SetStyleController(third.get());
  EXPECT_EQ(first->Style()->StyleController(), nullptr) << "through a chain, set from a state style";
  EXPECT_EQ(third->Listeners(), std::vector<TcxContainerStyle*>{});
}

// Two faults a careless order of frees would leave: a style pointing at a
// freed default controller, and the default controller's own style keeping
// a controller it may no longer change.
TEST_F(ContainerStylesTest, FreeingTheDefaultControllerOrOneItsStyleFollowsLeavesNoStalePointer) {
  auto* byDefault = new TcxStyleController(nullptr);
  TOwned<TcxStyleController> lender(new TcxStyleController(nullptr));
  byDefault->Style()->SetStyleController(lender.get());
  SetDefaultStyleController(byDefault);
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  lender.reset();
  EXPECT_EQ(byDefault->Style()->GetActiveStyleController(), nullptr);
  byDefault->Free();
  EXPECT_EQ(GetDefaultStyleController(), nullptr);
  EXPECT_EQ(style.GetActiveStyleController(), nullptr);
}

TEST_F(ContainerStylesTest, OnlyTheFirstNineValuesAnswerWhetherTheyAreAssigned) {
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  const TOwned<TcxContainerStyle> styleOwned = NewStyle();
  TcxContainerStyle& style = *styleOwned;
  style.SetStyleController(controller.get());
  for (const TValueRow& row : ValueRows()) {
    SCOPED_TRACE(row.Name);
    const bool answers = row.Value != csvTransparentBorder;
    EXPECT_FALSE(style.IsValueAssigned(row.Value));
    row.Set(*controller->Style(), row.FromController);
    EXPECT_EQ(style.IsValueAssigned(row.Value), answers);
    controller->Style()->SetAssignedValues({});
    row.Set(style, row.Own);
    EXPECT_EQ(style.IsValueAssigned(row.Value), answers);
    style.SetAssignedValues({});
  }
  style.Font()->SetSize(11);
  EXPECT_TRUE(style.IsValueAssigned(csvFont));
  EXPECT_FALSE(style.IsValueAssigned(static_cast<TcxContainerStyleValue>(style.GetValueCount())));
  std::string name;
  EXPECT_TRUE(style.GetValueName(csvTransparentBorder, name));
  EXPECT_EQ(name, "TransparentBorder");
  EXPECT_FALSE(style.GetValueName(static_cast<TcxContainerStyleValue>(style.GetValueCount()), name));
}

TEST_F(ContainerStylesTest, AValueIsStoredWhenAssignedAndTheContainerAgrees) {
  TFakeContainer container;
  TcxContainerStyle& base = *container.Styles().GetStyle();
  TcxContainerStyle& focused = *container.Styles().GetStyleFocused();
  const TClass cls = TcxContainerStyle::StaticClass();
  for (const TValueRow& row : ValueRows()) {
    SCOPED_TRACE(row.Name);
    const TPropertyInfo* info = cls->FindProperty(row.Name);
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->IsStored(base));
    row.Set(base, row.Own);
    container.AskedToStore.clear();
    EXPECT_TRUE(info->IsStored(base));
    EXPECT_EQ(container.AskedToStore, std::vector<std::string>{std::string(row.Name) + " base"});
    container.StoreAnswer = false;
    EXPECT_FALSE(info->IsStored(base));
    container.StoreAnswer = true;
    if (!base.GetCommonValues().Contains(row.Value)) {
      row.Set(focused, row.FromController);
      container.AskedToStore.clear();
      EXPECT_TRUE(info->IsStored(focused));
      EXPECT_EQ(container.AskedToStore, std::vector<std::string>{std::string(row.Name) + " state"});
    }
  }
  const TPropertyInfo* font = cls->FindProperty("Font");
  EXPECT_FALSE(font->IsStored(base));
  base.Font()->SetSize(9);
  EXPECT_TRUE(font->IsStored(base));
  EXPECT_TRUE(cls->FindProperty("LookAndFeel")->IsStored(base));
  EXPECT_FALSE(cls->FindProperty("LookAndFeel")->IsStored(focused));
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  base.SetStyleController(controller.get());
  EXPECT_TRUE(cls->FindProperty("StyleController")->IsStored(base));
  EXPECT_FALSE(cls->FindProperty("StyleController")->IsStored(focused));
}

TEST_F(ContainerStylesTest, AFormSetsStyleValuesByNameAndIsFontAssignedAlwaysMarksTheFont) {
  RegisterClasses({TTestStyleController::StaticClass()});
  for (const char* flag : {"True", "False"}) {
    SCOPED_TRACE(flag);
    TOwned<TTestStyleController> controller(new TTestStyleController(nullptr));
    const std::string form = std::string("object Shared: TTestStyleController\n") +
                             "  Style.BorderStyle = cbsOffice11\n"
                             "  Style.Edges = [bLeft, bBottom]\n"
                             "  Style.TextStyle = [fsItalic]\n"
                             "  Style.Color = clInfoBk\n"
                             "  Style.IsFontAssigned = " +
                             flag + "\nend\n";
    ReadComponentResource(*controller, form, "test");
    const TcxContainerStyle& style = *controller->Style();
    EXPECT_EQ(style.BorderStyle(), cbsOffice11);
    EXPECT_EQ(style.Edges(), (TcxBorders{bLeft, bBottom}));
    EXPECT_EQ(style.GetTextStyle(), TFontStyles{fsItalic});
    EXPECT_EQ(style.GetColor(), clInfoBk);
    EXPECT_TRUE(style.AssignedValues().Contains(csvFont));
  }
  TOwned<TTestStyleController> controller(new TTestStyleController(nullptr));
  EXPECT_THROW(ReadComponentResource(*controller,
                                     "object Shared: TTestStyleController\n  Style.IsFontAssigned = 1\nend\n", "test"),
               EReadError);
  UnRegisterClass(TTestStyleController::StaticClass());
}

TEST_F(ContainerStylesTest, RestoringDefaultsForgetsEveryValueAndHandsTheColoursBackToTheContainer) {
  TOwned<TcxStyleController> controller(new TcxStyleController(nullptr));
  TFakeContainer container;
  TcxContainerStyle& style = *container.Styles().GetStyle();
  style.SetStyleController(controller.get());
  style.SetColor(clRed);
  style.LookAndFeel()->SetKind(lfFlat);
  container.SetParentFont(false);
  container.DefaultParentColor = true;
  EXPECT_EQ(CountChanges(style, [&] { style.RestoreDefaults(); }), 1);
  EXPECT_EQ(style.AssignedValues(), TcxContainerStyleValues{});
  EXPECT_EQ(style.LookAndFeel()->AssignedValues(), TcxLookAndFeelValues{});
  EXPECT_TRUE(container.ParentFont());
  EXPECT_TRUE(container.ParentColor());

  controller->Style()->SetColor(clBlue);
  style.RestoreDefaults();
  EXPECT_FALSE(container.ParentColor()) << "the controller's colour wins over the parent's";

  const TOwned<TcxContainerStyle> standaloneOwned = NewStyle();

  TcxContainerStyle& standalone = *standaloneOwned;
  standalone.Font()->SetSize(30);
  standalone.RestoreDefaults();
  EXPECT_EQ(standalone.Font()->Size(), TFont().Size());
}

TEST_F(ContainerStylesTest, AControllerScalesTheFontItGivesOnce) {
  TOwned<TcxStyleController> outer(new TcxStyleController(nullptr));
  TOwned<TcxStyleController> inner(new TcxStyleController(nullptr));
  inner->Style()->SetStyleController(outer.get());
  outer->Style()->Font()->SetSize(10);
  inner->ChangeFontScale(3, 2);
  EXPECT_EQ(outer->Style()->Font()->Size(), 15) << "passed on to the controller that owns the font";
  inner->ChangeFontScale(3, 2);
  outer->ChangeFontScale(3, 2);
  EXPECT_EQ(outer->Style()->Font()->Size(), 15);
  EXPECT_EQ(inner->Style()->Font()->Size(), 15);
}

TEST_F(ContainerStylesTest, TheUnitGroupsTheControllerWithTheControlsOnce) {
  cxContainerInitialize();
  cxContainerInitialize();
  EXPECT_EQ(ClassGroupOf(TcxStyleController::StaticClass()), TControl::StaticClass());
  cxContainerFinalize();
  cxContainerFinalize();
  EXPECT_EQ(TcxStyleController::StaticClass()->FindProperty("FakeStyleController")->Kind, TPropertyKind::Component);
  const std::vector<int> widths = {0, 1, 2, 2, 2, 1, 1};
  for (int style = cbsNone; style <= cbsOffice11; ++style)
    EXPECT_EQ(GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(style)), widths[static_cast<size_t>(style)]);
}

}  // namespace
