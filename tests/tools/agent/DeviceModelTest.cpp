#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Exceptions.h"
#include "tools/agent/DeviceModel.h"

namespace {

// Objects of a device with NE address 5.
std::string Oid(const std::string& arcs) { return std::string(kEnterprisePrefix) + "." + arcs; }

TVarBind OctetsTo(const std::string& arcs, const std::string& octets) {
  return {Oid(arcs), BerTag::OctetString, octets};
}

TVarBind IntegerTo(const std::string& arcs, int32_t value) {
  return {Oid(arcs), BerTag::Integer, BerIntegerContent(value)};
}

class DeviceModel : public testing::Test {
 protected:
  std::string Read(const std::string& arcs) {
    const std::optional<TVarBind> value = FModel.Get(Oid(arcs));
    EXPECT_TRUE(value.has_value()) << arcs;
    return value ? value->Value : std::string();
  }

  void Write(const TVarBind& binding) {
    ASSERT_EQ(FModel.Check(binding), TSetCheck::Ok) << binding.Oid;
    FModel.Apply(binding);
  }

  uint8_t BlockOctet(size_t i) { return static_cast<uint8_t>(Read("1.1.1.4.5").at(i)); }

  TDeviceModel FModel{5, "116*16"};
};

TEST_F(DeviceModel, RefusesSetsOfTheWrongKindAndUnknownObjects) {
  EXPECT_EQ(FModel.Check(IntegerTo("2.7.1.5.5", 1)), TSetCheck::WrongType);
  EXPECT_EQ(FModel.Check(OctetsTo("2.7.1.11.5", "\x01")), TSetCheck::WrongType);
  EXPECT_EQ(FModel.Check(OctetsTo("2.7.1.5.5", std::string(15, '\0'))), TSetCheck::WrongLength);
  EXPECT_EQ(FModel.Check(OctetsTo("2.7.1.5.5", std::string(17, '\0'))), TSetCheck::WrongLength);
  EXPECT_EQ(FModel.Check({Oid("1.1.3.1.2.5.1"), BerTag::IpAddress, std::string("\x0A\x00\x00", 3)}),
            TSetCheck::WrongLength);
  EXPECT_EQ(FModel.Check(OctetsTo("1.1.1.4.5", std::string(87, '\0'))), TSetCheck::NotWritable);
  EXPECT_EQ(FModel.Check(IntegerTo("2.7.1.10.5", 3)), TSetCheck::NotWritable);
  EXPECT_EQ(FModel.Check(IntegerTo("1.1.1.8.5", 2)), TSetCheck::WrongValue);
  for (const char* arcs : {"2.7.1.11.6", "2.7.1.11", "2.2.1.2.5.0", "2.2.1.2.5.5", "2.2.1.2.5.01", "2.2.1.2.5",
                           "2.7.1.11.5.1", "2.9.1.1.5"}) {
    EXPECT_EQ(FModel.Check(IntegerTo(arcs, 1)), TSetCheck::NoSuchObject) << arcs;
    EXPECT_FALSE(FModel.Get(Oid(arcs)).has_value()) << arcs;
  }
  EXPECT_FALSE(FModel.Get("1.3.6.1.2.1.1.1.0").has_value());
}

// A port's VLAN record is taken only with an identifier 1..4094, a mode 0..2,
// a zero fourth octet and members among ETH1..ETH5.
TEST_F(DeviceModel, TakesOnlySoundPortVlanRecords) {
  struct TCase {
    std::string Record;
    TSetCheck Check;
  };
  const TCase cases[] = {
      {std::string("\x00\x01\x00\x00\x00", 5), TSetCheck::Ok},
      {std::string("\x0F\xFE\x02\x00\x1F", 5), TSetCheck::Ok},
      {std::string("\x00\x00\x00\x00\x00", 5), TSetCheck::WrongValue},
      {std::string("\x0F\xFF\x00\x00\x00", 5), TSetCheck::WrongValue},
      {std::string("\x00\x01\x03\x00\x00", 5), TSetCheck::WrongValue},
      {std::string("\x00\x01\x00\x01\x00", 5), TSetCheck::WrongValue},
      {std::string("\x00\x01\x00\x00\x20", 5), TSetCheck::WrongValue},
      {std::string("\x00\x01\x00\x00", 4), TSetCheck::WrongLength},
  };
  for (const TCase& each : cases) {
    EXPECT_EQ(FModel.Check(OctetsTo("2.2.1.4.5.5", each.Record)), each.Check) << testing::PrintToString(each.Record);
  }
}

TEST_F(DeviceModel, KeepsWhatIsWrittenAndHidesSetOnlyObjects) {
  const std::string bandwidth("\x00\x01\x10\x11\x00\x01\x10\x11\x00\x01\x10\x11\x00\x01\x10\x11", 16);
  Write(OctetsTo("2.7.1.5.5", bandwidth));
  EXPECT_EQ(Read("2.7.1.5.5"), bandwidth);
  const std::string address("\x0A\x00\x00\x07", 4);
  Write({Oid("1.1.3.1.2.5.6"), BerTag::IpAddress, address});
  EXPECT_EQ(Read("1.1.3.1.2.5.6"), address);
  Write(IntegerTo("2.7.1.11.5", 0));
  EXPECT_EQ(Read("2.7.1.11.5"), BerIntegerContent(0));
  // The VCG record answers with and without its index.
  Write(OctetsTo("2.1.1.2.5", std::string("\x00\x01", 2)));
  EXPECT_EQ(Read("2.1.1.2.5.1"), std::string("\x00\x01", 2));
  Write(OctetsTo("2.7.1.7.5", std::string("\x01\x00\x00\x01", 4)));
  for (const char* arcs : {"2.7.1.7.5", "1.1.1.8.5", "1.1.1.9.5", "2.7.1.4.5"}) {
    EXPECT_FALSE(FModel.Get(Oid(arcs)).has_value()) << arcs;
  }
}

TEST_F(DeviceModel, AVlanEntryFillsItsRecordOfTheTable) {
  Write(OctetsTo("2.3.1.2.5.2", std::string("\x01\x2C\x00\x15\x00\x03\x01", 7)));
  const std::string table = Read("2.7.1.8.5");
  ASSERT_EQ(table.size(), 80u);
  EXPECT_EQ(table.substr(5, 5), std::string("\x01\x2C\x00\x15\x01", 5));
  Write(OctetsTo("2.3.1.2.5.2", std::string("\x01\x2C\x00\x15\x00\x00\x00", 7)));
  EXPECT_EQ(Read("2.7.1.8.5")[9], '\x00');  // slot 2 free again
}

TEST_F(DeviceModel, PortStateBlockShowsSettingsAndEvents) {
  ASSERT_EQ(Read("1.1.1.4.5").size(), 87u);
  std::string masks(20, '\0');
  masks[0] = masks[7] = masks[8] = '\x01';
  Write(OctetsTo("2.7.1.6.5", masks));
  EXPECT_EQ(BlockOctet(0), 0x81);
  EXPECT_EQ(BlockOctet(1), 0x01);

  std::string loops(16, '\0');
  loops[2] = '\x01';
  Write(OctetsTo("2.7.1.2.5", loops));
  EXPECT_EQ(BlockOctet(2 + 2), 0x40);
  FModel.SetE1Alarm(3, TE1Alarm::LOS, true);
  FModel.SetE1Alarm(3, TE1Alarm::CV, true);
  FModel.SetE1Alarm(3, TE1Alarm::CV, false);
  EXPECT_EQ(BlockOctet(2 + 2), 0x41);
  EXPECT_EQ(FModel.E1Alarms(3), 0x01);

  EXPECT_EQ(BlockOctet(18), 0x0C);  // link up, 100 Mb/s, full duplex
  Write(OctetsTo("2.2.1.2.5.2", std::string("\x01\x00\x00\x01\x00", 5)));
  FModel.SetEthLink(2, false);
  EXPECT_EQ(BlockOctet(19), 0x0A);  // link down, 10 Mb/s, full duplex
  EXPECT_EQ(BlockOctet(22), 0x21);  // ALM and ETH ERR
}

TEST_F(DeviceModel, OneOctetWriteOfTheLoopbackObjectIsThePauseSetting) {
  Write(OctetsTo("2.7.1.2.5", "\x01"));
  EXPECT_EQ(Read("2.7.1.2.5"), std::string(16, '\x01'));
  Write(OctetsTo("2.7.1.2.5", std::string(1, '\0')));
  EXPECT_EQ(Read("2.7.1.2.5"), std::string(16, '\0'));
}

TEST_F(DeviceModel, CountersGrowUntilClearedAndDefaultsComeBack) {
  const std::string first = Read("2.2.1.5.5.1");
  ASSERT_EQ(first.size(), 56u);
  EXPECT_NE(Read("2.2.1.5.5.1"), first);
  EXPECT_EQ(Read("2.7.1.3.5").size(), 128u);
  Write(IntegerTo("2.7.1.4.5", 1));
  EXPECT_EQ(Read("2.2.1.5.5.1"), first);

  const std::string defaults = Read("2.7.1.5.5");
  Write(OctetsTo("2.7.1.5.5", std::string(16, '\0')));
  Write(IntegerTo("1.1.1.8.5", 1));
  EXPECT_EQ(Read("2.7.1.5.5"), defaults);
}

TEST_F(DeviceModel, ClockLineAndIdentificationFollowTheirSources) {
  EXPECT_EQ(Read("2.7.1.10.5"), BerIntegerContent(0));
  Write(OctetsTo("2.7.1.1.5", std::string("\x01\x03", 2)));
  EXPECT_EQ(Read("2.7.1.10.5"), BerIntegerContent(3));
  Write(OctetsTo("2.7.1.1.5", std::string("\x00\x05", 2)));
  EXPECT_EQ(Read("2.7.1.10.5"), BerIntegerContent(0));

  const std::string identification = Read("1.1.1.3.5");
  ASSERT_GE(identification.size(), 8u);
  EXPECT_EQ(identification[0], 'F');
  EXPECT_EQ(identification.substr(5, 3), std::string("\x01\x01\x06", 3));
  EXPECT_EQ(TDeviceModel(0, "123*4").Get(std::string(kEnterprisePrefix) + ".1.1.1.3.0")->Value[0], 'H');
  for (const char* type : {"11", "116*12", "1a6*16", "116-16", "1166*16"}) {
    EXPECT_THROW(TDeviceModel(0, type), EConvertError) << type;
  }
}

}  // namespace
