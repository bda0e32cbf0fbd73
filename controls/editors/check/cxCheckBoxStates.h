#pragma once
// The codec that keeps the check states of a check-list control's items in
// one edit value and reads them back. The codec never raises: a value it
// cannot read leaves every item unchecked.
#include <cstdint>
#include <string>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "platform/rtl/Variants.h"

// One state per item of a check-list control, by item index.
using TcxCheckStates = std::vector<TcxCheckBoxState>;

enum TcxCheckStatesValueFormat : uint8_t { cvfCaptions = 0, cvfIndices = 1, cvfInteger = 2, cvfStatesString = 3 };

enum TcxCheckBoxNullValueShowingStyle : uint8_t { nssUnchecked = 0, nssInactive = 1, nssGrayedChecked = 2 };

// The items as the codec sees them: how many there are and the caption of each.
class IcxCheckItems {
 public:
  virtual ~IcxCheckItems() = default;
  virtual std::string GetCaption(int index) const = 0;
  virtual int GetCount() const = 0;
};

// The edit value of the states in `format`:
// - cvfCaptions: the grayed items' runs, then ";" and the checked items' runs
//   when any is checked; a run is the caption's length, ":" and the caption
//   ("2:ab;1:c").
// - cvfIndices: the same two lists of item indices joined by "," ("0,2;1,3").
// - cvfInteger: a 64-bit integer, bit i set when item i is checked; items
//   past the 64th and grayed ones leave their bit clear.
// - cvfStatesString: one digit per state, its number ("0120").
// Only items that exist have a caption: states past the item count take no
// part in the captions form.
Variant CalculateCheckStatesValue(const TcxCheckStates& states, const IcxCheckItems& items,
                                  TcxCheckStatesValueFormat format);

// Gives `states` one entry per item and reads them from `value`. The
// captions, indices and states-string forms take a text or Null (read as
// the empty text); the integer form a number of any kind, a date, a text
// the 64-bit integer conversion reads, or Null (read as 0). False, with
// every state unchecked, when the value cannot be read.
bool CalculateCheckStates(const Variant& value, const IcxCheckItems& items, TcxCheckStatesValueFormat format,
                          TcxCheckStates& states);
