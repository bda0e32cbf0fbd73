#include "tools/agent/Script.h"

#include <algorithm>
#include <sstream>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

struct TAlarmName {
  const char* Name;
  TE1Alarm Alarm;
};

constexpr TAlarmName kAlarmNames[] = {
    {"los", TE1Alarm::LOS}, {"cv", TE1Alarm::CV}, {"ais", TE1Alarm::AIS}, {"lof", TE1Alarm::LOF}};

struct TDeviceAlarmName {
  const char* Name;
  TDeviceAlarm Alarm;
};

constexpr TDeviceAlarmName kDeviceAlarmNames[] = {
    {"loa", TDeviceAlarm::LOA}, {"gid", TDeviceAlarm::GID}, {"lof", TDeviceAlarm::LOF}};

class TLineReader {
 public:
  TLineReader(const std::string& line, int number) : FWords(line), FNumber(number) {}

  std::string Word(const char* what) {
    std::string word;
    if (!(FWords >> word)) Fail(std::string(what) + " missing");
    return word;
  }

  int Number(const char* what, int low, int high) {
    const std::string word = Word(what);
    int32_t value = 0;
    if (word.find_first_not_of("0123456789") != std::string::npos || !TryStrToInt(word, value) || value < low ||
        value > high) {
      Fail(std::string(what) + " '" + word + "' is not a number from " + IntToStr(low) + " to " + IntToStr(high));
    }
    return value;
  }

  bool Choice(const char* yes, const char* no) {
    const std::string word = Word(yes);
    if (word != yes && word != no) Fail("'" + word + "' is neither " + yes + " nor " + no);
    return word == yes;
  }

  TE1Alarm Alarm() {
    const std::string word = Word("alarm");
    for (const TAlarmName& alarm : kAlarmNames) {
      if (word == alarm.Name) return alarm.Alarm;
    }
    Fail("'" + word + "' is not an alarm (los, cv, ais, lof)");
  }

  TDeviceAlarm DeviceAlarm() {
    const std::string word = Word("alarm");
    for (const TDeviceAlarmName& alarm : kDeviceAlarmNames) {
      if (word == alarm.Name) return alarm.Alarm;
    }
    Fail("'" + word + "' is not a device alarm (loa, gid, lof)");
  }

  void ExpectEnd() {
    std::string extra;
    if (FWords >> extra) Fail("unexpected '" + extra + "'");
  }

  [[noreturn]] void Fail(const std::string& reason) const {
    throw EConvertError("script line " + IntToStr(FNumber) + ": " + reason);
  }

 private:
  std::istringstream FWords;
  int FNumber;
};

TScriptEvent ParseEvent(TLineReader& reader, int deviceCount) {
  TScriptEvent event;
  event.AtMs = static_cast<uint32_t>(reader.Number("time", 0, 0x7FFFFFFF));
  event.Device = reader.Number("device", 1, deviceCount);
  const std::string kind = reader.Word("event");
  if (kind == "link") {
    event.Kind = TEventKind::Link;
    event.Port = reader.Number("Ethernet port", 1, kEthPortCount);
    event.On = reader.Choice("up", "down");
  } else if (kind == "e1") {
    event.Kind = TEventKind::E1Alarm;
    event.Port = reader.Number("E1 port", 1, kE1PortCount);
    event.Alarm = reader.Alarm();
    event.On = reader.Choice("on", "off");
  } else if (kind == "alarm") {
    event.Kind = TEventKind::DeviceAlarm;
    event.DeviceAlarm = reader.DeviceAlarm();
    event.On = reader.Choice("on", "off");
  } else {
    reader.Fail("'" + kind + "' is not an event (link, e1, alarm)");
  }
  reader.ExpectEnd();
  return event;
}

}  // namespace

std::vector<TScriptEvent> ParseScript(const std::string& text, int deviceCount) {
  std::vector<TScriptEvent> events;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    TLineReader reader(trimmed, number);
    events.push_back(ParseEvent(reader, deviceCount));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const TScriptEvent& a, const TScriptEvent& b) { return a.AtMs < b.AtMs; });
  return events;
}
