#include "platform/controls/common/StatusBar.h"

#include <commctrl.h>

#include <vector>

#include "platform/classes/ClassBuilder.h"

TClass TStatusPanel::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TStatusPanel>("TStatusPanel", TCollectionItem::StaticClass())
                                          .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
                                          .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50)
                                          .Build();
  return &metaClass;
}

void TStatusPanel::SetText(const std::string& value) {
  FText = value;
  Changed();
}

void TStatusPanel::SetWidth(int value) {
  FWidth = value;
  Changed();
}

void TStatusPanels::Update(TCollectionItem*) { FStatusBar.UpdatePanels(); }

TClass TStatusBar::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TStatusBar>("TStatusBar", TWinControl::StaticClass())
          .Collection("Panels", &TStatusBar::Panels)
          .Enumeration("Align", &TStatusBar::Align, &TStatusBar::SetAlign, AlignIdents(), alBottom)
          .Build();
  return &metaClass;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  SetHeight(19);
  SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = STATUSCLASSNAMEA;
  params.Style |= CCS_BOTTOM | SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  FShownRightEdges.clear();
  FShownTexts.clear();
  TWinControl::CreateWnd();
  UpdatePanels();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  std::vector<int> rightEdges;
  int edge = 0;
  for (int i = 0; i < FPanels.Count(); ++i) rightEdges.push_back(edge += FPanels.Items(i).Width());
  if (rightEdges.empty()) rightEdges.push_back(0);
  rightEdges.back() = -1;
  const bool partsChanged = rightEdges != FShownRightEdges;
  if (partsChanged) {
    SendMessageA(Handle(), SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    FShownRightEdges = rightEdges;
  }
  FShownTexts.resize(FPanels.Count());
  for (int i = 0; i < FPanels.Count(); ++i) {
    const std::string& text = FPanels.Items(i).Text();
    if (!partsChanged && FShownTexts[i] == text) continue;
    SendMessageA(Handle(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(text.c_str()));
    FShownTexts[i] = text;
  }
}
