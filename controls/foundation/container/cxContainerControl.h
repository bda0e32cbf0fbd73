#pragma once
// The windowed control every editor derives from. It draws its own border,
// background and shadow from the style of its state, hosts an optional inner
// control (the real edit window) which it places, clips and keeps in step
// with its colour, font, focus and keys, tracks the pointer for
// hot-tracking, shapes its window region and mirrors the inner control's
// scroll bars on its own.
//
// With an inner window the container is a control parent and the inner
// window the tab stop: the dialog manager moves the focus past the
// container straight into it.
#include <windows.h>

#include <memory>
#include <string>

#include "controls/foundation/container/cxContainerRoutines.h"
#include "controls/foundation/container/cxContainerStyles.h"
#include "controls/foundation/container/cxContainerViewInfo.h"
#include "controls/foundation/controls/cxControls.h"
#include "controls/foundation/controls/cxControlsControl.h"

class TcxContainer;

// Asks of the control inside a container.
class IcxContainerInnerControl {
 public:
  virtual ~IcxContainerInnerControl() = default;
  virtual TWinControl* GetControl() = 0;
  virtual TcxContainer* GetControlContainer() = 0;
};

// The container posts these to itself (and the re-render one to its inner window).
constexpr UINT CM_SHORTREFRESHCONTAINER = 0x8067;
constexpr UINT CM_UPDATESCROLLBARS = 0x8068;
constexpr UINT CM_BUFFEREDPAINTONGLASS = 0x8069;

// The part of the inner control inside the container's client area, in the
// inner control's own coordinates.
struct TcxContainerInnerControlBounds {
  bool WhollyVisible = true;
  TRect Rect{};
};

// The square between two visible scroll bars of the inner window.
struct TcxContainerScrollBarRegion {
  bool Empty = true;
  TRect Rect{};
};

class TcxContainer : public TcxControl, public IcxContainerStyleOwner {
  // Its inner list box hands its events on to the container's handlers; its
  // popup tells it of a focus lost with the program's activation.
  friend class TcxCustomInnerListBox;
  friend class TcxCustomPopupWindow;

 public:
  // The style and view-info classes are the descendant's: its styles exist
  // before its own constructor runs.
  explicit TcxContainer(TComponent* owner, TcxContainerStyleClass styleClass = CreateContainerStyle,
                        TcxContainerViewInfoClass viewInfoClass = CreateContainerViewInfo);
  ~TcxContainer() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
  void BeforeDestruction() override;

  TcxContainerStyles& Styles() const { return *FStyles; }
  TcxContainerStyle* GetStyle() const { return FStyles->GetStyle(); }
  TcxContainerViewInfo& ViewInfo() const { return *FViewInfo; }
  TWinControl* InnerControl() const { return FInnerControl; }
  // The inner control goes to ClientRect and follows the container.
  void SetInnerControl(TWinControl* value);
  TcxStyleController* FakeStyleController() const { return GetStyle()->StyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  bool RedrawPending() const { return FRedrawPending; }
  bool OnCompositedParent() const { return FOnCompositedParent; }
  const TcxContainerInnerControlBounds& InnerControlVisibleBounds() const { return FInnerControlVisibleBounds; }
  const TcxContainerScrollBarRegion& ScrollBarRegion() const { return FScrollBarRegion; }

  // ---- IcxContainerStyleOwner
  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return false; }
  bool IsInplace() const override { return false; }
  bool IsStylePropertyStored(const std::string& name, bool isStateStyle) const override;

  void LockInnerControlSetBounds(bool lock);
  void RefreshForCursorPos(bool fromMouseLeave);
  void EnsureViewInfoCalculated();
  bool IsDestroying() const { return FIsDestroyingFlag; }
  virtual bool IsContainerFocused();
  bool Focused();
  bool IsFocused() override { return Focused(); }
  void SetFocus();

  // ---- the inner control's messages: true when the container handled it
  virtual bool DoInnerControlMessage(TMessage& message);
  virtual bool DoInnerControlKeyMessage(TMessage& message);
  virtual void SynchronizeScrollBars(bool valuesOnly);

  virtual void AdjustInnerControl();
  virtual void CalculateViewInfo(POINT point, bool isMouseEvent);
  virtual TcxContainerStyle* GetActiveStyle();
  virtual TRect GetBorderExtent();
  virtual TRect GetVisibleBounds();
  virtual TRect GetShadowBounds();
  virtual bool HasShadow();
  virtual bool IsNativeStyle();
  virtual int GetNativeState();
  virtual bool IsReadOnlyState() { return false; }
  virtual bool NeedsWindowRegion();
  // A refresh for the pointer leaving never shows the hot state.
  virtual bool RefreshContainer(POINT point, TMouseButton button, TShiftState shift, bool fromMouseLeave);
  virtual void ShortRefreshContainer();
  virtual void UpdateWindowRegion();
  virtual void AlignInnerControl();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave(TControl* control) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DoContextPopup(POINT mousePos, bool& handled) override;
  void ColorChanged() override;
  void FontChanged() override;
  void CursorChanged() override;
  void FocusChanged() override;
  void MouseEnter(TControl* control) override;
  void BoundsChanged() override;
  bool CanFocusOnClick() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The bars mirror the inner window's: the settling update of the control
  // base leaves them alone.
  void ShowSizeGrip(bool /*show*/) override {}
  void SetScrollBarsBounds() override {}
  void ApplyScrollBarData(TScrollBarKind /*kind*/) override {}
  void ShowScrollBarDisabled(TScrollBarKind /*kind*/) override {}

  virtual bool TabMovesFocus() { return true; }
  virtual bool CanShowPopupMenu() { return true; }
  virtual void ContainerStyleChanged(TObject* sender);
  virtual void MouseTrackingMouseLeave();
  virtual void GetInnerControlVisibleBounds(TWinControl* control, const TRect& clientRect,
                                            TcxContainerInnerControlBounds& bounds);
  TcxContainerStyleClass GetStyleClass() const { return FStyleClass; }
  virtual TcxContainerStyle* InternalGetActiveStyle();
  virtual TcxContainerStyleValues GetIgnoredStyleValues() const { return {}; }
  virtual bool IsPlainContainer() { return false; }
  virtual bool IsTransparentBackground() { return false; }
  virtual void ClipCanvasToVisibleRegion();
  virtual void AdjustScrollBarPosition(TcxControlScrollBar* scrollBar);
  virtual TdxThemedObjectType GetNativeThemeObject() { return totEdit; }
  virtual int GetNativePart() { return 1; }
  virtual TRect GetScrollBarBounds(const TRect& screenRect);
  virtual bool GetScrollBarEnabled(TcxControlScrollBar* scrollBar, const SCROLLBARINFO& info);
  virtual bool GetScrollBarInfo(TScrollBarKind kind, SCROLLBARINFO& info);
  virtual bool IsScrollBarVisible(const SCROLLBARINFO& info);
  virtual void FocusInnerControl();
  virtual void SetScrollBarVisible(TcxControlScrollBar* scrollBar, bool visible);
  virtual void ResetInnerControlVisibleBounds();
  virtual bool HasPopupWindow() { return false; }

  // Makes a view info of `viewInfoClass` when the present one is of another
  // class; it is calculated at the next refresh.
  void SetViewInfoClass(TcxContainerViewInfoClass viewInfoClass);
  // What a refresh repaints.
  virtual void InvalidateContainer();

  // The states of now; hot only from a mouse event with the pointer inside.
  TcxContainerStates GetContainerState(POINT point, bool isMouseEvent);
  bool ChangingFromStyle() const { return FChangingFromStyle; }

 private:
  // Tells the container when the pointer left its visible bounds.
  class TTrackingCaller : public IcxMouseTrackingCaller {
   public:
    explicit TTrackingCaller(TcxContainer& container) : FContainer(container) {}
    void MouseLeave() override { FContainer.MouseTrackingMouseLeave(); }

   private:
    TcxContainer& FContainer;
  };

  void DestroyWindows();
  bool HasInnerWindow() const;
  bool InnerWindowFocused() const;
  void MakeInnerControlFocusedControl();
  void ApplyInnerControlVisibleBounds();
  void ForwardToInnerWindow(TMessage& message);
  bool SetFocusMessage(TMessage& message);
  bool KillFocusMessage(TMessage& message);
  bool SetCursorMessage(TMessage& message);
  void CompositedPaintMessage(TMessage& message);
  void CtlColorMessage(TMessage& message);
  void ParentColorChangedMessage(TMessage& message);
  void ParentFontChangedMessage(TMessage& message);
  void CopyFontToStyle();
  void EnabledChangedMessage(TMessage& message);
  void SynchronizeScrollBar(TcxControlScrollBar* scrollBar, int bar, bool valuesOnly);
  void UpdateScrollBarRegion();
  bool IsCompositedParent() const;
  bool CompositionActive() const;

  TcxContainerStates FActiveStateCache{csNormal};
  TcxContainerStyle* FActiveStyleCache = nullptr;
  TWinControl* FInnerControl = nullptr;
  TcxContainerInnerControlBounds FInnerControlVisibleBounds;
  bool FRefusesFocusOnClick = false;
  bool FRedrawPending = false;
  bool FIsDestroyingFlag = false;
  bool FRefreshLock = false;
  bool FViewInfoCalculated = false;
  int FInnerControlSetBoundsLockCount = 0;
  bool FOnCompositedParent = false;
  bool FRedrawPosted = false;
  int FScrollBarLockCount = 0;
  bool FRefreshGuard = false;
  bool FScrollBarsSyncing = false;
  TcxContainerScrollBarRegion FScrollBarRegion;
  bool FChangingFromStyle = false;
  bool FIsCreating = false;
  TShiftState FShiftState;
  TcxContainerStyleClass FStyleClass;
  TTrackingCaller FTrackingCaller{*this};
  std::unique_ptr<TcxContainerStyles> FStyles;
  TcxContainerViewInfoClass FViewInfoClass;
  std::unique_ptr<TcxContainerViewInfo> FViewInfo;
};
