#include <gtest/gtest.h>

#include <random>

#include "application/core/IdSNMP.h"

namespace {

// "30 2D 02" -> the three octets.
std::string Hex(const std::string& text) {
  std::string octets;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == ' ') continue;
    octets += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    ++i;
  }
  return octets;
}

const std::string kPortStateOid = "1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5";

// The value item of a one-binding message, found after the binding's OID 1.3.
std::string EncodedValue(const std::string& value, int32_t type) {
  TIdSNMP snmp;
  snmp.Query().AddVarBind("1.3", value, type);
  const std::string message = snmp.Query().EncodeMessage();
  return message.substr(message.find(Hex("06 01 2B")) + 3);
}

struct TBinding {
  std::string Oid;
  std::string Value;
  intptr_t Type;
  bool operator==(const TBinding&) const = default;
};

std::vector<TBinding> Bindings(const TSNMPInfo& info) {
  std::vector<TBinding> bindings;
  for (int i = 0; i < info.Oids.Count(); ++i) bindings.push_back({info.Oids[i], info.Values[i], info.Values.Tags(i)});
  return bindings;
}

void PrintTo(const TBinding& binding, std::ostream* out) {
  *out << binding.Oid << " = '" << binding.Value << "' type " << binding.Type;
}

// A reply around the given binding octets: version 0, community "kolmer",
// GetResponse, request id 0, the given error status and index.
std::string Reply(const std::string& bindings, const std::string& errorFields = "02 01 00 02 01 00") {
  const std::string list = Hex("30") + static_cast<char>(bindings.size()) + bindings;
  const std::string pdu = Hex("02 01 00" + errorFields) + list;
  const std::string message = Hex("02 01 00 04 06") + "kolmer" + Hex("A2") + static_cast<char>(pdu.size()) + pdu;
  return Hex("30") + static_cast<char>(message.size()) + message;
}

// One binding of OID 1.3.6 with the given value item.
std::string Binding(const std::string& valueItem) {
  const std::string content = Hex("06 02 2B 06") + valueItem;
  return Hex("30") + static_cast<char>(content.size()) + content;
}

std::vector<TBinding> DecodedBindings(const std::string& octets) {
  TIdSNMP snmp;
  snmp.Reply().DecodeMessage(octets);
  return Bindings(snmp.Reply());
}

}  // namespace

TEST(IdSNMPEncode, GetRequestForThePortStateBlockIsTheKnownOctets) {
  TIdSNMP snmp;
  snmp.Query().PDUType = PDU_GET;
  snmp.Query().AddVarBind(kPortStateOid, "", ASN1_OCTET_STRING);
  EXPECT_EQ(snmp.Query().EncodeMessage(),
            Hex("30 2D 02 01 00 04 06 6B 6F 6C 6D 65 72 A0 20 02 01 00 02 01 00 02 01 00 30 15 30 13 06 0F 2B 06 01 04 "
                "01 B0 47 01 04 01 01 01 01 04 05 04 00"));
}

TEST(IdSNMPEncode, HeaderFieldsAreOneOctetEach) {
  TIdSNMP snmp;
  TSNMPInfo& query = snmp.Query();
  query.Version = 257;
  query.PDUType = PDU_SET;
  query.RequestId = 300;
  query.ErrorStatus = -1;
  query.ErrorIndex = 2;
  EXPECT_EQ(query.EncodeMessage(),
            Hex("30 18 02 01 01 04 06") + "kolmer" + Hex("A3 0B 02 01 2C 02 01 FF 02 01 02 30 00"));
}

TEST(IdSNMPEncode, ObjectIdentifiersAreBase128WithNonNumbersAsZero) {
  EXPECT_EQ(EncodedValue("1.3.6.1.4.1.6215", ASN1_OBJECT_ID), Hex("06 07 2B 06 01 04 01 B0 47"));
  EXPECT_EQ(EncodedValue("1.3.127.128.16383.16384", ASN1_OBJECT_ID), Hex("06 09 2B 7F 81 00 FF 7F 81 80 00"));
  EXPECT_EQ(EncodedValue("1.3.x..7", ASN1_OBJECT_ID), Hex("06 04 2B 00 00 07"));
  // Nine digits are read as scanned; longer or hexadecimal components take the general conversion.
  EXPECT_EQ(EncodedValue("1.3.123456789.1234567890.$10", ASN1_OBJECT_ID),
            Hex("06 0B 2B BA EF 9A 15 84 CC D8 85 52 10"));
  EXPECT_EQ(EncodedValue("2", ASN1_OBJECT_ID), Hex("06 01 50"));
  EXPECT_EQ(EncodedValue("", ASN1_OBJECT_ID), Hex("06 01 00"));
}

TEST(IdSNMPEncode, IntegersAreMinimalTwosComplementButNegativesTakeFourOctets) {
  EXPECT_EQ(EncodedValue("0", ASN1_INTEGER), Hex("02 01 00"));
  EXPECT_EQ(EncodedValue("127", ASN1_INTEGER), Hex("02 01 7F"));
  EXPECT_EQ(EncodedValue("128", ASN1_INTEGER), Hex("02 02 00 80"));
  EXPECT_EQ(EncodedValue("256", ASN1_INTEGER), Hex("02 02 01 00"));
  EXPECT_EQ(EncodedValue("2147483647", ASN1_INTEGER), Hex("02 04 7F FF FF FF"));
  EXPECT_EQ(EncodedValue("-1", ASN1_INTEGER), Hex("02 04 FF FF FF FF"));
  EXPECT_EQ(EncodedValue("-128", ASN1_INTEGER), Hex("02 04 FF FF FF 80"));
  EXPECT_EQ(EncodedValue("-2147483648", ASN1_INTEGER), Hex("02 04 80 00 00 00"));
  EXPECT_EQ(EncodedValue("$A2", ASN1_INTEGER), Hex("02 02 00 A2"));
  EXPECT_EQ(EncodedValue("many", ASN1_INTEGER), Hex("02 01 00"));
}

TEST(IdSNMPEncode, CountersGaugesAndTimeTicksAreUnsignedWithNegativesMarkedInTheFirstOctet) {
  EXPECT_EQ(EncodedValue("200", ASN1_COUNTER), Hex("41 01 C8"));
  EXPECT_EQ(EncodedValue("0", ASN1_COUNTER), Hex("41 01 00"));
  EXPECT_EQ(EncodedValue("-1", ASN1_COUNTER), Hex("41 04 FF FF FF FF"));
  EXPECT_EQ(EncodedValue("-2147483647", ASN1_COUNTER), Hex("41 01 81"));
  EXPECT_EQ(EncodedValue("65535", ASN1_GAUGE), Hex("42 02 FF FF"));
  EXPECT_EQ(EncodedValue("16777216", ASN1_TIMETICKS), Hex("43 04 01 00 00 00"));
}

TEST(IdSNMPEncode, OtherValueTypes) {
  EXPECT_EQ(EncodedValue("192.168.0.155", ASN1_IPADDRESS), Hex("40 04 C0 A8 00 9B"));
  EXPECT_EQ(EncodedValue("10.0.0.300", ASN1_IPADDRESS), Hex("40 04 0A 00 00 2C"));
  EXPECT_EQ(EncodedValue("1.2.3.4.5", ASN1_IPADDRESS), Hex("40 04 01 02 03 00"));
  EXPECT_EQ(EncodedValue("1.2", ASN1_IPADDRESS), Hex("40 04 01 02 00 00"));
  // An unused monitoring station is sent as an empty address.
  EXPECT_EQ(EncodedValue("", ASN1_IPADDRESS), Hex("40 04 00 00 00 00"));
  EXPECT_EQ(EncodedValue("ignored", ASN1_NULL), Hex("05 00"));
  EXPECT_EQ(EncodedValue(std::string("A\0B", 3), 0), Hex("04 03 41 00 42"));
  EXPECT_EQ(EncodedValue("raw", 70), Hex("46 03") + "raw");
  EXPECT_EQ(EncodedValue(std::string(128, 'x'), ASN1_OCTET_STRING), Hex("04 81 80") + std::string(128, 'x'));
  EXPECT_EQ(EncodedValue(std::string(200, 'x'), ASN1_OCTET_STRING), Hex("04 81 C8") + std::string(200, 'x'));
  EXPECT_EQ(EncodedValue(std::string(300, 'x'), ASN1_OCTET_STRING), Hex("04 82 01 2C") + std::string(300, 'x'));
}

TEST(IdSNMPEncode, ValuesPairWithTheirOidsWhateverWasAddedBefore) {
  TIdSNMP snmp;
  TSNMPInfo& query = snmp.Query();
  query.Oids.Add("1.3.1");
  query.AddVarBind("1.3.2", "7", ASN1_INTEGER);
  EXPECT_EQ(Bindings(query), (std::vector<TBinding>{{"1.3.1", "", 0}, {"1.3.2", "7", ASN1_INTEGER}}));

  query.Clear();
  query.Values.Add("stale");
  query.Values.Add("kept", ASN1_OCTET_STRING);
  query.AddVarBind("1.3.1", "5", ASN1_INTEGER);
  EXPECT_EQ(query.Values.Count(), 2);
  EXPECT_EQ(Bindings(query), (std::vector<TBinding>{{"1.3.1", "5", ASN1_INTEGER}}));
  EXPECT_EQ(query.Values[1], "kept");

  query.Clear();
  query.Oids.Add("1.3.1");
  EXPECT_NE(query.EncodeMessage().find(Hex("30 06 06 02 2B 01 04 00")), std::string::npos);
}

TEST(IdSNMPDecode, GetResponseGivesHeaderAndBindingsInOrder) {
  TIdSNMP snmp;
  TSNMPInfo& reply = snmp.Reply();
  reply.DecodeMessage(
      Reply(Binding(Hex("04 03 41 42 43")) + Binding(Hex("05 00")) + Binding(Hex("02 01 2A")), "02 01 02 02 01 03"));
  EXPECT_EQ(reply.Version, 0);
  EXPECT_EQ(reply.Community, "kolmer");
  EXPECT_EQ(reply.PDUType, PDU_GET_RESPONSE);
  EXPECT_EQ(reply.ErrorStatus, 2);
  EXPECT_EQ(reply.ErrorIndex, 3);
  EXPECT_EQ(Bindings(reply),
            (std::vector<TBinding>{
                {"1.3.6", "ABC", ASN1_OCTET_STRING}, {"1.3.6", "", ASN1_NULL}, {"1.3.6", "42", ASN1_INTEGER}}));
}

TEST(IdSNMPDecode, EachValueTypeReadsAsItsText) {
  const std::vector<std::pair<std::string, TBinding>> cases = {
      {"02 01 FF", {"1.3.6", "-1", ASN1_INTEGER}},
      {"02 01 80", {"1.3.6", "-128", ASN1_INTEGER}},
      {"02 02 00 80", {"1.3.6", "128", ASN1_INTEGER}},
      {"02 04 FF FF FF 80", {"1.3.6", "-128", ASN1_INTEGER}},
      {"02 05 01 80 00 00 01", {"1.3.6", "-2147483647", ASN1_INTEGER}},
      {"02 00", {"1.3.6", "0", ASN1_INTEGER}},
      {"41 04 FF FF FF FF", {"1.3.6", "4294967295", ASN1_COUNTER}},
      {"42 05 00 FF FF FF FE", {"1.3.6", "4294967294", ASN1_GAUGE}},
      {"43 02 04 D2", {"1.3.6", "1234", ASN1_TIMETICKS}},
      {"40 04 C0 A8 00 9B", {"1.3.6", "192.168.0.155", ASN1_IPADDRESS}},
      {"44 02 00 FF", {"1.3.6", Hex("00 FF"), ASN1_OPAQUE}},
      {"06 07 2B 06 01 04 01 B0 47", {"1.3.6", "1.3.6.1.4.1.6215", ASN1_OBJECT_ID}},
      {"06 02 88 37", {"1.3.6", "26.39", ASN1_OBJECT_ID}},
      {"01 01 FF", {"1.3.6", "", 1}},
      {"46 05 01 00 00 00 02", {"1.3.6", "4294967298", ASN1_COUNTER64}},
      {"80 00", {"1.3.6", "", 0x80}},
      {"81 00", {"1.3.6", "", 0x81}},
      {"04 81 03 41 42 43", {"1.3.6", "ABC", ASN1_OCTET_STRING}},
      {"04 80", {"1.3.6", "", ASN1_OCTET_STRING}},
  };
  for (const auto& [item, expected] : cases) {
    EXPECT_EQ(DecodedBindings(Reply(Binding(Hex(item)) + Binding(Hex("02 01 01")))),
              (std::vector<TBinding>{expected, {"1.3.6", "1", ASN1_INTEGER}}))
        << item;
  }
}

TEST(IdSNMPDecode, OwnGetRequestDecodesToWhatWasEncoded) {
  TIdSNMP snmp;
  snmp.Query().Version = 1;
  snmp.Query().PDUType = PDU_SET;
  snmp.Query().AddVarBind(kPortStateOid, std::string(87, '\x5A'), ASN1_OCTET_STRING);
  snmp.Query().AddVarBind(kPortStateOid + ".2", "-5", ASN1_INTEGER);
  snmp.Query().AddVarBind(kPortStateOid + ".3", "10.0.0.1", ASN1_IPADDRESS);
  snmp.Reply().DecodeMessage(snmp.Query().EncodeMessage());
  EXPECT_EQ(snmp.Reply().Version, 1);
  EXPECT_EQ(snmp.Reply().PDUType, PDU_SET);
  EXPECT_EQ(Bindings(snmp.Reply()), Bindings(snmp.Query()));
}

// An item cut inside its content keeps its tag; a tag octet alone, with no
// length after it, is no item at all.
TEST(IdSNMPDecode, TruncatedReplyGivesTheCutItemAsEmptyTextWithItsTag) {
  const struct {
    size_t Cut;
    TBinding Last;
  } cases[] = {
      {5, {"1.3.6", "", ASN1_OCTET_STRING}},
      {6, {"1.3.6", "", ASN1_NULL}},
  };
  for (const auto& c : cases) {
    std::string octets = Reply(Binding(Hex("02 01 01")) + Binding(Hex("04 05 41 42 43 44 45")));
    octets.resize(octets.size() - c.Cut);
    EXPECT_EQ(DecodedBindings(octets), (std::vector<TBinding>{{"1.3.6", "1", ASN1_INTEGER}, c.Last})) << c.Cut;
  }
}

TEST(IdSNMPDecode, MissingItemsReadAsDefaults) {
  TIdSNMP snmp;
  TSNMPInfo& reply = snmp.Reply();
  for (const std::string& octets : {std::string(), Hex("30"), Hex("30 03 02 01 01")}) {
    reply.Clear();
    reply.DecodeMessage(octets);
    EXPECT_EQ(reply.PDUType, 0);
    EXPECT_EQ(reply.Community, "");
    EXPECT_EQ(reply.Oids.Count(), 0);
  }
  EXPECT_EQ(reply.Version, 1);
}

TEST(IdSNMPDecodeHostile, LengthsBeyondTheDataOrMalformedReadAsTruncated) {
  const std::vector<std::string> valueItems = {
      "04 84 80 00 00 00 41 42",  // 2^31: must not turn negative
      "04 84 FF FF FF FF 41 42",  // 2^32 - 1: must not wrap the position
      "04 85 00 00 00 00 02",     // five length octets
      "04 FF 41 42",              // reserved length form
  };
  for (const std::string& item : valueItems) {
    const std::vector<TBinding> bindings = DecodedBindings(Reply(Binding(Hex(item))));
    ASSERT_FALSE(bindings.empty()) << item;
    EXPECT_EQ(bindings[0], (TBinding{"1.3.6", "", ASN1_OCTET_STRING})) << item;
  }
  EXPECT_EQ(DecodedBindings(Reply(Binding(Hex("04 82 01")))),
            (std::vector<TBinding>{{"1.3.6", "", ASN1_OCTET_STRING}}));
}

TEST(IdSNMPDecodeHostile, OuterLengthBeyondTheDataStopsAtTheEndOfTheDatagram) {
  for (const char* outerLength : {"84 FF FF FF FF", "84 80 00 00 00", "82 FF FF", "85", "FF"}) {
    std::string octets = Reply(Binding(Hex("02 01 07")));
    octets.replace(1, 1, Hex(outerLength));
    const std::vector<TBinding> bindings = DecodedBindings(octets);
    ASSERT_FALSE(bindings.empty()) << outerLength;
    EXPECT_EQ(bindings.back(), (TBinding{"1.3.6", "7", ASN1_INTEGER})) << outerLength;
  }
}

TEST(IdSNMPDecodeHostile, UnterminatedOidStopsAtItsItemsEnd) {
  const std::string content = Hex("06 03 2B 06 86 04 01 41");
  const std::string binding = Hex("30") + static_cast<char>(content.size()) + content;
  EXPECT_EQ(DecodedBindings(Reply(binding)), (std::vector<TBinding>{{"1.3.6.6", "A", ASN1_OCTET_STRING}}));
  EXPECT_EQ(DecodedBindings(Reply(Binding(Hex("06 01 FF")))),
            (std::vector<TBinding>{{"1.3.6", "3.7", ASN1_OBJECT_ID}}));
}

TEST(IdSNMPDecodeHostile, RandomDatagramsTerminateWithPairedLists) {
  std::mt19937 random(20240601);
  const std::string valid = Reply(Binding(Hex("04 03 41 42 43")) + Binding(Hex("06 02 2B 06")));
  TIdSNMP snmp;
  for (int round = 0; round < 20000; ++round) {
    std::string octets = round % 2 == 0 ? valid : std::string(random() % 64, '\0');
    for (int flips = 1 + random() % 4; flips > 0; --flips) {
      if (!octets.empty()) octets[random() % octets.size()] = static_cast<char>(random());
    }
    octets.resize(random() % (octets.size() + 1));
    TSNMPInfo& info = round % 3 == 0 ? snmp.Trap() : snmp.Reply();
    info.Clear();
    info.SetBuffer(octets);
    if (&info == &snmp.Trap()) {
      info.DecodeTrap();
    } else {
      info.DecodeMessage(octets);
    }
    ASSERT_EQ(info.Oids.Count(), info.Values.Count());
    ASSERT_LE(info.Oids.Count(), static_cast<int>(octets.size() / 2));
  }
}

namespace {

// Captured from net-snmp's snmptrap -v 1: enterprise 1.3.6.1.4.1.6215.1.4.1,
// agent 10.1.2.3, generic 6, specific 5, uptime 1234, four INTEGER bindings.
const char* const kNetSnmpTrapV1 =
    "30 81 87 02 01 00 04 06 70 75 62 6c 69 63 a4 7a 06 0a 2b 06 01 04 01 b0 47 01 04 01 40 04 0a 01 02 03 02 01 06 02 "
    "01 05 43 02 04 d2 30 5c 30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 01 01 01 01 07 02 01 07 30 15 06 10 2b 06 01 "
    "04 01 b0 47 01 04 01 02 01 01 01 02 07 02 01 07 30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 01 01 01 03 07 02 01 "
    "03 30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 01 01 01 04 07 02 01 40";

// Captured from net-snmp's snmptrap -v 2c: uptime 4321, trap
// 1.3.6.1.4.1.6215.1.4.1.3.5, the same four bindings.
const char* const kNetSnmpTrapV2 =
    "30 81 a5 02 01 01 04 06 70 75 62 6c 69 63 a7 81 97 02 04 12 f4 b2 15 02 01 00 02 01 00 30 81 88 30 0e 06 08 2b 06 "
    "01 02 01 01 03 00 43 02 10 e1 30 1a 06 0a 2b 06 01 06 03 01 01 04 01 00 06 0c 2b 06 01 04 01 b0 47 01 04 01 03 05 "
    "30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 01 01 01 01 07 02 01 07 30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 "
    "01 01 01 02 07 02 01 07 30 15 06 10 2b 06 01 04 01 b0 47 01 04 01 02 01 01 01 03 07 02 01 03 30 15 06 10 2b 06 01 "
    "04 01 b0 47 01 04 01 02 01 01 01 04 07 02 01 40";

std::vector<TBinding> TrapAlarmBindings() {
  const std::string prefix = "1.3.6.1.4.1.6215.1.4.1.2.1.1.1.";
  return {{prefix + "1.7", "7", ASN1_INTEGER},
          {prefix + "2.7", "7", ASN1_INTEGER},
          {prefix + "3.7", "3", ASN1_INTEGER},
          {prefix + "4.7", "64", ASN1_INTEGER}};
}

}  // namespace

TEST(IdSNMPDecodeTrap, SnmpV1TrapFillsTheTrapFields) {
  TIdSNMP snmp;
  TSNMPInfo& trap = snmp.Trap();
  trap.SetBuffer(Hex(kNetSnmpTrapV1));
  EXPECT_TRUE(trap.DecodeTrap());
  EXPECT_EQ(trap.Version, 0);
  EXPECT_EQ(trap.Community, "public");
  EXPECT_EQ(trap.PDUType, PDU_TRAP);
  EXPECT_EQ(trap.Enterprise, "1.3.6.1.4.1.6215.1.4.1");
  EXPECT_EQ(trap.Host, "10.1.2.3");
  EXPECT_EQ(trap.GenericTrap, 6);
  EXPECT_EQ(trap.SpecificTrap, 5);
  EXPECT_EQ(trap.TimeStamp, 1234);
  EXPECT_EQ(Bindings(trap), TrapAlarmBindings());
}

TEST(IdSNMPDecodeTrap, SnmpV2TrapSkipsTheRequestFieldsAndKeepsTheV1Fields) {
  TIdSNMP snmp;
  TSNMPInfo& trap = snmp.Trap();
  trap.Enterprise = "previous";
  trap.SetBuffer(Hex(kNetSnmpTrapV2));
  EXPECT_TRUE(trap.DecodeTrap());
  EXPECT_EQ(trap.Version, 1);
  EXPECT_EQ(trap.PDUType, PDU_TRAP_V2);
  EXPECT_EQ(trap.Enterprise, "previous");
  std::vector<TBinding> expected = {{"1.3.6.1.2.1.1.3.0", "4321", ASN1_TIMETICKS},
                                    {"1.3.6.1.6.3.1.1.4.1.0", "1.3.6.1.4.1.6215.1.4.1.3.5", ASN1_OBJECT_ID}};
  for (const TBinding& binding : TrapAlarmBindings()) expected.push_back(binding);
  EXPECT_EQ(Bindings(trap), expected);
}

TEST(IdSNMPDecodeTrap, OtherVersionsReadBindingsFromThePduHeader) {
  TIdSNMP snmp;
  TSNMPInfo& trap = snmp.Trap();
  std::string octets = Hex(kNetSnmpTrapV2);
  octets[5] = 2;
  trap.SetBuffer(octets);
  EXPECT_TRUE(trap.DecodeTrap());
  EXPECT_EQ(trap.Version, 2);
  EXPECT_EQ(trap.PDUType, 0);
  ASSERT_GE(trap.Oids.Count(), 2);
  EXPECT_EQ(Bindings(trap)[0], (TBinding{"0", "0", ASN1_INTEGER}));
  EXPECT_EQ(Bindings(trap)[1], (TBinding{"$30", "1.3.6.1.2.1.1.3.0", ASN1_OBJECT_ID}));
}

TEST(IdSNMPDecodeTrap, MissingPduHeaderGivesTheTrapTypeAsDefault) {
  TIdSNMP snmp;
  snmp.Trap().SetBuffer(Hex("30 03 02 01 00"));
  snmp.Trap().DecodeTrap();
  EXPECT_EQ(snmp.Trap().PDUType, PDU_TRAP);
}

TEST(IdSNMPInfo, ClearTakesTheOwnersDefaultsAndKeepsBufferAndTrapFields) {
  TIdSNMP snmp;
  EXPECT_EQ(snmp.Port(), 161);
  EXPECT_EQ(snmp.TrapPort(), 162);
  EXPECT_EQ(snmp.ReceiveTimeout(), 5000u);
  EXPECT_EQ(snmp.Query().Community, "kolmer");
  EXPECT_EQ(snmp.Query().Port, 161);
  EXPECT_EQ(snmp.Trap().Port, 162);

  snmp.SetHost("10.0.0.9");
  snmp.SetTrapPort(163);
  TSNMPInfo& trap = snmp.Trap();
  trap.SetBuffer("datagram");
  trap.GenericTrap = 6;
  trap.Version = 1;
  trap.AddVarBind("1.3", "x", ASN1_OCTET_STRING);
  trap.Clear();
  EXPECT_EQ(trap.Host, "10.0.0.9");
  EXPECT_EQ(trap.Port, 163);
  EXPECT_EQ(trap.Version, 0);
  EXPECT_EQ(trap.Oids.Count() + trap.Values.Count(), 0);
  EXPECT_EQ(trap.Buffer, "datagram");
  EXPECT_EQ(trap.GenericTrap, 6);
}

TEST(IdSNMPInfo, ANewCommunityStartsANewMessageInEveryInfo) {
  TIdSNMP snmp;
  snmp.Query().AddVarBind("1.3", "x", ASN1_OCTET_STRING);
  snmp.SetCommunity("kolmer");
  EXPECT_EQ(snmp.Query().Oids.Count(), 1);
  snmp.SetCommunity("private");
  EXPECT_EQ(snmp.Query().Oids.Count(), 0);
  EXPECT_EQ(snmp.Query().Community, "private");
  EXPECT_EQ(snmp.Trap().Community, "private");
  snmp.Query().AddVarBind("1.3", "x", ASN1_OCTET_STRING);
  snmp.Query().SetCommunity("public");
  EXPECT_EQ(snmp.Query().Oids.Count(), 0);
  EXPECT_EQ(snmp.Query().Community, "public");
}
