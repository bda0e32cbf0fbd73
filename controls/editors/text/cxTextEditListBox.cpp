#include "controls/editors/text/cxTextEditListBox.h"

#include "controls/editors/text/cxTextEdit.h"
#include "controls/foundation/cxGraphics.h"
#include "platform/classes/ClassBuilder.h"

namespace {

constexpr const char* kItemHeightText = "Wg";
constexpr int kTextInset = 2;

}  // namespace

TClass TcxCustomEditListBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomEditListBox>("TcxCustomEditListBox", TcxCustomInnerListBox::StaticClass()).Build();
  return &metaClass;
}

TcxCustomEditListBox::TcxCustomEditListBox(TComponent* owner, TcxContainer* container,
                                           TcxCustomTextEditLookupData& lookupData)
    : TcxCustomInnerListBox(owner, container), FLookupData(lookupData) {
  SetStyle(lbOwnerDrawFixed);
}

int TcxCustomEditListBox::GetItemHeight() {
  TcxCanvas& canvas = cxScreenCanvas();
  canvas.SetFont(Font());
  return canvas.TextHeight(kItemHeightText);
}

int TcxCustomEditListBox::GetItemWidth(int index) {
  TcxCanvas& canvas = cxScreenCanvas();
  canvas.SetFont(Font());
  return canvas.TextWidth(GetItemText(index));
}

void TcxCustomEditListBox::SetItemCount(int count) {
  if (count == FItemCount) return;
  BeginUpdate();
  TStringList& items = Items();
  while (items.Count() < count) items.Add("");
  while (items.Count() > count) items.Delete(items.Count() - 1);
  EndUpdate();
  FItemCount = count;
}

std::string TcxCustomEditListBox::GetItemText(int index) const { return FLookupData.GetItem(index); }

bool TcxCustomEditListBox::NeedsDrawFocusRect() {
  const TcxEditEditingStyle style = FLookupData.Edit().TextProperties().GetEditingStyle();
  return style == esFixedList || style == esNoEdit;
}

void TcxCustomEditListBox::CreateWnd() {
  TcxCustomInnerListBox::CreateWnd();
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, GetItemHeight());
}

// Shown, the list draws its selection as focused.
void TcxCustomEditListBox::WndProc(TMessage& message) {
  TcxCustomInnerListBox::WndProc(message);
  if (message.Msg != CM_SHOWINGCHANGED || !HandleAllocated()) return;
  TMessage focus{WM_SETFOCUS, 0, 0, 0};
  TListBox::DefaultHandler(focus);
}

// ---- the current item

// Once per item: setting the item the list shows already tells nothing new.
void TcxCustomEditListBox::SelectItemChanged() {
  const int index = ItemIndex();
  if (index == FReportedIndex) return;
  FReportedIndex = index;
  if (FOnSelectItem) FOnSelectItem(this);
}

void TcxCustomEditListBox::Click() {
  const TcxWeakSelf self(this);
  TcxCustomInnerListBox::Click();
  if (self.Alive()) SelectItemChanged();
}

void TcxCustomEditListBox::SelectionSet() { SelectItemChanged(); }

void TcxCustomEditListBox::MouseMove(TShiftState shift, int x, int y) {
  const TcxWeakSelf self(this);
  TcxCustomInnerListBox::MouseMove(shift, x, y);
  if (!self.Alive() || !FHotTrack || !HandleAllocated()) return;
  const int index = ItemAtPos(POINT{x, y});
  if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
}

bool TcxCustomEditListBox::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) {
  if (TcxCustomInnerListBox::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  if (!HandleAllocated()) return false;
  const WPARAM code = wheelDelta < 0 ? SB_LINEDOWN : SB_LINEUP;
  for (unsigned line = 0; line < WheelScrollLines(); ++line) SendMessageA(Handle(), WM_VSCROLL, code, 0);
  return true;
}

// ---- drawing

void TcxCustomEditListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (DoDrawItem(index, rect, state)) return;
  TCanvas& canvas = Canvas();
  canvas.FillRect(rect);
  if (index < 0 || index >= FLookupData.GetItemCount()) return;
  TRect textRect = rect;
  textRect.left += kTextInset;
  DrawItemText(textRect, GetItemText(index));
}

void TcxCustomEditListBox::DrawItemText(const TRect& rect, const std::string& text) {
  TCanvas& canvas = Canvas();
  TRect textRect = rect;
  const HDC dc = canvas.RequiredFontHandle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}
