#include "platform/controls/standard/ListBox.h"

#include <algorithm>

#include "platform/classes/ClassBuilder.h"

TClass TListBox::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TListBox>("TListBox", TCustomListControl::StaticClass())
                                          .Strings("Items", &TListBox::Items)
                                          .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex, -1)
                                          .Event("OnClick", &TListBox::SetOnClick)
                                          .Build();
  return &metaClass;
}

TListBox::TListBox(TComponent* owner) : TCustomListControl(owner, kListBoxMessages) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
}

void TListBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.BaseClassName = "LISTBOX";
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) params.Style |= LBS_EXTENDEDSEL;
  if (FStyle == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (FStyle == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  if (IsVirtual()) params.Style |= LBS_OWNERDRAWFIXED | LBS_NODATA;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  TCustomListControl::CreateWnd();
  if (IsVirtual()) SendMessageA(Handle(), LB_SETCOUNT, FCount, 0);
  if (FScrollWidth > 0) SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, FScrollWidth, 0);
}

void TListBox::SetCount(int value) {
  FCount = value;
  if (IsVirtual() && HandleAllocated()) SendMessageA(Handle(), LB_SETCOUNT, value, 0);
}

int TListBox::DoFindData(const std::string& data) { return FOnDataFind ? FOnDataFind(this, data) : -1; }

void TListBox::BeginUpdate() {
  if (FUpdateCount++ == 0) SetRedraw(false);
}

void TListBox::EndUpdate() {
  if (--FUpdateCount == 0) SetRedraw(true);
}

void TListBox::SetRedraw(bool redraw) {
  if (HandleAllocated()) SendMessageA(Handle(), WM_SETREDRAW, redraw, 0);
}

bool TListBox::Selected(int index) const {
  if (!HandleAllocated()) return false;
  return SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETSEL, index, 0) > 0;
}

int TListBox::ItemAtPos(POINT point) const {
  if (!HandleAllocated()) return -1;
  const LRESULT hit =
      SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  return HIWORD(hit) ? -1 : LOWORD(hit);
}

int TListBox::TopIndex() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0));
}

void TListBox::SetTopIndex(int value) { SendMessageA(Handle(), LB_SETTOPINDEX, value, 0); }

int TListBox::ItemHeight() const {
  if (!HandleAllocated() || FStyle == lbOwnerDrawVariable) return FItemHeight;
  return static_cast<int>(SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETITEMHEIGHT, 0, 0));
}

void TListBox::SetItemHeight(int value) {
  if (value < 0) return;
  FItemHeight = value;
  if (value > 0 && HandleAllocated() && IsOwnerDrawFixed()) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, value);
}

TRect TListBox::ItemRect(int index) const {
  RECT rect{};
  if (HandleAllocated())
    SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TListBox::SetScrollWidth(int value) {
  FScrollWidth = std::max(value, 0);
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, FScrollWidth, 0);
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (CommandCode(message) == LBN_SELCHANGE) Click();
    return;
  }
  if (message.Msg == CN_MEASUREITEM) {
    MeasureItemMessage(MessageRecord<MEASUREITEMSTRUCT>(message));
    message.Result = TRUE;
    return;
  }
  if (message.Msg == CN_DRAWITEM) {
    DrawItemMessage(MessageRecord<DRAWITEMSTRUCT>(message));
    message.Result = TRUE;
    return;
  }
  TCustomListControl::WndProc(message);
}

// A fixed list asks once, a variable one for every item as it is added.
void TListBox::MeasureItemMessage(MEASUREITEMSTRUCT& item) {
  int height = FItemHeight > 0 ? FItemHeight : static_cast<int>(item.itemHeight);
  if (FStyle == lbOwnerDrawVariable) MeasureItem(static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(std::max(height, 0));
}

void TListBox::MeasureItem(int index, int& height) {
  if (FOnMeasureItem) FOnMeasureItem(this, index, height);
}

void TListBox::DrawItemMessage(const DRAWITEMSTRUCT& item) {
  TOwnerDrawState state;
  if (item.itemState & ODS_SELECTED) state.Include(odSelected);
  if (item.itemState & ODS_FOCUS) state.Include(odFocused);
  if (item.itemState & ODS_DISABLED) state.Include(odDisabled);
  const TControlCanvas::TPaintScope scope(FCanvas, item.hDC);
  FCanvas.Font().Assign(Font());
  FCanvas.Brush().SetColor(Color());
  if (state.Contains(odSelected)) {
    FCanvas.Brush().SetColor(clHighlight);
    FCanvas.Font().SetColor(clHighlightText);
  }
  const int index = static_cast<int>(item.itemID);
  if (index >= 0)
    DrawItem(index, item.rcItem, state);
  else
    FCanvas.FillRect(item.rcItem);
  if (state.Contains(odFocused) && NeedsDrawFocusRect()) FCanvas.DrawFocusRect(item.rcItem);
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (FOnDrawItem) return FOnDrawItem(this, index, rect, state);
  FCanvas.FillRect(rect);
  std::string text;
  if (IsVirtual()) {
    if (FOnData) FOnData(this, index, text);
  } else if (index < Items().Count()) {
    text = Items().Strings(index);
  }
  FCanvas.TextOut(rect.left + 2, rect.top, text);
}
