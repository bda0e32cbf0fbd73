// The editors on one shown form under seeded random input: keys with and
// without Shift and Ctrl, typed characters of any code, clicks, wheel turns,
// focus changes and clipboard operations. Nothing may crash or show an
// exception (a mask's refusal of an incomplete value on leaving is the only
// box the user may see), no text may outgrow its MaxLength, a list holds
// one of its items or nothing, a check-list combo box names its checked
// items, no expression mask may hold a text its expression cannot continue,
// and the popup edit's control is back in its place while its popup is
// closed.
// NEPL_STRESS_SEED and NEPL_STRESS_COUNT choose the run; a failure names
// its seed, its step and the steps before it. The popup edit's popup runs a
// message loop of its own until it closes: while it is open the steps run
// from inside that loop, as the user's input would.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/check/cxCheckBox.h"
#include "controls/editors/check/cxCheckComboBox.h"
#include "controls/editors/dropdown/cxComboBox.h"
#include "controls/editors/dropdown/cxDropDownEditPopupEdit.h"
#include "controls/editors/dropdown/cxImageComboBox.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/mask/cxMaskEdit.h"
#include "controls/editors/text/cxTextEdit.h"
#include "controls/foundation/container/cxContainerPopup.h"
#include "platform/classes/UtilWindow.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/standard/Edit.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/Streams.h"
#include "tests/controls/editors/TextEditTypingCases.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

constexpr unsigned kDefaultSeed = 20261207;
// A bounded run: the script runs longer ones.
constexpr int kDefaultCount = 2000;
// How many of the last steps a failure shows.
constexpr size_t kShownSteps = 40;

unsigned long long EnvironmentNumber(const char* name, unsigned long long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

void ProcessPendingMessages() {
  constexpr int kMessageLimit = 10000;
  MSG message{};
  for (int count = 0; count < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
    Application().ProcessMessages();
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  return input;
}

void SendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ProcessPendingMessages();
}

// Whether the expression takes every character of `text` in turn.
bool IsViablePrefix(const std::string& expression, bool caseInsensitive, const std::string& text) {
  TcxRegExpr engine;
  engine.SetCaseInsensitive(caseInsensitive);
  TMemoryStream source;
  source.WriteBuffer(expression.data(), static_cast<int64_t>(expression.size()));
  engine.Compile(&source);
  std::string accepted;
  engine.NextText(text, accepted);
  return accepted == text;
}

// One random step: what it does, told before it runs.
struct TStep {
  std::string Shown;
  std::function<void()> Run;
};

// One editor of the form and what the run checks of it.
struct TStressedEditor {
  std::string Name;
  TcxCustomEdit* Edit;
  // The window the focus goes to.
  std::function<TWinControl*()> FocusTarget;
  // The text the editor holds; nullptr for an editor without text.
  TcxCustomTextEdit* TextEdit = nullptr;
  // The edit its popup shows, which takes what is typed while it is open.
  TCustomEdit* ShownEdit = nullptr;
  // The texts (or check states) it went through.
  std::set<std::string> SeenTexts{};
};

class EditorsStressTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    InitializeUnits(EditorsUnits());
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string&, UINT) {
      if (IsValidationRefusal(text))
        ++Refusals;
      else
        Boxes.push_back(text);
      return IDOK;
    });
    Form->SetBounds(50, 50, 420, 420);
    AddTextEditors();
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ProcessPendingMessages();
    PopupControlPlace = PlaceOf(*PopupControl);
  }
  void TearDown() override {
    Form.reset();
    Application().SetMessageBoxHandler(nullptr);
    FinalizeUnits();
  }

  static bool IsValidationRefusal(const std::string& text) {
    return text == cxGetResourceString(cxMsgMaskEditInvalidValue) ||
           text == cxGetResourceString(cxMsgInvalidInputValue);
  }

  template <class T>
  T* Place(const std::string& name, int width = 180) {
    T* edit = CreateComponent<T>(Form.get());
    edit->SetName(name);
    edit->SetBounds(10 + (Editors.size() % 2) * 200, 10 + static_cast<int>(Editors.size() / 2) * 34, width, 24);
    edit->SetParent(Form.get());
    return edit;
  }
  template <class T>
  void AddTextEditor(T* edit) {
    Editors.push_back(TStressedEditor{edit->Name(), edit, [edit] { return &edit->InnerTextEdit()->Edit(); }, edit});
  }
  TcxMaskEdit* AddMaskEdit(const std::string& name, TcxEditMaskKind kind, const std::string& mask) {
    auto* edit = Place<TcxMaskEdit>(name);
    edit->PropertiesObject().SetMaskKind(kind);
    edit->PropertiesObject().SetEditMask(mask);
    AddTextEditor(edit);
    return edit;
  }
  // Every limit is shorter than some items: a limit on what is typed must
  // also hold for what the search completes, pasted text included. A mask
  // takes no MaxLength (its mask limits the text); the image and check-list
  // combo boxes publish none.
  void AddTextEditors() {
    auto* text = Place<TcxTextEdit>("Text");
    text->PropertiesObject().SetMaxLength(6);
    for (const char* item : {"Apple", "apricot", "banana", "cab", "East-12"})
      text->PropertiesObject().LookupItems().Add(item);
    AddTextEditor(text);
    // Left empty, the phone number is no refusal: the user can always give up.
    AddMaskEdit("Standard", emkStandard, "!(999) 000-0000;1;_")->PropertiesObject().SetIgnoreMaskBlank(true);
    AddMaskEdit("Filter", emkRegExpr, "[A-F]\\d{2,3}(-[a-z]+)?");
    AddMaskEdit("Completing", emkRegExprEx, "(\\d\\d:\\d\\d)|(NE\\d+)");
    AddComboBox("Combo", lsEditList);
    AddComboBox("ListCombo", lsEditFixedList);
    auto* imageCombo = Place<TcxImageComboBox>("ImageCombo");
    for (const char* description : {"Port 1", "Port 2", "Port 12", "VLAN"}) {
      TcxImageComboBoxItem& item = imageCombo->PropertiesObject().Items().Add();
      item.SetDescription(description);
      item.SetValue(Variant(description));
    }
    AddTextEditor(imageCombo);
    auto* checkCombo = Place<TcxCheckComboBox>("CheckCombo");
    for (const char* description : {"Port 1", "Port 2", "Port 3", "Port 4"})
      checkCombo->PropertiesObject().Items().Add().SetDescription(description);
    AddTextEditor(checkCombo);
    AddPopupEdit();
    auto* checkBox = Place<TcxCheckBox>("CheckBox");
    checkBox->PropertiesObject().SetAllowGrayed(true);
    Editors.push_back(TStressedEditor{checkBox->Name(), checkBox, [checkBox] { return checkBox; }});
  }
  void AddComboBox(const std::string& name, TcxEditDropDownListStyle style) {
    auto* combo = Place<TcxComboBox>(name);
    combo->PropertiesObject().SetDropDownListStyle(style);
    combo->PropertiesObject().SetMaxLength(4);
    for (const char* item : {"alpha", "Beta", "beta2", "gamma", "delta", "NE1", "NE12", "zeta"})
      combo->PropertiesObject().Items().Add(item);
    AddTextEditor(combo);
  }

  // The popup shows a panel with an edit, which lies in a panel of the form
  // below the editors while the popup is closed. Its alignment there is no
  // default, so that only the one it had can be given back.
  void AddPopupEdit() {
    auto* holder = CreateComponent<TPanel>(Form.get());
    holder->SetName("PopupControlHolder");
    holder->SetBounds(10, 300, 390, 60);
    holder->SetParent(Form.get());
    auto* panel = CreateComponent<TPanel>(Form.get());
    panel->SetName("PopupControl");
    panel->SetBounds(0, 0, 200, 60);
    panel->SetAlign(alLeft);
    panel->SetParent(holder);
    auto* inner = CreateComponent<TEdit>(Form.get());
    inner->SetBounds(10, 10, 150, 24);
    inner->SetParent(panel);
    PopupEdit = Place<TcxPopupEdit>("PopupEdit");
    PopupEdit->PropertiesObject().SetMaxLength(8);
    PopupEdit->PropertiesObject().SetPopupControl(panel);
    PopupEdit->PropertiesObject().SetOnPopup([this](TObject*) { PostMessageA(StepsInPopup.Handle(), WM_APP, 0, 0); });
    AddTextEditor(PopupEdit);
    Editors.back().ShownEdit = inner;
    PopupControl = panel;
  }

  // ---- the random steps

  TStressedEditor& AnyEditor() { return Editors[Pick(Editors.size())]; }
  size_t Pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(Random); }
  bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
  // Any character but 0x98: Wine's own edit control crashes when the caret
  // moves over it.
  char AnyCharacter() {
    static const std::string kCommon = "0123456789abcdefzABCDEFNZ-:()., _";
    constexpr char kCrashesWinesEdit = '\x98';
    if (Chance(85)) return kCommon[Pick(kCommon.size())];
    const auto ch = static_cast<char>(1 + Pick(255));
    return ch == kCrashesWinesEdit ? '~' : ch;
  }
  std::string AnyText() {
    std::string text(Pick(16), ' ');
    for (char& ch : text) ch = AnyCharacter();
    return text;
  }

  TStep TypeCharacter() {
    const char ch = AnyCharacter();
    return {"char " + std::to_string(static_cast<unsigned char>(ch)), [ch] {
              PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(ch), 0);
              ProcessPendingMessages();
            }};
  }
  TStep PressKey() {
    static const WORD kKeys[] = {VK_LEFT,   VK_RIGHT, VK_HOME,   VK_END,    VK_UP,     VK_DOWN, VK_PRIOR, VK_NEXT,
                                 VK_DELETE, VK_BACK,  VK_INSERT, VK_RETURN, VK_ESCAPE, VK_TAB,  VK_F4,    VK_SPACE,
                                 'A',       'C',      'V',       'X',       'Z',       '0',     '5',      'N'};
    const WORD key = kKeys[Pick(std::size(kKeys))];
    if ((key == VK_UP || key == VK_DOWN || key == VK_BACK) && Chance(20)) {
      return {"alt+key " + std::to_string(key), [key] {
                constexpr LPARAM kAltDown = 0x20000000;
                PostMessageA(GetFocus(), WM_SYSKEYDOWN, key, kAltDown);
                ProcessPendingMessages();
              }};
    }
    const bool shift = Chance(25);
    const bool control = Chance(15);
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    if (control) inputs.push_back(KeyInput(VK_CONTROL, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (control) inputs.push_back(KeyInput(VK_CONTROL, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    return {std::string(shift ? "shift+" : "") + (control ? "ctrl+" : "") + "key " + std::to_string(key),
            [inputs] { SendInputs(inputs); }};
  }
  // Within an editor (its button on the right among the places), on an open
  // popup, or on the form beside the editors.
  TStep Click() {
    RECT bounds{};
    std::string where;
    HWND popup = OpenPopupWindow();
    if (popup && Chance(50)) {
      GetWindowRect(popup, &bounds);
      where = "popup";
    } else if (Chance(90)) {
      TStressedEditor& editor = AnyEditor();
      GetWindowRect(editor.Edit->Handle(), &bounds);
      where = editor.Name;
    } else {
      GetWindowRect(Form->Handle(), &bounds);
      bounds.top = bounds.bottom - 40;
      where = "form";
    }
    const int x = bounds.left + static_cast<int>(Pick(std::max<LONG>(1, bounds.right - bounds.left)));
    const int y = bounds.top + static_cast<int>(Pick(std::max<LONG>(1, bounds.bottom - bounds.top)));
    const int clicks = Chance(15) ? 2 : 1;
    return {(clicks == 2 ? "double click " : "click ") + where + " " + std::to_string(x) + "," + std::to_string(y),
            [x, y, clicks] {
              SetCursorPos(x, y);
              for (int click = 0; click < clicks; ++click)
                SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
            }};
  }
  TStep TurnWheel() {
    const int delta = Chance(50) ? WHEEL_DELTA : -WHEEL_DELTA;
    return {"wheel " + std::to_string(delta),
            [delta] { SendInputs({MouseInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta))}); }};
  }
  TStep MoveFocus() {
    TStressedEditor& editor = AnyEditor();
    return {"focus " + editor.Name, [&editor] {
              ::SetFocus(editor.FocusTarget()->Handle());
              ProcessPendingMessages();
            }};
  }
  // Shift+Insert with the text on the system's clipboard: a paste the native
  // edit made past the editor, which only the system's clipboard feeds,
  // would show.
  TStep PasteThroughTheSystemClipboard() {
    const std::string text = AnyText();
    return {"system clipboard shift+insert '" + text + "'", [text] {
              const TClipboardApi own = ClipboardApi();
              ClipboardApi() = SystemClipboardApi();
              ::Clipboard().SetAsText(text);
              SendInputs({KeyInput(VK_SHIFT, false), KeyInput(VK_INSERT, false), KeyInput(VK_INSERT, true),
                          KeyInput(VK_SHIFT, true)});
              ClipboardApi() = own;
            }};
  }
  TStep UseClipboard() {
    if (Chance(30)) return PasteThroughTheSystemClipboard();
    static const UINT kMessages[] = {WM_PASTE, WM_PASTE, WM_COPY, WM_CUT, WM_CLEAR, WM_UNDO};
    std::optional<std::string> text;
    if (!Chance(20)) text = AnyText();
    const UINT message = kMessages[Pick(std::size(kMessages))];
    return {"clipboard " + std::to_string(message) + " '" + text.value_or("<none>") + "'", [this, text, message] {
              Clipboard.Text = text;
              SendMessageA(GetFocus(), message, 0, 0);
              ProcessPendingMessages();
            }};
  }
  // The user gives up the refused text: selects it all and deletes it.
  TStep ClearRefusedText() {
    return {"the refused text cleared", [] {
              SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
              SendInputs({KeyInput(VK_DELETE, false), KeyInput(VK_DELETE, true)});
            }};
  }
  TStep RandomStep() {
    if (Refusals > AbandonedRefusals) {
      AbandonedRefusals = Refusals;
      return ClearRefusedText();
    }
    const size_t pick = Pick(100);
    if (pick < 30) return TypeCharacter();
    if (pick < 60) return PressKey();
    if (pick < 72) return Click();
    if (pick < 80) return TurnWheel();
    if (pick < 88) return MoveFocus();
    return UseClipboard();
  }
  HWND OpenPopupWindow() const {
    for (const TStressedEditor& editor : Editors)
      if (auto* dropDown = dynamic_cast<TcxCustomDropDownEdit*>(editor.Edit))
        if (dropDown->DroppedDown() && dropDown->PopupWindow()) return dropDown->PopupWindow()->Handle();
    return nullptr;
  }

  // ---- what must hold after every step

  // What is wrong with the text an editor shows; empty while everything holds.
  std::string Violation(TStressedEditor& editor) {
    if (auto* checkBox = dynamic_cast<TcxCustomCheckBox*>(editor.Edit))
      editor.SeenTexts.insert(std::to_string(checkBox->State()));
    if (!editor.TextEdit) return "";
    const std::string text = editor.TextEdit->Text();
    editor.SeenTexts.insert(text);
    if (editor.ShownEdit) editor.SeenTexts.insert(editor.ShownEdit->Text());
    if (auto* checkCombo = dynamic_cast<TcxCustomCheckComboBox*>(editor.Edit)) {
      const std::string checked = CheckedItemsText(*checkCombo);
      return text == checked ? "" : "'" + text + "' shows other items than the checked ones, '" + checked + "'";
    }
    // The list styles hold an item whole, however long, or nothing.
    const TcxEditEditingStyle style = editor.TextEdit->TextProperties().GetEditingStyle();
    const bool list = style == esEditList || style == esFixedList;
    const bool item = IsItem(*editor.TextEdit, text);
    if (list && !item && !text.empty()) return "'" + text + "' is none of its items";
    const int maxLength = editor.TextEdit->TextProperties().MaxLength();
    if (maxLength > 0 && static_cast<int>(text.size()) > maxLength && !(list && item))
      return "'" + text + "' is longer than MaxLength " + std::to_string(maxLength);
    const auto* mask = dynamic_cast<TcxCustomMaskEdit*>(editor.Edit);
    return mask ? ExpressionViolation(*mask, text) : "";
  }
  static std::string ExpressionViolation(const TcxCustomMaskEdit& mask, const std::string& text) {
    const TcxCustomMaskEditProperties& properties = mask.MaskProperties();
    const bool expression = properties.MaskKind() == emkRegExpr || properties.MaskKind() == emkRegExprEx;
    if (!expression || IsViablePrefix(properties.EditMask(), properties.CaseInsensitive(), text)) return "";
    return "'" + text + "' is no beginning of " + properties.EditMask();
  }
  // As the list styles compare: whatever the case.
  static bool IsItem(const TcxCustomTextEdit& edit, const std::string& text) {
    const TcxCustomTextEditLookupData& lookup = edit.LookupData();
    for (int index = 0; index < lookup.GetItemCount(); ++index)
      if (AnsiUpperCase(lookup.GetItem(index)) == AnsiUpperCase(text)) return true;
    return false;
  }
  static std::string CheckedItemsText(const TcxCustomCheckComboBox& combo) {
    const TcxCustomCheckComboBoxProperties& properties = combo.CheckProperties();
    std::string text;
    for (int index = 0; index < properties.Items().Count(); ++index) {
      if (combo.GetItemState(index) != cbsChecked) continue;
      if (!text.empty()) text += properties.Delimiter();
      text += properties.Items().Items(index).DisplayDescription();
    }
    return text.empty() && properties.ShowEmptyText() ? properties.EmptySelectionText() : text;
  }

  // Where a control lies in its parent, as the user sees it.
  struct TPlace {
    TWinControl* Parent;
    TAlign Align;
    RECT Bounds;
    bool Visible;
    bool operator==(const TPlace& other) const {
      return Parent == other.Parent && Align == other.Align && EqualRect(&Bounds, &other.Bounds) &&
             Visible == other.Visible;
    }
  };
  static TPlace PlaceOf(const TControl& control) {
    return {control.Parent(), control.Align(), control.BoundsRect(), control.Visible()};
  }
  static std::string Shown(const TPlace& place) {
    std::ostringstream shown;
    shown << (place.Parent ? place.Parent->Name() : "no parent") << ", align " << static_cast<int>(place.Align) << ", "
          << place.Bounds.left << "," << place.Bounds.top << "-" << place.Bounds.right << "," << place.Bounds.bottom
          << (place.Visible ? ", visible" : ", hidden");
    return shown.str();
  }
  // The popup edit's control is back in its place whenever its popup is
  // neither shown nor about to show.
  std::string PopupControlViolation() const {
    MSG queued;
    const HWND popup = PopupEdit->PopupWindow()->HandleAllocated() ? PopupEdit->PopupWindow()->Handle() : nullptr;
    if (PopupEdit->DroppedDown() ||
        (popup && PeekMessageA(&queued, popup, CM_SHOWPOPUPWINDOW, CM_SHOWPOPUPWINDOW, PM_NOREMOVE)))
      return "";
    const TPlace place = PlaceOf(*PopupControl);
    if (place == PopupControlPlace) return "";
    return "its popup closed, the popup control lies at " + Shown(place) + ", not at " + Shown(PopupControlPlace);
  }
  std::string Failure() {
    if (!Boxes.empty()) return "an exception box: " + Boxes.front();
    for (TStressedEditor& editor : Editors)
      if (std::string violation = Violation(editor); !violation.empty()) return editor.Name + ": " + violation;
    if (std::string violation = PopupControlViolation(); !violation.empty())
      return PopupEdit->Name() + ": " + violation;
    return "";
  }
  // The failing step is the last one shown (the last one begun, as steps
  // run inside a step that opened the popup edit's popup).
  std::string Report(const std::string& failure) const {
    std::ostringstream report;
    report << "seed " << Seed << ", step " << Step - 1 << ": " << failure << "\nthe steps up to it:\n";
    for (const std::string& shown : LastSteps) report << "  " << shown << "\n";
    return report.str();
  }

  void Run(unsigned seed, int count) {
    Random.seed(seed);
    Seed = seed;
    Count = count;
    ::SetFocus(Editors.front().FocusTarget()->Handle());
    const TCrashReport crashReport(*this);
    RunSteps([] { return true; });
  }
  // Runs steps while `goOn` holds, until the last step or the first failure.
  void RunSteps(const std::function<bool()>& goOn) {
    while (Step < Count && !HasFatalFailure() && goOn()) RunStep();
  }
  void RunStep() {
    const TStep step = RandomStep();
    const int index = Step++;
    if (Trace) std::printf("%d %s\n", index, step.Shown.c_str()), std::fflush(stdout);
    LastSteps.push_back(step.Shown);
    if (LastSteps.size() > kShownSteps) LastSteps.pop_front();
    try {
      step.Run();
    } catch (const std::exception& error) {
      FAIL() << Report(std::string("an exception escaped: ") + error.what());
    }
    // A step run inside this one may have failed and told so already.
    if (HasFatalFailure()) return;
    if (const std::string failure = Failure(); !failure.empty()) FAIL() << Report(failure);
  }
  // The steps go on inside the popup's loop; once they end it is closed, so
  // that its loop returns.
  void RunStepsInPopup() {
    RunSteps([this] { return PopupEdit->DroppedDown(); });
    if (PopupEdit->DroppedDown()) PopupEdit->SetDroppedDown(false);
  }

  // A crash ends the program: the report goes out on the way.
  class TCrashReport {
   public:
    explicit TCrashReport(const EditorsStressTest& test) {
      gCrashedTest = &test;
      FPrevious = SetUnhandledExceptionFilter(Report);
    }
    ~TCrashReport() {
      SetUnhandledExceptionFilter(FPrevious);
      gCrashedTest = nullptr;
    }
    TCrashReport(const TCrashReport&) = delete;
    TCrashReport& operator=(const TCrashReport&) = delete;

   private:
    static LONG WINAPI Report(EXCEPTION_POINTERS* pointers) {
      std::ostringstream failure;
      failure << "a crash, code 0x" << std::hex << pointers->ExceptionRecord->ExceptionCode;
      std::fprintf(stderr, "%s", gCrashedTest->Report(failure.str()).c_str());
      std::fflush(stderr);
      return EXCEPTION_EXECUTE_HANDLER;
    }
    static inline const EditorsStressTest* gCrashedTest = nullptr;
    LPTOP_LEVEL_EXCEPTION_FILTER FPrevious;
  };

  TOwned<TForm> Form{new TForm(nullptr)};
  std::vector<TStressedEditor> Editors;
  TcxPopupEdit* PopupEdit = nullptr;
  TControl* PopupControl = nullptr;
  TPlace PopupControlPlace{};
  TUtilWindow StepsInPopup{[this](TMessage& message) {
    if (message.Msg != WM_APP) return false;
    RunStepsInPopup();
    return true;
  }};
  TFakeClipboard Clipboard;
  std::mt19937 Random;
  unsigned Seed = 0;
  int Count = 0;
  // NEPL_STRESS_TRACE=1 prints each step before it runs, for a step that hangs.
  bool Trace = EnvironmentNumber("NEPL_STRESS_TRACE", 0) != 0;
  int Step = 0;
  std::deque<std::string> LastSteps;
  std::vector<std::string> Boxes;
  int Refusals = 0;
  int AbandonedRefusals = 0;
};

TEST_F(EditorsStressTest, RandomInputKeepsEveryEditorWhole) {
  const auto seed = static_cast<unsigned>(EnvironmentNumber("NEPL_STRESS_SEED", kDefaultSeed));
  const auto count = static_cast<int>(EnvironmentNumber("NEPL_STRESS_COUNT", kDefaultCount));
  std::printf("seed %u, %d steps\n", seed, count);
  Run(seed, count);
  std::printf("%d refusals of an incomplete value\n", Refusals);
  // The input reached the editors: in a run of some length each went
  // through texts of its own (a run cut short has told why already).
  constexpr int kStepsToReachAll = 1000;
  if (count < kStepsToReachAll || HasFailure()) return;
  for (const TStressedEditor& editor : Editors)
    EXPECT_GE(editor.SeenTexts.size(), 2u) << editor.Name << " (seed " << seed << ")";
}

}  // namespace
