#pragma once
// The text editors' own multi-line text layout: a text is broken into rows
// that fit a rectangle, and the rows are placed by the horizontal and
// vertical alignment. Everything here measures through a TcxTextMeasurer, so
// the layout needs no window and no device context; cxTextDrawingGdi measures
// and draws with a device context.
#include <cstdint>
#include <string_view>
#include <vector>

// Text flags. TF_HALIGN and TF_VALIGN hold values, the others are bits.
constexpr uint32_t TF_HALIGN = 0x7;
constexpr uint32_t TF_VALIGN = 0x30;
constexpr uint32_t TF_CLAMP_LEFT = 0x40;
constexpr uint32_t TF_CLAMP_TOP = 0x80;
constexpr uint32_t TF_WORDBREAK = 0x100;
constexpr uint32_t TF_SINGLELINE = 0x200;
constexpr uint32_t TF_EXPANDTABS = 0x400;
constexpr uint32_t TF_END_ELLIPSIS = 0x800;
constexpr uint32_t TF_EXTERNALLEADING = 0x2000;
constexpr uint32_t TF_EARLY_LAST_ROW = 0x4000;
constexpr uint32_t TF_NOCLIP = 0x8000;
constexpr uint32_t TF_RESERVED1 = 0x10000;
constexpr uint32_t TF_CHARBREAK = 0x20000;
constexpr uint32_t TF_NO_MEASURE_SINGLELINE = 0x100000;
constexpr uint32_t TF_RESERVED2 = 0x200000;

// Values of TF_HALIGN.
constexpr uint8_t cxHAlignLeft = 0;
constexpr uint8_t cxHAlignCenter = 1;
constexpr uint8_t cxHAlignRight = 2;
constexpr uint8_t cxHAlignJustify = 3;
constexpr uint8_t cxHAlignDistribute = 4;
// Values of TF_VALIGN, shifted down.
constexpr uint8_t cxVAlignTop = 0;
constexpr uint8_t cxVAlignCenter = 1;
constexpr uint8_t cxVAlignBottom = 2;
constexpr uint8_t cxVAlignSpread = 3;

// A rectangle laid out like the system's RECT.
struct TcxTextRect {
  int left;
  int top;
  int right;
  int bottom;
};

struct TcxTextExtent {
  int Width;
  int Height;
};

struct TcxFontMetrics {
  int Height;
  int ExternalLeading;
  int MaxCharWidth;
  char BreakChar;
  uint8_t CharSet;
};

// What the layout asks of the font and the locale.
class TcxTextMeasurer {
 public:
  virtual ~TcxTextMeasurer() = default;
  virtual TcxFontMetrics FontMetrics() = 0;
  virtual TcxTextExtent TextExtent(std::string_view text, bool expandTabs) = 0;
  // Whether the byte starts a two-byte character in the text's code page.
  virtual bool IsLeadByte(char ch) = 0;
  // Far-East locales break an overlong word between characters.
  virtual bool FarEastLocale() = 0;
};

struct TcxTextParams {
  int TextHeight;
  int ExternalLeading;
  int LineHeight;
  int EllipsisWidth;
  char BreakChar;
  uint8_t HAlign;
  uint8_t VAlign;
  bool WordBreak;
  bool SingleLine;
  bool ExpandTabs;
  bool EndEllipsis;
  bool ExternalLeadingFlag;
  bool EarlyLastRow;
  bool NoClip;
  bool Reserved1;
  bool ClampLeft;
  bool ClampTop;
  bool CharBreak;
  bool Reserved2;
  bool NoMeasureSingleLine;
  int MaxCharWidth;
  uint8_t CharSet;
};

struct TcxTextRow {
  // Points into the caller's text, which must outlive the rows.
  const char* Text;
  int TextLength;
  int TextWidth;
  int TextHeight;
  // Break characters and tabs, over which justification spreads the row.
  int BreakCount;
  int TextOriginX;
  int TextOriginY;
  // Where the row's first character stands in the whole text.
  int StartOffset;
};
using TcxTextRows = std::vector<TcxTextRow>;

// The ellipsis that ends a truncated last row: empty until the unit has started.
std::string_view cxEndEllipsis();

void InitTextParams(TcxTextMeasurer& measurer, uint32_t flags, TcxTextParams& params);
// Breaks the text into rows for the rectangle. False when a maximum line
// count above 0 stopped the rows with text left over (never for single-line
// layouts); every row holds at least one byte of the text or ends at a line
// break, so the rows always reach the end or the limit.
bool MakeTextRows(TcxTextMeasurer& measurer, std::string_view text, const TcxTextRect& rect, int maxLineCount,
                  int& lineCount, TcxTextRows& rows, const TcxTextParams& params);
// Sets each row's origin: vertical placement first, then horizontal.
void LayoutTextRows(const TcxTextRect& rect, int lineCount, TcxTextRows& rows, const TcxTextParams& params);
// The widest of the first `count` rows; 0 for none.
int GetMaxRowWidth(const TcxTextRows& rows, int count);
// How many bytes the character at `position` takes: a lead byte with a byte
// after it takes two, a lead byte at the very end stands alone.
int TextCharLength(TcxTextMeasurer& measurer, std::string_view text, int position);

void cxTextDrawingInitialize();
void cxTextDrawingFinalize();
