#include "tools/agent/SnmpMessage.h"

#include "platform/rtl/SysUtils.h"

namespace {

const TBerNode& Expect(const TBerNode& node, uint8_t tag, const char* what) {
  if (node.Tag != tag)
    throw EBerError(std::string(what) + ": tag " + IntToHex(node.Tag, 2) + " instead of " + IntToHex(tag, 2));
  return node;
}

void ExpectChildren(const TBerNode& node, size_t count, const char* what) {
  if (node.Children.size() != count) {
    throw EBerError(std::string(what) + " of " + IntToStr(node.Children.size()) + " items instead of " +
                    IntToStr(count));
  }
}

int32_t ReadInteger(const TBerNode& node, const char* what) {
  return BerIntegerValue(Expect(node, BerTag::Integer, what).Content);
}

// Values of the types with a fixed form are checked here, so no later step
// meets an INTEGER or identifier it cannot read.
void CheckValue(const TBerNode& value) {
  if (value.Constructed()) throw EBerError("constructed binding value");
  if (value.Tag == BerTag::Integer) BerIntegerValue(value.Content);
  if (value.Tag == BerTag::ObjectId) BerOidText(value.Content);
  if (value.Tag == BerTag::Null && !value.Content.empty()) throw EBerError("NULL with content");
}

std::vector<TVarBind> ReadBindings(const TBerNode& list) {
  Expect(list, BerTag::Sequence, "binding list");
  std::vector<TVarBind> bindings;
  for (const TBerNode& binding : list.Children) {
    Expect(binding, BerTag::Sequence, "binding");
    ExpectChildren(binding, 2, "binding");
    const TBerNode& value = binding.Children[1];
    CheckValue(value);
    bindings.push_back(
        {BerOidText(Expect(binding.Children[0], BerTag::ObjectId, "binding name").Content), value.Tag, value.Content});
  }
  return bindings;
}

void ReadTrapV1Pdu(const TBerNode& pdu, TSnmpMessage& message) {
  ExpectChildren(pdu, 6, "SNMPv1 trap");
  message.Trap.Enterprise = BerOidText(Expect(pdu.Children[0], BerTag::ObjectId, "enterprise").Content);
  message.Trap.AgentAddress = Expect(pdu.Children[1], BerTag::IpAddress, "agent address").Content;
  if (message.Trap.AgentAddress.size() != 4) throw EBerError("agent address of other than four octets");
  message.Trap.GenericTrap = ReadInteger(pdu.Children[2], "generic trap");
  message.Trap.SpecificTrap = ReadInteger(pdu.Children[3], "specific trap");
  const std::string& ticks = Expect(pdu.Children[4], BerTag::TimeTicks, "time stamp").Content;
  if (ticks.empty() || ticks.size() > 5) throw EBerError("time stamp of " + IntToStr(ticks.size()) + " octets");
  for (char octet : ticks) message.Trap.TimeStamp = (message.Trap.TimeStamp << 8) | static_cast<uint8_t>(octet);
  message.Bindings = ReadBindings(pdu.Children[5]);
}

void ReadRequestPdu(const TBerNode& pdu, TSnmpMessage& message) {
  ExpectChildren(pdu, 4, "PDU");
  message.RequestId = ReadInteger(pdu.Children[0], "request id");
  message.ErrorStatus = ReadInteger(pdu.Children[1], "error status");
  message.ErrorIndex = ReadInteger(pdu.Children[2], "error index");
  message.Bindings = ReadBindings(pdu.Children[3]);
}

std::string IntegerItem(int32_t value) { return BerItem(BerTag::Integer, BerIntegerContent(value)); }

std::string BindingContent(const TVarBind& binding) {
  return BerItem(BerTag::ObjectId, BerOidContent(binding.Oid)) + BerItem(binding.Type, binding.Value);
}

// The message with `bindingList` as the last item of its PDU.
std::string EncodeAround(const TSnmpMessage& message, const std::string& bindingList) {
  std::string pdu;
  if (message.PduType == PduTag::TrapV1) {
    pdu = BerItem(BerTag::ObjectId, BerOidContent(message.Trap.Enterprise)) +
          BerItem(BerTag::IpAddress, message.Trap.AgentAddress) + IntegerItem(message.Trap.GenericTrap) +
          IntegerItem(message.Trap.SpecificTrap) +
          BerItem(BerTag::TimeTicks, BerUnsignedContent(message.Trap.TimeStamp));
  } else {
    pdu = IntegerItem(message.RequestId) + IntegerItem(message.ErrorStatus) + IntegerItem(message.ErrorIndex);
  }
  return BerItem(BerTag::Sequence, IntegerItem(message.Version) + BerItem(BerTag::OctetString, message.Community) +
                                       BerItem(message.PduType, pdu + bindingList));
}

}  // namespace

TSnmpMessage ParseSnmpMessage(const std::string& octets) {
  const TBerNode root = BerParse(octets);
  Expect(root, BerTag::Sequence, "message");
  ExpectChildren(root, 3, "message");
  TSnmpMessage message;
  message.Version = ReadInteger(root.Children[0], "version");
  if (message.Version != SnmpVersion::V1 && message.Version != SnmpVersion::V2c) {
    throw EBerError("version " + IntToStr(message.Version) + " is neither SNMPv1 nor SNMPv2c");
  }
  message.Community = Expect(root.Children[1], BerTag::OctetString, "community").Content;
  const TBerNode& pdu = root.Children[2];
  if (pdu.Tag < PduTag::GetRequest || pdu.Tag > PduTag::TrapV2) throw EBerError("no PDU: tag " + IntToHex(pdu.Tag, 2));
  message.PduType = pdu.Tag;
  if (pdu.Tag == PduTag::TrapV1) {
    ReadTrapV1Pdu(pdu, message);
  } else {
    ReadRequestPdu(pdu, message);
  }
  return message;
}

std::string EncodeSnmpMessage(const TSnmpMessage& message) {
  std::string list;
  for (const TVarBind& binding : message.Bindings) list += BerItem(BerTag::Sequence, BindingContent(binding));
  return EncodeAround(message, BerItem(BerTag::Sequence, list));
}

std::string EncodeWithOverrunningBindings(const TSnmpMessage& message) {
  std::string list;
  for (const TVarBind& binding : message.Bindings) {
    const std::string content = BindingContent(binding);
    list += static_cast<char>(BerTag::Sequence) + BerLength(content.size() + 2) + content;
  }
  return EncodeAround(message, BerItem(BerTag::Sequence, list));
}
