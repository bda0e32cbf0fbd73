#pragma once
// TStringGrid: a grid of texts with one fixed (header) row and column that it
// draws itself. Cells are kept by column and row whatever ColCount and
// RowCount are, so texts written beyond the shown counts, or hidden by a
// smaller count, stay and reappear when the counts grow. The current cell
// moves by mouse and keys, asking OnSelectCell first; a range selection
// extends from it. A right click opens the grid's popup menu and leaves the
// selection alone. With goEditing an edit over the current cell writes what
// is typed into Cells as it is typed. Columns and rows that do not fit scroll
// behind the fixed ones, by scroll bar, wheel, or keys that move the current
// cell, which the grid keeps in view.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Sets.h"
#include "platform/controls/core/CustomControl.h"

class TPopupMenu;
class TInplaceEdit;
struct TGridAxis;

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goColSizing,
  goEditing,
  goRowSelect,
  goAlwaysShowEditor
};
using TGridOptions = TSet<TGridOption>;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

// A count the grid cannot have.
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;

class TStringGrid : public TCustomControl {
 public:
  static constexpr int FixedCols = 1;
  static constexpr int FixedRows = 1;

  explicit TStringGrid(TComponent* owner);
  ~TStringGrid() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // At least 1 each; raise EInvalidGridOperation.
  int ColCount() const { return FColCount; }
  void SetColCount(int value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);

  int DefaultColWidth() const { return FDefaultColWidth; }
  // Gives every column that width.
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  // Gives every row that height.
  void SetDefaultRowHeight(int value);
  // Raise EListError "List index out of bounds (i)" outside the counts.
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);
  // Width of column i (height of row i) from item i, as a form file gives them.
  void AssignColWidths(const std::vector<int>& widths);
  void AssignRowHeights(const std::vector<int>& heights);

  // The scroll bars a grid may show; each shows only while something is hidden in its direction.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  // The first column and row shown after the fixed ones.
  int LeftCol() const { return FLeftCol; }
  int TopRow() const { return FTopRow; }

  // Any column and row from 0 up, also beyond the counts; raise EListError for a negative one.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);

  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor value);

  int Col() const { return FCurrent.first; }
  int Row() const { return FCurrent.second; }
  // The cells from the current cell to the anchor of a range, whole rows with goRowSelect.
  TGridRect Selection() const;
  // Current cell at the top-left, anchor at the bottom-right; OnSelectCell is not asked.
  void SetSelection(const TGridRect& value);

  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);

  void SetOnSelectCell(TSelectCellEvent handler) { FOnSelectCell = std::move(handler); }
  void SetOnDrawCell(TDrawCellEvent handler) { FOnDrawCell = std::move(handler); }

  // The client rectangle of a cell; empty for a cell outside the counts or scrolled out of view.
  TRect CellRect(int col, int row) const;
  // The cell under a client point, or false when there is none.
  bool MouseToCell(int x, int y, int& col, int& row) const;

  bool EditorVisible() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DoContextPopup(POINT mousePos, bool& handled) override;

 private:
  friend class TInplaceEdit;
  using TCell = std::pair<int, int>;

  bool CellShown(int col, int row) const;
  TGridAxis ColAxis() const;
  TGridAxis RowAxis() const;
  // SB_HORZ the columns, SB_VERT the rows.
  TGridAxis Axis(int bar) const;

  void DrawCell(int col, int row);
  void DrawCellLines(int col, int row, const TRect& rect);
  TGridDrawState CellState(int col, int row) const;

  // Moves the current cell when OnSelectCell allows it; the anchor follows unless the range extends.
  bool MoveCurrent(int col, int row, bool extend);
  void MoveAnchor(int col, int row);
  bool HasScrollableCells() const;
  TCell ClampCell(TCell cell) const;
  void ClampToCounts();
  bool ExtendsRange(bool shift) const { return shift && FOptions.Contains(goRangeSelect); }

  // Sizes changed: the scroll range and the picture follow.
  void SizesChanged();
  // Shows the first scrollable column and row given, as far as the last ones allow.
  void ScrollTo(int leftCol, int topRow);
  void ScrollInView(int col, int row);
  void UpdateScrollBars();
  void UpdateScrollBar(int bar);
  void ScrollBarMoved(int bar, WORD request);
  void Wheel(int bar, int delta);
  int ClientExtent(int bar) const;

  // The column whose right line lies under a point of the fixed row, or -1.
  int SizingColumnAt(int x, int y) const;

  bool CanEdit() const { return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect); }
  void ShowEditor();
  void HideEditor();
  void EditorTextChanged(const std::string& text);
  void EditorKey(WORD key);

  int FColCount = 5;
  int FRowCount = 5;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  std::map<TCell, std::string> FCells;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TColor FFixedColor = clBtnFace;
  TCell FCurrent{1, 1};
  TCell FAnchor{1, 1};
  TPopupMenu* FPopupMenu = nullptr;
  TSelectCellEvent FOnSelectCell;
  TDrawCellEvent FOnDrawCell;
  TInplaceEdit* FEditor = nullptr;
  std::string FEditorOriginal;
  bool FSelecting = false;
  int FSizingCol = -1;
  TScrollStyle FScrollBars = ssBoth;
  int FLeftCol = FixedCols;
  int FTopRow = FixedRows;
  bool FUpdatingScrollBars = false;
  int FWheelRest = 0;
};
