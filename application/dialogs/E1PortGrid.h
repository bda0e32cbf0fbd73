#pragma once
// The port grids of the bandwidth and loopback dialogs: one row per E1 port,
// whose value cells the operator changes through the grid's popup menu. The
// popup offers the texts of a value column only while a cell of one is
// selected, and its choice fills the selected rows of that column.
#include <string>
#include <vector>

#include "platform/controls/drawn/Grids.h"
#include "platform/controls/core/Menus.h"

// Sixteen port rows below a header row; the port numbers in column 0.
void PrepareE1PortGrid(TStringGrid& grid, const std::vector<std::string>& headers);

// Cells are chosen, never typed: the grid selects ranges and shows the
// focus on them, but edits nothing.
void LetPortGridChooseOnly(TStringGrid& grid);

// Readies the popup for a newly selected cell: in a value column it offers
// `choices`, each running `onChoice`; elsewhere the grid has no popup.
void PreparePortGridPopup(TStringGrid& grid, TPopupMenu& popup, bool valueColumn,
                          const std::vector<std::string>& choices, const TNotifyEvent& onChoice);

// Writes `text` into the left column of the selection, from its top row to its bottom row.
void FillPortGridSelection(TStringGrid& grid, const std::string& text);
