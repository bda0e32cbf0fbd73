#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditControl.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

using TLog = std::vector<std::string>;
TLog gLog;

POINT gCursor{-1000, -1000};
BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
  *point = gCursor;
  return TRUE;
}
UINT_PTR WINAPI FakeSetTimer(HWND, UINT_PTR id, UINT, TIMERPROC) { return id; }
BOOL WINAPI FakeKillTimer(HWND, UINT_PTR) { return TRUE; }

// Revertible settings, so Escape has something to undo.
class TInputProperties : public TcxCustomEditProperties {
 public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TInputProperties>("TInputProperties", TcxCustomEditProperties::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanRevertValue() const override { return true; }
  bool CanValidate() const override { return true; }
};

class TInputItem : public TcxEditRepositoryItem {
 public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TInputItem>("TInputItem", TcxEditRepositoryItem::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  TClass GetPropertiesClass() const override { return TInputProperties::StaticClass(); }
};

// A plain EDIT that offers its keys to its editor first, as a text editor's does.
class TInnerEdit : public TEdit, public IcxCustomInnerEdit {
 public:
  explicit TInnerEdit(TcxCustomEdit* edit) : TEdit(edit), FEdit(edit) {}
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FEdit; }
  bool ReadOnly() const override { return TEdit::ReadOnly(); }
  void SetReadOnly(bool value) override { TEdit::SetReadOnly(value); }
  void SetOnChange(TNotifyEvent) override {}
  void SafelySetFocus() override { SetFocus(); }

 protected:
  void KeyDown(WORD& key, TShiftState shift) override {
    FEdit->InnerEditKeyDown(key, shift);
    if (key) gLog.push_back("inner key " + std::to_string(key));
  }
  void KeyPress(char& key) override { FEdit->InnerEditKeyPress(key); }
  void WndProc(TMessage& message) override {
    if (FEdit->DoInnerControlKeyMessage(message)) return;
    TEdit::WndProc(message);
  }
  void DefaultHandler(TMessage& message) override {
    if (FEdit->DoInnerControlMessage(message)) return;
    TEdit::DefaultHandler(message);
  }

 private:
  TcxCustomEdit* FEdit;
};

class TInputEdit : public TcxCustomEdit {
 public:
  explicit TInputEdit(TComponent* owner, bool inplace = false)
      : TcxCustomEdit(owner, inplace, TInputProperties::StaticClass()) {
    SetOnKeyDown([](TObject*, WORD& key, TShiftState) { gLog.push_back("OnKeyDown " + std::to_string(key)); });
    SetOnKeyPress([](TObject*, char& key) { gLog.push_back("OnKeyPress " + std::to_string(key)); });
    SetOnDblClick([](TObject*) { gLog.push_back("double click"); });
  }
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TInputEdit>("TInputEdit", TcxCustomEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  TInnerEdit& Inner() const { return *static_cast<TInnerEdit*>(InnerEdit()); }
  std::string InnerText() const {
    char text[64]{};
    GetWindowTextA(Inner().Handle(), text, sizeof text);
    return text;
  }
  std::string GetInnerEditText() const override { return InnerText(); }
  void UpdateDisplayFromEditValue() override {
    if (InnerEdit()) Inner().SetText(VarIsEmpty(EditValue()) ? "" : EditValue().AsString());
  }
  void ReloadEditValue() override {
    gLog.push_back("reload");
    TcxCustomEdit::ReloadEditValue();
  }
  void DoButtonDown(int index) override { gLog.push_back("down " + std::to_string(index)); }
  void DoButtonUp(int index) override { gLog.push_back("up " + std::to_string(index)); }

 protected:
  IcxCustomInnerEdit* CreateInnerEdit() override { return new TInnerEdit(this); }
};

// Refuses digits.
class TNoDigitsProvider : public TcxCustomEditDefaultValuesProvider {
 public:
  TNoDigitsProvider() : TcxCustomEditDefaultValuesProvider(nullptr) {}
  bool IsValidChar(char ch) const override { return ch < '0' || ch > '9'; }
};

// The thread's keyboard with Ctrl held or not, as the key messages read it.
void HoldCtrl(bool held) {
  BYTE state[256]{};
  GetKeyboardState(state);
  state[VK_CONTROL] = held ? 0x80 : 0;
  SetKeyboardState(state);
}

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++count) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

TRect Centre(const TRect& rect) {
  const int x = (rect.left + rect.right) / 2;
  const int y = (rect.top + rect.bottom) / 2;
  return TRect{x, y, x, y};
}

class cxEditInputTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    cxInputApi().GetCursorPos = FakeGetCursorPos;
    cxTimerApi() = {FakeSetTimer, FakeKillTimer};
    cxEditBeep() = [] { gLog.push_back("beep"); };
    gLog.clear();
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 200);
    Edit = MakeEdit(false);
    Form->Show();
    ProcessPendingMessages();
  }
  void TearDown() override {
    HoldCtrl(false);
    Form.reset();
    cxInputApi() = {};
    cxTimerApi() = {};
    cxEditBeep() = [] { MessageBeep(0); };
    cxEditFinalize();
  }

  TInputEdit* MakeEdit(bool inplace) {
    TInputEdit* edit =
        inplace ? TcxCustomEdit::CreateInplace<TInputEdit>(Form.get()) : CreateComponent<TInputEdit>(Form.get());
    edit->SetBounds(10, 10, 120, 24);
    edit->SetParent(Form.get());
    return edit;
  }
  void AddButtons(TInputEdit& edit, int count) {
    for (int i = 0; i < count; ++i) {
      TcxEditButton& button = edit.Properties()->Buttons().Add();
      button.SetKind(bkText);
      button.SetCaption(std::to_string(i));
    }
    edit.Properties()->SetOnButtonClick([](TObject*, int index) { gLog.push_back("click " + std::to_string(index)); });
    ProcessPendingMessages();
  }
  POINT ButtonPoint(int index) const {
    const TRect centre = Centre(Edit->EditViewInfo().ButtonsInfo[index]->Bounds);
    return POINT{centre.left, centre.top};
  }
  void Mouse(UINT msg, POINT point, WPARAM keys) {
    gCursor = Edit->ClientToScreen(point);
    SendMessageA(Edit->Handle(), msg, keys, MAKELPARAM(point.x, point.y));
  }
  void Key(HWND window, WORD key, char ch) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
    if (ch) SendMessageA(window, WM_CHAR, static_cast<unsigned char>(ch), 0);
  }

  TOwned<TForm> Form;
  TInputEdit* Edit = nullptr;
};

}  // namespace

TEST_F(cxEditInputTest, AButtonClicksWhenReleasedOverItself) {
  AddButtons(*Edit, 2);
  Edit->SetFocus();
  const POINT away{5, 5};
  struct TCase {
    const char* Name;
    UINT PressMsg;
    POINT Press;
    POINT Release;
    TLog Expected;
  };
  const TCase cases[] = {
      {"press and release over the second",
       WM_LBUTTONDOWN,
       ButtonPoint(1),
       ButtonPoint(1),
       {"down 1", "up 1", "click 1"}},
      {"release elsewhere", WM_LBUTTONDOWN, ButtonPoint(0), away, {"down 0", "up 0"}},
      {"release over the other", WM_LBUTTONDOWN, ButtonPoint(0), ButtonPoint(1), {"down 0", "up 0"}},
      {"press elsewhere", WM_LBUTTONDOWN, away, ButtonPoint(0), {}},
      {"double click over a button", WM_LBUTTONDBLCLK, ButtonPoint(0), ButtonPoint(0), {"down 0", "up 0", "click 0"}},
      {"double click elsewhere", WM_LBUTTONDBLCLK, away, away, {"double click"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    gLog.clear();
    Mouse(c.PressMsg, c.Press, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, c.Release, 0);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_EQ(Edit->PressedButton(), -1);
  }
}

TEST_F(cxEditInputTest, AButtonsAcceleratorClicksIt) {
  AddButtons(*Edit, 2);
  Edit->Properties()->Buttons().Items(1).SetCaption("&Go");
  Edit->Properties()->Buttons().Items(0).SetCaption("&&x");
  const std::pair<char, TLog> cases[] = {{'g', {"click 1"}}, {'G', {"click 1"}}, {'x', {}}, {'o', {}}};
  for (const auto& [ch, expected] : cases) {
    gLog.clear();
    EXPECT_EQ(Edit->Perform(CM_DIALOGCHAR, static_cast<WPARAM>(ch), 0) != 0, !expected.empty()) << ch;
    EXPECT_EQ(gLog, expected) << ch;
  }
}

TEST_F(cxEditInputTest, HoveringAndPressingRepaintOnlyTheButtonsThatChange) {
  AddButtons(*Edit, 2);
  Edit->SetFocus();
  Mouse(WM_MOUSEMOVE, POINT{5, 5}, 0);
  const TRect first = Edit->EditViewInfo().ButtonsInfo[0]->Bounds;
  const TRect second = Edit->EditViewInfo().ButtonsInfo[1]->Bounds;
  struct TCase {
    const char* Name;
    UINT Msg;
    int Button;
    std::vector<TRect> Repainted;
  };
  const TCase cases[] = {
      {"onto the first", WM_MOUSEMOVE, 0, {first}},          {"on within it", WM_MOUSEMOVE, 0, {}},
      {"onto the second", WM_MOUSEMOVE, 1, {first, second}}, {"pressing it", WM_LBUTTONDOWN, 1, {second}},
      {"releasing it", WM_LBUTTONUP, 1, {second}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ValidateRect(Edit->Handle(), nullptr);
    Mouse(c.Msg, ButtonPoint(c.Button), c.Msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
    TcxRegion expected;
    for (const TRect& rect : c.Repainted)
      CombineRgn(expected.Handle(), expected.Handle(), TcxRegion(rect).Handle(), RGN_OR);
    TcxRegion repainted;
    GetUpdateRgn(Edit->Handle(), repainted.Handle(), FALSE);
    EXPECT_TRUE(EqualRgn(repainted.Handle(), expected.Handle()));
  }
  ValidateRect(Edit->Handle(), nullptr);
  Edit->GetStyle()->SetColor(clYellow);
  RECT updated{};
  GetUpdateRect(Edit->Handle(), &updated, FALSE);
  EXPECT_TRUE(EqualRect(&updated, &Edit->EditViewInfo().Bounds)) << "a change of the style repaints it all";
}

TEST_F(cxEditInputTest, KeysReachTheEditorsEventsBeforeTheInnerEdit) {
  TNoDigitsProvider noDigits;
  struct TCase {
    const char* Name;
    std::function<void()> Setup;
    WORD Key;
    char Char;
    TLog Expected;
    std::string Text;
  };
  const TCase cases[] = {
      {"a letter", [] {}, 'A', 'a', {"OnKeyDown 65", "inner key 65", "OnKeyPress 97"}, "a"},
      {"an arrow goes no further", [] {}, VK_LEFT, 0, {"OnKeyDown 37"}, ""},
      {"a refused digit beeps without BeepOnError",
       [&] {
         Edit->Properties()->SetBeepOnError(false);
         Edit->Properties()->SetDefaultValuesProvider(&noDigits);
       },
       '1',
       '1',
       {"OnKeyDown 49", "inner key 49", "OnKeyPress 49", "beep"},
       ""},
      {"Escape unmodified passes on", [] {}, VK_ESCAPE, 27, {"OnKeyDown 27", "inner key 27", "OnKeyPress 27"}, ""},
      {"Escape modified reverts and swallows its character",
       [&] {
         Edit->Inner().SetText("typed");
         Edit->SetModifiedAfterEnter(true);
       },
       VK_ESCAPE,
       27,
       {"OnKeyDown 27"},
       ""},
      {"Tab with Ctrl is left to the inner edit",
       [] { HoldCtrl(true); },
       VK_TAB,
       0,
       {"OnKeyDown 9", "inner key 9"},
       ""},
      {"Ctrl+Enter without a default button",
       [] { HoldCtrl(true); },
       VK_RETURN,
       0,
       {"OnKeyDown 13", "inner key 13"},
       ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->Inner().SetText("");
    Edit->SetFocus();
    c.Setup();
    gLog.clear();
    Key(Edit->Inner().Handle(), c.Key, c.Char);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_EQ(Edit->InnerText(), c.Text);
    HoldCtrl(false);
    Edit->Properties()->SetDefaultValuesProvider(nullptr);
  }
}

TEST_F(cxEditInputTest, CtrlEnterClicksTheDefaultButtonAndItsCharacterIsDropped) {
  AddButtons(*Edit, 2);
  Edit->Properties()->Buttons().Items(1).SetDefault(true);
  Edit->SetFocus();
  gLog.clear();
  HoldCtrl(true);
  PostQuitMessage(7);
  PostMessageA(Edit->Inner().Handle(), WM_CHAR, '\n', 0);
  SendMessageA(Edit->Inner().Handle(), WM_KEYDOWN, VK_RETURN, 0);
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program's quit stays queued";
  EXPECT_EQ(quit.wParam, 7u);
  ProcessPendingMessages();
  EXPECT_EQ(gLog, (TLog{"click 1"}));
}

TEST_F(cxEditInputTest, InPlaceActivationByKeyTypesTheKeyIntoTheInnerEdit) {
  TInputEdit* edit = MakeEdit(true);
  TcxCustomEditData* data = nullptr;
  edit->ActivateByKey('q', data);
  EXPECT_TRUE(edit->Activated());
  EXPECT_EQ(edit->InnerText(), "q");
  EXPECT_EQ(GetFocus(), edit->Inner().Handle());
  EXPECT_FALSE(edit->AutoSize());
  EXPECT_EQ(GetWindowLongPtrA(edit->Inner().Handle(), GWLP_WNDPROC),
            GetWindowLongPtrA(Edit->Inner().Handle(), GWLP_WNDPROC))
      << "the hook is gone";
}

TEST_F(cxEditInputTest, APressSoonAfterAMouseActivationAwayFromTheButtonsIsADoubleClick) {
  AddButtons(*Edit, 1);
  struct TCase {
    const char* Name;
    bool TimerTicks;
    bool OverButton;
    TLog Expected;
  };
  const TCase cases[] = {
      {"soon and away", false, false, {"double click"}},
      {"after the double-click time", true, false, {}},
      {"over the button", false, true, {"down 0"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxCustomEditData* data = nullptr;
    Edit->ActivateByMouse(TShiftState{}, 15, 15, data);
    EXPECT_TRUE(Edit->ClickTimer().Enabled());
    if (c.TimerTicks) SendMessageA(cxTimerWindowHandle(), WM_TIMER, Edit->ClickTimer().TimerID(), 0);
    gLog.clear();
    Mouse(WM_LBUTTONDOWN, c.OverButton ? ButtonPoint(0) : POINT{5, 5}, MK_LBUTTON);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_FALSE(Edit->ClickTimer().Enabled());
    Mouse(WM_LBUTTONUP, POINT{5, 5}, 0);
  }
}

TEST_F(cxEditInputTest, AutoSizeFollowsTheFontAndTheButtons) {
  const auto bigFont = [](TInputEdit& e) { e.GetStyle()->Font()->SetSize(28); };
  const auto tallGlyph = [](TInputEdit& e) {
    TBitmap glyph;
    glyph.SetSize(16, 40);
    TcxEditButton& button = e.Properties()->Buttons().Items(0);
    button.SetKind(bkGlyph);
    button.SetGlyph(&glyph);
  };
  struct TCase {
    const char* Name;
    std::function<void(TInputEdit&)> Prepare;
    std::function<void(TInputEdit&)> Change;
    bool Grows;
  };
  const TCase cases[] = {
      {"a bigger font", [](TInputEdit&) {}, bigFont, true},
      {"a tall glyph", [](TInputEdit&) {}, tallGlyph, true},
      {"auto size off", [](TInputEdit& e) { e.SetAutoSize(false); }, bigFont, false},
      {"aligned to the left", [](TInputEdit& e) { e.SetAlign(alLeft); }, bigFont, false},
      {"aligned to the top", [](TInputEdit& e) { e.SetAlign(alTop); }, tallGlyph, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TInputEdit* edit = MakeEdit(false);
    edit->Properties()->Buttons().Add().SetKind(bkText);
    c.Prepare(*edit);
    const int before = edit->Height();
    c.Change(*edit);
    EXPECT_EQ(edit->Height() > before, c.Grows);
    const TRect inner = edit->Inner().BoundsRect();
    EXPECT_TRUE(EqualRect(&inner, &edit->EditViewInfo().InnerEditRect));
    edit->Free();
  }
}

TEST_F(cxEditInputTest, TheFormsFontReachesTheInnerEditWithoutBecomingTheStylesOwn) {
  const int defaultHeight = Edit->Height();
  TFont font;
  font.SetName("Courier New");
  font.SetSize(14);
  Form->SetFont(font);
  TInputEdit* later = MakeEdit(false);
  font.SetSize(17);
  for (const int size : {14, 17}) {
    if (size == 17) Form->SetFont(font);
    for (TInputEdit* edit : {Edit, later}) {
      SCOPED_TRACE(std::to_string(size) + (edit == Edit ? ", placed first" : ", placed after the font"));
      EXPECT_TRUE(edit->ParentFont());
      EXPECT_EQ(edit->GetStyle()->Font()->Size(), size);
      EXPECT_EQ(edit->Inner().Font().Name(), "Courier New");
      EXPECT_EQ(edit->Inner().Font().Size(), size);
      EXPECT_FALSE(edit->GetStyle()->AssignedValues().Contains(csvFont));
      EXPECT_GT(edit->Height(), defaultHeight) << "auto size measures the style's font";
    }
  }
}

TEST_F(cxEditInputTest, ReadOnlyReachesTheInnerEdit) {
  TcxEditRepository repository(nullptr);
  auto* item = repository.CreateItem(TInputItem::StaticClass());
  struct TCase {
    const char* Name;
    std::function<void()> Change;
    bool ReadOnly;
  };
  const TCase cases[] = {
      {"own settings", [this] { Edit->Properties()->SetReadOnly(true); }, true},
      {"back", [this] { Edit->Properties()->SetReadOnly(false); }, false},
      {"a read-only repository item",
       [&] {
         item->Properties()->SetReadOnly(true);
         Edit->SetRepositoryItem(item);
       },
       true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Change();
    EXPECT_EQ(Edit->Inner().ReadOnly(), c.ReadOnly);
    EXPECT_EQ((GetWindowLongPtrA(Edit->Inner().Handle(), GWL_STYLE) & ES_READONLY) != 0, c.ReadOnly);
  }
  Edit->SetRepositoryItem(nullptr);
  Edit->Inner().Free();
  EXPECT_EQ(Edit->InnerEdit(), nullptr);
  Edit->Properties()->SetReadOnly(true);
}

TEST_F(cxEditInputTest, TwoButtonsPaintThroughTheViewInfo) {
  Edit->GetStyle()->LookAndFeel()->SetKind(lfStandard);
  Edit->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  AddButtons(*Edit, 2);
  TBitmap picture;
  picture.SetSize(Edit->Width(), Edit->Height());
  Edit->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
  const TcxCustomEditViewInfo& viewInfo = Edit->EditViewInfo();
  ASSERT_EQ(viewInfo.ButtonCount(), 2);
  const TRect first = viewInfo.ButtonsInfo[0]->Bounds;
  const TRect second = viewInfo.ButtonsInfo[1]->Bounds;
  EXPECT_EQ(first.left, second.right) << "the first sits rightmost";
  struct TCase {
    const char* Name;
    int X;
    int Y;
    COLORREF Colour;
  };
  const TCase cases[] = {
      {"the first button's face", first.left + 2, first.top + 2, ColorToRGB(clBtnFace)},
      {"the second button's face", second.left + 2, second.bottom - 3, ColorToRGB(clBtnFace)},
      {"the first button's dark edge", first.right - 1, first.bottom - 1, ColorToRGB(cl3DDkShadow)},
      {"the text area", viewInfo.ClientRect.left + 1, viewInfo.ClientRect.top + 1, ColorToRGB(clWindow)},
      {"the border", 0, Edit->Height() / 2, ColorToRGB(clBtnShadow)},
  };
  for (const TCase& c : cases) EXPECT_EQ(static_cast<COLORREF>(picture.Canvas().Pixels(c.X, c.Y)), c.Colour) << c.Name;
}

TEST_F(cxEditInputTest, TheValueReloadsWhenTheFocusComesInAndValidatesWhenItLeaves) {
  auto* other = new TEdit(Form.get());
  other->SetParent(Form.get());
  Edit->Properties()->SetOnValidate(
      [](TObject*, Variant& value, std::string&, bool&) { gLog.push_back("validate " + value.AsString()); });
  struct TCase {
    const char* Name;
    TWinControl* From;
    bool Modified;
    TWinControl* To;
    TLog Expected;
  };
  const TCase cases[] = {
      {"coming in", other, false, Edit, {"reload"}},
      {"leaving modified", Edit, true, other, {"validate typed"}},
      {"leaving unmodified", Edit, false, other, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.From->SetFocus();
    Edit->Inner().SetText("typed");
    Edit->SetModifiedAfterEnter(c.Modified);
    gLog.clear();
    c.To->SetFocus();
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_FALSE(Edit->ModifiedAfterEnter());
  }
}

TEST_F(cxEditInputTest, LosingTheFocusWithoutLeavingForAControlValidatesOnlyAtTheFormsEnd) {
  Edit->Properties()->SetOnValidate(
      [](TObject*, Variant& value, std::string&, bool&) { gLog.push_back("validate " + value.AsString()); });
  TWindowHandle plainWindow;
  plainWindow.Attach(
      CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 100, 10, 10, Form->Handle(), nullptr, nullptr, nullptr));
  struct TCase {
    const char* Name;
    bool OnlyControl;
    TModalResult Result;
    TLog Expected;
  };
  const TCase cases[] = {
      {"the only control", true, mrNone, {"validate typed"}},
      {"one of two controls", false, mrNone, {}},
      {"the form closing with OK", false, mrOk, {"validate typed"}},
      {"the form cancelled", false, mrCancel, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TOwned<TEdit> other(c.OnlyControl ? nullptr : new TEdit(nullptr));
    if (other) other->SetParent(Form.get());
    Form->SetModalResult(c.Result);
    Edit->SetFocus();
    Edit->Inner().SetText("typed");
    Edit->SetModifiedAfterEnter(true);
    gLog.clear();
    ::SetFocus(plainWindow.Get());
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_FALSE(Edit->ViewInfo().ContainerState.Contains(csFocused));
  }
  Form->SetModalResult(mrNone);
}
