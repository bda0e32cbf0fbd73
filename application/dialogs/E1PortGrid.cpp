#include "application/dialogs/E1PortGrid.h"

#include "application/core/AppUtils.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr int kPortColumn = 0;
constexpr int kHeaderRow = 0;

const TGridOptions kChoiceOptions{goFixedVertLine, goFixedHorzLine,     goVertLine,        goHorzLine,
                                  goRangeSelect,   goDrawFocusSelected, goAlwaysShowEditor};

}  // namespace

void PrepareE1PortGrid(TStringGrid& grid, const std::vector<std::string>& headers) {
  grid.SetRowCount(E1PortCount() + 1);
  for (size_t col = 0; col < headers.size(); ++col) grid.SetCells(static_cast<int>(col), kHeaderRow, headers[col]);
  for (int port = 1; port <= E1PortCount(); ++port) grid.SetCells(kPortColumn, port, IntToStr(port));
}

void LetPortGridChooseOnly(TStringGrid& grid) { grid.SetOptions(kChoiceOptions); }

void PreparePortGridPopup(TStringGrid& grid, TPopupMenu& popup, bool valueColumn,
                          const std::vector<std::string>& choices, const TNotifyEvent& onChoice) {
  if (!valueColumn) {
    grid.SetPopupMenu(nullptr);
    return;
  }
  popup.Items().Clear();
  LetPortGridChooseOnly(grid);
  for (const std::string& choice : choices) {
    TMenuItem* item = CreateComponent<TMenuItem>(&popup);
    item->SetCaption(choice);
    item->SetOnClick(onChoice);
    popup.Items().Add(item);
  }
  grid.SetPopupMenu(&popup);
}

void FillPortGridSelection(TStringGrid& grid, const std::string& text) {
  const TGridRect selection = grid.Selection();
  for (int row = selection.Top; row <= selection.Bottom; ++row) grid.SetCells(selection.Left, row, text);
}
