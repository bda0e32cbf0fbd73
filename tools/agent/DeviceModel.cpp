#include "tools/agent/DeviceModel.h"

#include "platform/rtl/SysUtils.h"

const char* const kEnterprisePrefix = "1.3.6.1.4.1.6215.1.4.1";

namespace {

enum class TAccess { ReadOnly, ReadWrite, WriteOnly };

// What an object does beyond keeping what is written to it.
enum class TRole {
  Stored,
  PortState,
  Identification,
  VlanTable,
  CurrentClockLine,
  EthCounters,
  Loopback,
  Defaults,
  Reset,
  ClearCounters,
  PortReset,
  PortVlan
};

constexpr size_t kPortStateLength = 87;
constexpr size_t kIdentificationLength = 8;
constexpr size_t kEthCounterCount = 7;
constexpr size_t kCounterOctets = 8;
constexpr size_t kVlanSlots = 16;
constexpr size_t kVlanRecordLength = 5;
constexpr size_t kLoopbackLength = 16;
// A one-octet write of the loopback object is the pause (flow-control)
// setting; it reaches every octet, so both of its readers read it back.
constexpr size_t kPauseLength = 1;
// What each read of an Ethernet port's counters adds: packets in, bytes in,
// error packets, broadcasts in, packets out, bytes out, broadcasts out.
constexpr std::array<uint64_t, kEthCounterCount> kEthCounterGrowth = {10, 640, 0, 1, 12, 768, 2};

const char* const kClockArcs = "2.7.1.1";
const char* const kLoopbackArcs = "2.7.1.2";
const char* const kE1CrcArcs = "2.7.1.3";
const char* const kEthParameterArcs = "2.2.1.2";
const char* const kEthCounterArcs = "2.2.1.5";
const char* const kVlanEntryArcs = "2.3.1.2";
const char* const kAlarmMaskArcs = "2.7.1.6";
const char* const kPortResetArcs = "2.7.1.7";
const char* const kVcgArcs = "2.1.1.2";
const char* const kPortVlanArcs = "2.2.1.4";
constexpr int kPortVlanPorts = 5;

std::string Octets(std::initializer_list<uint8_t> values) { return std::string(values.begin(), values.end()); }

std::string IndexedKey(const char* arcs, int index) { return std::string(arcs) + "." + IntToStr(index); }

uint8_t OctetAt(const std::string& octets, size_t i) { return static_cast<uint8_t>(octets[i]); }

std::string EncodeCounter(uint64_t value) {
  std::string octets;
  for (size_t i = 0; i < kCounterOctets; ++i) octets += static_cast<char>((value >> (8 * i)) & 0xFF);
  return octets;
}

uint64_t DecodeCounter(const std::string& octets, size_t at) {
  uint64_t value = 0;
  for (size_t i = kCounterOctets; i-- > 0;) value = (value << 8) | OctetAt(octets, at + i);
  return value;
}

// "116*16": octets 5, 6 and 7 of the identification carry the three digits,
// octet 0 the letter that stands for the E1 port count.
std::string IdentificationOf(const std::string& typeText) {
  const std::string invalid = "'" + typeText + "' is not a device type like 116*16";
  if (typeText.size() < 5 || typeText[3] != '*') throw EConvertError(invalid);
  const std::string digits = typeText.substr(0, 3);
  if (digits.find_first_not_of("0123456789") != std::string::npos) throw EConvertError(invalid);
  const std::string ports = typeText.substr(4);
  const char letter = ports == "4" ? 'H' : ports == "8" ? 'G' : ports == "16" ? 'F' : '\0';
  if (letter == '\0') throw EConvertError(invalid);
  // ARM software V1.2.3A4 and hardware V2.1.3.
  std::string identification = Octets({static_cast<uint8_t>(letter), 0, 0x12, 0x34, 0x2B});
  for (char digit : digits) identification += static_cast<char>(digit - '0');
  return identification;
}

// A port's VLAN: identifier 1..4094 (high octet first), mode 0 access,
// 1 trunk or 2 multi, a reserved zero octet, and the member ports ETH1..ETH5
// as bits 0..4.
bool IsPortVlanRecord(const std::string& record) {
  constexpr int kHighestVlanId = 4094;
  constexpr uint8_t kHighestMode = 2;
  constexpr uint8_t kMemberBits = 0x1F;
  const int id = OctetAt(record, 0) * 256 + OctetAt(record, 1);
  return id >= 1 && id <= kHighestVlanId && OctetAt(record, 2) <= kHighestMode && OctetAt(record, 3) == 0 &&
         (OctetAt(record, 4) & ~kMemberBits) == 0;
}

}  // namespace

struct TObjectDef {
  const char* Arcs;
  TRole Role;
  TAccess Access;
  uint8_t Type;
  size_t Length;       // octets of an OCTET STRING or IpAddress value; 0 for INTEGER
  int Entries;         // 0: a single object; n: entries 1..n after the NE address
  bool IndexOptional;  // the single entry is also reachable without its index
};

namespace {

const TObjectDef kObjects[] = {
    {"1.1.1.4", TRole::PortState, TAccess::ReadOnly, BerTag::OctetString, kPortStateLength, 0, false},
    {"1.1.1.3", TRole::Identification, TAccess::ReadOnly, BerTag::OctetString, kIdentificationLength, 0, false},
    {"1.1.1.8", TRole::Defaults, TAccess::WriteOnly, BerTag::Integer, 0, 0, false},
    {"1.1.1.9", TRole::Reset, TAccess::WriteOnly, BerTag::Integer, 0, 0, false},
    {"2.7.1.4", TRole::ClearCounters, TAccess::WriteOnly, BerTag::Integer, 0, 0, false},
    {"2.7.1.5", TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 16, 0, false},
    {kLoopbackArcs, TRole::Loopback, TAccess::ReadWrite, BerTag::OctetString, kLoopbackLength, 0, false},
    {kClockArcs, TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 2, 0, false},
    {"2.7.1.10", TRole::CurrentClockLine, TAccess::ReadOnly, BerTag::Integer, 0, 0, false},
    {"2.7.1.11", TRole::Stored, TAccess::ReadWrite, BerTag::Integer, 0, 0, false},
    {kEthParameterArcs, TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 5, kEthPortCount, false},
    {kPortResetArcs, TRole::PortReset, TAccess::WriteOnly, BerTag::OctetString, 4, 0, false},
    {kEthCounterArcs, TRole::EthCounters, TAccess::ReadOnly, BerTag::OctetString, kEthCounterCount* kCounterOctets,
     kEthPortCount, false},
    {kE1CrcArcs, TRole::Stored, TAccess::ReadOnly, BerTag::OctetString, kE1PortCount* kCounterOctets, 0, false},
    {"2.7.1.8", TRole::VlanTable, TAccess::ReadOnly, BerTag::OctetString, kVlanSlots* kVlanRecordLength, 0, false},
    {kVlanEntryArcs, TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 7, kVlanSlots, false},
    {"2.7.1.9", TRole::Stored, TAccess::ReadWrite, BerTag::Integer, 0, 0, false},
    {kPortVlanArcs, TRole::PortVlan, TAccess::ReadWrite, BerTag::OctetString, 5, kPortVlanPorts, false},
    {kVcgArcs, TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 2, 1, true},
    {"2.6.1.2", TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, 5, 1, false},
    {kAlarmMaskArcs, TRole::Stored, TAccess::ReadWrite, BerTag::OctetString, kE1PortCount + kEthPortCount, 0, false},
    {"1.1.1.11", TRole::Stored, TAccess::ReadOnly, BerTag::OctetString, 2, 0, false},
    {"1.1.1.10", TRole::Stored, TAccess::ReadWrite, BerTag::Integer, 0, 0, false},
    {"1.1.3.1.2", TRole::Stored, TAccess::ReadWrite, BerTag::IpAddress, 4, 6, false},
    {"1.1.3.1.6", TRole::Stored, TAccess::ReadWrite, BerTag::Integer, 0, 6, false},
};

// The entry number that follows `base` in `name`, or 0 when there is none.
int EntryAfter(const std::string& name, const std::string& base, int entries) {
  if (name.size() <= base.size() + 1 || name.compare(0, base.size(), base) != 0 || name[base.size()] != '.') return 0;
  const std::string digits = name.substr(base.size() + 1);
  if (digits.size() > 2 || digits[0] == '0' || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  const int entry = StrToInt(digits);
  return entry <= entries ? entry : 0;
}

}  // namespace

TDeviceModel::TDeviceModel(uint32_t neAddress, const std::string& typeText)
    : FNeAddress(neAddress), FNeText(IntToStr(neAddress)), FIdentification(IdentificationOf(typeText)) {
  FEthLinkUp.fill(true);
  LoadDefaults();
}

std::optional<TDeviceModel::TObjectRef> TDeviceModel::Find(const std::string& oid) const {
  const std::string prefix = std::string(kEnterprisePrefix) + ".";
  if (oid.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  const std::string name = oid.substr(prefix.size());
  for (const TObjectDef& def : kObjects) {
    const std::string base = std::string(def.Arcs) + "." + FNeText;
    if (def.Entries == 0 && name == base) return TObjectRef{&def, def.Arcs};
    if (def.IndexOptional && name == base) return TObjectRef{&def, IndexedKey(def.Arcs, 1)};
    const int entry = EntryAfter(name, base, def.Entries);
    if (entry != 0) return TObjectRef{&def, IndexedKey(def.Arcs, entry)};
  }
  return std::nullopt;
}

std::optional<TVarBind> TDeviceModel::Get(const std::string& oid) {
  const std::optional<TObjectRef> ref = Find(oid);
  if (!ref || ref->Def->Access == TAccess::WriteOnly) return std::nullopt;
  TVarBind binding{oid, ref->Def->Type, {}};
  switch (ref->Def->Role) {
    case TRole::PortState: binding.Value = PortStateBlock(); break;
    case TRole::Identification: binding.Value = FIdentification; break;
    case TRole::VlanTable: binding.Value = VlanTable(); break;
    case TRole::CurrentClockLine: binding.Value = CurrentClockLine(); break;
    case TRole::EthCounters: binding.Value = AdvanceEthCounters(ref->Key); break;
    default: binding.Value = FRecords.at(ref->Key); break;
  }
  return binding;
}

TSetCheck TDeviceModel::Check(const TVarBind& binding) const {
  const std::optional<TObjectRef> ref = Find(binding.Oid);
  if (!ref) return TSetCheck::NoSuchObject;
  const TObjectDef& def = *ref->Def;
  if (def.Access == TAccess::ReadOnly) return TSetCheck::NotWritable;
  if (binding.Type != def.Type) return TSetCheck::WrongType;
  const bool pause = def.Role == TRole::Loopback && binding.Value.size() == kPauseLength;
  if (def.Length != 0 && binding.Value.size() != def.Length && !pause) return TSetCheck::WrongLength;
  const bool action = def.Role == TRole::Defaults || def.Role == TRole::Reset || def.Role == TRole::ClearCounters;
  if (action && BerIntegerValue(binding.Value) != 1) return TSetCheck::WrongValue;
  if (def.Role == TRole::PortVlan && !IsPortVlanRecord(binding.Value)) return TSetCheck::WrongValue;
  return TSetCheck::Ok;
}

void TDeviceModel::Apply(const TVarBind& binding) {
  const TObjectRef ref = Find(binding.Oid).value();
  switch (ref.Def->Role) {
    case TRole::Defaults: LoadDefaults(); break;
    case TRole::ClearCounters: ClearCounters(); break;
    // The simulated device restarts and resets its ports in no time, keeping
    // its configuration and state.
    case TRole::Reset:
    case TRole::PortReset: break;
    case TRole::Loopback:
      FRecords[ref.Key] =
          binding.Value.size() == kPauseLength ? std::string(kLoopbackLength, binding.Value[0]) : binding.Value;
      break;
    default: FRecords[ref.Key] = binding.Value; break;
  }
}

bool TDeviceModel::SetByReadCommunity(const std::string& oid) const {
  const std::optional<TObjectRef> ref = Find(oid);
  if (!ref) return false;
  const std::string arcs = ref->Def->Arcs;
  return arcs == kLoopbackArcs || arcs == kPortResetArcs || arcs == kVcgArcs;
}

void TDeviceModel::SetEthLink(int port, bool up) { FEthLinkUp.at(port - 1) = up; }

void TDeviceModel::SetE1Alarm(int port, TE1Alarm alarm, bool raised) {
  uint8_t& alarms = FE1Alarms.at(port - 1);
  const uint8_t bit = static_cast<uint8_t>(alarm);
  alarms = raised ? (alarms | bit) : (alarms & ~bit);
}

void TDeviceModel::SetDeviceAlarm(TDeviceAlarm alarm, bool raised) {
  const uint8_t bit = static_cast<uint8_t>(alarm);
  FDeviceAlarms = raised ? (FDeviceAlarms | bit) : (FDeviceAlarms & ~bit);
}

void TDeviceModel::LoadDefaults() {
  FRecords["2.7.1.5"] = std::string(16, '\x11');
  FRecords[kLoopbackArcs] = std::string(kLoopbackLength, '\0');
  FRecords[kClockArcs] = Octets({0, 0});
  FRecords["2.7.1.11"] = BerIntegerContent(1);
  for (int port = 1; port <= kEthPortCount; ++port) {
    FRecords[IndexedKey(kEthParameterArcs, port)] = Octets({1, 1, 1, 1, 0});
  }
  for (size_t slot = 1; slot <= kVlanSlots; ++slot) {
    FRecords[IndexedKey(kVlanEntryArcs, static_cast<int>(slot))] = std::string(7, '\0');
  }
  // Slot 1 holds VLAN 1 with every port as a member.
  FRecords[IndexedKey(kVlanEntryArcs, 1)] = Octets({0, 1, 0, 0x1F, 0, 0, 1});
  FRecords["2.7.1.9"] = BerIntegerContent(0);
  for (int port = 1; port <= kPortVlanPorts; ++port) {
    FRecords[IndexedKey(kPortVlanArcs, port)] = Octets({0, 1, 0, 0, 0x10});
  }
  FRecords[IndexedKey(kVcgArcs, 1)] = Octets({1, 1});
  FRecords[IndexedKey("2.6.1.2", 1)] = Octets({1, 1, 0, 1, 0});
  FRecords[kAlarmMaskArcs] = std::string(kE1PortCount + kEthPortCount, '\0');
  FRecords["1.1.1.11"] = Octets({0xF2, 0x00});
  FRecords["1.1.1.10"] = BerIntegerContent(1);
  for (int entry = 1; entry <= 6; ++entry) {
    FRecords[IndexedKey("1.1.3.1.2", entry)] = std::string(4, '\0');
    FRecords[IndexedKey("1.1.3.1.6", entry)] = BerIntegerContent(0);
  }
  ClearCounters();
}

// Counters restart from small distinct values, so a display shows which
// counter went where.
void TDeviceModel::ClearCounters() {
  for (int port = 1; port <= kEthPortCount; ++port) {
    std::string counters;
    for (size_t i = 0; i < kEthCounterCount; ++i) counters += EncodeCounter(static_cast<uint64_t>(port * 100 + i));
    FRecords[IndexedKey(kEthCounterArcs, port)] = counters;
  }
  std::string crc;
  for (int port = 0; port < kE1PortCount; ++port) crc += EncodeCounter(static_cast<uint64_t>(port));
  FRecords[kE1CrcArcs] = crc;
}

std::string TDeviceModel::Record(const std::string& arcs) const { return FRecords.at(arcs); }

std::string TDeviceModel::PortStateBlock() const {
  std::string block(kPortStateLength, '\0');
  const std::string masks = Record(kAlarmMaskArcs);
  const std::string loopback = Record(kLoopbackArcs);
  uint8_t indicators = 0;
  for (int i = 0; i < kE1PortCount; ++i) {
    if (OctetAt(masks, i) == 1) block[i / 8] = static_cast<char>(OctetAt(block, i / 8) | (1 << (i % 8)));
    const uint8_t loopBit = OctetAt(loopback, i) == 1 ? 0x40 : 0x00;
    block[2 + i] = static_cast<char>(FE1Alarms[i] | loopBit);
    if (FE1Alarms[i] != 0) indicators |= 0x01;                                   // ALM
    if (FE1Alarms[i] & static_cast<uint8_t>(TE1Alarm::CV)) indicators |= 0x02;   // CV
    if (FE1Alarms[i] & static_cast<uint8_t>(TE1Alarm::LOF)) indicators |= 0x10;  // LOF
    // Every port sits in one LCAS group, in order; the last one ends it.
    const uint8_t control = i == kE1PortCount - 1 ? 3 : 2;  // "eos", "norm"
    const std::string lcas = Octets({static_cast<uint8_t>(i), control, static_cast<uint8_t>(i), control});
    block.replace(23 + 4 * i, 4, lcas);
  }
  for (int j = 0; j < kEthPortCount; ++j) {
    const std::string parameters = Record(IndexedKey(kEthParameterArcs, j + 1));
    uint8_t octet = FEthLinkUp[j] ? 0x00 : 0x02;
    if (OctetAt(parameters, 2) == 1) octet |= 0x04;
    if (OctetAt(parameters, 3) == 1) octet |= 0x08;
    block[18 + j] = static_cast<char>(octet);
    if (!FEthLinkUp[j]) indicators |= 0x20;  // ETH ERR
  }
  block[22] = static_cast<char>(indicators | FDeviceAlarms);
  return block;
}

// Record k of the table: the entry of slot k without its priority octets.
std::string TDeviceModel::VlanTable() const {
  std::string table;
  for (size_t slot = 1; slot <= kVlanSlots; ++slot) {
    const std::string entry = Record(IndexedKey(kVlanEntryArcs, static_cast<int>(slot)));
    table += entry.substr(0, 4) + entry[6];
  }
  return table;
}

std::string TDeviceModel::CurrentClockLine() const {
  const std::string clock = Record(kClockArcs);
  return BerIntegerContent(OctetAt(clock, 0) == 1 ? OctetAt(clock, 1) : 0);
}

std::string TDeviceModel::AdvanceEthCounters(const std::string& key) {
  std::string& counters = FRecords.at(key);
  std::string grown;
  for (size_t i = 0; i < kEthCounterCount; ++i) {
    grown += EncodeCounter(DecodeCounter(counters, i * kCounterOctets) + kEthCounterGrowth[i]);
  }
  counters = grown;
  return counters;
}
