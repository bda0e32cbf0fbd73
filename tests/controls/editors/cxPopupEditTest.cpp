// The popup edit on real windows: the control it shows is borrowed into the
// popup and given back with its place, whether the popup closes, the editor
// goes while it is open, or the control itself goes; a control that holds
// the editor is refused.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/editors/base/cxEditErrors.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/UtilWindow.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/standard/Button.h"
#include "platform/controls/standard/Edit.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/editors/DropDownEditorFixture.h"

namespace {

// Where a control sits, as a test compares it before and after.
struct TPlace {
  TWinControl* Parent;
  TAlign Align;
  RECT Bounds;
  bool Visible;

  static TPlace Of(const TControl& control) {
    return {control.Parent(), control.Align(), control.BoundsRect(), control.Visible()};
  }
  bool operator==(const TPlace& other) const {
    return Parent == other.Parent && Align == other.Align && EqualRect(&Bounds, &other.Bounds) &&
           Visible == other.Visible;
  }
};

std::ostream& operator<<(std::ostream& out, const TPlace& place) {
  return out << (place.Parent ? place.Parent->Name() : "no parent") << " align " << place.Align << " ("
             << place.Bounds.left << "," << place.Bounds.top << "," << place.Bounds.right << "," << place.Bounds.bottom
             << ")" << (place.Visible ? " visible" : " hidden");
}

class cxPopupEditTest : public DropDownEditorTest {
 protected:
  void SetUp() override {
    DropDownEditorTest::SetUp();
    Form->SetName("Form");
    Form->SetBounds(100, 100, 400, 300);
    Host = Place<TPanel>("Host", Form.get(), {10, 10, 200, 150});
    Edit = CreateComponent<TcxPopupEdit>(Form.get());
    Edit->SetName("Edit");
    Edit->SetBounds(220, 10, 150, 24);
    Edit->SetParent(Form.get());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
  }
  template <class T>
  T* Place(const std::string& name, TWinControl* parent, RECT bounds) {
    T* control = CreateComponent<T>(Form.get());
    control->SetName(name);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SetParent(parent);
    return control;
  }

  // Opens the popup; `whileOpen` runs once it shows, and the popup is asked
  // to close afterwards (the popup edit's popup runs its own message loop).
  void WhileOpen(const std::function<void()>& whileOpen) {
    bool shown = false;
    Edit->PropertiesObject().SetOnPopup([&](TObject*) {
      shown = true;
      whileOpen();
      if (Edit && Edit->PopupWindow()) Edit->PopupWindow()->PostClosePopup();
    });
    Edit->SetDroppedDown(true);
    ProcessPendingMessages();
    if (Edit) Edit->PropertiesObject().SetOnPopup(nullptr);
    EXPECT_TRUE(shown);
  }

  // Runs `action` from the popup's message loop, as a user's command would.
  void Later(std::function<void()> action) {
    FLater = TUtilWindow([action = std::move(action)](TMessage& message) {
      if (message.Msg != WM_APP) return false;
      action();
      return true;
    });
    PostMessageA(FLater.Handle(), WM_APP, 0, 0);
  }

  // Runs `action` from the message loop after a few seconds unless the test
  // has ended first.
  void Watchdog(std::function<void()> action) {
    constexpr UINT kWatchdogMs = 3000;
    FWatchdog = TUtilWindow([this, action = std::move(action)](TMessage& message) {
      if (message.Msg != WM_TIMER) return false;
      KillTimer(FWatchdog.Handle(), 1);
      action();
      return true;
    });
    SetTimer(FWatchdog.Handle(), 1, kWatchdogMs, nullptr);
  }

  // A panel in the host, with an edit in it, made the popup's control.
  struct TShown {
    TPanel* Panel;
    TEdit* Inner;
    TPlace Before;
  };
  TShown ShowPanel(RECT bounds = {5, 5, 125, 85}) {
    auto* panel = Place<TPanel>("Shown", Host, bounds);
    auto* inner = Place<TEdit>("Inner", panel, {5, 5, 100, 26});
    Edit->PropertiesObject().SetPopupControl(panel);
    return {panel, inner, TPlace::Of(*panel)};
  }

  TPanel* Host = nullptr;
  TcxPopupEdit* Edit = nullptr;

 private:
  TUtilWindow FLater;
  TUtilWindow FWatchdog;
};

// Sized to its content, the popup's client area is the shown control's own
// size at every opening, not the size the popup gave it last time; a control
// smaller than the popup's minimum is stretched to it.
TEST_F(cxPopupEditTest, TheShownControlIsBorrowedIntoThePopupAndGivenBackWithItsPlace) {
  struct TCase {
    const char* Label;
    TAlign Align;
    bool Visible;
    RECT Bounds;
    // Above the popup's minimum size.
    bool OwnSize = false;
  };
  const TCase cases[] = {
      {"a visible panel", alNone, true, {5, 5, 125, 85}},
      {"a hidden panel", alNone, false, {5, 5, 125, 85}},
      {"a panel along the bottom", alBottom, true, {5, 5, 125, 85}},
      {"a panel wider than the editor", alNone, true, {5, 5, 305, 155}, true},
  };
  for (const TCase& c : cases) {
    auto [panel, inner, before] = ShowPanel(c.Bounds);
    panel->SetAlign(c.Align);
    panel->SetVisible(c.Visible);
    before = TPlace::Of(*panel);
    const SIZE size{before.Bounds.right - before.Bounds.left, before.Bounds.bottom - before.Bounds.top};
    const HWND innerWindow = inner->Handle();
    for (const char* opening : {" first", " second"}) {
      WhileOpen([&] {
        TcxCustomEditPopupWindow* popup = Edit->PopupWindow();
        EXPECT_EQ(panel->Parent(), popup) << c.Label << opening;
        EXPECT_TRUE(panel->Visible()) << c.Label << opening;
        EXPECT_EQ(panel->Align(), alClient) << c.Label << opening;
        const RECT client = popup->ClientRect();
        const RECT bounds = panel->BoundsRect();
        EXPECT_TRUE(EqualRect(&client, &bounds)) << c.Label << opening;
        if (c.OwnSize) {
          EXPECT_EQ(client.right - client.left, size.cx) << c.Label << opening;
          EXPECT_EQ(client.bottom - client.top, size.cy) << c.Label << opening;
        }
        EXPECT_TRUE(IsWindowVisible(panel->Handle())) << c.Label << opening;
        EXPECT_EQ(inner->Handle(), innerWindow) << c.Label << opening << ": the control kept its windows";
      });
      EXPECT_FALSE(Edit->DroppedDown()) << c.Label << opening;
      EXPECT_EQ(TPlace::Of(*panel), before) << c.Label << opening;
      EXPECT_EQ(GetParent(panel->Handle()), Host->Handle()) << c.Label << opening;
      EXPECT_EQ(IsWindowVisible(panel->Handle()) != FALSE, c.Visible) << c.Label << opening;
    }
    inner->Free();
    panel->Free();
  }
}

TEST_F(cxPopupEditTest, ABorrowedFormLosesItsFrameWhileShownAndGetsItBack) {
  TOwned<TForm> guest{new TForm(nullptr)};
  guest->SetBounds(0, 0, 160, 90);
  guest->SetBorderStyle(bsDialog);
  Edit->PropertiesObject().SetPopupControl(guest.get());
  WhileOpen([&] {
    EXPECT_EQ(guest->Parent(), Edit->PopupWindow());
    EXPECT_EQ(guest->BorderStyle(), bsNone);
    EXPECT_TRUE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CHILD);
  });
  EXPECT_EQ(guest->Parent(), nullptr);
  EXPECT_EQ(guest->BorderStyle(), bsDialog);
  EXPECT_FALSE(guest->Visible());
  guest->Show();
  EXPECT_FALSE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(GetWindowLongA(guest->Handle(), GWL_STYLE) & WS_CAPTION);
}

TEST_F(cxPopupEditTest, AControlHoldingTheEditorIsRefusedAndLeftWhereItWas) {
  auto* inside = Place<TPanel>("Inside", Host, {5, 5, 185, 60});
  Edit->SetParent(inside);
  for (TControl* refused : std::initializer_list<TControl*>{Host, inside, Edit}) {
    Edit->PropertiesObject().SetPopupControl(refused);
    const TPlace before = TPlace::Of(*refused);
    const HWND window = static_cast<TWinControl*>(refused)->Handle();
    try {
      Edit->SetDroppedDown(true);
      ADD_FAILURE() << refused->Name() << " was not refused";
    } catch (const EcxEditError& error) {
      EXPECT_EQ(error.Message(), "Circular referencing is not allowed") << refused->Name();
    }
    ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown()) << refused->Name();
    EXPECT_EQ(TPlace::Of(*refused), before) << refused->Name();
    EXPECT_EQ(static_cast<TWinControl*>(refused)->Handle(), window) << refused->Name();
  }
}

TEST_F(cxPopupEditTest, TheEditorFreedWhileItsPopupIsOpenGivesTheControlBack) {
  const auto [panel, inner, before] = ShowPanel();
  WhileOpen([&] {
    Later([&] {
      Edit->Free();
      Edit = nullptr;
    });
  });
  EXPECT_EQ(Edit, nullptr);
  EXPECT_EQ(TPlace::Of(*panel), before);
  EXPECT_TRUE(IsWindowVisible(panel->Handle()));
}

TEST_F(cxPopupEditTest, TheControlFreedWhileBorrowedLeavesNoReferenceBehind) {
  TPanel* panel = ShowPanel().Panel;
  WhileOpen([&] { Later([&] { panel->Free(); }); });
  EXPECT_EQ(Edit->PropertiesObject().PopupControl(), nullptr);
  EXPECT_FALSE(Edit->DroppedDown());
  Edit->SetDroppedDown(true);
  ProcessPendingMessages();
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_EQ(Host->ControlCount(), 0);
}

TEST_F(cxPopupEditTest, AParentFreedWhileItsControlIsBorrowedGetsNothingBack) {
  auto* holder = Place<TPanel>("Holder", Host, {5, 5, 125, 85});
  auto* panel = Place<TPanel>("Shown", holder, {5, 5, 100, 60});
  Edit->PropertiesObject().SetPopupControl(panel);
  WhileOpen([&] { Later([&] { holder->Free(); }); });
  EXPECT_EQ(panel->Parent(), nullptr);
  EXPECT_FALSE(panel->HandleAllocated());
}

// The keys of the user: F4 in the editor opens the popup with the focus in
// the shown control, typing reaches that control, and the editor's close
// keys pressed there close the popup. Should a key leave the popup open, the
// watchdog closes it so the test fails instead of waiting for ever.
TEST_F(cxPopupEditTest, F4OpensThePopupOnTheShownControlAndTheCloseKeysCloseItFromThere) {
  struct TCase {
    const char* Label;
    WORD Key;
    LPARAM KeyData;
    int Reason;
  };
  const TCase cases[] = {
      {"Escape", VK_ESCAPE, 0, cxEditPopupCloseReasonCancel},
      {"F4", VK_F4, 0, cxEditPopupCloseReasonCloseKey},
      {"Alt+Up", VK_UP, kAltDown, cxEditPopupCloseReasonCloseKey},
  };
  for (const TCase& c : cases) {
    const auto [panel, inner, before] = ShowPanel();
    Edit->InnerTextEdit()->Edit().SetFocus();
    bool shown = false;
    Edit->PropertiesObject().SetOnPopup([&](TObject*) {
      shown = true;
      EXPECT_EQ(panel->Parent(), Edit->PopupWindow()) << c.Label;
      EXPECT_TRUE(IsWindowVisible(panel->Handle())) << c.Label;
      EXPECT_EQ(GetFocus(), inner->Handle()) << c.Label;
      PostMessageA(GetFocus(), WM_CHAR, 'x', 0);
      PostMessageA(GetFocus(), c.KeyData & kAltDown ? WM_SYSKEYDOWN : WM_KEYDOWN, c.Key, c.KeyData);
      Watchdog([&] {
        ADD_FAILURE() << c.Label << " left the popup open";
        Edit->SetDroppedDown(false);
      });
    });
    Key(VK_F4);
    Edit->PropertiesObject().SetOnPopup(nullptr);
    EXPECT_TRUE(shown) << c.Label;
    EXPECT_FALSE(Edit->DroppedDown()) << c.Label;
    EXPECT_EQ(Edit->CloseUpReason(), c.Reason) << c.Label;
    EXPECT_EQ(inner->Text(), "x") << c.Label;
    EXPECT_EQ(TPlace::Of(*panel), before) << c.Label;
    inner->Free();
    panel->Free();
  }
}

TEST_F(cxPopupEditTest, APanelHoldingOnlyAButtonGivesTheButtonTheFocus) {
  auto* panel = Place<TPanel>("Shown", Host, {5, 5, 125, 85});
  auto* button = Place<TButton>("Only", panel, {5, 5, 80, 30});
  Edit->PropertiesObject().SetPopupControl(panel);
  Edit->InnerTextEdit()->Edit().SetFocus();
  WhileOpen([&] { EXPECT_EQ(GetFocus(), button->Handle()); });
}

// The 3-D frame keeps its flat inner rings with or without the client edge;
// the other styles draw as every editor popup does.
TEST(cxPopupEditPopupWindowViewInfo, AThreeDimensionalFrameEndsInTwoFlatRings) {
  struct TCase {
    TcxEditPopupBorderStyle Style;
    bool ClientEdge;
    std::vector<TColor> LeftColumns;
  };
  const TCase cases[] = {
      {epbsFrame3D, false, {cl3DLight, clBtnHighlight, clInactiveBorder, clBtnFace}},
      {epbsFrame3D, true, {cl3DLight, clBtnHighlight, clInactiveBorder, clBtnFace, clBtnShadow, cl3DDkShadow}},
      {epbsSingle, false, {clBtnText, clBtnFace}},
  };
  for (const TCase& c : cases) {
    TcxPopupEditPopupWindowViewInfo viewInfo;
    viewInfo.Bounds = Rect(0, 0, 60, 40);
    viewInfo.PopupBorderStyle = c.Style;
    viewInfo.ClientEdge = c.ClientEdge;
    viewInfo.Calculate();
    TBitmap bitmap;
    bitmap.SetSize(60, 40);
    TcxCanvas canvas(bitmap.Canvas());
    viewInfo.Paint(canvas);
    for (size_t x = 0; x < c.LeftColumns.size(); ++x)
      EXPECT_EQ(GetPixel(bitmap.DC(), static_cast<int>(x), 20), ColorToRGB(c.LeftColumns[x]))
          << "style " << c.Style << " client edge " << c.ClientEdge << " column " << x;
  }
}

TEST_F(cxPopupEditTest, AFormResourceNamesThePopupControlBeforeOrAfterTheEditor) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Edit: TcxPopupEdit\n"
                        "    Properties.PopupControl = Later\n"
                        "    Properties.PopupWidth = 300\n"
                        "  end\n"
                        "  object Later: TPanel\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* edit = dynamic_cast<TcxPopupEdit*>(form.FindComponent("Edit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->PropertiesObject().PopupControl(), form.FindComponent("Later"));
  EXPECT_EQ(edit->PropertiesObject().PopupWidth(), 300);
  EXPECT_EQ(edit->PropertiesObject().PopupHeight(), 200);
  EXPECT_TRUE(edit->PropertiesObject().ImmediatePopup());
  EXPECT_EQ(edit->Properties()->GetContainerClass(), TcxPopupEdit::StaticClass());
}

TEST_F(cxPopupEditTest, TheDropDownUnitRegistersThePopupEditUntilItEnds) {
  TcxRegisteredClasses* registered = GetRegisteredEditProperties();
  ASSERT_NE(registered, nullptr);
  EXPECT_EQ(GetClass("TcxPopupEdit"), TcxPopupEdit::StaticClass());

  cxDropDownEditInitialize();
  cxDropDownEditFinalize();
  EXPECT_GE(registered->IndexOf(TcxPopupEditProperties::StaticClass()), 0);
  cxDropDownEditFinalize();
  EXPECT_LT(registered->IndexOf(TcxPopupEditProperties::StaticClass()), 0);
  EXPECT_EQ(GetClass("TcxPopupEdit"), nullptr);
  cxDropDownEditInitialize();
}

}  // namespace
