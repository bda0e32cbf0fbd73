#pragma once
// How an editor is painted: the view data reads the properties and a style
// and fills a view info with rectangles, colours, states and one record per
// visible button; the view info paints them. The decisions in between (the
// border and button styles, the colours, the button layout and states) are
// pure functions so they are checked without an editor.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditButtons.h"
#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/base/cxEditStyles.h"
#include "controls/editors/base/cxEditUtils.h"
#include "controls/foundation/container/cxContainerViewInfo.h"
#include "platform/classes/Component.h"
#include "platform/classes/Messages.h"
#include "platform/rtl/Variants.h"

// Unlimited, for the view data's size limits.
constexpr int cxEditMaxSizeLimit = 1 << 29;

// What the view data asks of the editor it paints; painting for a host has
// no editor at all.
class IcxEditViewOwner {
 public:
  virtual ~IcxEditViewOwner() = default;
  // 0 while the editor has no window.
  virtual HWND ViewHandle() const = 0;
  virtual bool HasMouseCapture() const = 0;
  // The editor paints its background through the visual style itself.
  virtual bool HasNativeBackground() const = 0;
  // Where the inner edit goes inside `contentRect`.
  virtual TRect InnerEditBounds(const TRect& contentRect) const = 0;
  // 0 means no constraint.
  virtual SIZE MinSize() const = 0;
  virtual SIZE MaxSize() const = 0;
};

// ---- the decisions

// ebsNone in place; the two flat kinds are drawn as single.
TcxEditBorderStyle EditViewBorderStyle(TcxEditBorderStyle styleBorderStyle, bool inplace);
// The style's own unless btsDefault; then by look-and-feel kind in place or
// without border and hot-tracking, else by the style's own border style (not
// the one drawn).
TcxEditButtonStyle EffectiveButtonStyle(TcxEditButtonStyle styleButtonStyle, bool inplace,
                                        TcxEditBorderStyle styleBorderStyle, bool hotTrack, TcxLookAndFeelKind kind);
// The visual-style edit part state.
int EditNativeState(bool enabled, bool readOnly, bool focused, bool hot);

struct TcxEditBorderColorFacts {
  bool Hot = false;
  bool HotTracked = false;
  bool HotTrack = false;
  bool Focused = false;
  bool Selected = false;
  TcxEditBorderStyle StyleBorderStyle = ebsSingle;
  TColor StyleBorderColor = clWindowFrame;
  TcxLookAndFeelPainterClass SkinPainter = nullptr;
};
TColor EditBorderColor(const TcxEditBorderColorFacts& facts);

struct TcxEditPopupBorderFacts {
  TcxEditPopupBorderStyle StylePopupBorderStyle = epbsDefault;
  bool HasEditor = true;
  bool Inplace = false;
  TcxLookAndFeelKind Kind = lfStandard;
  TcxEditBorderStyle BorderStyle = ebsSingle;
  bool HasButtons = false;
  TcxEditButtonStyle FirstButtonStyle = btsDefault;
};
TcxEditPopupBorderStyle EditPopupBorderStyle(const TcxEditPopupBorderFacts& facts);

// What the layout reads of one visible button.
struct TcxEditButtonLayoutItem {
  int Width = 0;
  bool LeftAlignment = false;
  bool Stretchable = false;
};
struct TcxEditButtonLayout {
  std::vector<TRect> Bounds;
  // The rectangle left for the text.
  TRect Free{};
  int FirstLeft = -1;
  int LastLeft = -1;
  int FirstRight = -1;
  int LastRight = -1;
};
// Each button takes its width from the free rectangle's side, clipped to what
// is left; with `fill` the width left over is spread over the stretchable
// buttons (over all when none is), the last one taking the rest.
TcxEditButtonLayout LayoutEditButtons(const TRect& freeRect, const std::vector<TcxEditButtonLayoutItem>& buttons,
                                      bool fill);

struct TcxEditButtonStateFacts {
  bool EditorEnabled = true;
  bool ButtonEnabled = true;
  bool ReadOnly = false;
  bool MouseOver = false;
  // The left mouse button is held.
  bool LeftHeld = false;
  // A left press or double press over this button that was pressed before.
  bool PressedAgain = false;
};
TcxEditButtonState EditButtonStateFor(const TcxEditButtonStateFacts& facts);

// ---- the view info

// A button's record as the view data fills it.
struct TcxEditButtonViewInfoData : TcxEditButtonInfo {
  TAlignment ContentAlignment = taCenter;
  bool Default = false;
  bool Gradient = false;
  bool Inplace = false;
  bool LeftAlignment = false;
  std::string VisibleCaption;
  TColor TextColor = clBtnText;
  bool Stretchable = true;
  bool Transparent = false;
};

class TcxEditButtonViewInfo : public TPersistent {
 public:
  TRect Bounds{};
  TcxEditButtonViewInfoData Data;
  int ButtonVisibleIndex = -1;

  void Assign(const TPersistent* source) override;
  // State, kind, native state and transparency decide the looks.
  bool Equals(const TcxEditButtonViewInfo& other) const;
};

class TcxCustomEditViewInfo;
// Answers true when it has drawn the part (-1 the background, else the
// button index) so the built-in drawing is skipped.
using TcxEditDrawHook = std::function<bool(TcxCustomEditViewInfo& viewInfo, TcxCanvas& canvas, int part)>;

class TcxCustomEditViewInfo : public TcxContainerViewInfo {
 public:
  TcxCustomEditViewInfo() = default;
  ~TcxCustomEditViewInfo() override = default;

  std::vector<std::unique_ptr<TcxEditButtonViewInfo>> ButtonsInfo;
  int PressedButton = -1;
  int HotButton = -1;
  TRect ButtonsRect{};
  TRect InnerEditRect{};
  TcxEditButtonStyle ButtonStyle = bts3D;
  TcxLookAndFeelKind Kind = lfStandard;
  TColor TextColor = clWindowText;
  const TFont* Font = nullptr;
  bool Enabled = true;
  bool Focused = false;
  bool Selected = false;
  bool HotTracked = false;
  bool ReadOnly = false;
  bool Inplace = false;
  bool Transparent = false;
  // Every button in button face, without the style's frame.
  bool SimplePainting = false;
  // No frame in the background colour around simple and flat-kind buttons.
  bool SuppressButtonFrame = false;
  bool BufferedButtons = false;
  IcxEditViewOwner* Editor = nullptr;

  TcxEditDrawHook OnDrawBackground;
  TcxEditDrawHook OnDrawButtonBackground;
  TcxEditDrawHook OnDrawButtonBorder;
  TcxEditDrawHook OnDrawButtonContent;

  virtual std::unique_ptr<TcxEditButtonViewInfo> CreateButtonViewInfo() const;
  void SetButtonCount(int count);
  int ButtonCount() const { return static_cast<int>(ButtonsInfo.size()); }
  // -1 over no button.
  int GetButtonIndexAt(const POINT& point) const;
  virtual bool IsPointOverButton(const POINT& point) const { return GetButtonIndexAt(point) >= 0; }
  // Whether the pointer can show one of the editor's buttons hot.
  virtual bool HasHotButtons() const { return !ButtonsInfo.empty(); }

  void Assign(const TcxContainerViewInfo* source) override;
  void Offset(int dx, int dy) override;
  void Paint(TcxCanvas& canvas) override;
  virtual void DrawButton(TcxCanvas& canvas, int index);
  // Invalidates what differs from `previous` (nullptr: everything) in the
  // editor's window, shifted by `offset`; true when a button changed.
  bool Repaint(const TcxCustomEditViewInfo* previous, const POINT& offset);
  struct TChangedRect {
    TRect Rect;
    // What shows through must be drawn again.
    bool Erase;
  };
  // The repaint comparison without a window: the rectangles to invalidate.
  std::vector<TChangedRect> ChangedRects(const TcxCustomEditViewInfo* previous, bool& buttonsChanged) const;

 protected:
  virtual void DrawEditBackground(TcxCanvas& canvas);
  // Answers the button's background and text colours and its content rectangle.
  virtual void DrawButtonBorder(TcxCanvas& canvas, int index, TRect& content, TColor& background, TColor& text);
  virtual void DrawButtonContent(TcxCanvas& canvas, int index, const TRect& content, TColor textColor);
  virtual bool RepaintsOnStateChange() const { return true; }

 private:
  void PaintButton(TcxCanvas& canvas, int index, const TRect& bounds);
  void DrawSkinButton(TcxCanvas& canvas, int index, const TRect& bounds);
  bool StateDiffers(const TcxCustomEditViewInfo& other) const;
};

std::unique_ptr<TcxContainerViewInfo> CreateEditViewInfo();

// ---- the view data

class TcxCustomEditViewData : public TPersistent {
 public:
  TcxCustomEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle& style, bool inplace);

  TcxCustomEditProperties& Properties;
  TcxCustomEditStyle& Style;
  bool Inplace;
  bool Enabled = true;
  bool Focused = false;
  bool Selected = false;
  bool Hot = false;
  bool HotTracked = false;
  // The editor leaves its background to its parent.
  bool Transparent = false;
  IcxEditViewOwner* Editor = nullptr;
  HWND WindowHandle = nullptr;
  int ButtonVisibleCount = 0;
  TAlignment HorzAlignment = taLeftJustify;
  TcxEditVertAlignment VertAlignment = taTopJustify;
  TcxLookAndFeelPainterClass SkinPainter = nullptr;
  TRect ContentOffset{};
  int MaxWidth = cxEditMaxSizeLimit;
  int MaxHeight = cxEditMaxSizeLimit;
  // The editor shows what its settings look like rather than a value.
  bool IsPreview = false;

  virtual void ReadPropertiesSettings();
  virtual void InitializeDefaults();
  TcxEditBorderStyle GetBorderStyle() const;
  TcxEditButtonStyle GetButtonStyle() const;
  TColor GetBorderColor() const;
  TcxEditPopupBorderStyle GetPopupBorderStyle() const;
  int GetNativeState() const;
  TcxLookAndFeelKind LookAndFeelKind() const;
  bool NativeStyle() const;

  virtual void Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint, TMouseButton button,
                         TShiftState shift, TcxCustomEditViewInfo& viewInfo, bool isMouseEvent);
  virtual void CalculateButtonViewInfo(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, int index);
  virtual void CalculateButtonState(TcxCustomEditViewInfo& viewInfo, int index, const POINT& mousePoint,
                                    TMouseButton button, TShiftState shift, bool isMouseEvent);
  virtual void EditValueToDrawValue(const Variant&, TcxCustomEditViewInfo&) {}
  virtual std::string GetDisplayText() const { return {}; }
  // The size the editor needs for its text (of the style's font) and buttons.
  virtual SIZE GetEditSize(TcxCanvas& canvas, int contentWidth);
  // The least height that shows every button's glyph and caption.
  virtual int GetMinimalHeight(TcxCanvas& canvas);

 protected:
  int ButtonWidth(TcxCanvas& canvas, const TcxEditButton& button) const;
  int BorderExtent() const;

 private:
  std::vector<TcxEditButton*> VisibleButtons() const;
  bool FillsWithButtons() const;
};

std::unique_ptr<TcxCustomEditViewData> CreateEditViewData(TcxCustomEditProperties& properties,
                                                          TcxCustomEditStyle& style, bool inplace);
