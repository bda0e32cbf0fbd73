#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/graphics/dxOffice11.h"
#include "controls/foundation/graphics/dxThemeManager.h"
#include "controls/foundation/graphics/dxUxTheme.h"
#include "platform/classes/ClassInfo.h"
#include "platform/controls/core/Form.h"
#include "tests/controls/foundation/FakeCurrentTheme.h"

namespace {

class PaletteListenerTest : public FakeCurrentThemeTest {
 protected:
  static void SendSysColorChange() { SendMessageA(SystemPaletteChangedListenerWindow(), WM_SYSCOLORCHANGE, 0, 0); }
};

TEST_F(PaletteListenerTest, TheOfficeColoursAreRefreshedBeforePrimariesAndThenOrdinariesHearLastToFirst) {
  std::vector<std::string> heard;
  TcxSystemPaletteChangedNotifier ordinary1;
  TcxSystemPaletteChangedNotifier primary1(true);
  TcxSystemPaletteChangedNotifier ordinary2;
  TcxSystemPaletteChangedNotifier primary2(true);
  EXPECT_EQ(Office11Scheme(), schSystem);
  ordinary1.SetOnSystemPaletteChanged([&] { heard.push_back("ordinary1"); });
  ordinary2.SetOnSystemPaletteChanged([&] { heard.push_back("ordinary2"); });
  primary1.SetOnSystemPaletteChanged([&] { heard.push_back("primary1"); });
  primary2.SetOnSystemPaletteChanged([&] {
    EXPECT_EQ(Office11Scheme(), schOlive);
    heard.push_back("primary2");
  });

  UseLuna(L"HomeStead");
  SendSysColorChange();
  EXPECT_EQ(heard, (std::vector<std::string>{"primary2", "primary1", "ordinary2", "ordinary1"}));
  EXPECT_EQ(Office11Colors().SchemeColors[0], static_cast<TColor>(0x00DEF7F4));
}

TEST_F(PaletteListenerTest, ANotifierFreedByAnotherIsSkippedAndTheWindowGoesWithTheLast) {
  auto* first = new TcxSystemPaletteChangedNotifier;
  auto* second = new TcxSystemPaletteChangedNotifier;
  const HWND window = SystemPaletteChangedListenerWindow();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_NE(Office11Brush(12), nullptr);
  int firstCalls = 0;
  first->SetOnSystemPaletteChanged([&] { ++firstCalls; });
  // The last added hears first, and frees both: the listener goes meanwhile.
  second->SetOnSystemPaletteChanged([&] {
    delete first;
    delete second;
  });
  SendSysColorChange();
  EXPECT_EQ(firstCalls, 0);
  EXPECT_EQ(SystemPaletteChangedListenerWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Office11Brush(12), nullptr);
}

TEST_F(PaletteListenerTest, TheListenerHearsTheBroadcast) {
  int calls = 0;
  TcxSystemPaletteChangedNotifier notifier;
  notifier.SetOnSystemPaletteChanged([&] { ++calls; });
  // Broadcasts reach top-level windows only: the listener must be one.
  SendMessageTimeoutA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0, SMTO_NORMAL, 1000, nullptr);
  EXPECT_EQ(calls, 1);
}

// Visual styles are active throughout; the painters' registry and the root
// live as they do in the program.
class LookAndFeelTest : public PaletteListenerTest {
 protected:
  void SetUp() override {
    PaletteListenerTest::SetUp();
    cxLookAndFeelPaintersInitialize();
    cxLookAndFeelsInitialize();
  }
  void TearDown() override {
    cxLookAndFeelsFinalize();
    cxLookAndFeelPaintersFinalize();
    PaletteListenerTest::TearDown();
  }
};

// Records what it hears; `onChanged` runs after each change it hears.
class TRecordingListener : public TObject, public IcxLookAndFeelListener {
 public:
  std::vector<uint32_t> Heard;
  std::function<void()> OnChanged;

  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues changedValues) override {
    Heard.push_back(changedValues.Bits());
    if (OnChanged) OnChanged();
  }
  void MasterLookAndFeelDestroying(TcxLookAndFeel*) override {}
};

constexpr uint32_t kKindBit = 1;
constexpr uint32_t kNativeStyleBit = 2;
constexpr uint32_t kAllBits = 7;

class TTestSkinPainter : public TcxUltraFlatLookAndFeelPainter {};
const TTestSkinPainter gTestSkinPainter;

TEST_F(LookAndFeelTest, ANewLookAndFeelFollowsTheRootWithTheDefaults) {
  TcxLookAndFeel lookAndFeel(nullptr);
  EXPECT_EQ(lookAndFeel.Kind(), lfUltraFlat);
  EXPECT_FALSE(lookAndFeel.NativeStyle());
  EXPECT_EQ(lookAndFeel.SkinName(), "");
  EXPECT_EQ(lookAndFeel.GetPainter(), cxUltraFlatLookAndFeelPainter());
  EXPECT_EQ(lookAndFeel.GetMasterLookAndFeel(), RootLookAndFeel);
  EXPECT_EQ(RootLookAndFeel->GetMasterLookAndFeel(), nullptr);
}

TEST_F(LookAndFeelTest, EachKindSetThroughTheControllerGivesItsPainterToTheFollowers) {
  const struct {
    TcxLookAndFeelKind Kind;
    TcxLookAndFeelPainterClass Painter;
  } cases[] = {{lfFlat, cxFlatLookAndFeelPainter()},
               {lfStandard, cxStandardLookAndFeelPainter()},
               {lfOffice11, cxOffice11LookAndFeelPainter()},
               {lfUltraFlat, cxUltraFlatLookAndFeelPainter()}};
  const TOwned<TcxLookAndFeelController> controller = CreateUnowned<TcxLookAndFeelController>();
  TcxLookAndFeel lookAndFeel(nullptr);
  for (const auto& c : cases) {
    controller->SetKind(c.Kind);
    EXPECT_EQ(lookAndFeel.Kind(), c.Kind);
    EXPECT_EQ(lookAndFeel.GetPainter(), c.Painter) << c.Kind;
    EXPECT_EQ(lookAndFeel.GetAvailablePainter(totButton), c.Painter) << c.Kind;
  }
}

TEST_F(LookAndFeelTest, NativeStyleGivesTheWinXPPainterTellsOfItselfOnlyAndWinsOverASkin) {
  GetExtendedStylePainters()->Register("Test", &gTestSkinPainter);
  TRecordingListener listener;
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.AddChangeListener(&listener);
  lookAndFeel.SetSkinName("test");
  EXPECT_EQ(lookAndFeel.GetPainter(), &gTestSkinPainter);
  lookAndFeel.SetNativeStyle(true);
  EXPECT_EQ(listener.Heard, (std::vector<uint32_t>{4, kNativeStyleBit}));
  EXPECT_EQ(lookAndFeel.GetPainter(), cxWinXPLookAndFeelPainter());
  EXPECT_EQ(lookAndFeel.GetAvailablePainter(totButton), cxWinXPLookAndFeelPainter());
  lookAndFeel.SetNativeStyle(false);
  EXPECT_EQ(lookAndFeel.GetPainter(), &gTestSkinPainter);
}

TEST_F(LookAndFeelTest, WithoutVisualStylesNativeStyleLeavesTheKindPainter) {
  SetUxThemeBinding({});
  dxThemeManagerFinalize();
  dxThemeManagerInitialize();
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.SetKind(lfOffice11);
  lookAndFeel.SetNativeStyle(true);
  EXPECT_TRUE(lookAndFeel.NativeStyle());
  EXPECT_EQ(lookAndFeel.GetPainter(), cxOffice11LookAndFeelPainter());
  EXPECT_EQ(lookAndFeel.GetAvailablePainter(totButton), cxOffice11LookAndFeelPainter());
}

TEST_F(LookAndFeelTest, AChangeOfTheSystemColoursIsToldAsANativeStyleChange) {
  TRecordingListener listener;
  TcxLookAndFeel lookAndFeel(nullptr);
  // Assigned, so that only its own notifier tells it, not also the root.
  lookAndFeel.SetNativeStyle(false);
  lookAndFeel.AddChangeListener(&listener);
  SendSysColorChange();
  EXPECT_EQ(listener.Heard, (std::vector<uint32_t>{kNativeStyleBit}));
}

TEST_F(LookAndFeelTest, ASkinNameNoPainterCarriesLeavesTheKindAndAnUnregisteredSkinPainterIsLetGo) {
  GetExtendedStylePainters()->Register("Test", &gTestSkinPainter);
  TRecordingListener listener;
  TcxLookAndFeel master(nullptr);
  TcxLookAndFeel child(nullptr);
  child.SetMasterLookAndFeel(&master);
  master.SetKind(lfFlat);
  master.SetSkinName("Other");
  EXPECT_EQ(child.GetPainter(), cxFlatLookAndFeelPainter());
  master.SetSkinName("TEST");
  EXPECT_EQ(child.SkinName(), "TEST");
  EXPECT_EQ(child.GetPainter(), &gTestSkinPainter);
  child.AddChangeListener(&listener);
  GetExtendedStylePainters()->Unregister(&gTestSkinPainter);
  EXPECT_EQ(child.GetPainter(), cxFlatLookAndFeelPainter());
  EXPECT_EQ(master.GetPainter(), cxFlatLookAndFeelPainter());
  // Told by its master first, the child has left the registry by its own turn
  // there: it passes the change on once.
  EXPECT_EQ(listener.Heard, (std::vector<uint32_t>{kAllBits}));
  EXPECT_EQ(GetExtendedStylePainters()->ListenerCount(), 0);
}

TEST_F(LookAndFeelTest, SettingTheInheritedKindAssignsItButTellsNoOne) {
  TRecordingListener listener;
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.AddChangeListener(&listener);
  lookAndFeel.SetKind(lfUltraFlat);
  EXPECT_TRUE(lookAndFeel.AssignedValues().Contains(lfvKind));
  EXPECT_TRUE(listener.Heard.empty());
  // Assigned, it no longer follows the root.
  RootLookAndFeel->SetKind(lfFlat);
  EXPECT_EQ(lookAndFeel.Kind(), lfUltraFlat);
  lookAndFeel.SetAssignedValues({});
  EXPECT_EQ(lookAndFeel.Kind(), lfFlat);
  EXPECT_EQ(listener.Heard, (std::vector<uint32_t>{kKindBit}));
}

TEST_F(LookAndFeelTest, AChildPassesOnOnlyTheMasterChangesItDoesNotAssign) {
  for (const bool kindAssigned : {false, true}) {
    TRecordingListener listener;
    TcxLookAndFeel master(nullptr);
    TcxLookAndFeel child(nullptr);
    child.SetMasterLookAndFeel(&master);
    if (kindAssigned) child.SetKind(lfStandard);
    child.AddChangeListener(&listener);
    master.SetKind(lfOffice11);
    master.SetNativeStyle(true);
    const std::vector<uint32_t> expected =
        kindAssigned ? std::vector<uint32_t>{kNativeStyleBit} : std::vector<uint32_t>{kKindBit, kNativeStyleBit};
    EXPECT_EQ(listener.Heard, expected) << kindAssigned;
    EXPECT_EQ(child.Kind(), kindAssigned ? lfStandard : lfOffice11);
  }
}

TEST_F(LookAndFeelTest, AMasterThatIsTheObjectOrFollowsItIsIgnored) {
  TcxLookAndFeel a(nullptr);
  TcxLookAndFeel b(nullptr);
  TcxLookAndFeel c(nullptr);
  a.SetMasterLookAndFeel(&a);
  EXPECT_EQ(a.GetMasterLookAndFeel(), RootLookAndFeel);
  b.SetMasterLookAndFeel(&a);
  c.SetMasterLookAndFeel(&b);
  a.SetMasterLookAndFeel(&b);
  a.SetMasterLookAndFeel(&c);
  EXPECT_EQ(a.GetMasterLookAndFeel(), RootLookAndFeel);
  RootLookAndFeel->SetMasterLookAndFeel(&a);
  EXPECT_EQ(RootLookAndFeel->GetMasterLookAndFeel(), nullptr);
  // The chain still ends: a change at its head reaches its tail.
  a.SetKind(lfFlat);
  EXPECT_EQ(c.Kind(), lfFlat);
  // Taking the master of another obeys the same rule.
  a.Assign(&c);
  EXPECT_EQ(a.GetMasterLookAndFeel(), RootLookAndFeel);
  EXPECT_EQ(a.AssignedValues(), TcxLookAndFeelValues{});
  EXPECT_EQ(c.Kind(), lfUltraFlat);
}

TEST_F(LookAndFeelTest, AFreedMasterLeavesItsChildrenOnTheRoot) {
  RootLookAndFeel->SetKind(lfStandard);
  TRecordingListener listener;
  auto master = std::make_unique<TcxLookAndFeel>(nullptr);
  TcxLookAndFeel child(nullptr);
  TcxLookAndFeel grandchild(nullptr);
  child.SetMasterLookAndFeel(master.get());
  grandchild.SetMasterLookAndFeel(&child);
  master->SetKind(lfFlat);
  grandchild.AddChangeListener(&listener);
  master.reset();
  EXPECT_EQ(child.GetMasterLookAndFeel(), RootLookAndFeel);
  EXPECT_EQ(grandchild.Kind(), lfStandard);
  EXPECT_EQ(listener.Heard, (std::vector<uint32_t>{kKindBit}));
  RootLookAndFeel->SetKind(lfOffice11);
  EXPECT_EQ(grandchild.Kind(), lfOffice11);
}

TEST_F(LookAndFeelTest, FreeingTheLastControllerRevertsTheRoot) {
  TcxLookAndFeel lookAndFeel(nullptr);
  TOwned<TcxLookAndFeelController> first = CreateUnowned<TcxLookAndFeelController>();
  TOwned<TcxLookAndFeelController> second = CreateUnowned<TcxLookAndFeelController>();
  // Only the root takes a controller: this one would never count.
  lookAndFeel.AddChangeListener(second.get());
  first->SetKind(lfStandard);
  second->SetNativeStyle(true);
  first.reset();
  EXPECT_EQ(lookAndFeel.Kind(), lfStandard);
  EXPECT_EQ(lookAndFeel.GetPainter(), cxWinXPLookAndFeelPainter());
  second.reset();
  EXPECT_EQ(lookAndFeel.Kind(), lfUltraFlat);
  EXPECT_FALSE(lookAndFeel.NativeStyle());
  EXPECT_EQ(lookAndFeel.GetPainter(), cxUltraFlatLookAndFeelPainter());
}

TEST_F(LookAndFeelTest, ListenersThatLeaveOrJoinWhileToldSkipNoOneAndHearOnce) {
  TRecordingListener leaving;
  TRecordingListener adding;
  TRecordingListener after;
  TRecordingListener added;
  TcxLookAndFeel lookAndFeel(nullptr);
  leaving.OnChanged = [&] { lookAndFeel.RemoveChangeListener(&leaving); };
  adding.OnChanged = [&] { lookAndFeel.AddChangeListener(&added); };
  for (TRecordingListener* listener : {&leaving, &adding, &after}) lookAndFeel.AddChangeListener(listener);
  lookAndFeel.SetKind(lfFlat);
  for (const TRecordingListener* listener : {&leaving, &adding, &after})
    EXPECT_EQ(listener->Heard, (std::vector<uint32_t>{kKindBit}));
  EXPECT_TRUE(added.Heard.empty());
  lookAndFeel.SetKind(lfStandard);
  EXPECT_EQ(leaving.Heard.size(), 1u);
  EXPECT_EQ(added.Heard, (std::vector<uint32_t>{kKindBit}));
}

TEST_F(LookAndFeelTest, PropertiesAreStoredByTheirRules) {
  TcxLookAndFeel lookAndFeel(nullptr);
  const TOwned<TcxLookAndFeelController> controller = CreateUnowned<TcxLookAndFeelController>();
  const auto stored = [](const TPersistent& instance, const char* name) {
    return instance.ClassType()->FindProperty(name)->IsStored(instance);
  };
  for (const char* name : {"Kind", "NativeStyle", "SkinName"}) {
    EXPECT_FALSE(stored(lookAndFeel, name)) << name;
    EXPECT_FALSE(stored(*controller, name)) << name;
  }
  // Assigned at the default values, they are stored all the same.
  lookAndFeel.SetKind(lfUltraFlat);
  lookAndFeel.SetNativeStyle(false);
  lookAndFeel.SetSkinName("");
  controller->SetSkinName("");
  for (const char* name : {"Kind", "NativeStyle", "SkinName"}) {
    EXPECT_TRUE(stored(lookAndFeel, name)) << name;
    EXPECT_FALSE(stored(*controller, name)) << name;
  }
  controller->SetKind(lfFlat);
  controller->SetNativeStyle(true);
  controller->SetSkinName("Any");
  for (const char* name : {"Kind", "NativeStyle", "SkinName"}) EXPECT_TRUE(stored(*controller, name)) << name;
}

TEST_F(LookAndFeelTest, WithoutARootAControllerReadsTheDefaultsAndIgnoresWrites) {
  cxLookAndFeelsFinalize();
  EXPECT_EQ(RootLookAndFeel, nullptr);
  const TOwned<TcxLookAndFeelController> controller = CreateUnowned<TcxLookAndFeelController>();
  controller->SetKind(lfFlat);
  controller->SetNativeStyle(true);
  controller->SetSkinName("Any");
  EXPECT_EQ(controller->Kind(), lfUltraFlat);
  EXPECT_FALSE(controller->NativeStyle());
  EXPECT_EQ(controller->SkinName(), "");
  cxLookAndFeelsInitialize();
  EXPECT_EQ(ClassGroupOf(TcxLookAndFeelController::StaticClass()), TForm::StaticClass());
}

}  // namespace
