#pragma once
// TPageControl and TTabSheet: pages of controls behind a row of tabs (the
// Win32 tab control), one tab per sheet captioned with the sheet's Caption,
// in the order the sheets joined. Only the active page is visible. With
// MultiLine the tabs wrap into as many rows as they need, and the pages sit
// below all rows. Page controls nest: a sheet may hold another page control.
//
// A sheet's OnShow runs when its page becomes the active one, by a click on
// its tab or by the program (ActivePageIndex, or the active page leaving);
// not while a form is read, whose ActivePageIndex is applied once every
// sheet of it exists. A page control that gets its first sheet makes it active.
#include <vector>

#include "platform/controls/core/WinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TPageControl* PageControl() const { return FPageControl; }
  void SetOnShow(TNotifyEvent handler) { FOnShow = std::move(handler); }

  // Leaves its page control while it is still a sheet.
  void BeforeDestruction() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void ParentChanged() override;
  // Only one page shows at a time: the others make their windows when first turned to.
  bool DefersWindowUntilShown() const override { return true; }

 private:
  friend class TPageControl;

  void DoShow();

  TPageControl* FPageControl = nullptr;
  TNotifyEvent FOnShow;
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const { return FPages.at(index); }
  TTabSheet* ActivePage() const { return FActivePage; }
  // -1 without pages; an index that names no page is ignored.
  int ActivePageIndex() const;
  void SetActivePageIndex(int value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);

  void BeforeDestruction() override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Resize() override { ArrangePages(); }

 private:
  friend class TTabSheet;

  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void ChangeActivePage(TTabSheet* page);
  // Gives the window one tab per page, with the active one selected.
  void UpdateTabs();
  // Puts every page in the area below the tabs, and only the active one in sight.
  void ArrangePages();
  RECT DisplayRect();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  bool FMultiLine = false;
  int FLoadedActivePageIndex = -1;
};
