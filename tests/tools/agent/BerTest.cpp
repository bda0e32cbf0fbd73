#include <gtest/gtest.h>

#include <string>

#include "tools/agent/Ber.h"
#include "tools/agent/SnmpMessage.h"

namespace {

std::string Bytes(std::initializer_list<int> octets) {
  std::string text;
  for (int octet : octets) text += static_cast<char>(octet);
  return text;
}

// A GetRequest as the program sends it: one-octet INTEGERs, an empty OCTET STRING value.
const std::string kProgramGet =
    Bytes({0x30, 0x29, 0x02, 0x01, 0x01, 0x04, 0x06, 'k',  'o',  'l',  'm',  'e',  'r',  0xA0, 0x1C,
           0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x11, 0x30, 0x0F, 0x06, 0x0B,
           0x2B, 0x06, 0x01, 0x04, 0x01, 0xB0, 0x47, 0x01, 0x04, 0x01, 0x05, 0x04, 0x00});

TEST(BerParse, RejectsMalformedInput) {
  const std::string cases[] = {
      "",                                                      // nothing at all
      Bytes({0x30}),                                           // no length
      Bytes({0x30, 0x82, 0x01}),                               // length cut short
      Bytes({0x04, 0x05, 'a', 'b'}),                           // length beyond the data
      Bytes({0x30, 0x80, 0x02, 0x01, 0x00, 0x00, 0x00}),       // indefinite length
      Bytes({0x02, 0x01, 0x00, 0x00}),                         // trailing garbage
      Bytes({0x30, 0x03, 0x02, 0x05, 0x00}),                   // inner item beyond its parent
      Bytes({0x04, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01, 'a'}),  // five length octets
      Bytes({0x1F, 0x01, 0x00}),                               // multi-octet tag
  };
  for (const std::string& octets : cases) EXPECT_THROW(BerParse(octets), EBerError) << testing::PrintToString(octets);
}

TEST(BerParse, ReadsATreeAndEncodesItBackWithMinimalLengths) {
  const TBerNode root = BerParse(kProgramGet);
  ASSERT_EQ(root.Children.size(), 3u);
  EXPECT_EQ(root.Children[1].Content, "kolmer");
  EXPECT_EQ(root.Children[2].Tag, 0xA0);
  EXPECT_EQ(BerEncode(root), kProgramGet);
  // Long forms with leading zeros, as some stacks write them, are read.
  const TBerNode padded = BerParse(Bytes({0x30, 0x82, 0x00, 0x03, 0x02, 0x01, 0x05}));
  EXPECT_EQ(BerEncode(padded), Bytes({0x30, 0x03, 0x02, 0x01, 0x05}));
  const std::string longText(300, 'x');
  EXPECT_EQ(BerParse(BerItem(BerTag::OctetString, longText)).Content, longText);
  EXPECT_EQ(BerLength(300), Bytes({0x82, 0x01, 0x2C}));
}

TEST(BerInteger, UsesTheShortestTwosComplementBothWays) {
  const std::pair<int32_t, std::string> cases[] = {
      {0, Bytes({0x00})},          {127, Bytes({0x7F})},
      {128, Bytes({0x00, 0x80})},  {256, Bytes({0x01, 0x00})},
      {-1, Bytes({0xFF})},         {-128, Bytes({0x80})},
      {-129, Bytes({0xFF, 0x7F})}, {INT32_MIN, Bytes({0x80, 0x00, 0x00, 0x00})}};
  for (const auto& [value, content] : cases) {
    EXPECT_EQ(BerIntegerContent(value), content) << value;
    EXPECT_EQ(BerIntegerValue(content), value) << value;
  }
  EXPECT_EQ(BerIntegerValue(Bytes({0xC8})), -56);  // a request id 200 sent in one octet
  EXPECT_THROW(BerIntegerValue(""), EBerError);
  EXPECT_THROW(BerIntegerValue(Bytes({0x01, 0x00, 0x00, 0x00, 0x00})), EBerError);
  EXPECT_THROW(BerIntegerValue(Bytes({0x00, 0xFF, 0xFF, 0xFF, 0xFF})), EBerError);  // 2^32 - 1
}

// The program sends negative numbers in four octets; redundant sign octets
// are read as any agent reads them, up to any length that still fits.
TEST(BerInteger, ReadsRedundantSignOctets) {
  const std::pair<int32_t, std::string> cases[] = {{-1, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                                   {-128, Bytes({0xFF, 0xFF, 0xFF, 0x80})},
                                                   {127, Bytes({0x00, 0x7F})},
                                                   {5, Bytes({0x00, 0x00, 0x00, 0x00, 0x05})},
                                                   {INT32_MIN, Bytes({0xFF, 0x80, 0x00, 0x00, 0x00})}};
  for (const auto& [value, content] : cases) EXPECT_EQ(BerIntegerValue(content), value) << value;
}

TEST(BerOid, EncodesBase128AndRefusesBrokenIdentifiers) {
  const std::string content =
      Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0xB0, 0x47, 0x01, 0x04, 0x01, 0x01, 0x01, 0x01, 0x04, 0x05});
  EXPECT_EQ(BerOidContent("1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5"), content);
  EXPECT_EQ(BerOidText(content), "1.3.6.1.4.1.6215.1.4.1.1.1.1.4.5");
  EXPECT_EQ(BerOidText(BerOidContent("1.3.4294967295")), "1.3.4294967295");
  EXPECT_EQ(BerOidText(BerOidContent("2.100.3")), "2.100.3");
  EXPECT_THROW(BerOidText(Bytes({0x2B, 0x86})), EBerError);                          // ends inside a component
  EXPECT_THROW(BerOidText(Bytes({0x2B, 0x80, 0x01})), EBerError);                    // leading zero group
  EXPECT_THROW(BerOidText(Bytes({0x2B, 0x90, 0x80, 0x80, 0x80, 0x00})), EBerError);  // beyond 32 bits
  for (const char* text : {"1", "1.x", "1..3", "3.1", "1.40", "1.3.4294967296"}) {
    EXPECT_THROW(BerOidContent(text), EBerError) << text;
  }
}

TEST(SnmpMessage, ReadsTheProgramsRequestAndRefusesOtherShapes) {
  const TSnmpMessage get = ParseSnmpMessage(kProgramGet);
  EXPECT_EQ(get.Version, SnmpVersion::V2c);
  EXPECT_EQ(get.PduType, PduTag::GetRequest);
  ASSERT_EQ(get.Bindings.size(), 1u);
  EXPECT_EQ(get.Bindings[0].Oid, "1.3.6.1.4.1.6215.1.4.1.5");
  EXPECT_EQ(get.Bindings[0].Type, BerTag::OctetString);

  std::string version3 = kProgramGet;
  version3[4] = 3;
  std::string integerValue = kProgramGet;  // the empty value turned into an empty INTEGER
  integerValue[integerValue.size() - 2] = BerTag::Integer;
  std::string constructedValue = kProgramGet;
  constructedValue[constructedValue.size() - 2] = 0x24;
  for (const std::string& octets : {version3, integerValue, constructedValue}) {
    EXPECT_THROW(ParseSnmpMessage(octets), EBerError);
  }
}

TEST(SnmpMessage, RoundTripsATrapAndBreaksOverrunningBindingsInside) {
  TSnmpMessage trap;
  trap.PduType = PduTag::TrapV1;
  trap.Community = "public";
  trap.Trap = {"1.3.6.1.4.1.6215.1.4.1.3", Bytes({127, 0, 0, 5}), 6, 14, 4000000000u};
  trap.Bindings = {{"1.3.6.1.4.1.6215.1.2.1.1.1.3.7.2", BerTag::Integer, BerIntegerContent(2)}};
  const TSnmpMessage back = ParseSnmpMessage(EncodeSnmpMessage(trap));
  EXPECT_EQ(back.Trap.Enterprise, trap.Trap.Enterprise);
  EXPECT_EQ(back.Trap.AgentAddress, trap.Trap.AgentAddress);
  EXPECT_EQ(back.Trap.SpecificTrap, 14);
  EXPECT_EQ(back.Trap.TimeStamp, 4000000000u);
  ASSERT_EQ(back.Bindings.size(), 1u);
  EXPECT_EQ(back.Bindings[0].Oid, trap.Bindings[0].Oid);

  const std::string broken = EncodeWithOverrunningBindings(trap);
  EXPECT_EQ(static_cast<size_t>(static_cast<uint8_t>(broken[1])), broken.size() - 2);  // the outside still fits
  EXPECT_THROW(BerParse(broken), EBerError);
}

}  // namespace
