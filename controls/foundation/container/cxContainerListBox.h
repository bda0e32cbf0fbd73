#pragma once
// The list box inside a container: it has no border of its own, hands its
// mouse, key and focus events to the container (coordinates moved into the
// container's client area), shows two painter-drawn scroll bars on the
// container in place of its window's own, and finds items as the user types.
//
// The bars are owned by the list box, so they go with it, and lie on the
// container: either may be freed first.
#include <windows.h>

#include <string>

#include "controls/foundation/container/cxContainerControl.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "controls/foundation/controls/cxScrollBar.h"
#include "platform/controls/standard/ListBox.h"

// The clock and the code page the incremental search reads.
struct TcxInnerListBoxApi {
  DWORD(WINAPI* GetTickCount)() = ::GetTickCount;
  UINT(WINAPI* GetACP)() = ::GetACP;
};
TcxInnerListBoxApi& cxInnerListBoxApi();

// `text` without its last character, a double-byte character of `codePage` whole.
std::string RemoveLastCharacter(const std::string& text, UINT codePage);

class TcxCustomInnerListBox : public TListBox, public IcxContainerInnerControl {
 public:
  // `container` is the container the list serves (nullptr: none), which
  // need not be its owner: a list owned by an editor but shown in a popup
  // must not feed the editor's own handlers.
  TcxCustomInnerListBox(TComponent* owner, TcxContainer* container);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxScrollBar* HScrollBar() const { return FHScrollBar; }
  TcxScrollBar* VScrollBar() const { return FVScrollBar; }
  TcxLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
  TcxContainer* Container() const { return FContainer; }
  bool IsRedrawLocked() const { return FIsRedrawLocked; }
  const std::string& SearchText() const { return FSearchText; }

  // ---- IcxContainerInnerControl
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FContainer; }

  virtual void DoIncrementalSearch(char& key);
  virtual void LookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changedValues);
  // An item-drawing handler draws the focus too.
  bool NeedsDrawFocusRect() override { return !HasDrawItemHandler(); }
  virtual void UpdateScrollBars();
  // The square between the two visible bars, in window coordinates; empty otherwise.
  TRect GetScrollBarCornerRect() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void DestroyWindowHandle() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;
  void Click() override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoContextPopup(POINT mousePos, bool& handled) override;
  void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
  void DragDrop(TObject* source, int x, int y) override;

 private:
  TcxScrollBar* CreateScrollBar(TScrollBarKind kind);
  void UpdateScrollBar(TcxScrollBar* bar, LONG objectId, int barKind);
  void ScrollWindowBy(UINT msg, TScrollCode scrollCode, int scrollPos, TcxScrollBar* bar);
  void HScrollHandler(TScrollCode scrollCode, int& scrollPos);
  void VScrollHandler(TScrollCode scrollCode, int& scrollPos);
  bool ContainerAlive() const;
  void FillScrollBarCorner(HDC dc) const;
  void PrintMessage(TMessage& message);
  void RepaintScrollBarCorner();
  bool TriggersScrollBarUpdate(const TMessage& message) const;
  void GetDlgCodeMessage(TMessage& message);
  void SetFocusMessage(TMessage& message);
  void LButtonDownMessage(TMessage& message);
  int FindItem(const std::string& text);
  void SelectFoundItem(int index);
  void AppendSearchKey(char& key);

  TcxContainer* FContainer = nullptr;
  TcxScrollBar* FHScrollBar = nullptr;
  TcxScrollBar* FVScrollBar = nullptr;
  TOwned<TcxLookAndFeel> FLookAndFeel;
  bool FIsRedrawLocked = false;
  bool FScrollBarsCalculating = false;
  int FScrollBarsLockCount = 0;
  std::string FSearchText;
  DWORD FLastSearchKeyTime = 0;
};
