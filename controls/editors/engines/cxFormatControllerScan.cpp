#include "controls/editors/engines/cxFormatControllerScan.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "controls/editors/engines/cxDateUtils.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/SysUtils.h"

void TcxDateTimeFormatInfo::AddItem(uint8_t kind, const std::string& data) {
  if (kind == dtikString && !Items.empty() && Items.back().Kind == dtikString) {
    Items.back().Data += data;
    return;
  }
  const bool mayRepeat = kind == dtikString || kind == dtikDateSeparator || kind == dtikTimeSeparator;
  if (DefinedItems[kind] && !mayRepeat) return;
  DefinedItems[kind] = true;
  Items.push_back({kind, data});
}

namespace {

// A picture expands "C", "ddddd", "dddddd" and "t" into another picture once;
// a picture met at this depth adds nothing.
constexpr int kMaxScanDepth = 2;

char Upper(char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); }

bool StartsWithNoCase(const std::string& text, size_t position, const std::string& prefix) {
  if (text.size() - position < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Upper(text[position + i]) != prefix[i]) return false;
  return true;
}

// The item of a run of one letter that stands for itself (a run of "yyyy",
// "hh", "mm"...); any other character is literal text, one at a time. "m"
// right after an hour counts minutes.
TcxDateTimeFormatItem RunItem(char ch, char letter, char lastLetter, size_t run) {
  const auto capped = [run](char written, size_t cap) { return std::string(std::min(run, cap), written); };
  switch (letter) {
    case 'E':
    case 'Y': return {dtikYear, run > 2 ? "YYYY" : "YY"};
    case 'H': return {dtikHour, capped('H', 2)};
    case 'M':
      return lastLetter == 'H' ? TcxDateTimeFormatItem{dtikMin, capped('N', 2)}
                               : TcxDateTimeFormatItem{dtikMonth, capped('M', 4)};
    case 'N': return {dtikMin, capped('N', 2)};
    case 'S': return {dtikSec, capped('S', 2)};
    case 'Z': return {dtikMSec, capped('Z', 3)};
    default: return {dtikString, std::string(1, ch)};
  }
}

class TDateTimeFormatScanner {
 public:
  explicit TDateTimeFormatScanner(TcxDateTimeFormatInfo& info) : FInfo(info) {}

  // False when the picture holds an era.
  bool Scan(const std::string& format, int depth);
  // The hour item, told whether it counts 12 or 24 hours; the designator
  // goes when there is no hour.
  void Finish();

 private:
  // One picture of the scan: the given one or one that a letter expanded.
  struct TPart {
    int Id;
  };

  bool ScanChar(const std::string& format, size_t& position, TPart& part, int depth);
  void ScanTimeSuffixOrDay(const std::string& format, size_t& position, TPart& part);
  void Add(uint8_t kind, const std::string& data, const TPart& part);
  static size_t RunLength(const std::string& format, size_t position);

  TcxDateTimeFormatInfo& FInfo;
  char FLastLetter = '\0';
  int FPartCount = 0;
  int FHourPart = -1;
  std::set<int> FTimeSuffixParts;
};

size_t TDateTimeFormatScanner::RunLength(const std::string& format, size_t position) {
  size_t end = position + 1;
  while (end < format.size() && format[end] == format[position]) ++end;
  return end - position;
}

void TDateTimeFormatScanner::Add(uint8_t kind, const std::string& data, const TPart& part) {
  if (kind == dtikHour && !FInfo.DefinedItems[dtikHour]) FHourPart = part.Id;
  if (kind == dtikTimeSuffix) FTimeSuffixParts.insert(part.Id);
  FInfo.AddItem(kind, data);
}

bool TDateTimeFormatScanner::Scan(const std::string& format, int depth) {
  if (depth >= kMaxScanDepth) return true;
  TPart part{FPartCount++};
  for (size_t position = 0; position < format.size();)
    if (!ScanChar(format, position, part, depth)) return false;
  return true;
}

void TDateTimeFormatScanner::ScanTimeSuffixOrDay(const std::string& format, size_t& position, TPart& part) {
  for (const char* suffix : {"AM/PM", "A/P"}) {
    const std::string written(suffix);
    if (StartsWithNoCase(format, position, written)) {
      Add(dtikTimeSuffix, format.substr(position, written.size()), part);
      position += written.size();
      return;
    }
  }
  if (StartsWithNoCase(format, position, "AMPM")) {
    Add(dtikTimeSuffix, "AMPM", part);
    position += 4;
  } else if (StartsWithNoCase(format, position, "AAAA")) {
    Add(dtikDay, "DDDD", part);
    position += 4;
  } else if (StartsWithNoCase(format, position, "AAA")) {
    Add(dtikDay, "DDD", part);
    position += 3;
  } else {
    Add(dtikString, format.substr(position++, 1), part);
  }
}

bool TDateTimeFormatScanner::ScanChar(const std::string& format, size_t& position, TPart& part, int depth) {
  const char ch = format[position];
  const TLocale& locale = CurrentLocale();
  if (locale.IsLeadByte(ch) && position + 1 < format.size()) {
    Add(dtikString, format.substr(position, 2), part);
    position += 2;
    FLastLetter = '\0';
    return true;
  }
  const char letter = Upper(ch);
  const size_t run = RunLength(format, position);
  const char lastLetter = FLastLetter;
  if (std::isalpha(static_cast<unsigned char>(ch))) FLastLetter = letter;
  switch (letter) {
    case '"':
    case '\'': {
      const size_t close = format.find(ch, position + 1);
      const size_t end = close == std::string::npos ? format.size() : close;
      if (end > position + 1) Add(dtikString, format.substr(position + 1, end - position - 1), part);
      position = std::min(end + 1, format.size());
      return true;
    }
    case '/':
    case ':':
      Add(letter == '/' ? dtikDateSeparator : dtikTimeSeparator, "", part);
      ++position;
      return true;
    case 'A': ScanTimeSuffixOrDay(format, position, part); return true;
    case 'C':
      ++position;
      if (!Scan(locale.ShortDateFormat(), depth + 1)) return false;
      Add(dtikString, " ", part);
      return Scan(locale.LongTimeFormat(), depth + 1);
    case 'G': return false;
    case 'T': position += run; return Scan(run == 1 ? locale.ShortTimeFormat() : locale.LongTimeFormat(), depth + 1);
    case 'D':
      position += run;
      if (run == 5) return Scan(locale.ShortDateFormat(), depth + 1);
      if (run >= 6) return Scan(locale.LongDateFormat(), depth + 1);
      Add(dtikDay, std::string(run, 'D'), part);
      return true;
    default: break;
  }
  const TcxDateTimeFormatItem item = RunItem(ch, letter, lastLetter, run);
  Add(item.Kind, item.Data, part);
  position += item.Kind == dtikString ? 1 : run;
  return true;
}

void TDateTimeFormatScanner::Finish() {
  auto& items = FInfo.Items;
  const auto hour = std::find_if(items.begin(), items.end(), [](const auto& item) { return item.Kind == dtikHour; });
  if (hour == items.end()) {
    std::erase_if(items, [](const auto& item) { return item.Kind == dtikTimeSuffix; });
    FInfo.DefinedItems[dtikTimeSuffix] = false;
    return;
  }
  hour->Data = (FTimeSuffixParts.contains(FHourPart) ? "12" : "24") + hour->Data;
}

}  // namespace

bool ScanDateTimeFormat(const std::string& format, TcxDateTimeFormatInfo& info) {
  info.Clear();
  TDateTimeFormatScanner scanner(info);
  if (!scanner.Scan(format.empty() ? "C" : format, 0)) {
    info.Clear();
    return false;
  }
  scanner.Finish();
  return true;
}

namespace {

bool HasLetters(const TcxDateTimeFormatItem& item, size_t count) { return item.Data.size() >= count; }

std::string UpperText(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Upper);
  return text;
}

std::string LowerText(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); });
  return text;
}

// A separator in an expression, taken literally. Only punctuation goes
// after "\": there a letter or digit would mean a class, a hex code or a
// back-reference, and a blank or line break is refused, so anything else is
// quoted. A separator of 0 is no separator.
std::string SeparatorRegExpr(char separator) {
  if (separator == '\0') return "";
  if (std::ispunct(static_cast<unsigned char>(separator))) return std::string("\\") + separator;
  return cxRegExprQuotedWord(std::string(1, separator));
}

// A month without a name (a region's settings that could not be read) is
// typed by its number only: an empty alternative would make the engine
// refuse the whole expression.
std::string MonthNamesRegExpr(bool longNames) {
  const TLocale& locale = CurrentLocale();
  std::string names;
  for (int month = 1; month <= 12; ++month) {
    const std::string name = longNames ? locale.LongMonthName(month) : locale.ShortMonthName(month);
    if (name.empty()) continue;
    if (!names.empty()) names += '|';
    names += cxRegExprQuotedWord(name);
  }
  return "((0?[1-9]|1[012])" + (names.empty() ? "" : "|(" + names + ")") + ")";
}

std::string TimeSuffixRegExpr(const std::string& data) {
  const std::string suffix = UpperText(data);
  if (suffix == "A/P") return "(A|P)?";
  if (suffix == "AM/PM") return "(AM|PM)?";
  const TLocale& locale = CurrentLocale();
  std::string designators;
  for (const std::string& designator : {locale.TimeAMString(), locale.TimePMString()}) {
    if (designator.empty()) continue;
    if (!designators.empty()) designators += '|';
    designators += cxRegExprQuotedWord(designator);
  }
  return designators.empty() ? "" : "(" + designators + ")?";
}

std::string TimeSuffixEditMask(const std::string& data) {
  const std::string suffix = UpperText(data);
  if (suffix == "A/P") return "c";
  if (suffix == "AM/PM") return "cc";
  const TLocale& locale = CurrentLocale();
  return std::string(std::max(locale.TimeAMString().size(), locale.TimePMString().size()), 'c');
}

std::string EditMaskItem(const TcxDateTimeFormatItem& item, TcxDateTimeEditMaskMode mode) {
  const std::string digitPair = mode == dtemmTime ? "00" : "99";
  switch (item.Kind) {
    case dtikString: {
      std::string literal;
      for (const char ch : item.Data) literal += std::string("\\") + ch;
      return literal;
    }
    case dtikYear: return item.Data == "YY" ? "99" : "9999";
    case dtikMonth:
    case dtikDay: return HasLetters(item, 3) ? "lll" : "99";
    case dtikHour:
    case dtikMin:
    case dtikSec: return digitPair;
    case dtikTimeSuffix: return TimeSuffixEditMask(item.Data);
    case dtikDateSeparator: return "/";
    case dtikTimeSeparator: return ":";
    default: return "";
  }
}

std::string DisplayFormatItem(const TcxDateTimeFormatItem& item) {
  switch (item.Kind) {
    case dtikString: return QuotedFormatLiteral(item.Data);
    case dtikYear:
    case dtikTimeSuffix: return LowerText(item.Data);
    case dtikMonth: return HasLetters(item, 3) ? "mmm" : "mm";
    case dtikDay: return HasLetters(item, 3) ? "ddd" : "dd";
    case dtikHour: return "hh";
    case dtikMin: return "nn";
    case dtikSec: return "ss";
    case dtikDateSeparator: return "/";
    case dtikTimeSeparator: return ":";
    default: return "";
  }
}

}  // namespace

std::string cxRegExprQuotedWord(const std::string& text) { return QuotedRuns(text, "\\'"); }

std::string BuildDateTimeEditMask(const TcxDateTimeFormatInfo& info, TcxDateTimeEditMaskMode mode) {
  if (info.Items.empty()) return "";
  std::string mask = mode == dtemmTime ? "" : "!";
  for (const TcxDateTimeFormatItem& item : info.Items) mask += EditMaskItem(item, mode);
  return mask + (mode == dtemmTime ? ";1;0" : ";1; ");
}

std::string BuildDateRegExpr(const TcxDateTimeFormatInfo& info) {
  std::string expression;
  for (const TcxDateTimeFormatItem& item : info.Items) {
    switch (item.Kind) {
      case dtikString: expression += cxRegExprQuotedWord(item.Data); break;
      case dtikYear: expression += item.Data == "YY" ? "\\d\\d" : "\\d\\d\\d\\d"; break;
      case dtikMonth: expression += MonthNamesRegExpr(HasLetters(item, 4)); break;
      case dtikDay: expression += "([012]?[1-9]|[123]0|31)"; break;
      case dtikDateSeparator: expression += SeparatorRegExpr(CurrentLocale().DateSeparator()); break;
      default: break;
    }
  }
  return expression;
}

std::string BuildTimeRegExpr(const TcxDateTimeFormatInfo& info) {
  std::string expression;
  for (const TcxDateTimeFormatItem& item : info.Items) {
    switch (item.Kind) {
      case dtikString: expression += cxRegExprQuotedWord(item.Data); break;
      case dtikHour: expression += item.Data.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])"; break;
      case dtikMin:
      case dtikSec: expression += "[0-5]?\\d"; break;
      case dtikTimeSuffix: expression += TimeSuffixRegExpr(item.Data); break;
      case dtikTimeSeparator: expression += SeparatorRegExpr(CurrentLocale().TimeSeparator()); break;
      default: break;
    }
  }
  return expression;
}

std::string BuildDisplayFormat(const TcxDateTimeFormatInfo& info) {
  std::string format;
  for (const TcxDateTimeFormatItem& item : info.Items) format += DisplayFormatItem(item);
  return format;
}

void BuildSmartDateRegExpr(std::string& expression, bool includeNow) {
  const auto words = cxSmartDateWords();
  std::string alternatives;
  for (int index = 0; index < kSmartDateWordCount; ++index) {
    if (index == kSmartDateNowIndex && !includeNow) continue;
    if (!alternatives.empty()) alternatives += '|';
    alternatives += cxRegExprQuotedWord(words[index]);
  }
  const std::string smartDate = "(" + alternatives + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
  // An empty alternative is refused by the engine: the words alone then.
  expression = expression.empty() ? smartDate : "(" + expression + ")|" + smartDate;
}

std::string BuildDateEditRegExpr(const TcxDateTimeFormatInfo& date) {
  std::string expression = BuildDateRegExpr(date);
  BuildSmartDateRegExpr(expression, false);
  return expression;
}

std::string BuildDateTimeEditRegExpr(const TcxDateTimeFormatInfo& date, const TcxDateTimeFormatInfo& time) {
  const std::string dateExpression = BuildDateRegExpr(date);
  const std::string timeExpression = BuildTimeRegExpr(time);
  // A time picture with nothing to type (milliseconds alone) would leave an
  // empty group, which the engine refuses.
  const std::string optionalTime = timeExpression.empty() ? "" : "(" + timeExpression + ")?";
  std::string expression = dateExpression.empty() ? "" : dateExpression + " ' '" + optionalTime;
  BuildSmartDateRegExpr(expression, true);
  return expression;
}

namespace {

// The symbol's "," and "." would read as the number's separators.
std::string CurrencySymbolFormat(const std::string& symbol) {
  std::string result;
  for (const char ch : symbol) result += ch == ',' || ch == '.' ? std::string("'") + ch + "'" : std::string(1, ch);
  return result;
}

// A pattern number outside the table takes the first pattern.
int PatternIndex(int value, int count) { return value >= 0 && value < count ? value : 0; }

std::string PositiveCurrencyFormat(int pattern, const std::string& s, const std::string& n) {
  const std::array<std::string, 4> patterns = {s + n, n + s, s + " " + n, n + " " + s};
  return patterns[PatternIndex(pattern, patterns.size())];
}

std::string NegativeCurrencyFormat(int pattern, const std::string& s, const std::string& n) {
  const std::array<std::string, 16> patterns = {"(" + s + n + ")",
                                                "-" + s + n,
                                                s + "-" + n,
                                                s + n + "-",
                                                "(" + n + s + ")",
                                                "-" + n + s,
                                                n + "-" + s,
                                                n + s + "-",
                                                "-" + n + " " + s,
                                                "-" + s + " " + n,
                                                n + " " + s + "-",
                                                s + " " + n + "-",
                                                s + " " + "-" + n,
                                                n + "-" + " " + s,
                                                "(" + s + " " + n + ")",
                                                "(" + n + " " + s + ")"};
  return patterns[PatternIndex(pattern, patterns.size())];
}

}  // namespace

std::string BuildCurrencyFormat() {
  const TLocale& locale = CurrentLocale();
  const std::string number = ",0." + std::string(std::max(locale.CurrencyDecimals(), 0), '0');
  const std::string symbol = CurrencySymbolFormat(locale.CurrencyString());
  return PositiveCurrencyFormat(locale.CurrencyFormat(), symbol, number) + ";" +
         NegativeCurrencyFormat(locale.NegCurrFormat(), symbol, number);
}

namespace {

// Where the piece of a picture that starts at `position` ends: a quoted text,
// a two-byte character or a run of one character.
size_t PictureRunEnd(const std::string& format, size_t position) {
  const char ch = format[position];
  if (ch == '\'' || ch == '"') {
    const size_t close = format.find(ch, position + 1);
    return close == std::string::npos ? format.size() : close + 1;
  }
  if (CurrentLocale().IsLeadByte(ch) && position + 1 < format.size()) return position + 2;
  size_t end = position + 1;
  while (end < format.size() && format[end] == ch) ++end;
  return end;
}

}  // namespace

// A "d" or "M" in quoted text or in a two-byte character is no day or month:
// doubling it would change the text the picture shows.
std::string BuildDateEditFormat(const std::string& shortDateFormat) {
  std::string result;
  for (size_t position = 0; position < shortDateFormat.size();) {
    const size_t end = PictureRunEnd(shortDateFormat, position);
    const char ch = shortDateFormat[position];
    result.append(shortDateFormat, position, end - position);
    if (end == position + 1 && (ch == 'd' || ch == 'M')) result += ch;
    position = end;
  }
  return result;
}

int StartOfWeekOf(int firstDayOfWeek) { return (firstDayOfWeek + 1) % 7; }
