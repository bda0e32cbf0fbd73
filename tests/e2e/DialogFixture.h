#pragma once
// The configuration dialogs against the simulated device agent: the main
// window and the communication form as the program creates them, a device
// on port 161 of 127.0.0.1, the message boxes recorded, and a dialog opened
// from its menu item with the test acting while it is shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Screen.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/AgentProcess.h"
#include "tests/support/FixedPort.h"
#include "tools/agent/SnmpMessage.h"
#include "tests/support/UnitsEnd.h"

namespace dialogs {

const std::string P = "1.3.6.1.4.1.6215.1.4.1";
const std::string kDeviceIP = "127.0.0.1";
constexpr int32_t kNeAddress = 7;

inline std::string Octets(std::initializer_list<uint8_t> values) { return std::string(values.begin(), values.end()); }

inline std::string Hex(const std::string& octets) {
  std::string text;
  for (char octet : octets) text += " " + IntToHex(static_cast<uint8_t>(octet), 2);
  return text;
}

// The line the agent logs for one binding of a SET.
inline std::string SetLine(const std::string& oid, int type, const std::string& octets, const std::string& community) {
  return "set " + oid + " type " + IntToStr(type) + " octets" + Hex(octets) + " community " + community;
}

// The SET bindings the agent logged, in order.
inline std::vector<std::string> SetLines(const AgentProcess& agent) {
  std::vector<std::string> sets;
  std::istringstream lines(agent.Log());
  const std::string marker = "device 1 set ";
  for (std::string line; std::getline(lines, line);) {
    // The Windows build's agent ends its lines with CR LF.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, marker.size(), marker) == 0) sets.push_back(line.substr(marker.size() - 4));
  }
  return sets;
}

// A device on port 161 that answers its GETs from a script: request i gets
// the OCTET STRING value i whatever was asked (values shorter than any
// record), or no answer at all for nothing. It counts every request that
// arrives until it is destroyed.
class ScriptedDevice {
 public:
  explicit ScriptedDevice(std::vector<std::optional<std::string>> replies) : FReplies(std::move(replies)) {
    BindWhenFree(FSocket, kDeviceIP, 161);
    FThread = std::thread([this] { Serve(); });
  }
  ~ScriptedDevice() {
    FStop = true;
    FThread.join();
  }
  int Requests() const { return FRequests; }

 private:
  void Serve() {
    while (!FStop) {
      if (!FSocket.WaitReadable(50)) continue;
      TPeer manager;
      TSnmpMessage reply = ParseSnmpMessage(FSocket.ReceiveFrom(manager));
      const size_t turn = static_cast<size_t>(FRequests++);
      if (turn >= FReplies.size() || !FReplies[turn]) continue;
      reply.PduType = PduTag::GetResponse;
      reply.Bindings[0].Value = *FReplies[turn];
      FSocket.SendTo(manager.IP, manager.Port, EncodeSnmpMessage(reply));
    }
  }

  std::vector<std::optional<std::string>> FReplies;
  TUdpSocket FSocket;
  std::atomic<bool> FStop = false;
  std::atomic<int> FRequests = 0;
  std::thread FThread;
};

// What the screen showed when a message box came up: the dialog (the newest
// shown form but the two the program creates first, so not an editor's
// hidden popup), whether it was enabled, and the screen cursor.
struct TBoxMoment {
  std::string Dialog;
  bool DialogEnabled = true;
  TCursor Cursor = crDefault;
};

inline TBoxMoment CurrentMoment() {
  TBoxMoment moment;
  for (int i = Screen().FormCount() - 1; i >= 0; --i) {
    TForm* form = Screen().Forms(i);
    if (form == MainW || form == CommClassW || !form->Visible()) continue;
    moment.Dialog = form->ClassName();
    moment.DialogEnabled = form->Enabled();
    break;
  }
  moment.Cursor = Screen().Cursor();
  return moment;
}

// The dialogs that show the hourglass while they exchange; the others leave
// the cursor as it is.
inline TCursor ExchangeCursor(const std::string& dialog) {
  static const std::set<std::string> hourglass = {"TfrmPortEnable",  "TConf_LoopW", "TConf_ParameterW",
                                                  "TConf_ResetW",    "TConf_VLANW", "TConf_SetVlanW",
                                                  "TAlarm_ShieldedW"};
  return hourglass.count(dialog) ? crHourGlass : crDefault;
}

class DialogE2ETest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application().Initialize(ApplicationUnits());
    RegisterApplicationClasses();
    Application().CreateForm(MainW);
    Application().CreateForm(CommClassW);
  }
  static void TearDownTestSuite() {
    CommClassW->Free();
    CommClassW = nullptr;
    MainW->Free();
    MainW = nullptr;
  }

  void SetUp() override {
    CurrentDevice = TNE_Attr();
    CurrentDevice.IP = kDeviceIP;
    CurrentDevice.Addr = kNeAddress;
    CurrentDevice.SNMPVer = 1;
    CurrentDevice.CommunityRd = "kolmer";
    CurrentDevice.CommunityWr = "drastun";
    CurrentDevice.Type = "111*16";
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT flags) {
      FBoxes.push_back(caption + ": " + text);
      FBoxFlags.push_back(flags);
      FMoments.push_back(CurrentMoment());
      return IDOK;
    });
  }
  // A box shown during an exchange finds its dialog disabled under the
  // dialog's own cursor; any other box finds the cursor back to the default.
  void TearDown() override {
    for (const TBoxMoment& moment : FMoments)
      EXPECT_EQ(moment.Cursor, moment.DialogEnabled ? crDefault : ExchangeCursor(moment.Dialog)) << moment.Dialog;
    CommClassW->SNMP->SetReceiveTimeout(5000);
    Application().SetMessageBoxHandler(nullptr);
    Application().SetModalHandler(nullptr);
  }

  static AgentProcess StartAgent(std::vector<std::string> extra = {}) {
    std::vector<std::string> arguments = {"--device", kDeviceIP, "--ne", IntToStr(kNeAddress), "--manager", "none"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return AgentProcess(arguments);
  }

  // Gives the device's object (arcs after the prefix, before the NE address) that value.
  static void Store(const std::string& object, const std::string& octets, const std::string& index = "") {
    std::string result;
    const std::string oid = P + "." + object + "." + IntToStr(kNeAddress) + index;
    CommClassW->SnmpSet(1, "drastun", kDeviceIP, {{oid, octets, ASN1_OCTET_STRING}}, result);
    ASSERT_EQ(result, "1") << oid;
  }

  static void StoreInteger(const std::string& object, int32_t value) {
    std::string result;
    const std::string oid = P + "." + object + "." + IntToStr(kNeAddress);
    CommClassW->SnmpSet(1, "drastun", kDeviceIP, {{oid, value, ASN1_INTEGER}}, result);
    ASSERT_EQ(result, "1") << oid;
  }

  // Lets requests that find no answer give up soon.
  static void WaitBriefly() { CommClassW->SNMP->SetReceiveTimeout(300); }

  // Opens the dialog through its menu item, runs `act` while it is shown
  // (after its read on show), and closes it.
  template <class D>
  void WithDialog(TMenuItem& item, const std::function<void(D&)>& act) {
    WhileShown<D>(act, [&item] { item.Click(); });
  }
  // The same for a dialog that no menu opens.
  template <class D>
  void WithDialog(const std::function<void(D&)>& act) {
    WhileShown<D>(act, [] { MainW->ShowDialogModal(D::StaticClass()); });
  }

  template <class D>
  void WhileShown(const std::function<void(D&)>& act, const std::function<void()>& open) {
    bool shown = false;
    Application().SetModalHandler([&](TForm& form) {
      shown = true;
      D* dialog = dynamic_cast<D*>(&form);
      if (dialog) act(*dialog);
      EXPECT_NE(dialog, nullptr) << "another window went modal";
      form.SetModalResult(mrCancel);
    });
    open();
    Application().SetModalHandler(nullptr);
    EXPECT_TRUE(shown);
  }

  // Clears the boxes recorded so far, so a test looks at those of one step.
  std::vector<std::string> TakeBoxes() {
    std::vector<std::string> boxes;
    boxes.swap(FBoxes);
    FBoxFlags.clear();
    return boxes;
  }

  std::vector<std::string> FBoxes;
  std::vector<UINT> FBoxFlags;
  // Every box of the test, also those already taken.
  std::vector<TBoxMoment> FMoments;
};

}  // namespace dialogs
