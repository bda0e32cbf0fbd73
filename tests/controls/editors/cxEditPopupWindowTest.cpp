#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditPopupWindow.h"
#include "controls/foundation/controls/cxControls.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Screen.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

// The editor's side of the popup: an owner 100 by 20 wanting content of 50
// by 30; its lookup list, when it has one, shows whole rows of 13 pixels.
struct TFakeEdit : IcxEditPopupWindowEdit {
  void FinalizePopup() override {}
  bool CanShrinkPopupToWorkArea() override { return true; }
  void ClosePopup(int reason) override { CloseReasons.push_back(reason); }
  RECT PopupOwnerBounds() override { return RECT{0, 0, 100, 20}; }
  SIZE GetPopupContentSize() override { return SIZE{50, 30}; }
  TcxLookAndFeelKind PopupLookAndFeelKind() override { return lfStandard; }
  TcxLookAndFeelPainterClass PopupSkinPainter() override { return nullptr; }
  void PopupResizedByUser() override { ResizedByUser = true; }
  void PopupClientBoundsChanged(const RECT& bounds) override { ClientBounds = bounds; }
  bool HasVisualLookupList() override { return LookupList; }
  bool FitLookupContentSize(SIZE& size, int) override {
    size.cy -= size.cy % 13;
    return LookupFits;
  }
  std::vector<int> CloseReasons;
  bool ResizedByUser = false;
  RECT ClientBounds{};
  bool LookupList = false;
  bool LookupFits = true;
};

// The work area the test gives the monitor of every point.
RECT gWorkArea{};
HMONITOR WINAPI FakeMonitorFromPoint(POINT, DWORD) { return reinterpret_cast<HMONITOR>(1); }
BOOL WINAPI FakeGetMonitorInfoA(HMONITOR, LPMONITORINFO info) {
  info->rcMonitor = info->rcWork = gWorkArea;
  return TRUE;
}

int PanelHeight() { return std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE)); }

class EditPopupWindowTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    Owner = new TWinControl(Form.get());
    Owner->SetBounds(10, 10, 100, 20);
    Owner->SetParent(Form.get());
    Popup = new TcxCustomEditPopupWindow(Owner, &Edit);
    Popup->SetModalPopup(false);
    Popup->SetEditPopupBorderStyle(epbsSingle);
  }
  void Send(UINT message, int x, int y) {
    SendMessageA(Popup->Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  void Drag(POINT from, POINT to) {
    Send(WM_LBUTTONDOWN, from.x, from.y);
    Send(WM_MOUSEMOVE, to.x, to.y);
    Send(WM_LBUTTONUP, to.x, to.y);
  }

  TFakeEdit Edit;
  TOwned<TForm> Form;
  TWinControl* Owner = nullptr;
  TcxCustomEditPopupWindow* Popup = nullptr;
};

TEST_F(EditPopupWindowTest, SizeFromTheEditorsSettings) {
  const int h = PanelHeight();
  // The minimum with a sizeable sys panel: frame, close button, grip and spacing.
  const SIZE panelMin{2 + (h - 4) + (h - 2) + 10, 2 + h + 1};
  struct TCase {
    bool AutoSize, Sizeable, SysPanel;
    SIZE Wanted, Min, Expected;
  };
  const TCase cases[] = {
      {false, false, false, {0, 0}, {0, 0}, {100, 2}},           {true, false, false, {200, 150}, {0, 0}, {52, 32}},
      {false, false, false, {200, 150}, {250, 160}, {200, 150}}, {false, false, false, {0, 0}, {250, 160}, {100, 160}},
      {false, true, false, {200, 150}, {250, 160}, {250, 160}},  {false, true, true, {10, 10}, {0, 0}, panelMin},
  };
  for (const TCase& c : cases) {
    Popup->SetPopupAutoSize(c.AutoSize);
    Popup->SetPopupSizeable(c.Sizeable);
    Popup->SetPopupSysPanelStyle(c.SysPanel);
    Popup->SetCloseButton(c.SysPanel);
    Popup->SetWantedWidth(c.Wanted.cx);
    Popup->SetWantedHeight(c.Wanted.cy);
    Popup->SetPopupMinWidth(c.Min.cx);
    Popup->SetPopupMinHeight(c.Min.cy);
    Popup->CalculateSize();
    EXPECT_EQ(Popup->Width(), c.Expected.cx) << c.Wanted.cx << " min " << c.Min.cx;
    EXPECT_EQ(Popup->Height(), c.Expected.cy) << c.Wanted.cy << " min " << c.Min.cy;
  }
}

TEST_F(EditPopupWindowTest, DraggingTheGripResizesWithinTheMinimum) {
  Popup->SetPopupSizeable(true);
  Popup->SetPopupSysPanelStyle(true);
  Popup->SetWantedWidth(150);
  Popup->SetWantedHeight(100);
  Popup->SetPopupMinWidth(120);
  Popup->SetPopupMinHeight(60);
  Popup->SetPopupAutoSize(false);
  struct TCase {
    POINT To;
    bool LookupList, LookupFits;
    SIZE Expected;
  };
  // The press is on the grip, 3 pixels inside the bottom-right corner.
  const TCase cases[] = {
      {{167, 107}, false, false, {170, 110}},
      {{20, 20}, false, false, {120, 60}},
      {{167, 107}, true, true, {170, 3 + PanelHeight() + (110 - 3 - PanelHeight()) / 13 * 13}},
      {{167, 107}, true, false, {150, 100}},
  };
  for (const TCase& c : cases) {
    Edit.LookupList = c.LookupList;
    Edit.LookupFits = c.LookupFits;
    Popup->Popup();
    ASSERT_EQ(Popup->EditViewInfo().SysPanelCorner, spcBottomRight);
    Drag({147, 97}, c.To);
    EXPECT_FALSE(Popup->Sizing());
    EXPECT_EQ(Popup->Width(), c.Expected.cx) << c.To.x;
    EXPECT_EQ(Popup->Height(), c.Expected.cy) << c.To.x;
    const RECT client = Popup->EditViewInfo().ClientRect;
    EXPECT_TRUE(EqualRect(&Edit.ClientBounds, &client));
    Popup->CloseUp();
  }
}

// Each case gives the editor its room above and below on the work area and
// opens a popup of the wanted height: the popup lies on the side with more
// room when it does not fit below, with its edge on the editor's and cut to
// that room; its body (the popup less its shadow, whose strip over the editor
// the region cuts away) never covers the editor, and the sys panel is on the
// side away from it.
TEST_F(EditPopupWindowTest, ATallPopupTakesTheSideWithMoreRoomCutToItAndLeavesTheEditorFree) {
  struct TCase {
    int RoomAbove, RoomBelow, Wanted;
    bool Shadow;
    bool Above;
    int Height;
  };
  const TCase cases[] = {
      {150, 20, 300, false, true, 150},   {20, 150, 300, false, false, 150}, {150, 150, 300, false, false, 150},
      {300, 400, 500, false, false, 400}, {150, 20, 100, false, true, 100},  {150, 120, 100, false, false, 100},
      {150, 20, 300, true, true, 150},    {20, 150, 300, true, false, 147},
  };
  const TcxMonitorApi savedMonitorApi = cxMonitorApi();
  const POINT topLeft = Owner->ClientToScreen(POINT{0, 0});
  const RECT editor{topLeft.x, topLeft.y, topLeft.x + Owner->Width(), topLeft.y + Owner->Height()};
  Popup->SetWantedWidth(200);
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.RoomAbove) + " above, " + std::to_string(c.RoomBelow) + " below, " +
                 std::to_string(c.Wanted) + (c.Shadow ? " with a shadow" : ""));
    Popup->SetShadow(c.Shadow);
    Popup->SetWantedHeight(c.Wanted);
    gWorkArea = {0, editor.top - c.RoomAbove, 1024, editor.bottom + c.RoomBelow};
    cxMonitorApi() = {FakeMonitorFromPoint, FakeGetMonitorInfoA};
    Popup->Popup();
    cxMonitorApi() = savedMonitorApi;
    RECT body{};
    GetWindowRect(Popup->Handle(), &body);
    if (c.Shadow) {
      body.right -= cxContainerShadowWidth;
      body.bottom -= cxContainerShadowWidth;
    }
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &body, &editor));
    EXPECT_EQ(c.Above ? body.bottom : body.top, c.Above ? editor.top : editor.bottom);
    EXPECT_EQ(body.bottom - body.top, c.Height);
    EXPECT_EQ(IsTopCorner(Popup->EditViewInfo().SysPanelCorner), c.Above);
    Popup->CloseUp();
  }
}

// The sizing cursor shown over the frame would otherwise stay over every window.
TEST_F(EditPopupWindowTest, ClosingRestoresTheDefaultCursor) {
  Popup->SetPopupSizeable(true);
  Popup->SetWantedWidth(150);
  Popup->SetWantedHeight(100);
  Popup->Popup();
  SendMessageA(Popup->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(149, 50));
  EXPECT_EQ(Screen().Cursor(), crSizeWE);
  Popup->CloseUp();
  EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(EditPopupWindowTest, ShadowRegionSparesTheEditor) {
  Popup->SetShadow(true);
  Popup->HandleNeeded();
  Popup->SetOwnerBounds(Edit.PopupOwnerBounds());
  const RECT owner = Popup->GetOwnerScreenBounds();
  Popup->SetBounds(owner.left, owner.top - 100, 150, 100);
  struct TCase {
    TcxEditPopupSysPanelCorner Corner;
    bool Native;
    // The strip cut from the shadow's copy, in the popup's coordinates.
    TRect Cut;
  };
  const TCase cases[] = {{spcBottomRight, false, {}}, {spcTopRight, false, {0, 97, 97, 100}}, {spcTopLeft, true, {}}};
  for (const TCase& c : cases) {
    Popup->SetNativeStyle(c.Native);
    Popup->EditViewInfo().SysPanelCorner = c.Corner;
    Popup->UpdatePopupWindowRegion();
    TcxRegion actual;
    const int kind = GetWindowRgn(Popup->Handle(), actual.Handle());
    if (c.Native) {
      EXPECT_EQ(kind, ERROR);
      continue;
    }
    TcxRegion expected(0, 0, 147, 97);
    expected.Combine(TcxRegion(3, 3, 150, 100), roAdd);
    expected.Combine(TcxRegion(c.Cut), roSubtract);
    EXPECT_TRUE(EqualRgn(actual.Handle(), expected.Handle())) << int(c.Corner);
  }
}

TEST_F(EditPopupWindowTest, CloseButtonClosesWhenReleasedOnItAndTheQueryAgrees) {
  Popup->SetPopupSysPanelStyle(true);
  Popup->SetCloseButton(true);
  Popup->SetWantedWidth(150);
  Popup->SetWantedHeight(100);
  struct TCase {
    bool Agree;
    POINT Release;
    bool Closes;
  };
  const TCase cases[] = {{true, {0, 0}, true}, {false, {0, 0}, false}, {true, {140, 40}, false}};
  for (const TCase& c : cases) {
    Edit.CloseReasons.clear();
    Popup->SetOnCloseQuery([&](TObject*, bool& canClose) { canClose = c.Agree; });
    Popup->Popup();
    const RECT button = Popup->EditViewInfo().CloseButtonRect;
    const POINT release = c.Release.x ? c.Release : POINT{button.left + 2, button.top + 2};
    Send(WM_LBUTTONDOWN, button.left + 2, button.top + 2);
    EXPECT_EQ(Popup->EditViewInfo().CloseButtonState, cxbsPressed);
    Send(WM_MOUSEMOVE, release.x, release.y);
    Send(WM_LBUTTONUP, release.x, release.y);
    EXPECT_EQ(Edit.CloseReasons, c.Closes ? std::vector<int>{0} : std::vector<int>{}) << c.Agree;
    EXPECT_NE(Popup->EditViewInfo().CloseButtonState, cxbsPressed);
    Popup->CloseUp();
  }
}

}  // namespace
