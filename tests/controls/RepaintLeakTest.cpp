// Repaints each kind of control the gallery shows a thousand times and
// counts the GDI objects and device contexts the program holds meanwhile:
// Wine keeps no count of them (GetGuiResources answers 0), the program's
// handle owners do.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/editors/EditorsUnits.h"
#include "controls/editors/base/cxEditControl.h"
#include "controls/foundation/container/cxContainerListBox.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/controls/cxScrollBar.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/graphics/GdiHandles.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

constexpr int kRepaints = 1000;
// The repaints go through the looks below, focused and not, a run of
// repaints in each.
constexpr int kRepaintsPerState = 50;

struct TLook {
  TcxLookAndFeelKind Kind;
  bool NativeStyle;
};
constexpr TLook kLooks[] = {
    {lfFlat, false}, {lfStandard, false}, {lfUltraFlat, false}, {lfOffice11, false}, {lfStandard, true}};
constexpr int kLookCount = static_cast<int>(std::size(kLooks));
constexpr int kStateCount = 2 * kLookCount;

// Counts the paint messages that reach the control's window.
template <class T>
class TPaintCounting : public T {
 public:
  using T::T;
  int Paints = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_PAINT) ++Paints;
    T::WndProc(message);
  }
};

// What a case placed on the form, the control it repaints and the count of its paints.
struct TSubject {
  TWinControl* Placed;
  TWinControl* Control;
  const int* Paints;
};

template <class T>
TSubject Place(T* control, TForm& form, int width, int height) {
  control->SetBounds(10, 10, width, height);
  control->SetParent(&form);
  return {control, control, &control->Paints};
}

TSubject MakeScrollBar(TForm& form) {
  auto* bar = new TPaintCounting<TcxScrollBar>(&form);
  bar->SetKind(sbVertical);
  bar->SetPageSize(10);
  bar->SetPosition(30);
  return Place(bar, form, 17, 150);
}

TSubject MakeContainer(TForm& form) {
  auto* container = new TPaintCounting<TcxContainer>(&form);
  container->GetStyle()->SetShadow(true);
  return Place(container, form, 120, 24);
}

// Both painter-drawn bars show: more items than rows, wider than the box.
TSubject MakeInnerListBox(TForm& form) {
  auto* container = new TcxContainer(&form);
  container->SetBounds(10, 10, 120, 100);
  container->SetParent(&form);
  auto* listBox = new TPaintCounting<TcxCustomInnerListBox>(container, container);
  container->SetInnerControl(listBox);
  for (int index = 0; index < 40; ++index) listBox->Items().Add("item " + std::to_string(index));
  SendMessageA(listBox->Handle(), LB_SETHORIZONTALEXTENT, 400, 0);
  return {container, listBox, &listBox->Paints};
}

TSubject MakeEditor(TForm& form) {
  auto* editor = new TPaintCounting<TcxCustomEdit>(&form);
  editor->AfterConstruction();
  editor->Properties()->Buttons().Add().SetKind(bkDown);
  editor->Properties()->Buttons().Add().SetKind(bkEllipsis);
  return Place(editor, form, 120, 21);
}

class RepaintLeakTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    InitializeUnits(EditorsUnits());
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 240);
    Other = new TEdit(Form.get());
    Other->SetBounds(150, 10, 100, 21);
    Other->SetParent(Form.get());
    Controller = new TcxLookAndFeelController(Form.get());
    Form->Show();
  }
  void TearDown() override { Form.reset(); }

  // The control in one look, focused or not, as a user clicking about a
  // form under another look-and-feel would see it.
  void SetState(TWinControl& control, int state) {
    const TLook& look = kLooks[state % kLookCount];
    Controller->SetKind(look.Kind);
    Controller->SetNativeStyle(look.NativeStyle);
    (state / kLookCount % 2 ? static_cast<TWinControl&>(*Other) : control).SetFocus();
  }
  static void Repaint(TWinControl& control) {
    RedrawWindow(control.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Application().ProcessMessages();
  }

  TOwned<TForm> Form;
  TEdit* Other = nullptr;
  TcxLookAndFeelController* Controller = nullptr;
};

TEST_F(RepaintLeakTest, RepaintingHoldsNoMoreHandlesAfterTheWarmUp) {
  const struct {
    const char* Name;
    std::function<TSubject(TForm&)> Make;
  } cases[] = {
      {"scroll bar", MakeScrollBar},
      {"container", MakeContainer},
      {"inner list box", MakeInnerListBox},
      {"editor", MakeEditor},
  };
  for (const auto& c : cases) {
    const TSubject subject = c.Make(*Form);
    // Caches (brushes, theme data, painter glyphs) fill in every state once.
    for (int state = 0; state < kStateCount; ++state) {
      SetState(*subject.Control, state);
      Repaint(*subject.Control);
    }
    const long before = TGdiHandleCount::Live();
    const int paintsBefore = *subject.Paints;
    for (int round = 0; round < kRepaints; ++round) {
      if (round % kRepaintsPerState == 0) SetState(*subject.Control, round / kRepaintsPerState % kStateCount);
      Repaint(*subject.Control);
    }
    EXPECT_EQ(TGdiHandleCount::Live(), before) << c.Name;
    EXPECT_GE(*subject.Paints - paintsBefore, kRepaints) << c.Name << " was not painted each time";
    subject.Placed->Free();
  }
}

}  // namespace
