#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"
#include "tests/platform/controls/Capture.h"
#include "tests/platform/controls/GridTestForm.h"

namespace {

using TCellList = std::vector<std::pair<int, int>>;

struct TPopupCall {
  TPopupMenu* Menu;
  POINT Point;
};

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    RegisterClasses({TGridTestForm::StaticClass()});
    TPopupMenu::SetPopupHandler([this](TPopupMenu& menu, int x, int y) { Popups.push_back({&menu, {x, y}}); });
    Form = CreateUnowned<TGridTestForm>();
    Form->Show();
    Grid = Form->Grid;
  }
  void TearDown() override { TPopupMenu::SetPopupHandler(nullptr); }

  LPARAM CellPoint(int col, int row) const {
    const TRect rect = Grid->CellRect(col, row);
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) const { SendMessageA(Grid->Handle(), message, wParam, lParam); }
  void Click(int col, int row) const {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(col, row));
    Send(WM_LBUTTONUP, 0, CellPoint(col, row));
  }
  void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 0); }
  void RightClick(int col, int row) const {
    Send(WM_RBUTTONDOWN, MK_RBUTTON, CellPoint(col, row));
    Send(WM_RBUTTONUP, 0, CellPoint(col, row));
  }
  // An item that writes its caption into the left column of every selected row, as the port dialogs' items do.
  TMenuItem* AddFillItem(const std::string& caption) {
    TMenuItem* item = CreateComponent<TMenuItem>(Form.get());
    item->SetCaption(caption);
    item->SetOnClick([this](TObject* sender) {
      const TGridRect selection = Grid->Selection();
      for (int row = selection.Top; row <= selection.Bottom; ++row)
        Grid->SetCells(selection.Left, row, static_cast<TMenuItem*>(sender)->Caption());
    });
    Form->PopupMenu1->Items().Add(item);
    return item;
  }
  void AddOption(TGridOption option) const {
    TGridOptions options = Grid->Options();
    options.Include(option);
    Grid->SetOptions(options);
  }
  HWND Editor() const { return FindWindowExA(Grid->Handle(), nullptr, "TInplaceEdit", nullptr); }
  // How many pixels of a cell, lines excluded, have that colour.
  static int CountInCell(const TBitmap& bitmap, const TRect& rect, COLORREF color) {
    int count = 0;
    for (int x = rect.left; x < rect.right; ++x)
      for (int y = rect.top; y < rect.bottom; ++y) count += PixelAt(bitmap, x, y) == color;
    return count;
  }

  TOwned<TGridTestForm> Form;
  TStringGrid* Grid = nullptr;
  std::vector<TPopupCall> Popups;
};

TEST_F(GridTest, IsReadFromTheForm) {
  EXPECT_EQ(Grid->ColCount(), 14);
  EXPECT_EQ(Grid->RowCount(), 17);
  EXPECT_EQ(Grid->RowHeights(16), 24);
  EXPECT_EQ(Grid->ColWidths(13), 64);
  EXPECT_EQ(Grid->Color(), clWhite);
  EXPECT_EQ(Grid->Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
  EXPECT_EQ(Grid->PopupMenu(), Form->PopupMenu1);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(GridTest, FixedCellsAreDrawnByTheGridWithTheirLines) {
  Grid->SetCells(2, 0, "LOOP");
  Grid->SetCells(3, 5, "x");
  TBitmap captured;
  CaptureClient(Grid->Handle(), captured);
  const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
  const TRect corner = Grid->CellRect(0, 0);
  EXPECT_EQ(PixelAt(captured, corner.left + 1, corner.bottom - 2), buttonFace);
  EXPECT_EQ(PixelAt(captured, corner.right, corner.top + 5), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(captured, corner.left + 5, corner.bottom), RGB(0, 0, 0));
  const TRect header = Grid->CellRect(2, 0);
  EXPECT_GT(CountInCell(captured, header, RGB(0, 0, 0)), 0);
  EXPECT_EQ(CountInCell(captured, Grid->CellRect(4, 0), RGB(0, 0, 0)), 0);

  const TRect plain = Grid->CellRect(3, 5);
  EXPECT_EQ(PixelAt(captured, plain.right - 2, plain.bottom - 2), RGB(255, 255, 255));
  EXPECT_GT(CountInCell(captured, plain, RGB(0, 0, 0)), 0);
  EXPECT_EQ(PixelAt(captured, plain.right, plain.top + 5), RGB(192, 192, 192));
  EXPECT_EQ(PixelAt(captured, plain.left + 5, plain.bottom), RGB(192, 192, 192));

  Grid->SetOptions({goFixedVertLine, goFixedHorzLine});
  CaptureClient(Grid->Handle(), captured);
  EXPECT_EQ(PixelAt(captured, plain.right, plain.top + 5), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(captured, corner.right, corner.top + 5), RGB(0, 0, 0));
}

TEST_F(GridTest, OnDrawCellDrawsOnTheGridCanvasInsideTheCell) {
  const TBitmap& picture = Form->Template->Picture().Bitmap();
  Grid->SetOnDrawCell([&](TObject*, int col, int row, TRect rect, TGridDrawState) {
    if (col < 1 || row < 1) return;
    TCanvas& canvas = Grid->Canvas();
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(rect);
    canvas.Draw(rect.left + (rect.right - rect.left) / 2 - picture.Width() / 2,
                rect.top + (rect.bottom - rect.top) / 2 - picture.Height() / 2, picture);
  });
  TBitmap captured;
  CaptureClient(Grid->Handle(), captured);
  const TRect cell = Grid->CellRect(5, 2);
  const int left = cell.left + 64 / 2 - 5;
  const int top = cell.top + 24 / 2 - 5;
  EXPECT_EQ(PixelAt(captured, left, top), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, left + 9, top + 9), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(captured, left - 1, top), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(PixelAt(captured, left + 10, top + 9), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(PixelAt(captured, cell.left + 1, cell.top + 1), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(CountInCell(captured, cell, RGB(255, 0, 0)), 100);
  const TRect header = Grid->CellRect(5, 0);
  EXPECT_EQ(PixelAt(captured, header.left + 1, header.top + 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(GridTest, ASelectedRangeIsHighlightedAroundTheCurrentCell) {
  Grid->SetSelection({2, 3, 4, 6});
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 4, 6}));
  TBitmap captured;
  CaptureClient(Grid->Handle(), captured);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const TRect inside = Grid->CellRect(3, 4);
  const TRect current = Grid->CellRect(2, 3);
  const TRect outside = Grid->CellRect(5, 4);
  EXPECT_EQ(PixelAt(captured, inside.left + 1, inside.top + 1), highlight);
  EXPECT_NE(PixelAt(captured, current.left + 3, current.top + 3), highlight);
  EXPECT_EQ(PixelAt(captured, outside.left + 1, outside.top + 1), RGB(255, 255, 255));

  Grid->SetOptions({goRangeSelect, goDrawFocusSelected});
  CaptureClient(Grid->Handle(), captured);
  EXPECT_EQ(PixelAt(captured, current.left + 3, current.top + 3), highlight);
}

TEST_F(GridTest, APopupItemFillsTheSelectedRowsOfTheLeftColumnAfterARightClick) {
  TMenuItem* active = AddFillItem("Active");
  AddFillItem("Inactive");
  Send(WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(1, 3));
  Send(WM_MOUSEMOVE, MK_LBUTTON, CellPoint(1, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, CellPoint(1, 6));
  Send(WM_LBUTTONUP, 0, CellPoint(1, 6));
  ASSERT_EQ(Grid->Selection(), (TGridRect{1, 3, 1, 6}));
  EXPECT_EQ(Form->Selected, (TCellList{{1, 3}}));

  RightClick(2, 10);
  ASSERT_EQ(Popups.size(), 1u);
  EXPECT_EQ(Popups[0].Menu, Form->PopupMenu1);
  POINT expected{GET_X_LPARAM(CellPoint(2, 10)), GET_Y_LPARAM(CellPoint(2, 10))};
  ClientToScreen(Grid->Handle(), &expected);
  EXPECT_EQ(Popups[0].Point.x, expected.x);
  EXPECT_EQ(Popups[0].Point.y, expected.y);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 1, 6}));
  EXPECT_EQ(Form->Selected.size(), 1u);

  SendMessageA(Form->PopupMenu1->WindowHandle(), WM_COMMAND, active->Command(), 0);
  for (int row = 3; row <= 6; ++row) EXPECT_EQ(Grid->Cells(1, row), "Active") << row;
  EXPECT_EQ(Grid->Cells(1, 2), "");
  EXPECT_EQ(Grid->Cells(1, 7), "");
  for (int row = 3; row <= 6; ++row) EXPECT_EQ(Grid->Cells(2, row), "") << row;
}

TEST_F(GridTest, APopupMenuDetachedOrFreedIsNotOpened) {
  Grid->SetPopupMenu(nullptr);
  RightClick(1, 1);
  EXPECT_TRUE(Popups.empty());
  Grid->SetPopupMenu(Form->PopupMenu1);
  RightClick(1, 1);
  EXPECT_EQ(Popups.size(), 1u);
  Form->PopupMenu1->Free();
  EXPECT_EQ(Grid->PopupMenu(), nullptr);
  RightClick(1, 1);
  EXPECT_EQ(Popups.size(), 1u);
}

TEST_F(GridTest, OnSelectCellDecidesWhetherTheCurrentCellMoves) {
  Click(3, 4);
  EXPECT_EQ(Form->Selected, (TCellList{{3, 4}}));
  EXPECT_EQ(Grid->Selection(), (TGridRect{3, 4, 3, 4}));

  Form->RefusedRow = 5;
  Key(VK_DOWN);
  EXPECT_EQ(Form->Selected.back(), std::make_pair(3, 5));
  EXPECT_EQ(Grid->Row(), 4);
  Click(6, 5);
  EXPECT_EQ(Form->Selected.back(), std::make_pair(6, 5));
  EXPECT_EQ(Grid->Selection(), (TGridRect{3, 4, 3, 4}));

  Form->RefusedRow = -1;
  Key(VK_DOWN);
  Key(VK_RIGHT);
  EXPECT_EQ(Form->Selected, (TCellList{{3, 4}, {3, 5}, {6, 5}, {3, 5}, {4, 5}}));
  EXPECT_EQ(Grid->Selection(), (TGridRect{4, 5, 4, 5}));

  // Fixed cells and the edges do not move it, and ask nothing.
  Click(0, 2);
  Click(2, 0);
  Key(VK_HOME);
  Key(VK_LEFT);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Form->Selected.size(), 6u);
}

TEST_F(GridTest, RowSelectionCoversEveryColumnButTheFixedOne) {
  Grid->SetOptions({goRowSelect, goRangeSelect});
  Send(WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(5, 2));
  Send(WM_MOUSEMOVE, MK_LBUTTON, CellPoint(3, 3));
  Send(WM_LBUTTONUP, 0, CellPoint(3, 3));
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 13, 3}));
}

TEST_F(GridTest, CellsOutliveTheCounts) {
  Grid->SetCells(20, 3, "slot");
  EXPECT_EQ(Grid->Cells(20, 3), "slot");
  Grid->SetCells(1, 16, "WWW");
  Grid->SetColCount(3);
  Grid->SetRowCount(5);
  EXPECT_EQ(Grid->Cells(1, 16), "WWW");
  EXPECT_EQ(Grid->Cells(20, 3), "slot");
  EXPECT_THROW(Grid->ColWidths(3), EListError);
  EXPECT_THROW(Grid->Cells(-1, 0), EListError);

  TBitmap captured;
  const TRect lastRow = Rect(0, 16 * 25, 200, 16 * 25 + 24);
  CaptureClient(Grid->Handle(), captured);
  EXPECT_EQ(CountInCell(captured, lastRow, RGB(0, 0, 0)), 0);
  Grid->SetRowCount(17);
  Grid->SetColCount(14);
  EXPECT_EQ(Grid->RowHeights(16), 24);
  CaptureClient(Grid->Handle(), captured);
  EXPECT_GT(CountInCell(captured, Grid->CellRect(1, 16), RGB(0, 0, 0)), 0);
}

TEST_F(GridTest, ShrinkingTheCountsKeepsTheCurrentCellInside) {
  Click(10, 12);
  Grid->SetRowCount(9);
  Grid->SetColCount(5);
  EXPECT_EQ(Grid->Selection(), (TGridRect{4, 8, 4, 8}));
  EXPECT_THROW(Grid->SetRowCount(0), EInvalidGridOperation);

  // Only the header row is left: nothing can be selected, and nothing breaks.
  Grid->SetRowCount(1);
  Form->Selected.clear();
  Key(VK_DOWN);
  Click(2, 0);
  EXPECT_TRUE(Form->Selected.empty());
  TBitmap captured;
  CaptureClient(Grid->Handle(), captured);
}

TEST_F(GridTest, TheInPlaceEditorWritesIntoCellsWhenEditingIsAllowed) {
  Grid->SetCells(2, 2, "old");
  Click(2, 2);
  Click(2, 2);
  Send(WM_CHAR, 'x', 0);
  Key(VK_F2);
  EXPECT_FALSE(Grid->EditorVisible());
  EXPECT_EQ(Grid->Cells(2, 2), "old");

  AddOption(goEditing);
  Click(2, 2);
  ASSERT_TRUE(Grid->EditorVisible());
  const HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  char text[32] = {};
  GetWindowTextA(editor, text, sizeof text);
  EXPECT_STREQ(text, "old");
  SetWindowTextA(editor, "new");
  EXPECT_EQ(Grid->Cells(2, 2), "new");
  SendMessageA(editor, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(Grid->EditorVisible());
  EXPECT_EQ(Grid->Cells(2, 2), "old");

  // Typing on the grid starts the editor with what is typed.
  Send(WM_CHAR, 'x', 0);
  EXPECT_TRUE(Grid->EditorVisible());
  EXPECT_EQ(Grid->Cells(2, 2), "x");
  SendMessageA(editor, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_FALSE(Grid->EditorVisible());
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(Grid->Cells(2, 2), "x");

  Key(VK_F2);
  EXPECT_TRUE(Grid->EditorVisible());
  Grid->SetOptions({goRangeSelect});
  EXPECT_FALSE(Grid->EditorVisible());
}

TEST_F(GridTest, WithTheEditorAlwaysShownItFollowsTheCurrentCell) {
  Grid->SetCells(3, 4, "ten");
  Grid->SetOptions({goEditing, goAlwaysShowEditor});
  Click(3, 3);
  EXPECT_TRUE(Grid->EditorVisible());
  Key(VK_DOWN);
  ASSERT_TRUE(Grid->EditorVisible());
  char text[32] = {};
  GetWindowTextA(Editor(), text, sizeof text);
  EXPECT_STREQ(text, "ten");
  RECT bounds;
  GetWindowRect(Editor(), &bounds);
  MapWindowPoints(nullptr, Grid->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, Grid->CellRect(3, 4).left);
  EXPECT_EQ(bounds.top, Grid->CellRect(3, 4).top);
}

TEST_F(GridTest, ColumnsAreSizedByDraggingTheirHeaderLineOnlyWhenAllowed) {
  const int line = Grid->CellRect(1, 0).right;
  const auto drag = [&] {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(line, 5));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(line + 20, 5));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(line + 20, 5));
  };
  drag();
  EXPECT_EQ(Grid->ColWidths(1), 64);
  AddOption(goColSizing);
  drag();
  EXPECT_EQ(Grid->ColWidths(1), 84);
  EXPECT_EQ(Grid->CellRect(2, 0).left, 64 + 1 + 84 + 1);
  EXPECT_TRUE(Form->Selected.empty());
}

bool HasStyle(const TStringGrid& grid, LONG_PTR style) {
  return (GetWindowLongPtrA(const_cast<TStringGrid&>(grid).Handle(), GWL_STYLE) & style) != 0;
}

// Whether a cell is shown whole inside the grid's client area.
bool ShownWhole(TStringGrid& grid, int col, int row) {
  const TRect cell = grid.CellRect(col, row);
  RECT client;
  GetClientRect(grid.Handle(), &client);
  return cell.right > cell.left && cell.right <= client.right && cell.bottom <= client.bottom;
}

TEST_F(GridTest, ColumnWidthsRowHeightsAndScrollBarsComeFromTheForm) {
  TStringGrid& grid = *Form->SizedGrid;
  EXPECT_EQ(grid.ColWidths(0), 64);
  EXPECT_EQ(grid.ColWidths(1), 95);
  EXPECT_EQ(grid.ColWidths(2), 93);
  EXPECT_EQ(grid.RowHeights(1), 30);
  EXPECT_EQ(grid.RowHeights(2), 24);
  EXPECT_EQ(grid.ScrollBars(), ssNone);
  const TRect cell = grid.CellRect(2, 1);
  EXPECT_EQ(cell.left, 64 + 1 + 95 + 1);
  EXPECT_EQ(cell.bottom, 24 + 1 + 30);
  // Its rows do not fit, but it was told to show no bars.
  EXPECT_FALSE(HasStyle(grid, WS_VSCROLL));
}

TEST_F(GridTest, ColumnsThatDoNotFitScrollBehindTheFixedOne) {
  ASSERT_TRUE(HasStyle(*Grid, WS_HSCROLL));
  EXPECT_FALSE(HasStyle(*Grid, WS_VSCROLL));
  EXPECT_FALSE(ShownWhole(*Grid, 13, 1));

  Send(WM_HSCROLL, SB_BOTTOM, 0);
  const int leftCol = Grid->LeftCol();
  EXPECT_TRUE(ShownWhole(*Grid, 13, 1));
  EXPECT_FALSE(ShownWhole(*Grid, 12 - (13 - leftCol), 1)) << "scrolled further than needed";
  EXPECT_EQ(Grid->CellRect(leftCol, 1).left, 64 + 1);
  EXPECT_EQ(Grid->CellRect(leftCol - 1, 1).right, 0);
  Click(leftCol, 2);
  EXPECT_EQ(Grid->Col(), leftCol);

  const struct {
    UINT Message;
    int Request;
    int LeftCol;
  } steps[] = {
      {WM_HSCROLL, SB_TOP, 1},
      {WM_HSCROLL, SB_LINERIGHT, 2},
      {WM_HSCROLL, SB_LINELEFT, 1},
      {WM_HSCROLL, SB_LINELEFT, 1},
      // A page is more than the columns left to scroll.
      {WM_HSCROLL, SB_PAGERIGHT, leftCol},
      {WM_HSCROLL, SB_PAGELEFT, 1},
      {WM_HSCROLL, SB_PAGERIGHT, leftCol},
      // Every row shows, so the wheel scrolls columns; turned towards the operator, forward.
      {WM_MOUSEWHEEL, -WHEEL_DELTA, leftCol},
      {WM_MOUSEWHEEL, WHEEL_DELTA, leftCol - 1},
      {WM_MOUSEHWHEEL, -WHEEL_DELTA, leftCol - 2},
  };
  for (const auto& step : steps) {
    const WPARAM wParam = step.Message == WM_HSCROLL ? step.Request : MAKEWPARAM(0, step.Request);
    Send(step.Message, wParam, 0);
    EXPECT_EQ(Grid->LeftCol(), step.LeftCol) << step.Message << " " << step.Request;
  }
}

TEST_F(GridTest, TheCurrentCellIsKeptInView) {
  Key(VK_END);
  EXPECT_EQ(Grid->Col(), 13);
  EXPECT_TRUE(ShownWhole(*Grid, 13, 1));
  Key(VK_HOME);
  EXPECT_EQ(Grid->LeftCol(), 1);
  Grid->SetSelection({12, 2, 12, 2});
  EXPECT_TRUE(ShownWhole(*Grid, 12, 2));

  // Rows that do not fit scroll as well, by keys and by the wheel.
  Grid->SetHeight(200);
  ASSERT_TRUE(HasStyle(*Grid, WS_VSCROLL));
  for (int row = 2; row < 16; ++row) Key(VK_DOWN);
  EXPECT_EQ(Grid->Row(), 16);
  EXPECT_TRUE(ShownWhole(*Grid, 12, 16));
  const int topRow = Grid->TopRow();
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Grid->TopRow(), topRow - 1);

  // Once everything fits again, nothing stays scrolled and the bars go.
  Grid->SetBounds(0, 0, 1000, 500);
  EXPECT_EQ(Grid->LeftCol(), 1);
  EXPECT_EQ(Grid->TopRow(), 1);
  EXPECT_FALSE(HasStyle(*Grid, WS_HSCROLL));
  EXPECT_FALSE(HasStyle(*Grid, WS_VSCROLL));
}

}  // namespace
