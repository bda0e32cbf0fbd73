#include "controls/editors/engines/cxDateUtils.h"

#include "controls/editors/base/cxEditConsts.h"

std::array<std::string, kSmartDateWordCount> cxSmartDateWords() {
  return {cxGetResourceString(cxMsgSmartDateToday),     cxGetResourceString(cxMsgSmartDateYesterday),
          cxGetResourceString(cxMsgSmartDateTomorrow),  cxGetResourceString(cxMsgSmartDateSunday),
          cxGetResourceString(cxMsgSmartDateMonday),    cxGetResourceString(cxMsgSmartDateTuesday),
          cxGetResourceString(cxMsgSmartDateWednesday), cxGetResourceString(cxMsgSmartDateThursday),
          cxGetResourceString(cxMsgSmartDateFriday),    cxGetResourceString(cxMsgSmartDateSaturday),
          cxGetResourceString(cxMsgSmartDateFirst),     cxGetResourceString(cxMsgSmartDateSecond),
          cxGetResourceString(cxMsgSmartDateThird),     cxGetResourceString(cxMsgSmartDateFourth),
          cxGetResourceString(cxMsgSmartDateFifth),     cxGetResourceString(cxMsgSmartDateSixth),
          cxGetResourceString(cxMsgSmartDateSeventh),   cxGetResourceString(cxMsgSmartDateBom),
          cxGetResourceString(cxMsgSmartDateEom),       cxGetResourceString(cxMsgSmartDateNow)};
}

// Nothing to set up: the words are read when asked for.
void cxDateUtilsInitialize() {}
void cxDateUtilsFinalize() {}
