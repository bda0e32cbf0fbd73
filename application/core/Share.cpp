#include "application/core/Share.h"

#include <algorithm>
#include <unordered_set>

#include "platform/controls/core/Application.h"
#include "platform/rtl/SysUtils.h"

TNE_Attr CurrentDevice;
std::vector<uint8_t> ReplyBytes;

namespace {

// The section New starts from: it never exists, so it yields the defaults.
const char kTemplateDevice[] = "NEPL";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Adds one to a run of decimal digits, leading zeros dropped ("007" -> "8").
std::string IncrementDecimal(const std::string& digits) {
  std::string number = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
  for (auto it = number.rbegin(); it != number.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return number;
    }
    *it = '0';
  }
  return "1" + number;
}

TNE_Attr ReadDevice(const TIniContent& iniFile, const std::string& name) {
  TNE_Attr device;
  device.NETID = iniFile.ReadString(name, "NETID", "");
  device.ID = iniFile.ReadString(name, "ID", "");
  device.Addr = iniFile.ReadInteger(name, "Addr", 0);
  device.IP = iniFile.ReadString(name, "IP", "192.168.0.155");
  device.GateWay = iniFile.ReadString(name, "GateWay", "");
  device.SNMPVer = iniFile.ReadInteger(name, "SNMPVer", 1);
  device.CommunityRd = iniFile.ReadString(name, "CommunityRd", "kolmer");
  device.CommunityWr = iniFile.ReadString(name, "CommunityWr", "drastun");
  device.Type = iniFile.ReadString(name, "Type", "11");
  return device;
}

// The section names in capitals: the file takes two names for one section
// when SameText does, that is when their capitals are equal.
std::unordered_set<std::string> TakenNames(const TIniContent& iniFile) {
  TStringList sections;
  iniFile.ReadSections(sections);
  std::unordered_set<std::string> taken;
  for (int i = 0; i < sections.Count(); ++i) taken.insert(UpperCase(sections[i]));
  return taken;
}

// Asking the file about each candidate would read every section name once
// per candidate: with dense names (D0001 … D3000) a device in the middle of a
// long list would walk half of it so. One read answers every candidate.
std::string FirstFreeName(const TIniContent& iniFile, std::string candidate) {
  const std::unordered_set<std::string> taken = TakenNames(iniFile);
  while (taken.count(UpperCase(candidate)) != 0) IncTrailingNumber(candidate);
  return candidate;
}

}  // namespace

// One read of the file answers every key and the free name, so they agree
// with each other even while another program changes the file. The record
// becomes current only once it is read whole: a read that fails leaves the
// current device as it was.
void LoadDevice(const TIniFile& iniFile, const std::string& name) {
  const TIniContent inventory = iniFile.ReadContent();
  TNE_Attr device = ReadDevice(inventory, name);
  device.Name = FirstFreeName(inventory, name == kTemplateDevice ? name + "0" : name);
  CurrentDevice = device;
}

void SaveDevice(TIniFile& iniFile) {
  const std::string& section = CurrentDevice.Name;
  iniFile.Update([&] {
    iniFile.WriteString(section, "NETID", CurrentDevice.NETID);
    iniFile.WriteString(section, "ID", CurrentDevice.ID);
    iniFile.WriteInteger(section, "Addr", CurrentDevice.Addr);
    iniFile.WriteString(section, "IP", CurrentDevice.IP);
    iniFile.WriteString(section, "GateWay", CurrentDevice.GateWay);
    iniFile.WriteInteger(section, "SNMPVer", CurrentDevice.SNMPVer);
    iniFile.WriteString(section, "CommunityRd", CurrentDevice.CommunityRd);
    iniFile.WriteString(section, "CommunityWr", CurrentDevice.CommunityWr);
    iniFile.WriteString(section, "Type", CurrentDevice.Type);
  });
}

int TrailingNumberPos(const std::string& text) {
  size_t start = text.size();
  while (start > 0 && IsDigit(text[start - 1])) --start;
  return start == text.size() ? 0 : static_cast<int>(start) + 1;
}

void IncTrailingNumber(std::string& text) {
  const int position = TrailingNumberPos(text);
  if (position == 0) {
    text += "0";
    return;
  }
  const size_t start = static_cast<size_t>(position - 1);
  text = text.substr(0, start) + IncrementDecimal(text.substr(start));
}

std::string FormatTimestampId(const TClockParts& clock, int32_t randomNumber) {
  const std::string id = IntToStr(clock.Year) + IntToStr(clock.Month) + IntToStr(clock.Day) + IntToStr(clock.Hour) +
                         IntToStr(clock.Minute) + IntToStr(randomNumber);
  return PadZeros(id, 18, false);
}

std::string MakeTimestampId() {
  Randomize();
  const TClockParts clock = Now();
  return FormatTimestampId(clock, Random(9999));
}

std::string PadZeros(const std::string& text, int width, bool strip) {
  if (strip) {
    const size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
  }
  const int missing = width - static_cast<int>(text.size());
  return missing > 0 ? text + std::string(missing, '0') : text;
}

void StringToBytes(const std::string& text) { ReplyBytes.assign(text.begin(), text.end()); }

// Once the program is terminating nothing is dispatched any more, and queued
// input would wake the wait at once: the rest of the delay is not waited out.
void Delay(uint32_t ms) {
  const uint32_t start = TickCount();
  for (;;) {
    Application().ProcessMessages();
    const uint32_t elapsed = TickCount() - start;
    if (elapsed >= ms || Application().Terminated()) return;
    Application().WaitForMessages(ms - elapsed);
  }
}

std::string LcasCtrlName(uint8_t ctrl) {
  switch (ctrl) {
    case 0: return "fixed";
    case 1: return "add";
    case 2: return "norm";
    case 3: return "eos";
    case 5: return "idle";
    case 15: return "dnu";
    default: return "Unknow";
  }
}
