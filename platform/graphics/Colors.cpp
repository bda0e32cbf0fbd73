#include "platform/graphics/Colors.h"

const TIdentMap& ColorIdents() {
  static const TIdentMap idents = {{clBlack, "clBlack"},
                                   {clMaroon, "clMaroon"},
                                   {clGreen, "clGreen"},
                                   {clOlive, "clOlive"},
                                   {clNavy, "clNavy"},
                                   {clPurple, "clPurple"},
                                   {clTeal, "clTeal"},
                                   {clGray, "clGray"},
                                   {clSilver, "clSilver"},
                                   {clRed, "clRed"},
                                   {clLime, "clLime"},
                                   {clYellow, "clYellow"},
                                   {clBlue, "clBlue"},
                                   {clFuchsia, "clFuchsia"},
                                   {clAqua, "clAqua"},
                                   {clWhite, "clWhite"},
                                   {clScrollBar, "clScrollBar"},
                                   {clBackground, "clBackground"},
                                   {clActiveCaption, "clActiveCaption"},
                                   {clInactiveCaption, "clInactiveCaption"},
                                   {clMenu, "clMenu"},
                                   {clWindow, "clWindow"},
                                   {clWindowFrame, "clWindowFrame"},
                                   {clMenuText, "clMenuText"},
                                   {clWindowText, "clWindowText"},
                                   {clCaptionText, "clCaptionText"},
                                   {clActiveBorder, "clActiveBorder"},
                                   {clInactiveBorder, "clInactiveBorder"},
                                   {clAppWorkSpace, "clAppWorkSpace"},
                                   {clHighlight, "clHighlight"},
                                   {clHighlightText, "clHighlightText"},
                                   {clBtnFace, "clBtnFace"},
                                   {clBtnShadow, "clBtnShadow"},
                                   {clGrayText, "clGrayText"},
                                   {clBtnText, "clBtnText"},
                                   {clInactiveCaptionText, "clInactiveCaptionText"},
                                   {clBtnHighlight, "clBtnHighlight"},
                                   {cl3DDkShadow, "cl3DDkShadow"},
                                   {cl3DLight, "cl3DLight"},
                                   {clInfoText, "clInfoText"},
                                   {clInfoBk, "clInfoBk"},
                                   {clNone, "clNone"},
                                   {clDefault, "clDefault"}};
  return idents;
}

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}
