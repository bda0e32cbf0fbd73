#pragma once
// The SNMP message unit: TSNMPInfo is one message (a request, a reply or a
// received trap) and turns it into octets and back; TIdSNMP is the client that
// owns three of them, sends a request and waits for its reply.
//
// Values keep their ASN.1 type as the tag of their entry in Values. The
// decoder is deliberately lenient: it walks the octets item by item and never
// raises, so a malformed reply reads as empty texts and default numbers.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "application/core/SnmpTypes.h"
#include "platform/net/UdpClient.h"
#include "platform/rtl/StringList.h"

// ASN.1 tags the message unit writes or reads.
constexpr int32_t ASN1_NULL = 5;
constexpr int32_t ASN1_OBJECT_ID = 6;
constexpr int32_t ASN1_SEQUENCE = 0x30;
constexpr int32_t ASN1_COUNTER = 65;
constexpr int32_t ASN1_GAUGE = 66;
constexpr int32_t ASN1_TIMETICKS = 67;
constexpr int32_t ASN1_OPAQUE = 68;
constexpr int32_t ASN1_COUNTER64 = 70;

// PDU tags.
constexpr int32_t PDU_GET = 160;
constexpr int32_t PDU_GET_RESPONSE = 162;
constexpr int32_t PDU_SET = 163;
constexpr int32_t PDU_TRAP = 164;
constexpr int32_t PDU_TRAP_V2 = 167;

class TIdSNMP;

class TSNMPInfo {
 public:
  explicit TSNMPInfo(TIdSNMP& owner);
  TSNMPInfo(const TSNMPInfo&) = delete;
  TSNMPInfo& operator=(const TSNMPInfo&) = delete;

  // Resets the message to the owner's defaults. Buffer and the SNMPv1 trap
  // fields (Enterprise, GenericTrap, SpecificTrap, TimeStamp) are kept.
  void Clear();
  // A different community starts a new message.
  void SetCommunity(const std::string& community);
  void AddVarBind(std::string oid, std::string value, int32_t valueType);
  void SetBuffer(const std::string& octets) { Buffer = octets; }

  std::string EncodeMessage();
  void DecodeMessage(const std::string& octets);
  // Decodes Buffer as an SNMPv1 or SNMPv2 trap; never fails.
  bool DecodeTrap();
  // True when `datagram` is, octet for octet, one Response of this message's
  // version, its header integers of four octets at most, whose bindings answer
  // this message's one for one and in order: each names the object asked for
  // or one below it. A refusal (error status not 0) may hold no binding.
  bool IsAnsweredBy(const std::string& datagram) const;

  TIdSNMP& Owner;
  std::string Community;
  std::string Buffer;
  std::string Host;
  int32_t Port = 0;
  std::string Enterprise;
  int32_t GenericTrap = 0;
  int32_t SpecificTrap = 0;
  int32_t Version = 0;
  int32_t PDUType = 0;
  int32_t TimeStamp = 0;
  int32_t RequestId = 0;
  int32_t ErrorStatus = 0;
  int32_t ErrorIndex = 0;
  TStringList Oids;
  TStringList Values;

 private:
  // Value i always pairs with OID i.
  void PadValuesToOids();
  // The type value i is sent as: OCTET STRING unless it was given one.
  int32_t ValueType(int index) const;
  // Encodes every identifier once, before the message is sized; encoding is
  // the dearest part of writing a message. The buffers are kept, so writing
  // the next message allocates nothing for them.
  void EncodeOids();
  std::string_view EncodedOid(int index) const;

  std::string FOidOctets;
  std::vector<size_t> FOidEnds;
};

class TIdSNMP : public TIdUDPClient {
 public:
  explicit TIdSNMP(TComponent* owner = nullptr);
  ~TIdSNMP() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Community() const { return FCommunity; }
  void SetCommunity(const std::string& community);
  uint16_t TrapPort() const { return FTrapPort; }
  void SetTrapPort(uint16_t port) { FTrapPort = port; }

  TSNMPInfo& Query() { return *FQuery; }
  TSNMPInfo& Reply() { return *FReply; }
  TSNMPInfo& Trap() { return *FTrap; }

  // Sends Query and waits for its answer from the address it went to (from
  // any, for a broadcast), which becomes Reply; whatever else comes is dropped
  // and the wait goes on. True when the answer came, its error status is 0 and
  // it holds a value the program can show for each object: a NULL, an
  // exception (noSuchObject, noSuchInstance, endOfMibView) or an unknown tag
  // fails as a refusal does. A time-out is not an error.
  bool SendRequest();

 private:
  std::string FCommunity = "kolmer";
  uint16_t FTrapPort = 162;
  std::unique_ptr<TSNMPInfo> FQuery;
  std::unique_ptr<TSNMPInfo> FReply;
  std::unique_ptr<TSNMPInfo> FTrap;
};
