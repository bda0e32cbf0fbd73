#pragma once
// What the date, time and currency editors build from the regional settings,
// without a window: a date or time picture scanned into items, and from the
// items an edit mask, a regular expression for typing, a display format; the
// smart-date words ("today", "tomorrow+3"...) as an alternative of the
// expressions; the currency display format.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum TcxDateTimeFormatItemKind : uint8_t {
  dtikString = 0,
  dtikYear = 1,
  dtikMonth = 2,
  dtikDay = 3,
  dtikHour = 4,
  dtikMin = 5,
  dtikSec = 6,
  dtikMSec = 7,
  dtikTimeSuffix = 8,
  dtikDateSeparator = 9,
  dtikTimeSeparator = 10
};
constexpr int kDateTimeFormatItemKindCount = 11;

// Data: the literal text; "YY"/"YYYY"; "M" or "D" 1 to 4 times; "12H",
// "24HH"...; "N"/"NN"; "S"/"SS"; "Z" 1 to 3 times; "AM/PM" or "A/P" as
// written, or "AMPM" (the regional designators); empty for the separators.
struct TcxDateTimeFormatItem {
  uint8_t Kind = dtikString;
  std::string Data;

  bool operator==(const TcxDateTimeFormatItem&) const = default;
};

struct TcxDateTimeFormatInfo {
  std::array<bool, kDateTimeFormatItemKindCount> DefinedItems{};
  std::vector<TcxDateTimeFormatItem> Items;

  // A literal joins a literal before it; the separators may repeat; any
  // other kind met a second time is dropped.
  void AddItem(uint8_t kind, const std::string& data);
  void Clear() { *this = TcxDateTimeFormatInfo{}; }
};

// An empty picture scans as "C" (short date and long time). False, with the
// info empty, for a picture the editors cannot type (an era).
bool ScanDateTimeFormat(const std::string& format, TcxDateTimeFormatInfo& info);

enum TcxDateTimeEditMaskMode { dtemmDate = 0, dtemmTime = 1, dtemmDateTime = 2 };
std::string BuildDateTimeEditMask(const TcxDateTimeFormatInfo& info, TcxDateTimeEditMaskMode mode);
std::string BuildDateRegExpr(const TcxDateTimeFormatInfo& info);
std::string BuildTimeRegExpr(const TcxDateTimeFormatInfo& info);
std::string BuildDisplayFormat(const TcxDateTimeFormatInfo& info);
// Lets the expression also take a smart-date word with an optional day offset
// ("+" or "-" and 1 to 4 digits); "now" only when asked for. An empty
// expression takes the words alone.
void BuildSmartDateRegExpr(std::string& expression, bool includeNow);
// What a date editor takes: the date, or a smart-date word without "now".
std::string BuildDateEditRegExpr(const TcxDateTimeFormatInfo& date);
// What a date-time editor takes: the date, a blank and an optional time, or a
// smart-date word. Without a date to type the smart words are all there is.
std::string BuildDateTimeEditRegExpr(const TcxDateTimeFormatInfo& date, const TcxDateTimeFormatInfo& time);

// Text that the expression engine takes literally: the runs without
// apostrophes in apostrophes, each apostrophe escaped.
std::string cxRegExprQuotedWord(const std::string& text);

// The display format of an amount of money by the regional currency settings.
std::string BuildCurrencyFormat();
// The short date picture with each single "d" and "M" doubled.
std::string BuildDateEditFormat(const std::string& shortDateFormat);
// The editors' first day of the week (0 Sunday .. 6 Saturday) from the
// regional one (0 Monday .. 6 Sunday).
int StartOfWeekOf(int firstDayOfWeek);
