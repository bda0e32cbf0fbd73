#include "platform/controls/common/PageControl.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/classes/ClassBuilder.h"

TClass TTabSheet::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TTabSheet>("TTabSheet", TWinControl::StaticClass())
                                          .String("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption)
                                          .Event("OnShow", &TTabSheet::SetOnShow)
                                          .Build();
  return &metaClass;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {}

void TTabSheet::BeforeDestruction() {
  if (TPageControl* pageControl = std::exchange(FPageControl, nullptr)) pageControl->RemovePage(this);
  TWinControl::BeforeDestruction();
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  // Tab moves through the controls on the page.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::ParentChanged() {
  auto* pageControl =
      Parent() && Parent()->InheritsFrom(TPageControl::StaticClass()) ? static_cast<TPageControl*>(Parent()) : nullptr;
  if (pageControl != FPageControl) {
    if (FPageControl) FPageControl->RemovePage(this);
    FPageControl = pageControl;
    if (FPageControl) FPageControl->InsertPage(this);
  }
  TWinControl::ParentChanged();
}

void TTabSheet::DoShow() {
  if (FOnShow) FOnShow(this);
}

TClass TPageControl::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TPageControl>("TPageControl", TWinControl::StaticClass())
          .Boolean("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine, false)
          .Integer("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex, 0)
          .Build();
  return &metaClass;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 289, 193); }

int TPageControl::ActivePageIndex() const {
  const auto found = std::find(FPages.begin(), FPages.end(), FActivePage);
  return found == FPages.end() ? -1 : static_cast<int>(found - FPages.begin());
}

void TPageControl::SetActivePageIndex(int value) {
  // The form's sheets come after the page control's own properties.
  if (ComponentState().Contains(csLoading)) {
    FLoadedActivePageIndex = value;
    return;
  }
  if (value >= 0 && value < PageCount()) ChangeActivePage(FPages[value]);
}

void TPageControl::SetMultiLine(bool value) {
  if (value == FMultiLine) return;
  FMultiLine = value;
  // The tab control reads its style when it is made.
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
}

void TPageControl::BeforeDestruction() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
  TWinControl::BeforeDestruction();
}

void TPageControl::Loaded() {
  if (FLoadedActivePageIndex >= 0 && FLoadedActivePageIndex < PageCount())
    ChangeActivePage(FPages[FLoadedActivePageIndex]);
  TWinControl::Loaded();
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLA;
  params.Style |= WS_TABSTOP | (FMultiLine ? TCS_MULTILINE : 0);
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPageControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateTabs();
}

void TPageControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    if (NotifyCode(message) == TCN_SELCHANGE) SetActivePageIndex(TabCtrl_GetCurSel(Handle()));
    return;
  }
  TWinControl::WndProc(message);
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  UpdateTabs();
  if (!FActivePage)
    ChangeActivePage(page);
  else
    ArrangePages();
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto found = std::find(FPages.begin(), FPages.end(), page);
  if (found == FPages.end()) return;
  const int index = static_cast<int>(found - FPages.begin());
  FPages.erase(found);
  UpdateTabs();
  if (page != FActivePage) return;
  FActivePage = nullptr;
  // A sheet that goes with its form announces no other page: the handler
  // would reach components of the form that are already freed.
  if (page->Owner() && page->Owner()->Destroying()) return;
  // The page that took the tab's place, or the one before it when it was the last.
  if (!FPages.empty()) ChangeActivePage(FPages[std::min(index, PageCount() - 1)]);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
  if (page == FActivePage) return;
  FActivePage = page;
  if (HandleAllocated()) TabCtrl_SetCurSel(Handle(), ActivePageIndex());
  ArrangePages();
  if (page && !ComponentState().Contains(csLoading)) page->DoShow();
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  TabCtrl_DeleteAllItems(window);
  for (int i = 0; i < PageCount(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(FPages[i]->Caption().c_str());
    SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  TabCtrl_SetCurSel(window, ActivePageIndex());
  // New captions may change the number of tab rows.
  ArrangePages();
}

void TPageControl::ArrangePages() {
  const RECT area = DisplayRect();
  for (TTabSheet* page : FPages) {
    page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    page->SetVisible(page == FActivePage);
  }
}

RECT TPageControl::DisplayRect() {
  RECT area = ClientRect();
  if (HandleAllocated()) TabCtrl_AdjustRect(Handle(), FALSE, &area);
  return area;
}
