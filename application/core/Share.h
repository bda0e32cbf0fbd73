#pragma once
// The records and globals every window of the application reads: the device
// selected now, the octets of the last value read, and the device inventory.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Clock.h"
#include "platform/rtl/IniFile.h"

// One managed device (network element), as kept in devices.ini.
struct TNE_Attr {
  std::string NETID;
  std::string ID;
  int32_t Addr = 0;  // NE address: the index of every enterprise object of the device
  std::string Name;  // its section in devices.ini and its line in the device list
  std::string IP;
  std::string GateWay;
  int32_t SNMPVer = 0;  // message version field: 0 SNMPv1, 1 SNMPv2c
  std::string CommunityRd;
  std::string CommunityWr;
  std::string Type;  // third character "6": port 1 is optical; after "*": the E1 port count
};

extern TNE_Attr CurrentDevice;
extern std::vector<uint8_t> ReplyBytes;

// Reads section `name` into CurrentDevice (a missing section gives the
// defaults), then names the record after the first section that does not
// exist yet, so that saving it never overwrites another device.
void LoadDevice(const TIniFile& iniFile, const std::string& name);
// Writes CurrentDevice into the section named CurrentDevice.Name: the file
// holds the whole device or, when the write fails, what it held before.
void SaveDevice(TIniFile& iniFile);

// 1-based position of the digit run that ends the text; 0 when there is none.
int TrailingNumberPos(const std::string& text);
// abc7 -> abc8, a099 -> a100, abc -> abc0; digit runs of any length.
void IncTrailingNumber(std::string& text);

// Year, month, day, hour, minute and a random number in 0..9998, padded to 18.
std::string MakeTimestampId();
std::string FormatTimestampId(const TClockParts& clock, int32_t randomNumber);
// strip: removes leading "0"s ("" becomes "0"); else appends "0"s up to width.
std::string PadZeros(const std::string& text, int width, bool strip);

void StringToBytes(const std::string& text);
// Waits at least `ms` milliseconds while window messages keep being processed.
void Delay(uint32_t ms);
// Name of an LCAS control word ("Unknow" for words the device does not define).
std::string LcasCtrlName(uint8_t ctrl);
