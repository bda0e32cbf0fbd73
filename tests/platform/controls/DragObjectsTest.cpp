// Dragging a control onto another: starting at once or past the threshold,
// the targets asked on the way, the drop, a refusal, Escape, and controls
// that go while a drag is under way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Mouse.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/drawn/Shape.h"

namespace {

using TLog = std::vector<std::string>;

std::string NameOf(TObject* object) {
  auto* component = dynamic_cast<TComponent*>(object);
  return component ? component->Name() : "none";
}

class TRecordingDragObject : public TDragControlObject {
 public:
  TRecordingDragObject(TControl* control, TLog& log) : TDragControlObject(control), FLog(log) {}
  void Finished(TObject* target, int, int, bool accepted) override {
    FLog.push_back("finished " + NameOf(target) + (accepted ? " yes" : " no"));
  }
  TCursor GetDragCursor(bool accepted, int x, int y) override {
    LastCursor = TDragControlObject::GetDragCursor(accepted, x, y);
    return LastCursor;
  }
  TCursor LastCursor = crDefault;

 private:
  TLog& FLog;
};

class TDragSource : public TPanel {
 public:
  TDragSource(TComponent* owner, TLog& log) : TPanel(owner), FLog(log) {
    TControlStyle style = ControlStyle();
    style.Include(csClickEvents);
    SetControlStyle(style);
  }
  TDragObject* GivenObject = nullptr;

 protected:
  void DoStartDrag(TDragObject*& dragObject) override {
    FLog.push_back("start");
    dragObject = GivenObject;
  }
  void DoEndDrag(TObject* target, int, int) override { FLog.push_back("end " + NameOf(target)); }

 private:
  TLog& FLog;
};

const char* StateName(TDragState state) {
  switch (state) {
    case dsDragEnter: return "enter";
    case dsDragLeave: return "leave";
    default: return "move";
  }
}

// What the test does, at a point in the form's client coordinates.
enum TAction { Down, Move, Up, Escape, Cancel };
struct TStep {
  TAction Action;
  POINT At;
};

constexpr RECT kSource{10, 10, 60, 60};
constexpr RECT kPanel{200, 10, 260, 60};
constexpr RECT kShape{100, 100, 150, 150};

class DragObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Form.reset(new TForm(nullptr));
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 400, 200);
    Source = Place(new TDragSource(Form.get(), Log), "source", kSource);
    Panel = Place(new TPanel(Form.get()), "panel", kPanel);
    Shape = Place(new TShape(Form.get()), "shape", kShape);
    for (TControl* target : {static_cast<TControl*>(Panel), static_cast<TControl*>(Shape)}) {
      target->SetOnDragOver([this](TObject* sender, TObject* source, int, int, TDragState state, bool& accept) {
        EXPECT_EQ(source, Source);
        accept = Accepting;
        Log.push_back(NameOf(sender) + " " + StateName(state));
      });
      target->SetOnDragDrop([this](TObject* sender, TObject*, int x, int y) {
        Log.push_back(NameOf(sender) + " drop " + std::to_string(x) + "," + std::to_string(y));
      });
    }
    Form->Show();
  }
  void TearDown() override { Mouse().SetCapture(nullptr); }

  template <class T>
  T* Place(T* control, const std::string& name, RECT bounds) {
    control->SetName(name);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SetParent(Form.get());
    return control;
  }

  void Do(const TStep& step) {
    const POINT local = Source->ScreenToClient(Form->ClientToScreen(step.At));
    const LPARAM at = PointToLParam(local);
    switch (step.Action) {
      case Down: SendMessageA(Source->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at); break;
      case Move: SendMessageA(Source->Handle(), WM_MOUSEMOVE, MK_LBUTTON, at); break;
      case Up: SendMessageA(Source->Handle(), WM_LBUTTONUP, 0, at); break;
      case Escape:
        PostMessageA(Source->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        Application().ProcessMessages();
        break;
      case Cancel: Source->EndDrag(false); break;
    }
  }

  TLog Log;
  TOwned<TForm> Form;
  TDragSource* Source = nullptr;
  TPanel* Panel = nullptr;
  TShape* Shape = nullptr;
  bool Accepting = true;
};

struct TDragCase {
  const char* Name;
  TDragMode Mode;
  bool StartAtOnce;  // BeginDrag(true) when the button goes down
  bool Accepting;
  std::vector<TStep> Steps;
  TLog Expected;
};

TEST_F(DragObjectsTest, ADragAsksTheControlsOnItsWayAndDropsOnOneThatAccepts) {
  const int t = Mouse().DragThreshold();
  const TDragCase cases[] = {
      {"at once, dropped on a panel",
       dmManual,
       true,
       true,
       {{Down, {20, 20}}, {Move, {205, 20}}, {Up, {210, 21}}},
       {"start", "panel enter", "panel move", "panel move", "panel drop 10,11", "end panel", "finished panel yes"}},
      {"past the threshold, dropped on a graphic control",
       dmAutomatic,
       false,
       true,
       {{Down, {20, 20}}, {Move, {20 + t - 1, 20}}, {Move, {20, 20 + t}}, {Move, {110, 120}}, {Up, {110, 120}}},
       {"start", "shape enter", "shape move", "shape move", "shape drop 10,20", "end shape", "finished shape yes"}},
      {"refused",
       dmAutomatic,
       false,
       false,
       {{Down, {20, 20}}, {Move, {205, 20}}, {Up, {205, 20}}},
       {"start", "panel enter", "panel move", "panel move", "panel leave", "end none", "finished none no"}},
      {"moved on to the form and dropped there",
       dmManual,
       true,
       true,
       {{Down, {20, 20}}, {Move, {205, 20}}, {Move, {300, 150}}, {Up, {300, 150}}},
       {"start", "panel enter", "panel move", "panel leave", "end none", "finished none no"}},
      {"escape",
       dmManual,
       true,
       true,
       {{Down, {20, 20}}, {Move, {205, 20}}, {Escape, {}}, {Move, {110, 120}}, {Up, {110, 120}}},
       {"start", "panel enter", "panel move", "panel leave", "end none", "finished none no"}},
      {"ended by the program",
       dmManual,
       true,
       true,
       {{Down, {20, 20}}, {Move, {205, 20}}, {Cancel, {}}},
       {"start", "panel enter", "panel move", "panel leave", "end none", "finished none no"}},
      {"released within the threshold", dmAutomatic, false, true, {{Down, {20, 20}}, {Up, {21, 21}}}, {}},
  };
  for (const TDragCase& c : cases) {
    Log.clear();
    Accepting = c.Accepting;
    TRecordingDragObject object(Source, Log);
    Source->GivenObject = &object;
    Source->SetDragMode(c.Mode);
    Source->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) {
      if (c.StartAtOnce) Source->BeginDrag(true);
    });
    for (const TStep& step : c.Steps) {
      Do(step);
      if (step.Action == Move && DragObject()) {
        EXPECT_EQ(Mouse().Capture(), Source) << c.Name;
        const bool overTarget = object.DragTarget() == Panel || object.DragTarget() == Shape;
        EXPECT_EQ(object.LastCursor, overTarget && c.Accepting ? crDrag : crNoDrop) << c.Name;
      }
    }
    EXPECT_EQ(Log, c.Expected) << c.Name;
    EXPECT_FALSE(Source->Dragging()) << c.Name;
    EXPECT_EQ(DragControl(), nullptr) << c.Name;
    EXPECT_EQ(Mouse().Capture(), nullptr) << c.Name;
    EXPECT_FALSE(Source->ControlState().Contains(csLButtonDown)) << c.Name;
  }
}

TEST_F(DragObjectsTest, APressReleasedBeforeTheThresholdStaysAClick) {
  int clicks = 0;
  Source->SetOnClick([&](TObject*) { ++clicks; });
  Source->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { Source->BeginDrag(false, 5); });
  Do({Down, {20, 20}});
  EXPECT_TRUE(Source->Dragging());
  EXPECT_EQ(DragObject(), nullptr) << "not started before the threshold";
  Do({Move, {24, 16}});
  EXPECT_EQ(DragObject(), nullptr);
  Do({Up, {24, 16}});
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(Source->Dragging());
  EXPECT_TRUE(Log.empty());
}

TEST_F(DragObjectsTest, TheDragMakesAndFreesItsOwnObjectWhenTheSourceGivesNone) {
  Source->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { Source->BeginDrag(true); });
  Do({Down, {20, 20}});
  auto* object = dynamic_cast<TDragControlObject*>(DragObject());
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->Control(), Source);
  Do({Move, {205, 20}});
  EXPECT_EQ(object->DragTarget(), Panel);
  Do({Up, {205, 20}});
  EXPECT_EQ(DragObject(), nullptr);
  EXPECT_EQ(Log.back(), "end panel");
}

TEST_F(DragObjectsTest, AControlThatGoesMidDragIsForgotten) {
  Source->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { Source->BeginDrag(true); });
  Do({Down, {20, 20}});
  Do({Move, {205, 20}});
  Panel->Free();
  Panel = nullptr;
  EXPECT_EQ(DragObject()->DragTarget(), nullptr);
  Log.clear();
  Do({Up, {205, 20}});
  EXPECT_EQ(Log, (TLog{"end none"})) << "no drop on a freed control";

  Do({Down, {20, 20}});
  ASSERT_TRUE(Source->Dragging());
  Source->Free();
  EXPECT_EQ(DragControl(), nullptr);
  EXPECT_EQ(DragObject(), nullptr);
}

TEST(DragImageListTest, HidingNests) {
  TDragImageList images(nullptr);
  images.HideDragImage();
  images.HideDragImage();
  images.ShowDragImage();
  EXPECT_FALSE(images.DragImageVisible());
  images.ShowDragImage();
  EXPECT_TRUE(images.DragImageVisible());
  images.ShowDragImage();
  images.HideDragImage();
  EXPECT_FALSE(images.DragImageVisible()) << "a surplus show is not saved up";
}

}  // namespace
