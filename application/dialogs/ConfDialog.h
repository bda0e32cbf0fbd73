#pragma once
// What every configuration dialog shares: the connection fields it copies
// from CurrentDevice when it is shown, the identifiers of the device's
// objects, and the way one read or set runs. While an exchange runs the
// dialog is disabled (and the hourglass up where the dialog asks for it); the
// outcome is shown in a box titled "Infomation"; an exception is shown in the
// "Error" box naming the routine, and the dialog is usable again afterwards.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "application/core/SnmpTypes.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/RadioGroup.h"
#include "platform/rtl/StringList.h"

// The community of a dialog's SetRequests. The flow-control and port-reset
// dialogs keep no write community and set with the read one, which the
// devices take for their objects.
enum class TSetCommunity { Write, Read };

enum class TExchangeCursor { Unchanged, Hourglass };

// A dialog's connection fields: copied from CurrentDevice when it is shown,
// never written back.
struct TDeviceConnection {
  std::string DeviceId;
  std::string NeAddress;  // decimal, no leading zeros
  std::string Host;
  int32_t SnmpVersion = 0;
  std::string ReadCommunity;
  std::string WriteCommunity;  // empty where the dialog sets with the read community
};

class TConfExchange {
 public:
  TConfExchange(TForm& dialog, TSetCommunity setCommunity) : FDialog(dialog), FSetCommunity(setCommunity) {}

  void CopyConnection();
  const TDeviceConnection& Connection() const { return FConnection; }

  // The enterprise prefix, the object's arcs and the NE address, and the
  // entry's index for a table object.
  std::string Oid(const std::string& object) const;
  std::string Oid(const std::string& object, int index) const;

  // Runs one routine's exchange with the dialog disabled; an exception
  // raised in it is shown in the "Error" box that names `routine`.
  void Run(const std::string& routine, TExchangeCursor cursor, const std::function<void()>& exchange);
  // One GetRequest with the read community; true when it succeeded, with the
  // values in request order.
  bool Get(const std::vector<std::string>& oids, TStringList& values) const;
  // One SetRequest with the dialog's set community; true when the device took it.
  bool Set(const std::vector<TSetOid>& items) const;

  // The usual read: one object, whose value, when not empty, `decode`
  // applies to the controls; "Read successful!" then, "Read failed!" when
  // the get failed. Result "1" when the value was applied.
  void ReadObject(const std::string& routine, TExchangeCursor cursor, const std::string& oid,
                  const std::function<void(const std::string& value)>& decode, std::string& Result);
  // The usual set: "Set successful!" or "Set failed!"; Result "1" when the device took it.
  void SetObjects(const std::string& routine, TExchangeCursor cursor, const std::vector<TSetOid>& items,
                  std::string& Result);

 private:
  TForm& FDialog;
  TSetCommunity FSetCommunity;
  TDeviceConnection FConnection;
};

// "Read successful!" and the like, in a box titled "Infomation".
void ShowExchangeResult(const std::string& text);

// Octet k of the last value read, or nothing when the value is shorter: a
// short value fills only the fields whose octets all came.
std::optional<uint8_t> ReplyOctet(size_t k);

TSetOid OctetStringItem(const std::string& oid, const std::vector<uint8_t>& octets);
TSetOid IntegerItem(const std::string& oid, int32_t value);

// A choice between two items travels as one octet: 1 for the first item, 0
// for the second. Read: 1 and 0 choose (or check and clear), any other value
// leaves the control as it was.
void ChooseByOctet(TRadioGroup& group, uint8_t octet);
void CheckByOctet(TCheckBox& box, uint8_t octet);
// Set: the first item (or a checked box) is 1, anything else 0, no choice included.
uint8_t OctetOfChoice(const TRadioGroup& group);
uint8_t OctetOfCheck(const TCheckBox& box);
