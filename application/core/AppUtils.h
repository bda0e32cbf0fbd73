#pragma once
// Small stateless routines the communication form and the dialogs share.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

class TStringGrid;

// Splits at every separator, dropping empty fields: "1.3..6" gives 1, 3, 6.
TStringList SplitString(const std::string& text, const std::string& separator);
// The text before / after the first separator; empty when there is none.
std::string TextBefore(const std::string& separator, const std::string& text);
std::string TextAfter(const std::string& separator, const std::string& text);

// Dotted IPv4 text to a 32-bit value with the first field in the lowest octet;
// the value is untouched when the text is not four fields of 0..255.
bool TryStrToIP(const std::string& text, uint32_t& value);
bool IsInteger(const std::string& text);
// Counter octets, the first one least significant.
int64_t BytesToInt64(const std::vector<uint8_t>& octets);

// The bound of every per-E1 loop: the widest device has sixteen E1 ports.
constexpr int E1PortCount() { return 16; }

// Sizes a port grid to a header row and one row per port, heads its columns
// with the "@"-separated header text and labels the ports OPTA.., ETH-1..,
// E1-1.. in that order. (Windows build only.)
void FillPortGrid(TStringGrid& grid, int opticalCount, int ethernetCount, int e1Count, const std::string& header);
// The text after the first "*" of a device type (all of it without one): "8"
// shows 8 E1 rows, "4" shows 4, anything else leaves the grid as it is.
// (Windows build only.)
void SetRowsByE1Count(TStringGrid& grid, const std::string& deviceType);
