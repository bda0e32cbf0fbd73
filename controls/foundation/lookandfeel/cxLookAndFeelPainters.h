#pragma once
// Painters: one object per visual style that draws every standard element of
// a control (buttons, arrows, check and radio boxes, headers, tabs, scroll-bar
// parts, grips, expand, close and drop-down buttons, borders) and answers the
// sizes and colours that go with them. A painter has no state: each style is
// one shared instance, and a control holds a `TcxLookAndFeelPainterClass`.
// Every operation calls the others through `this`, so a style that overrides
// one piece changes every drawing built from it.
//
// Every drawing operation hands the canvas back as it found it: its pen, brush
// and font, the context's text colour and background mode. Only the expand
// buttons change the clip region: they exclude their rectangle, so that what
// the control fills afterwards leaves them alone.
#include <windows.h>
// The visual-style declarations build on windows.h.
#include <uxtheme.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "controls/foundation/graphics/cxGraphics.h"
#include "platform/classes/Sets.h"
#include "platform/controls/common/ImageList.h"

enum TcxLookAndFeelStyle { lfsFlat, lfsStandard, lfsUltraFlat, lfsWinXP, lfsOffice11 };

enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum TcxArrowDirection { adUp, adDown, adLeft, adRight };
// The arrow buttons are the first (up or left) and the second (down or right).
enum TcxScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };

enum TcxNeighbor { nLeft, nTop, nRight, nBottom };
using TcxNeighbors = TSet<TcxNeighbor>;

enum TcxAlignmentVert { vaTop, vaBottom, vaCenter };

// Paints a header's background itself and answers true, or leaves it to the painter.
using TcxDrawBackgroundEvent = std::function<bool(TcxCanvas& canvas, const TRect& bounds)>;

// The four side widths of a button in a group, as a rectangle of sizes.
using TcxBorderSizes = TRect;

class TcxCustomLookAndFeelPainter;
using TcxLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

class TcxCustomLookAndFeelPainter {
 public:
  TcxCustomLookAndFeelPainter() = default;
  virtual ~TcxCustomLookAndFeelPainter() = default;
  TcxCustomLookAndFeelPainter(const TcxCustomLookAndFeelPainter&) = delete;
  TcxCustomLookAndFeelPainter& operator=(const TcxCustomLookAndFeelPainter&) = delete;

  // General.
  virtual void DrawBackground(TcxCanvas& canvas, const TRect& r, bool transparent, TColor color,
                              const TBitmap* bitmap) const;
  virtual void DrawDropDownArrow(TcxCanvas& canvas, const TRect& r, TColor color) const;
  // `plainBackground` asks a style with a shaded header background for a plain one.
  virtual void DrawHeaderContent(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                 TcxButtonState state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                 bool multiLine, bool showEndEllipsis, const std::string& text, const TFont* font,
                                 TColor textColor, TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground,
                                 bool plainBackground = false) const;
  virtual TRect FrameContentBounds(const TRect& r) const;
  virtual TRect FrameTextBounds(const TRect& r) const;
  virtual TcxLookAndFeelStyle LookAndFeelStyle() const;

  // Default colours.
  virtual TColor DefaultColor01() const { return clWindow; }
  virtual TColor DefaultColor02() const { return DefaultColor01(); }
  virtual TColor DefaultColor03() const { return DefaultColor01(); }
  virtual TColor DefaultColor04() const { return clWindowText; }
  virtual TColor DefaultColor05() const { return clBtnShadow; }
  virtual TColor DefaultColor06() const { return clBtnHighlight; }
  virtual TColor DefaultColor07() const { return clBtnText; }
  virtual TColor DefaultColor08() const { return clBtnFace; }
  virtual TColor DefaultColor09() const { return clBtnText; }
  virtual TColor DefaultColor10() const { return clBtnShadow; }
  virtual TColor DefaultColor11() const { return clBtnShadow; }
  virtual TColor DefaultColor12() const { return clBtnFace; }
  virtual TColor DefaultColor13() const { return clBtnFace; }
  virtual TColor DefaultColor14() const { return clBtnText; }
  virtual TColor DefaultColor15() const { return clBtnShadow; }
  virtual TColor DefaultColor16() const { return clBtnFace; }
  virtual TColor DefaultColor17() const { return clBtnFace; }
  virtual TColor DefaultColor18() const { return clBtnText; }
  virtual TColor DefaultColor19() const { return 0x00FF0000; }
  virtual TColor DefaultColor20() const { return clBtnFace; }
  virtual TColor DefaultColor21() const { return clBtnText; }
  virtual TColor DefaultColor22() const { return 0x00FF0000; }
  virtual TColor DefaultColor23() const { return DefaultColor10(); }
  virtual TColor DefaultColor24() const { return DefaultColor17(); }
  virtual TColor DefaultColor25() const { return clDefault; }
  virtual TColor DefaultColor26() const { return 0x00000000; }
  virtual TColor DefaultColor27() const { return DefaultColor26(); }
  virtual TColor DefaultColor28() const { return clBtnFace; }
  virtual TColor DefaultColor29() const { return clHighlight; }
  virtual TColor DefaultColor30() const { return clHighlightText; }
  virtual TColor DefaultColor31() const { return clWindow; }
  virtual TColor DefaultColor32() const { return clWindowText; }
  virtual TColor DefaultColor33() const { return 0x000000FF; }
  virtual TColor DefaultColor34() const { return clBtnFace; }
  virtual TColor DefaultColor35() const { return clBtnFace; }
  virtual TColor DefaultColor36() const { return 0x00D5FFFF; }
  virtual TColor DefaultColor37() const { return clWindowText; }
  virtual TColor DefaultColor38() const { return clHighlight; }
  virtual TColor DefaultColor39() const { return clHighlightText; }
  virtual TColor DefaultColor40() const { return clBtnFace; }
  virtual TColor DefaultColor41() const { return clBtnFace; }
  virtual TColor DefaultColor42() const { return clBtnText; }
  virtual TColor DefaultColor43() const { return clBtnFace; }
  virtual TColor DefaultColor44() const { return 0x00FFFFFF; }
  virtual TColor DefaultColor45() const { return 0x00000000; }
  virtual TColor DefaultColor46() const { return clBtnFace; }
  virtual TColor DefaultColor47() const { return clBtnText; }
  virtual TColor DefaultColor48() const { return 0x00FFFFFF; }
  virtual TColor DefaultColor49() const { return 0x00000000; }
  virtual TColor DefaultColor50() const { return 0x00000000; }
  virtual TColor DefaultColor51() const { return 0x00000000; }
  virtual TColor DefaultColor52() const { return 0x00CFCFCF; }
  virtual TColor DefaultColor53() const { return 0x00FFFFFF; }
  virtual TColor DefaultColor54() const { return clBtnShadow; }
  virtual TColor DefaultColor55() const { return 0x00F0CAA6; }
  virtual TColor DefaultColor56() const { return 0x00800000; }
  virtual TColor DefaultColor57() const { return clBtnShadow; }
  virtual TColor DefaultColor58() const { return clBtnShadow; }

  // Arrows and buttons.
  virtual void DrawArrow(TcxCanvas& canvas, const TRect& r, TcxArrowDirection direction, TColor color,
                         bool proportional = false) const;
  virtual void DrawScrollBarArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxArrowDirection direction,
                                  bool drawButton = true) const;
  virtual void DrawButtonBackground(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawButtonArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                               TcxArrowDirection direction) const;
  virtual int BorderSize() const;
  virtual void DrawBorder(TcxCanvas& canvas, const TRect& r) const;
  virtual TRect ButtonDrawRect(const TRect& r) const;
  virtual int ButtonBorderSize(TcxButtonState state = cxbsNormal) const;
  virtual TColor ButtonColor(TcxButtonState state) const;
  virtual TRect ButtonFocusRect(TcxCanvas& canvas, const TRect& r) const;
  virtual TcxBorderSizes ButtonGroupBorderSizes(int index, int count) const;
  virtual int ButtonContentOffset() const;
  virtual int ButtonTextShift() const;
  virtual TColor ButtonSymbolColor(TcxButtonState state, TColor color = clDefault) const;
  virtual TcxButtonState ButtonSymbolState(TcxButtonState state) const;
  virtual void DrawButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                          bool drawBorder = true, TColor color = clDefault, TColor textColor = clDefault) const;
  virtual void DrawButtonInGroup(TcxCanvas& canvas, const TRect& r, TcxButtonState state, int index, int count) const;
  virtual void DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawButtonGroupBorder(TcxCanvas& canvas, const TRect& r, bool inGroup, TcxButtonState state) const;
  virtual void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const;
  virtual bool ExpandButtonClassicFlag() const;
  virtual void DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const;
  virtual void DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor borderColor,
                                     TColor color = clDefault) const;
  virtual int ExpandButtonSize() const;
  virtual int GroupExpandButtonSize() const;
  virtual bool IsButtonHotTrack() const;
  virtual bool IsPointOverGroupExpandButton(const TRect& r, const POINT& p) const;
  virtual int SmallExpandButtonSize() const;

  // Check boxes and radio buttons.
  virtual int CheckBorderSize() const;
  virtual TColor CheckButtonColor(TcxButtonState state) const;
  virtual SIZE CheckButtonSize() const;
  virtual void DrawCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxCheckBoxState checkState,
                         TColor color) const;
  virtual void DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawCheckButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                               TcxCheckBoxState checkState) const;
  virtual void DrawRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                               TColor brushColor) const;
  virtual SIZE RadioButtonSize() const;

  // Headers and sorting marks.
  virtual void DrawHeader(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                          TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
                          TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
                          const TFont* font, TColor textColor, TColor bkColor,
                          const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const;
  virtual void DrawHeaderEx(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                            TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
                            TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis,
                            const std::string& text, const TFont* font, TColor textColor, TColor bkColor,
                            const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const;
  virtual void DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, TcxBorders borders) const;
  virtual void DrawHeaderPressed(TcxCanvas& canvas, const TRect& r) const;
  virtual void DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                 TcxNeighbors neighbors, TcxBorders borders, TcxButtonState state,
                                 TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine,
                                 bool showEndEllipsis, const std::string& text, const TFont* font, TColor textColor,
                                 TColor bkColor) const;
  virtual void DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                                       TcxButtonState state) const;
  virtual void DrawHeaderSectionContent(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                        TcxButtonState state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                        bool multiLine, bool showEndEllipsis, const std::string& text,
                                        const TFont* font, TColor textColor, TColor bkColor) const;
  virtual void DrawHeaderSectionText(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TAlignment alignmentHorz,
                                     TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis,
                                     const std::string& text, const TFont* font, TColor textColor) const;
  virtual void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const;
  virtual TcxBorders HeaderBorders(TcxNeighbors neighbors) const;
  virtual int HeaderBorderSize() const;
  virtual TRect HeaderContentBounds(const TRect& r, TcxNeighbors neighbors) const;
  virtual TRect HeaderContentBoundsByBorders(const TRect& r, TcxBorders borders) const;
  virtual bool HeaderClassicFlag() const;
  virtual int HeaderHeight(int fontHeight) const;
  virtual int HeaderSectionBorderSize(TcxButtonState state) const;
  virtual TRect HeaderSectionContentOffset(const TRect& r, TcxButtonState state) const;
  virtual TRect HeaderSectionContentBounds(const TRect& r, TcxButtonState state) const;
  virtual int HeaderWidth(TcxCanvas& canvas, TcxBorders borders, const std::string& text, const TFont* font) const;
  virtual bool HeaderHotTrackFlag() const;
  virtual SIZE SortingMarkAreaSize() const;
  virtual SIZE SortingMarkSize() const;

  // Frames: a framed cell with a check box and text.
  virtual void DrawFrameBackground(TcxCanvas& canvas, const TRect& r, bool transparent, TColor color,
                                   const TBitmap* bitmap) const;
  virtual TcxBorders FrameBorders() const;
  virtual int FrameSeparatorSize() const;
  virtual int FrameSize() const;
  virtual int FrameContentOffset() const;
  virtual bool FrameClassicFlag() const;
  virtual TColor FrameBorderColor() const;
  virtual int FrameLineWidth() const;
  virtual void DrawFrameCell(TcxCanvas& canvas, const TRect& r, const std::string& text, const TFont* font,
                             TColor textColor, TColor bkColor) const;
  virtual void DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const;
  virtual void DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const;
  virtual void DrawFrameText(TcxCanvas& canvas, const TRect& r, const std::string& text) const;
  virtual void DrawFrameArea(TcxCanvas& canvas, const TRect& r) const;
  virtual void DrawFrameCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state,
                              TcxCheckBoxState checkState) const;

  // Close and drop-down buttons, windows.
  virtual void DrawCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool isInEditor) const;
  virtual void DrawWindowBackground(TcxCanvas& canvas, const TRect& r, bool transparent, TColor color,
                                    const TBitmap* bitmap) const;
  virtual SIZE SmallGlyphSize() const;
  virtual SIZE CloseButtonSize() const;
  virtual POINT WindowGlyphOffset() const;
  virtual void DrawWindowContent(TcxCanvas& canvas, const TRect& r) const;
  virtual bool WindowClassicFlag() const;

  // Tabs.
  virtual void DrawTab(TcxCanvas& canvas, const TRect& r, TcxBorders borders, const std::string& text,
                       TcxButtonState state, bool vertical, const TFont* font, TColor textColor, TColor bkColor) const;
  virtual void DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders borders,
                             bool vertical) const;
  virtual void DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const;
  virtual bool TabThemedHorz() const;
  virtual bool TabThemedVert() const;
  virtual int TabBorderSize(bool vertical) const;

  // Indicator, scroll bar and size grip.
  virtual void DrawListGlyph(TcxCanvas& canvas, const TRect& r, TColor color) const;
  // Kind 0 draws nothing; kinds 1 to 6 the arrow, edit, insert, multi-dot,
  // multi-arrow and filter images.
  virtual void DrawIndicatorImage(TcxCanvas& canvas, const TRect& r, int kind) const;
  virtual void DrawIndicatorItem(TcxCanvas& canvas, const TRect& r, int kind, TColor color,
                                 const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const;
  virtual void DrawIndicatorItemEx(TcxCanvas& canvas, const TRect& r, int kind, TColor color,
                                   const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const;
  virtual bool IndicatorClassicFlag() const;
  virtual int ScrollBarMinimalThumbSize(bool horizontal) const;
  virtual void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                                 TcxButtonState state) const;
  virtual SIZE SizeGripSize() const;
  virtual void DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const;

  // Further elements and hooks for painters of extended styles.
  virtual void DrawHeaderItem(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, const std::string& text,
                              const TFont* font, TcxButtonState state) const;
  virtual void DrawContentBorder(TcxCanvas& canvas, const TRect& r) const;
  virtual void DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const;
  virtual void DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal, const std::string& text) const;
  virtual int CaptionBandOffset() const;
  virtual void DrawClock(TcxCanvas& canvas, const TRect& r, TColor backgroundColor, TColor faceColor) const;
  virtual void DrawEditButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, int kind) const;
  virtual int EditButtonTextOffset() const;
  virtual SIZE EditButtonSize() const;
  virtual TColor EditButtonTextColor() const;
  virtual TColor EditBorderColor(bool highlighted) const;
  virtual void DrawImage(TcxCanvas& canvas, const TRect& r, const TImageList* imageList, int imageIndex,
                         bool enabled) const;
  virtual SIZE ExtHookSize1() const;
  virtual void ExtHookDraw1(TcxCanvas& canvas, const TRect& r) const;
  virtual void ExtHookDraw2(TcxCanvas& canvas, const TRect& r) const;
  virtual TRect ExtHookMargins1() const;
  virtual TColor ExtHookColor1() const;
  virtual void ExtHookDraw3(TcxCanvas& canvas, const TRect& r) const;
  virtual void ExtHookDraw4(TcxCanvas& canvas, const TRect& r) const;
  virtual void ExtHookDraw5(TcxCanvas& canvas, const TRect& r) const;
  virtual TRect ExtHookMargins2() const;
  virtual TColor ExtHookColor2() const;
  virtual void ExtHookDraw6(TcxCanvas& canvas, const TRect& r) const;
  virtual void ExtHookDraw7(TcxCanvas& canvas, const TRect& r) const;
  virtual SIZE ExtHookSize2() const;
  virtual TColor ExtHookColor3() const;
  virtual int ExtHookValue() const;
  virtual void ExtHookDraw8(TcxCanvas& canvas, const TRect& r) const;
  virtual SIZE ExtHookSize3() const;
};

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
 public:
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultColor36() const override { return clWindow; }
  int BorderSize() const override;
  void DrawBorder(TcxCanvas& canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
  int ButtonContentOffset() const override;
  int ButtonTextShift() const override;
  void DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const override;
  void DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const override;
  int ExpandButtonSize() const override;
  void DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, TcxBorders borders) const override;
  void DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                               TcxButtonState state) const override;
  void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const override;
  int HeaderBorderSize() const override;
  int HeaderSectionBorderSize(TcxButtonState state) const override;
  SIZE SortingMarkSize() const override;
  int FrameSeparatorSize() const override;
  int FrameSize() const override;
  int FrameContentOffset() const override;
  void DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const override;
  void DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const override;
  void DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool isInEditor) const override;
  void DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const override;
  int TabBorderSize(bool vertical) const override;
  void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                         TcxButtonState state) const override;
  void DrawHeaderItem(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, const std::string& text,
                      const TFont* font, TcxButtonState state) const override;
  void DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal, const std::string& text) const override;
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
 public:
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  int BorderSize() const override;
  void DrawBorder(TcxCanvas& canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
  int ButtonContentOffset() const override;
  int ButtonTextShift() const override;
  void DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const override;
  int ExpandButtonSize() const override;
  void DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, TcxBorders borders) const override;
  void DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                               TcxButtonState state) const override;
  void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const override;
  int HeaderBorderSize() const override;
  SIZE SortingMarkSize() const override;
  int FrameSeparatorSize() const override;
  int FrameSize() const override;
  int FrameContentOffset() const override;
  void DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const override;
  void DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const override;
  void DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool isInEditor) const override;
  void DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const override;
  int TabBorderSize(bool vertical) const override;
  void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                         TcxButtonState state) const override;
  void DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal, const std::string& text) const override;
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
 public:
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultColor33() const override { return clBtnShadow; }
  int BorderSize() const override;
  void DrawBorder(TcxCanvas& canvas, const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TRect ButtonFocusRect(TcxCanvas& canvas, const TRect& r) const override;
  TcxBorderSizes ButtonGroupBorderSizes(int index, int count) const override;
  int ButtonContentOffset() const override;
  int ButtonTextShift() const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor color = clDefault) const override;
  TcxButtonState ButtonSymbolState(TcxButtonState state) const override;
  void DrawButtonInGroup(TcxCanvas& canvas, const TRect& r, TcxButtonState state, int index, int count) const override;
  void DrawButtonBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawButtonGroupBorder(TcxCanvas& canvas, const TRect& r, bool inGroup, TcxButtonState state) const override;
  void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const override;
  int ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  void DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawHeaderEx(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                    TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                    bool multiLine, bool showEndEllipsis, const std::string& text, const TFont* font, TColor textColor,
                    TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const override;
  void DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, TcxBorders borders) const override;
  void DrawHeaderSectionBorder(TcxCanvas& canvas, const TRect& r, TcxBorders borders,
                               TcxButtonState state) const override;
  void DrawHeaderSectionContent(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds,
                                TcxButtonState state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                                bool multiLine, bool showEndEllipsis, const std::string& text, const TFont* font,
                                TColor textColor, TColor bkColor) const override;
  void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const override;
  TcxBorders HeaderBorders(TcxNeighbors neighbors) const override;
  int HeaderBorderSize() const override;
  SIZE SortingMarkSize() const override;
  TcxBorders FrameBorders() const override;
  int FrameSeparatorSize() const override;
  int FrameSize() const override;
  int FrameContentOffset() const override;
  void DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const override;
  void DrawFrameBorder(TcxCanvas& canvas, const TRect& r) const override;
  void DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool isInEditor) const override;
  SIZE CloseButtonSize() const override;
  void DrawTabBorder(TcxCanvas& canvas, const TRect& r, TcxBorder border, TcxBorders borders,
                     bool vertical) const override;
  void DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const override;
  int TabBorderSize(bool vertical) const override;
  void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                         TcxButtonState state) const override;
  void DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawCaptionBand(TcxCanvas& canvas, const TRect& r, bool horizontal, const std::string& text) const override;

  virtual TColor ButtonBorderColor(TcxButtonState state) const;
  virtual TColor TabBorderColor() const;
  virtual TColor TabDarkBorderColor() const;
  virtual TColor HighlightBorderColor() const;
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
 public:
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultColor05() const override;
  TColor DefaultColor06() const override;
  TColor DefaultColor08() const override;
  TColor DefaultColor09() const override { return DefaultColor18(); }
  TColor DefaultColor11() const override;
  TColor DefaultColor12() const override;
  TColor DefaultColor13() const override;
  TColor DefaultColor15() const override { return DefaultColor11(); }
  TColor DefaultColor17() const override { return HeaderTopColor(); }
  TColor DefaultColor28() const override;
  TColor DefaultColor29() const override;
  TColor DefaultColor30() const override { return clWindowText; }
  TColor DefaultColor33() const override;
  TColor DefaultColor34() const override;
  TColor DefaultColor41() const override;
  TColor DefaultColor43() const override { return DefaultColor41(); }
  TColor DefaultColor46() const override;
  TColor DefaultColor48() const override { return DefaultColor34(); }
  void DrawHeaderContent(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxButtonState state,
                         TAlignment alignmentHorz, TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis,
                         const std::string& text, const TFont* font, TColor textColor, TColor bkColor,
                         const TcxDrawBackgroundEvent& onDrawBackground, bool plainBackground = false) const override;
  void DrawBorder(TcxCanvas& canvas, const TRect& r) const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor color = clDefault) const override;
  void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const override;
  bool ExpandButtonClassicFlag() const override;
  void DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor borderColor,
                             TColor color = clDefault) const override;
  int SmallExpandButtonSize() const override;
  TColor CheckButtonColor(TcxButtonState state) const override;
  void DrawHeaderBorder(TcxCanvas& canvas, const TRect& r, TcxNeighbors neighbors, TcxBorders borders) const override;
  void DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                         TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
                         TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
                         const TFont* font, TColor textColor, TColor bkColor) const override;
  void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const override;
  TcxBorders HeaderBorders(TcxNeighbors neighbors) const override;
  bool HeaderHotTrackFlag() const override;
  TColor FrameBorderColor() const override;
  void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                         TcxButtonState state) const override;
  void DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const override;
  void DrawContentBorder(TcxCanvas& canvas, const TRect& r) const override;
  void DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  TColor ButtonBorderColor(TcxButtonState state) const override;
  TColor TabBorderColor() const override;
  TColor HighlightBorderColor() const override;

  virtual TColor HeaderBottomColor() const;
  virtual TColor DarkEdgeColor() const;
  virtual TColor LightEdgeColor() const;
  virtual TColor HeaderTopColor() const;
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
 public:
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultColor33() const override;
  TColor DefaultColor36() const override { return 0x00D5FFFF; }
  void DrawScrollBarArrow(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxArrowDirection direction,
                          bool drawButton = true) const override;
  void DrawButtonBackground(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  int BorderSize() const override;
  void DrawBorder(TcxCanvas& canvas, const TRect& r) const override;
  TRect ButtonDrawRect(const TRect& r) const override;
  int ButtonBorderSize(TcxButtonState state = cxbsNormal) const override;
  TColor ButtonColor(TcxButtonState state) const override;
  TRect ButtonFocusRect(TcxCanvas& canvas, const TRect& r) const override;
  TcxBorderSizes ButtonGroupBorderSizes(int index, int count) const override;
  int ButtonContentOffset() const override;
  int ButtonTextShift() const override;
  TColor ButtonSymbolColor(TcxButtonState state, TColor color = clDefault) const override;
  void DrawButton(TcxCanvas& canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                  bool drawBorder = true, TColor color = clDefault, TColor textColor = clDefault) const override;
  void DrawExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor color = clDefault) const override;
  bool ExpandButtonClassicFlag() const override;
  void DrawGroupExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TcxButtonState state) const override;
  void DrawSmallExpandButton(TcxCanvas& canvas, const TRect& r, bool expanded, TColor borderColor,
                             TColor color = clDefault) const override;
  int ExpandButtonSize() const override;
  int GroupExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  bool IsPointOverGroupExpandButton(const TRect& r, const POINT& p) const override;
  int SmallExpandButtonSize() const override;
  int CheckBorderSize() const override;
  SIZE CheckButtonSize() const override;
  void DrawCheck(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxCheckBoxState checkState,
                 TColor color) const override;
  void DrawCheckBorder(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawRadioButton(TcxCanvas& canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                       TColor brushColor) const override;
  SIZE RadioButtonSize() const override;
  void DrawHeader(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                  TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                  bool multiLine, bool showEndEllipsis, const std::string& text, const TFont* font, TColor textColor,
                  TColor bkColor, const TcxDrawBackgroundEvent& onDrawBackground = nullptr) const override;
  void DrawHeaderPressed(TcxCanvas& canvas, const TRect& r) const override;
  void DrawHeaderSection(TcxCanvas& canvas, const TRect& bounds, const TRect& textAreaBounds, TcxNeighbors neighbors,
                         TcxBorders borders, TcxButtonState state, TAlignment alignmentHorz,
                         TcxAlignmentVert alignmentVert, bool multiLine, bool showEndEllipsis, const std::string& text,
                         const TFont* font, TColor textColor, TColor bkColor) const override;
  void DrawSortingMark(TcxCanvas& canvas, const TRect& r, bool ascendingSorting) const override;
  int HeaderBorderSize() const override;
  int HeaderSectionBorderSize(TcxButtonState state) const override;
  bool HeaderHotTrackFlag() const override;
  SIZE SortingMarkSize() const override;
  int FrameSize() const override;
  bool FrameClassicFlag() const override;
  void DrawFrameSeparator(TcxCanvas& canvas, const TRect& r) const override;
  void DrawCloseButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;
  void DrawDropDownButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state, bool isInEditor) const override;
  SIZE SmallGlyphSize() const override;
  SIZE CloseButtonSize() const override;
  void DrawTab(TcxCanvas& canvas, const TRect& r, TcxBorders borders, const std::string& text, TcxButtonState state,
               bool vertical, const TFont* font, TColor textColor, TColor bkColor) const override;
  void DrawTabPane(TcxCanvas& canvas, const TRect& r, TcxBorders borders) const override;
  bool TabThemedHorz() const override;
  bool TabThemedVert() const override;
  int ScrollBarMinimalThumbSize(bool horizontal) const override;
  void DrawScrollBarPart(TcxCanvas& canvas, bool horizontal, const TRect& r, TcxScrollBarPart part,
                         TcxButtonState state) const override;
  void DrawSizeGrip(TcxCanvas& canvas, const TRect& r, TColor backgroundColor) const override;
  void DrawToolBarButton(TcxCanvas& canvas, const TRect& r, TcxButtonState state) const override;

  // Text through the visual style's own text routine, with the font selected.
  virtual void DrawThemedText(TcxCanvas& canvas, HTHEME theme, int part, int state, const TRect& r,
                              const std::string& text, TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                              bool multiLine, bool showEndEllipsis, const TFont* font, TColor textColor) const;
};

// The one instance of each style.
TcxLookAndFeelPainterClass cxStandardLookAndFeelPainter();
TcxLookAndFeelPainterClass cxFlatLookAndFeelPainter();
TcxLookAndFeelPainterClass cxUltraFlatLookAndFeelPainter();
TcxLookAndFeelPainterClass cxOffice11LookAndFeelPainter();
TcxLookAndFeelPainterClass cxWinXPLookAndFeelPainter();

// What the radio glyph that Windows draws measures, in the cell of the
// system's check-box bitmap: the glyph's box and its check dot's box.
struct TcxRadioGlyphMetrics {
  SIZE Cell{};
  TRect Glyph{};
  TRect Dot{};
};
TcxRadioGlyphMetrics MeasureRadioGlyph();

// Which ring or area each pixel of the glyph belongs to.
enum TcxRadioPixelCode : BYTE {
  rpcOutside,
  rpcOuterRingUpperLeft,
  rpcOuterRingLowerRight,
  rpcInnerRingUpperLeft,
  rpcInnerRingLowerRight,
  rpcInterior,
  rpcDot
};
struct TcxRadioCodeMap {
  int Width = 0;
  int Height = 0;
  std::vector<TcxRadioPixelCode> Codes;
  TcxRadioPixelCode At(int x, int y) const { return Codes[y * Width + x]; }
};
TcxRadioCodeMap BuildRadioCodeMap(const TcxRadioGlyphMetrics& metrics);

// The style's images: Flat 0, Standard 1, UltraFlat 2, Office11 3; WinXP
// draws its radio buttons from the visual style and, without one, as Standard.
int LookAndFeelStyleToKind(TcxLookAndFeelStyle style);
using TcxRadioPalette = std::array<TColor, rpcDot + 1>;
TcxRadioPalette RadioButtonPalette(int kind, TcxButtonState state, bool checked, bool focused);

// One image per style kind, button state, checked and focused flag, painted
// from the pixel-code map in the style's colours.
class TcxRadioButtonImageList {
 public:
  explicit TcxRadioButtonImageList(const TcxRadioGlyphMetrics& metrics);

  // Paints the images again in the current colours.
  void Rebuild();
  SIZE GlyphSize() const { return {FCodeMap.Width, FCodeMap.Height}; }
  const TcxRadioCodeMap& CodeMap() const { return FCodeMap; }
  const TImageList& Images() const { return *FImages; }
  // Over `brushColor` unless it is clDefault.
  void Draw(TcxCanvas& canvas, int x, int y, TcxLookAndFeelStyle style, TcxButtonState state, bool checked,
            bool focused, TColor brushColor) const;

 private:
  void AddImage(int kind, TcxButtonState state, bool checked, bool focused);
  static int ImageIndex(int kind, TcxButtonState state, bool checked, bool focused);

  TcxRadioCodeMap FCodeMap;
  TOwned<TImageList> FImages;
  // White outside the glyph's outer circle, black inside.
  TBitmap FMask;
};

// The unit's list, made when first asked for; nullptr outside the unit's life.
TcxRadioButtonImageList* cxRadioButtonImageList();

// Told of painters registered by name.
class IcxLookAndFeelPainterListener {
 public:
  virtual ~IcxLookAndFeelPainterListener() = default;
  // The registry's entries changed.
  virtual void PainterChanged() = 0;
};

// Painters of further styles by name.
class TcxExtendedStylePainters {
 public:
  void AddListener(IcxLookAndFeelPainterListener* listener);
  void RemoveListener(IcxLookAndFeelPainterListener* listener);
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }
  // The first painter of that name, the case ignored.
  bool GetPainterByName(const std::string& name, TcxLookAndFeelPainterClass& painter) const;
  // Each tells the listeners.
  void Register(const std::string& name, TcxLookAndFeelPainterClass painter);
  void Unregister(TcxLookAndFeelPainterClass painter);

 private:
  void NotifyListeners();

  struct TEntry {
    std::string Name;
    TcxLookAndFeelPainterClass Painter;
  };
  std::vector<TEntry> FEntries;
  std::vector<IcxLookAndFeelPainterListener*> FListeners;
};

// Made at start-up; nullptr outside the unit's life.
TcxExtendedStylePainters* GetExtendedStylePainters();

// The 8 x 8 page-area patterns of scroll bars: face and highlight, or black and dark shadow.
const TBitmap& cxScrollBarPatternBitmap(bool pressed);
// Lets the patterns go, so that the next use makes them in the system colours of then.
void cxRefreshScrollBarPatternBitmaps();

void cxLookAndFeelPaintersInitialize();
void cxLookAndFeelPaintersFinalize();
