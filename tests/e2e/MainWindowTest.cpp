// The main window against the simulated device agent: Refresh reads the
// port-state block through the single-shot get on port 161 and the picture
// follows it, the maintenance commands send exactly their SETs, the device
// probe reads the identification object, and the device's traps reach the
// flags, also while a Refresh waits.
#include <windows.h>
// The common controls' declarations build on windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "application/core/Share.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "application/main/uDeviceParam.h"
#include "platform/controls/core/Clipboard.h"
#include "platform/controls/core/Screen.h"
#include "platform/net/UdpSocket.h"
#include "platform/rtl/SysUtils.h"
#include "tests/application/main/MainWindowPicture.h"
#include "tests/e2e/Pump.h"
#include "tests/support/AgentProcess.h"
#include "tests/support/FakeClipboard.h"
#include "tests/support/FixedPort.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnitsEnd.h"
#include "tools/agent/Ber.h"
#include "tools/agent/SnmpMessage.h"
#include "tools/agent/Traps.h"

namespace {

const std::string P = "1.3.6.1.4.1.6215.1.4.1";
// Wine binds a socket meant for any loopback address to every address, so
// the device and the program meet on 127.0.0.1 and a device's datagrams come
// from there; devices on port 161 run one at a time.
const std::string kDeviceIP = "127.0.0.1";
const std::string kOtherIP = "127.0.0.2";
constexpr int32_t kNeAddress = 7;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kTickColour = RGB(0, 0, 0);

std::string Block(std::initializer_list<std::pair<size_t, uint8_t>> octets, size_t length = 87) {
  std::string block(length, '\0');
  for (const auto& [position, value] : octets) block[position] = static_cast<char>(value);
  return block;
}

// An agent for the selected device on port 161, plus further devices given by `extra`.
AgentProcess StartAgent(std::vector<std::string> extra = {}, const std::string& manager = "none") {
  std::vector<std::string> arguments = {"--device", kDeviceIP, "--ne", IntToStr(kNeAddress), "--manager", manager};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  return AgentProcess(arguments);
}

// The objects the agent was asked to set, in order.
std::vector<std::string> SetsLogged(const AgentProcess& agent) {
  std::vector<std::string> sets;
  std::istringstream lines(agent.Log());
  for (std::string line; std::getline(lines, line);) {
    const size_t set = line.find(" SET ");
    if (set == std::string::npos) continue;
    EXPECT_NE(line.find("-> noError"), std::string::npos) << line;
    sets.push_back(line.substr(set + 5, line.find(" ->") - set - 5));
  }
  return sets;
}

class MainWindowE2ETest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application().Initialize(ApplicationUnits());
    RegisterApplicationClasses();
    // The main form first: the communication form reports to it.
    Application().CreateForm(MainW);
    Application().CreateForm(CommClassW);
    MainW->Show();
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
    // Every flag down, every link down.
    MainW->ShowState(Block({{18, 0x02}, {19, 0x02}, {20, 0x02}, {21, 0x02}}));
    Application().SetMessageBoxHandler([this](const std::string& text, const std::string& caption, UINT flags) {
      FBoxes.push_back(caption + ": " + text);
      FBusyDuringBoxes.push_back(Screen().Cursor() == crHourGlass && !IsWindowEnabled(MainW->Handle()));
      if (flags != static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING)) return IDOK;
      const int answer = FAnswers.empty() ? IDNO : FAnswers.front();
      if (!FAnswers.empty()) FAnswers.erase(FAnswers.begin());
      return answer;
    });
  }
  void TearDown() override { Application().SetMessageBoxHandler(nullptr); }

  static std::string OutcomePanel() {
    char text[128] = {};
    SendMessageA(MainW->StatusBar->Handle(), SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(text));
    return text;
  }

  static void Refresh() {
    MainW->ToolButton_Refresh->Click();
    EXPECT_TRUE(IsWindowEnabled(MainW->Handle()));
  }

  // Sends a trap of the device family from `senderIP` to the trap port.
  static void SendTrap(const std::string& senderIP, uint32_t neAddress, int number, int port, int32_t value) {
    const TTrapSource source{SnmpVersion::V2c, "kolmer", BerIpAddressContent(senderIP), neAddress};
    TUdpSocket sender;
    sender.Bind(senderIP, 0);
    sender.SendTo("127.0.0.1", 162, DeviceTrap(source, number, port, value, 100));
  }

  std::vector<int> FAnswers;
  std::vector<std::string> FBoxes;
  std::vector<bool> FBusyDuringBoxes;
};

}  // namespace

TEST_F(MainWindowE2ETest, RefreshReadsTheBlockAndThePictureFollowsIt) {
  AgentProcess agent = StartAgent();
  // Ports 1, 8 and 9 masked through the device's alarm-mask object.
  std::string masks(20, '\0');
  masks[0] = masks[7] = masks[8] = 1;
  std::string result;
  CommClassW->SnmpSet(1, "drastun", kDeviceIP, {{P + ".2.7.1.6.7", masks, ASN1_OCTET_STRING}}, result);
  ASSERT_EQ(result, "1");

  Refresh();
  EXPECT_EQ(OutcomePanel(), "Read successful!");
  EXPECT_TRUE(MainW->Connected());
  for (int port = 1; port <= kE1PortCount; ++port) {
    EXPECT_EQ(MainW->PortStates()[port - 1].AlarmMask, port == 1 || port == 8 || port == 9) << "port " << port;
  }
  EXPECT_EQ(MainW->PortStates()[0].TxCtrl, 2);
  EXPECT_EQ(MainW->PortStates()[15].TxCtrl, 3);

  TMainWindowPicture picture(*MainW);
  for (int port = 0; port < kEthPortCount; ++port) {
    for (TEthLed led : {elLink, elSpeed, elDuplex}) EXPECT_EQ(picture.Lamp(port, led), kLime) << port << " " << led;
  }
  EXPECT_GT(picture.CellPixels(1, 1, kTickColour), 10);
  EXPECT_GT(picture.CellPixels(1, 9, kTickColour), 10);
  EXPECT_EQ(picture.CellPixels(1, 2, kTickColour), 0);
  EXPECT_EQ(picture.CellCentre(3, 1), kLime);
  EXPECT_EQ(picture.Centre(*MainW->IndicALM), kSilver);
}

TEST_F(MainWindowE2ETest, AFailedRefreshKeepsTheFlagsButPaintsEverythingSilver) {
  {
    AgentProcess agent = StartAgent();
    Refresh();
  }
  ASSERT_TRUE(MainW->Connected());
  // A link down shows silver lamps and raises ETH ERR.
  MainW->ShowState(Block({{0, 0x01}, {2, 0x01}, {18, 0x02}, {19, 0x0C}, {22, 0x20}}));
  MainW->PaintIndicators();
  TMainWindowPicture down(*MainW);
  for (TEthLed led : {elLink, elSpeed, elDuplex}) EXPECT_EQ(down.Lamp(0, led), kSilver);
  EXPECT_EQ(down.Lamp(1, elLink), kLime);
  EXPECT_EQ(down.Centre(*MainW->IndicETH_ERR), kRed);

  AgentProcess silent = StartAgent({"--fault", "drop"});
  Refresh();
  EXPECT_EQ(OutcomePanel(), "Read failed!");
  EXPECT_FALSE(MainW->Connected());
  EXPECT_TRUE(MainW->PortStates()[0].AlarmMask && MainW->PortStates()[0].LOS);
  EXPECT_TRUE(MainW->EthStates()[1].LinkUp);
  TMainWindowPicture lost(*MainW);
  for (int port = 0; port < kEthPortCount; ++port) {
    for (TEthLed led : {elLink, elSpeed, elDuplex}) EXPECT_EQ(lost.Lamp(port, led), kSilver);
  }
  EXPECT_EQ(lost.Centre(*MainW->IndicETH_ERR), kSilver);
  EXPECT_EQ(lost.CellPixels(1, 1, kTickColour), 0);
  EXPECT_EQ(lost.CellCentre(3, 1), kSilver);
  EXPECT_EQ(lost.CellCentre(4, 2), kSilver);
}

// An answer of 86 octets is read but changes nothing; an answer with no
// binding is no answer, and Refresh fails without a box. A device at a
// broadcast address (loopback's own, here) is asked as any other.
TEST_F(MainWindowE2ETest, AShortAnswerChangesNothingAndAnEmptyOneFails) {
  const struct {
    const char* Name;
    std::string DeviceIP;
    bool Bound;
  } cases[] = {
      {"86 octets", kDeviceIP, true},
      {"no binding", kDeviceIP, false},
      {"86 octets, asked at the broadcast address", "127.255.255.255", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    CurrentDevice.IP = c.DeviceIP;
    const bool bound = c.Bound;
    TUdpSocket device;
    // On every address, so that the device hears a broadcast too.
    BindWhenFree(device, "", 161);
    std::thread responder([&device, bound] {
      TPeer manager;
      if (!device.WaitReadable(3000)) return;
      TSnmpMessage reply = ParseSnmpMessage(device.ReceiveFrom(manager));
      reply.PduType = PduTag::GetResponse;
      reply.Bindings[0].Type = BerTag::OctetString;
      reply.Bindings[0].Value = Block({{18, 0x02}}, 86);
      if (!bound) reply.Bindings.clear();
      device.SendTo(manager.IP, manager.Port, EncodeSnmpMessage(reply));
    });
    MainW->ShowState(Block({{0, 0x81}, {18, 0x0C}}));
    FBoxes.clear();
    Refresh();
    responder.join();
    EXPECT_EQ(OutcomePanel(), bound ? "Read successful!" : "Read failed!");
    EXPECT_EQ(FBoxes, std::vector<std::string>{});
    EXPECT_TRUE(MainW->PortStates()[7].AlarmMask);
    EXPECT_TRUE(MainW->EthStates()[0].LinkUp);
  }
}

TEST_F(MainWindowE2ETest, MaintenanceCommandsSendTheirSetsOnlyWhenAnsweredYes) {
  AgentProcess agent = StartAgent();
  FAnswers = {IDNO, IDCANCEL, IDYES};
  MainW->ToolButton_Reset->Click();
  MainW->ToolButton_Reset->Click();
  MainW->ToolButton_Reset->Click();
  FAnswers = {IDNO, IDYES};
  MainW->MenuItemPerformanceClear->Click();
  MainW->MenuItemPerformanceClear->Click();
  // Set Default State answered Yes, the reset that follows answered No.
  FAnswers = {IDYES, IDNO};
  MainW->ToolButton3_SetDefaultState->Click();
  FAnswers = {IDNO};
  MainW->ToolButton3_SetDefaultState->Click();

  EXPECT_EQ(SetsLogged(agent), (std::vector<std::string>{P + ".1.1.1.9.7", P + ".2.7.1.4.7", P + ".1.1.1.8.7"}));
  const std::string reset = "Infomation: Are you sure to reset the system?";
  const std::string clear = "Infomation: Are you sure to delete the perfomance";
  const std::string defaults = "Infomation: Are you sure to change the settings as default?";
  const std::string done = "Infomation: Set successful!";
  EXPECT_EQ(FBoxes,
            (std::vector<std::string>{reset, reset, reset, done, clear, clear, done, defaults, done, reset, defaults}));
  // The result box comes while the window is disabled under the hourglass; both end with the exchange.
  EXPECT_TRUE(FBusyDuringBoxes[3]);
  EXPECT_FALSE(FBusyDuringBoxes[0]);
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_TRUE(IsWindowEnabled(MainW->Handle()));
}

TEST_F(MainWindowE2ETest, ARefusedSetIsReportedAndTheResetDoesNotFollow) {
  AgentProcess agent = StartAgent({"--fault", "error:2"});
  FAnswers = {IDYES, IDYES};
  MainW->ToolButton3_SetDefaultState->Click();
  EXPECT_EQ(FBoxes, (std::vector<std::string>{"Infomation: Are you sure to change the settings as default?",
                                              "Infomation: Set failed!"}));
}

TEST_F(MainWindowE2ETest, AnExceptionShowsTheCaptionTheRoutineAndTheMessage) {
  // A request too large for one datagram cannot be sent: every exchange raises.
  const std::string hugeCommunity(70000, 'c');
  CurrentDevice.CommunityRd = CurrentDevice.CommunityWr = hugeCommunity;
  std::string message;
  try {
    std::string result;
    CommClassW->SnmpSet(1, hugeCommunity, kDeviceIP, {{P + ".1.1.1.9.7", int32_t{1}, ASN1_INTEGER}}, result);
  } catch (const Exception& error) {
    message = error.Message();
  }
  ASSERT_FALSE(message.empty());
  FAnswers = {IDYES, IDYES};
  MainW->ToolButton_Reset->Click();
  MainW->MenuItemPerformanceClear->Click();
  Refresh();
  std::string probed;
  MainW->ProbeDeviceType(probed);
  EXPECT_EQ(probed, "0");
  EXPECT_EQ(
      FBoxes,
      (std::vector<std::string>{
          "Infomation: Are you sure to reset the system?", "Error: KT-2-NEPL-16E1  SetSystemReset\r\n" + message,
          "Infomation: Are you sure to delete the perfomance", "Error: KT-2-NEPL-16E1 SetDeviceDefault\r\n" + message,
          "Error: KT-2-NEPL-16E1  Refresh\r\n" + message, "Error: KT-2-NEPL-16E1  ReadVersion\r\n" + message}));
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_TRUE(IsWindowEnabled(MainW->Handle()));
}

// The probe of one device: its result, and CurrentDevice.Type after it.
std::pair<std::string, std::string> Probe(const std::vector<std::string>& deviceOptions) {
  AgentProcess agent = StartAgent(deviceOptions);
  std::string result;
  MainW->ProbeDeviceType(result);
  return {result, CurrentDevice.Type};
}

// A device of the device list under its section line; the first of the three is the agent.
std::string DeviceSection(const std::string& header, const std::string& ids, int addr, const std::string& ip) {
  return header + "\r\n" + ids + "\r\nAddr=" + std::to_string(addr) + "\r\nIP=" + ip +
         "\r\nGateWay=\r\nSNMPVer=1\r\nCommunityRd=kolmer\r\nCommunityWr=drastun\r\nType=11\r\n";
}
const std::string kDeviceA = DeviceSection("[Device-A]", "NETID=1\r\nID=2", 7, "127.0.0.1");
const std::string kDeviceB = DeviceSection("[Device-B]", "NETID=3\r\nID=4", 8, "127.0.0.3");
const std::string kDeviceC = DeviceSection("[Device-C]", "NETID=5\r\nID=6", 9, "127.0.0.4");

// The spin's edit is the system's own: it pastes from the system's clipboard.
void PutOnTheSystemClipboard(const std::string& text) {
  const TClipboardApi own = ClipboardApi();
  ClipboardApi() = SystemClipboardApi();
  Clipboard().SetAsText(text);
  ClipboardApi() = own;
}

// A pasted text keeps its first line, and the device dialog refuses a line
// break that came another way, and an NE address that is not one: devices.ini
// changes only by what was meant, lists every device once when read again,
// and the device answers the communities it gets: they hold no line break.
TEST_F(MainWindowE2ETest, LineBreaksReachNeitherTheDeviceListNorTheWire) {
  // The NE address field in place of an edit.
  constexpr TEdit* TDeviceParam::*kAddress = nullptr;
  struct TCase {
    bool New;
    TEdit* TDeviceParam::*Field;
    // Pasted with Ctrl+V over the whole field, or else set as typed.
    bool Pasted;
    std::string Text;
    // The box that refuses the entry, if any; the dialog is then closed.
    std::string Refusal = {};
    // The NE address devices.ini holds for the device afterwards.
    int Addr = kNeAddress;
  };
  const TCase cases[] = {
      {false, &TDeviceParam::EditCommunityWrite, true, "drastun\n[Device-C]\nIP=6.6.6.6"},
      {false, &TDeviceParam::EditCommunityRead, true, "kolmer\r\nIP=6.6.6.6"},
      {false, &TDeviceParam::EditCommunityRead, true, "kolmer\n"},
      {false, &TDeviceParam::EditIP, true, "127.0.0.1\n10.0.0.4"},
      {true, &TDeviceParam::EditCommunityWrite, true, "drastun\r\n[Injected]\r\nIP=1.2.3.4"},
      {false, &TDeviceParam::EditIP, false, "127.0.0.1\n[X]", "Invalid IP address!"},
      {false, &TDeviceParam::EditCommunityRead, false, "kolmer\r\nIP=6.6.6.6", "Invalid read community!"},
      {false, &TDeviceParam::EditCommunityWrite, false, "drastun\n", "Invalid write community!"},
      {false, kAddress, true, " 16 ", {}, 16},
      {false, kAddress, true, "7X", "Invalid NE address!"},
      {false, kAddress, true, "-5", "Invalid NE address!"},
      {false, kAddress, false, "300", "Invalid NE address!"},
      {false, kAddress, false, "256", "Invalid NE address!"},
      {false, kAddress, false, "", "Invalid NE address!"},
      {false, kAddress, true, "2\r", "Invalid NE address!"},
  };
  AgentProcess agent = StartAgent();
  TemporaryFolder folder;
  const std::string fileName = folder.File("devices.ini");
  TFakeClipboard clipboard;
  for (const TCase& c : cases) {
    SCOPED_TRACE("row " + std::to_string(&c - cases));
    folder.Write("devices.ini", kDeviceA + kDeviceB + kDeviceC);
    MainW->OpenInventory(fileName);
    TIniFile(fileName).ReadSections(MainW->ListBoxDevices->Items());
    MainW->ListBoxDevices->SetItemIndex(0);
    MainW->ListBoxDevicesClick(nullptr);
    FBoxes.clear();
    Application().SetModalHandler([&](TForm& form) {
      auto& dialog = dynamic_cast<TDeviceParam&>(form);
      if (c.New) {
        dialog.EditIP->SetText("127.0.0.1");
        dialog.SpinEditAddr->SetValue(7);
      }
      const HWND field = c.Field ? (dialog.*c.Field)->Handle() : dialog.SpinEditAddr->EditHandle();
      clipboard.Text = c.Text;
      if (!c.Field) PutOnTheSystemClipboard(c.Text);
      SetFocus(field);
      SendMessageA(field, EM_SETSEL, 0, -1);
      if (c.Pasted)
        SendMessageA(field, WM_CHAR, 0x16, 0);
      else
        SetWindowTextA(field, c.Text.c_str());
      // As a click on Ok does, the focus leaves the field first.
      dialog.BitBtnOk->SetFocus();
      dialog.BitBtnOk->Click();
      if (dialog.ModalResult() != mrNone) return;
      EXPECT_EQ(GetFocus(), field);
      dialog.BitBtnClose->Click();
    });
    (c.New ? MainW->New1 : MainW->MenuItemEdit)->Click();
    Application().SetModalHandler(nullptr);
    const std::string refusal = Application().Title() + ": " + c.Refusal;
    EXPECT_EQ(FBoxes, c.Refusal.empty() ? std::vector<std::string>{} : std::vector<std::string>{refusal});

    const std::string kept = c.New ? kDeviceA + kDeviceB + kDeviceC : kDeviceB + kDeviceC;
    const std::string inventory = folder.Read("devices.ini");
    ASSERT_EQ(inventory.substr(0, kept.size()), kept) << inventory;
    const std::string saved = c.New ? "NEPL0" : "Device-A";
    const std::regex savedSection(
        DeviceSection("\\[" + saved + "\\]", "NETID=[0-9]+\r\nID=[0-9]+", c.Addr, "127\\.0\\.0\\.1"));
    EXPECT_TRUE(std::regex_match(inventory.substr(kept.size()), savedSection)) << inventory;
    TStringList listed;
    TIniFile(fileName).ReadSections(listed);
    EXPECT_EQ(listed.Count(), c.New ? 4 : 3);
    for (const std::string name : {"Device-A", "Device-B", "Device-C"}) EXPECT_GE(listed.IndexOf(name), 0) << name;

    const size_t logged = agent.Log().size();
    FBoxes.clear();
    FAnswers = {IDYES};
    Refresh();
    // The agent has the objects of its own NE address only: it reads another's
    // as noSuchObject, which is no value, and refuses to set them.
    EXPECT_EQ(OutcomePanel(), c.Addr == kNeAddress ? "Read successful!" : "Read failed!");
    MainW->MenuItemPerformanceClear->Click();
    EXPECT_EQ(FBoxes.back(), c.Addr == kNeAddress ? "Infomation: Set successful!" : "Infomation: Set failed!");
    // The agent answers only its communities exactly.
    const std::string exchanges = agent.Log().substr(logged);
    EXPECT_EQ(exchanges.find("wrong community"), std::string::npos) << exchanges;
  }
}

TEST_F(MainWindowE2ETest, TheProbeReadsTheDeviceTypeFromTheIdentification) {
  using TProbe = std::pair<std::string, std::string>;
  EXPECT_EQ(Probe({"--type", "116*16"}), TProbe("1", "116*16"));
  EXPECT_EQ(Probe({"--type", "251*8"}), TProbe("1", "251*8"));
  EXPECT_EQ(Probe({"--type", "111*4"}), TProbe("1", "111*4"));
  EXPECT_EQ(Probe({"--fault", "drop"}), TProbe("0", "111*4"));
  EXPECT_TRUE(IsWindowEnabled(MainW->Handle()));
}

TEST_F(MainWindowE2ETest, TrapsOfTheSelectedDeviceChangeItsFlags) {
  // While another address is selected, the device's traps change nothing.
  CurrentDevice.IP = kOtherIP;
  SendTrap(kDeviceIP, kNeAddress, 11, 1, 1);
  SendTrap(kDeviceIP, kNeAddress, 14, 2, 2);
  PumpUntil([] { return false; }, 300);
  EXPECT_FALSE(MainW->Indicators()[indLOA]);
  EXPECT_FALSE(MainW->EthStates()[1].LinkUp);

  // Nor do traps with another NE address.
  CurrentDevice.IP = kDeviceIP;
  SendTrap(kDeviceIP, kNeAddress + 1, 11, 1, 1);
  SendTrap(kDeviceIP, kNeAddress, 12, 1, 2);
  ASSERT_TRUE(PumpUntil([] { return MainW->Indicators()[indGID]; }));
  EXPECT_FALSE(MainW->Indicators()[indLOA]);

  SendTrap(kDeviceIP, kNeAddress, 11, 1, 1);
  SendTrap(kDeviceIP, kNeAddress, 15, 1, 1);
  SendTrap(kDeviceIP, kNeAddress, 14, 1, 2);
  SendTrap(kDeviceIP, kNeAddress, 14, 3, 2);
  ASSERT_TRUE(PumpUntil([] { return MainW->EthStates()[2].LinkUp; }));
  EXPECT_TRUE(MainW->Indicators()[indLOA]);
  EXPECT_TRUE(MainW->Indicators()[indLOF]);
  EXPECT_TRUE(MainW->EthStates()[0].LinkUp);
  EXPECT_FALSE(MainW->EthStates()[1].LinkUp);
}

TEST_F(MainWindowE2ETest, TrapsArriveWhileARefreshWaits) {
  TemporaryFolder folder;
  folder.Write("script", "300 1 link 3 down\n");
  AgentProcess agent = StartAgent({"--script", folder.File("script")}, "127.0.0.1:162");
  Refresh();
  // The block read before the event had every link up; the trap took ETH3 down during the wait.
  EXPECT_EQ(OutcomePanel(), "Read successful!");
  EXPECT_TRUE(MainW->EthStates()[0].LinkUp);
  EXPECT_FALSE(MainW->EthStates()[2].LinkUp) << agent.Log();
  TMainWindowPicture picture(*MainW);
  EXPECT_EQ(picture.Lamp(0, elLink), kLime);
  EXPECT_EQ(picture.Lamp(2, elLink), kSilver);
}

// After a Refresh the lamps change with the device's traps within a second,
// without another Refresh; traps of another device change nothing.
TEST_F(MainWindowE2ETest, TrapsOfTheSelectedDeviceChangeTheLampsAtOnce) {
  {
    AgentProcess agent = StartAgent();
    Refresh();
  }
  ASSERT_TRUE(MainW->Connected());
  const auto lampsNow = [] {
    const TMainWindowPicture picture(*MainW);
    return std::vector<COLORREF>{picture.Centre(*MainW->IndicLOA), picture.Centre(*MainW->IndicLOF),
                                 picture.Lamp(1, elLink), picture.Lamp(1, elSpeed)};
  };
  const std::vector<COLORREF> refreshed = {kSilver, kSilver, kLime, kLime};
  ASSERT_EQ(lampsNow(), refreshed);

  // Under Wine every datagram leaves from 127.0.0.1, so "another address" is
  // the selected device's address changed for the moment.
  CurrentDevice.IP = kOtherIP;
  SendTrap(kDeviceIP, kNeAddress, 11, 1, 1);
  PumpUntil([] { return false; }, 300);
  CurrentDevice.IP = kDeviceIP;
  SendTrap(kDeviceIP, kNeAddress + 1, 14, 2, 0);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(lampsNow(), refreshed);

  const struct {
    int Number;
    int Port;
    int32_t Value;
    std::vector<COLORREF> Lamps;
  } traps[] = {
      {11, 1, 1, {kRed, kSilver, kLime, kLime}},  {15, 1, 1, {kRed, kRed, kLime, kLime}},
      {14, 2, 0, {kRed, kRed, kSilver, kSilver}}, {11, 1, 0, {kSilver, kRed, kSilver, kSilver}},
      {14, 2, 2, {kSilver, kRed, kLime, kLime}},
  };
  for (const auto& trap : traps) {
    SendTrap(kDeviceIP, kNeAddress, trap.Number, trap.Port, trap.Value);
    EXPECT_TRUE(PumpUntil([&] { return lampsNow() == trap.Lamps; }, 1000)) << "trap " << trap.Number;
  }
}
