#pragma once
// Text output for callers that lay text out themselves: runs that may expand
// tabs, runs cut at a rectangle, and device-context settings (justification,
// background mode, text colour) that last for a scope.
#include <windows.h>

#include <string_view>

// The run at (x, y); with `expandTabs` tabs jump to the default stops counted from x.
void TextOutRun(HDC dc, int x, int y, std::string_view text, bool expandTabs);
// The run at (x, y), cut at `bounds` when `clipped`.
void ClippedTextOutRun(HDC dc, int x, int y, const RECT& bounds, bool clipped, std::string_view text);

// Spreads `extra` pixels over the break characters of what is drawn until the scope ends.
class TTextJustification {
 public:
  TTextJustification(HDC dc, int extra, int breakCount) : FDC(dc) { SetTextJustification(dc, extra, breakCount); }
  ~TTextJustification() { SetTextJustification(FDC, 0, 0); }
  TTextJustification(const TTextJustification&) = delete;
  TTextJustification& operator=(const TTextJustification&) = delete;

 private:
  HDC FDC;
};

class TBackgroundMode {
 public:
  TBackgroundMode(HDC dc, int mode) : FDC(dc), FPrevious(SetBkMode(dc, mode)) {}
  ~TBackgroundMode() { SetBkMode(FDC, FPrevious); }
  TBackgroundMode(const TBackgroundMode&) = delete;
  TBackgroundMode& operator=(const TBackgroundMode&) = delete;

 private:
  HDC FDC;
  int FPrevious;
};

class TTextColor {
 public:
  TTextColor(HDC dc, COLORREF color) : FDC(dc), FPrevious(SetTextColor(dc, color)) {}
  ~TTextColor() { SetTextColor(FDC, FPrevious); }
  TTextColor(const TTextColor&) = delete;
  TTextColor& operator=(const TTextColor&) = delete;

 private:
  HDC FDC;
  COLORREF FPrevious;
};
