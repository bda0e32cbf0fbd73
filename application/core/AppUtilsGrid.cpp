// The port-grid routines of AppUtils, apart because they need the grid's window.
#include <iterator>

#include "application/core/AppUtils.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char* const kOpticalPortNames[] = {"OPTA", "OPTB", "OPTC", "OPTD", "OPTE", "OPTF"};
constexpr int kOpticalPortNameCount = static_cast<int>(std::size(kOpticalPortNames));

}  // namespace

void FillPortGrid(TStringGrid& grid, int opticalCount, int ethernetCount, int e1Count, const std::string& header) {
  grid.SetRowCount(opticalCount + ethernetCount + e1Count + 1);
  const TStringList headers = SplitString(header, "@");
  for (int col = 0; col < headers.Count(); ++col) grid.SetCells(col, 0, headers.Strings(col));
  int row = 1;
  for (int port = 0; port < opticalCount; ++port, ++row)
    if (port < kOpticalPortNameCount) grid.SetCells(0, row, kOpticalPortNames[port]);
  for (int port = 1; port <= ethernetCount; ++port, ++row) grid.SetCells(0, row, "ETH-" + IntToStr(port));
  for (int port = 1; port <= e1Count; ++port, ++row) grid.SetCells(0, row, "E1-" + IntToStr(port));
}

void SetRowsByE1Count(TStringGrid& grid, const std::string& deviceType) {
  const size_t star = deviceType.find('*');
  const std::string e1Count = star == std::string::npos ? deviceType : deviceType.substr(star + 1);
  if (e1Count == "8")
    grid.SetRowCount(9);
  else if (e1Count == "4")
    grid.SetRowCount(5);
}
