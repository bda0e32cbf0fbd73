#include "application/main/Main.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "application/core/ExchangeGuard.h"
#include "application/core/Share.h"
#include "application/dialogs/Alarm_Shielded.h"
#include "application/dialogs/Conf_CRCeable.h"
#include "application/dialogs/Conf_Clock.h"
#include "application/dialogs/Conf_Lcase.h"
#include "application/dialogs/Conf_Loop.h"
#include "application/dialogs/Conf_PFI.h"
#include "application/dialogs/Conf_Parameter.h"
#include "application/dialogs/Conf_SetVlan.h"
#include "application/dialogs/Conf_VLAN.h"
#include "application/dialogs/PortEnable.h"
#include "application/dialogs/Prefor_Query.h"
#include "application/dialogs/Sys_Ver.h"
#include "application/main/About.h"
#include "application/main/Legend.h"
#include "application/main/uDeviceParam.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/controls/core/Screen.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ProgramFolder.h"
#include "platform/rtl/SysUtils.h"

TMainW* MainW = nullptr;
const std::wstring AppDir = ProgramFolder();

namespace {

constexpr int kAddressPanel = 0;
constexpr int kConnectionPanel = 1;
constexpr int kOutcomePanel = 2;

// Device traps as they arrive from port 1 and the Ethernet ports.
constexpr int32_t kTrapLOA = 11;
constexpr int32_t kTrapGID = 12;
constexpr int32_t kTrapLink = 14;
constexpr int32_t kTrapLOF = 15;

const wchar_t kInventoryFileName[] = L"devices.ini";
const char kTemplateDevice[] = "NEPL";

const std::string kEnterprise = "1.3.6.1.4.1.6215.1.4.1.";
const std::string kIdentificationOid = kEnterprise + "1.1.1.3.";
const std::string kPortStateOid = kEnterprise + "1.1.1.4.";
const std::string kDefaultsOid = kEnterprise + "1.1.1.8.";
const std::string kResetOid = kEnterprise + "1.1.1.9.";
const std::string kClearCountersOid = kEnterprise + "2.7.1.4.";

const char kInformationTitle[] = "Infomation";
const char kTwoBlanks[] = "  ";
const char kOneBlank[] = " ";

// The port-state block: alarm masks, one octet per E1 port, one per Ethernet
// port, the device indicators, then four LCAS octets per E1 port.
constexpr size_t kPortStateLength = 87;
constexpr size_t kAlarmMaskOctet = 0;
constexpr size_t kE1Octet = 2;
constexpr size_t kEthOctet = 18;
constexpr size_t kIndicatorOctet = 22;
constexpr size_t kLcasOctet = 23;
constexpr uint8_t kEthLinkDown = 0x02;
constexpr uint8_t kEthSpeed100 = 0x04;
constexpr uint8_t kEthFullDuplex = 0x08;

// The flags of an E1 port's octet, bit 0 first.
constexpr bool TPortState::*kE1OctetBits[] = {&TPortState::LOS,  &TPortState::CV,      &TPortState::AIS,
                                              &TPortState::LOF,  &TPortState::ErrOver, &TPortState::CRC,
                                              &TPortState::Loop, &TPortState::VactErr};

// The flags the grid shows in columns 1 to 9.
constexpr bool TPortState::*kFlagColumns[] = {&TPortState::AlarmMask, &TPortState::Loop, &TPortState::LOS,
                                              &TPortState::CV,        &TPortState::AIS,  &TPortState::LOF,
                                              &TPortState::ErrOver,   &TPortState::CRC,  &TPortState::VactErr};
constexpr int kLastTickColumn = 2;
constexpr int kLastFlagColumn = 9;
constexpr int kTxSQColumn = 10;
constexpr int kTxCtrlColumn = 11;
constexpr int kRxSQColumn = 12;

// Column 0 of the header is the numero sign of the Windows-1251 code page.
const char* const kGridHeaders[] = {"\xB9",     "Alarm Mask", "LOOP",     "LOS",  "CV",     "AIS",  "LOF",
                                    "ERR OVER", "CRC",        "VACT ERR", "TxSQ", "TxCtrl", "RxSQ", "RxCtrl"};

constexpr int kEthLedSize = 10;
// Room left and right of a cell's widest text or picture.
constexpr int kCellPadding = 4;
// The LCAS sequence numbers and control words are octets.
constexpr int kOctetValues = 256;

bool BitSet(uint8_t octet, int bit) { return (octet & (1u << bit)) != 0; }

// The E1 port count a model letter of the identification object stands for.
int E1PortsOfModel(uint8_t letter) {
  switch (letter) {
    case 'H': return 4;
    case 'G': return 8;
    case 'F': return 16;
    default: return 0;
  }
}

}  // namespace

void ClearPortStates(TPortStates& states, int lastIndex) {
  for (int i = 0; i <= lastIndex; ++i) {
    for (bool TPortState::*flag : kFlagColumns) states[i].*flag = false;
  }
}

TClass TMainW::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TMainW>("TMainW", TForm::StaticClass())
          .Field("MainMenu1", &TMainW::MainMenu1)
          .Field("New1", &TMainW::New1)
          .Field("MenuItemConnect", &TMainW::MenuItemConnect)
          .Field("MenuItemEdit", &TMainW::MenuItemEdit)
          .Field("MenuItemDelete", &TMainW::MenuItemDelete)
          .Field("MenuItemClear", &TMainW::MenuItemClear)
          .Field("MenuItemExit", &TMainW::MenuItemExit)
          .Field("MenuItem_Configure", &TMainW::MenuItem_Configure)
          .Field("MenuItemE1Errover", &TMainW::MenuItemE1Errover)
          .Field("MenuItemClockSource", &TMainW::MenuItemClockSource)
          .Field("MenuItemGfpConfig", &TMainW::MenuItemGfpConfig)
          .Field("MenuItemBandwidth", &TMainW::MenuItemBandwidth)
          .Field("MenuItemLoopback", &TMainW::MenuItemLoopback)
          .Field("MenuItemParameter", &TMainW::MenuItemParameter)
          .Field("MenuItemVcgConfig", &TMainW::MenuItemVcgConfig)
          .Field("MenuItemVlanTable", &TMainW::MenuItemVlanTable)
          .Field("MenuItemPortVlan", &TMainW::MenuItemPortVlan)
          .Field("MenuItem_Alarm", &TMainW::MenuItem_Alarm)
          .Field("MenuItemAlarmShield", &TMainW::MenuItemAlarmShield)
          .Field("MenuItem_Performance", &TMainW::MenuItem_Performance)
          .Field("MenuItemPerformanceQuery", &TMainW::MenuItemPerformanceQuery)
          .Field("MenuItemPerformanceClear", &TMainW::MenuItemPerformanceClear)
          .Field("MenuItem_System", &TMainW::MenuItem_System)
          .Field("MenuItemVersion", &TMainW::MenuItemVersion)
          .Field("MenuItem_Help", &TMainW::MenuItem_Help)
          .Field("MenuItemHelp", &TMainW::MenuItemHelp)
          .Field("MenuItemLegend", &TMainW::MenuItemLegend)
          .Field("MenuItemAbout", &TMainW::MenuItemAbout)
          .Field("ActionList1", &TMainW::ActionList1)
          .Field("Sys_Ver", &TMainW::Sys_Ver)
          .Field("ImageList1", &TMainW::ImageList1)
          .Field("ToolBar1", &TMainW::ToolBar1)
          .Field("ToolButton_Reset", &TMainW::ToolButton_Reset)
          .Field("ToolButton_Refresh", &TMainW::ToolButton_Refresh)
          .Field("ToolButton3_SetDefaultState", &TMainW::ToolButton3_SetDefaultState)
          .Field("Panel3", &TMainW::Panel3)
          .Field("ListBoxDevices", &TMainW::ListBoxDevices)
          .Field("Splitter1", &TMainW::Splitter1)
          .Field("Panel1", &TMainW::Panel1)
          .Field("ETHState", &TMainW::ETHState)
          .Field("LabelETH1", &TMainW::LabelETH1)
          .Field("LabelETH2", &TMainW::LabelETH2)
          .Field("LabelETH3", &TMainW::LabelETH3)
          .Field("LabelETH4", &TMainW::LabelETH4)
          .Field("LabelLink", &TMainW::LabelLink)
          .Field("LabelSpeed", &TMainW::LabelSpeed)
          .Field("LabelDuplex", &TMainW::LabelDuplex)
          .Field("PanelIndic", &TMainW::PanelIndic)
          .Field("IndicALM", &TMainW::IndicALM)
          .Field("IndicCV", &TMainW::IndicCV)
          .Field("IndicLOA", &TMainW::IndicLOA)
          .Field("IndicGID", &TMainW::IndicGID)
          .Field("IndicLOF", &TMainW::IndicLOF)
          .Field("IndicETH_ERR", &TMainW::IndicETH_ERR)
          .Field("TablePlace", &TMainW::TablePlace)
          .Field("port_state_table", &TMainW::port_state_table)
          .Field("indicator_template_red", &TMainW::indicator_template_red)
          .Field("indicator_template_green", &TMainW::indicator_template_green)
          .Field("indicator_template_silver", &TMainW::indicator_template_silver)
          .Field("indicator_template_tick", &TMainW::indicator_template_tick)
          .Field("StatusBar", &TMainW::StatusBar)
          .Method("FormCreate", &TMainW::FormCreate)
          .Method("FormShow", &TMainW::FormShow)
          .Method("FormClose", &TMainW::FormClose)
          .Method("ListBoxDevicesClick", &TMainW::ListBoxDevicesClick)
          .Method("New1Click", &TMainW::New1Click)
          .Method("MenuItemConnectClick", &TMainW::MenuItemConnectClick)
          .Method("MenuItemEditClick", &TMainW::MenuItemEditClick)
          .Method("MenuItemDeleteClick", &TMainW::MenuItemDeleteClick)
          .Method("MenuItemClearClick", &TMainW::MenuItemClearClick)
          .Method("MenuItemExitClick", &TMainW::MenuItemExitClick)
          .Method("MenuItemE1ErroverClick", &TMainW::MenuItemE1ErroverClick)
          .Method("MenuItemClockSourceClick", &TMainW::MenuItemClockSourceClick)
          .Method("MenuItemGfpConfigClick", &TMainW::MenuItemGfpConfigClick)
          .Method("MenuItemBandwidthClick", &TMainW::MenuItemBandwidthClick)
          .Method("MenuItemLoopbackClick", &TMainW::MenuItemLoopbackClick)
          .Method("MenuItemParameterClick", &TMainW::MenuItemParameterClick)
          .Method("MenuItemVcgConfigClick", &TMainW::MenuItemVcgConfigClick)
          .Method("MenuItemVlanTableClick", &TMainW::MenuItemVlanTableClick)
          .Method("MenuItemPortVlanClick", &TMainW::MenuItemPortVlanClick)
          .Method("MenuItemAlarmShieldClick", &TMainW::MenuItemAlarmShieldClick)
          .Method("MenuItemPerformanceQueryClick", &TMainW::MenuItemPerformanceQueryClick)
          .Method("Sys_VerExecute", &TMainW::Sys_VerExecute)
          .Method("MenuItemPerformanceClearClick", &TMainW::MenuItemPerformanceClearClick)
          .Method("MenuItemHelpClick", &TMainW::MenuItemHelpClick)
          .Method("MenuItemLegendClick", &TMainW::MenuItemLegendClick)
          .Method("MenuItemAboutClick", &TMainW::MenuItemAboutClick)
          .Method("ToolButton_ResetClick", &TMainW::ToolButton_ResetClick)
          .Method("ToolButton_RefreshClick", &TMainW::ToolButton_RefreshClick)
          .Method("ToolButton3_SetDefaultStateClick", &TMainW::ToolButton3_SetDefaultStateClick)
          .Method("test1Click", &TMainW::test1Click)
          .Method("port_state_tableDrawCell", &TMainW::port_state_tableDrawCell)
          .Build();
  return &metaClass;
}

// ---- creation and showing

void TMainW::FormCreate(TObject*) {
  OpenInventory(AppDir + L"\\" + kInventoryFileName);
  FConnected = false;
}

void TMainW::OpenInventory(const std::wstring& fileName) { FIniFile = std::make_unique<TIniFile>(fileName); }

void TMainW::OpenInventory(const std::string& fileName) { FIniFile = std::make_unique<TIniFile>(fileName); }

void TMainW::FormShow(TObject*) {
  InitGridHeaders();
  FitGridColumns();
  CreateEthLeds();
  PaintIndicators();
  SetStatusText(kAddressPanel, CurrentDevice.IP);
  ListDevices();
}

// An inventory that cannot be read (another program holds it) is said so,
// not shown as an empty list.
void TMainW::ListDevices() {
  try {
    FIniFile->ReadSections(ListBoxDevices->Items());
  } catch (const EIniFileException&) {
    Application().HandleException(this);
  }
}

void TMainW::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

bool TMainW::ShowDialogModal(TClass formClass) {
  // Freed, not deleted: a page control must leave its pages while both are whole.
  const TOwned<TComponent> dialog(formClass->Create(this));
  return static_cast<TForm&>(*dialog).ShowModal() == mrOk;
}

void TMainW::SetStatusText(int panel, const std::string& text) { StatusBar->Panels().Items(panel).SetText(text); }

// ---- the device list

// A line that cannot be read leaves the commands on the device before, so
// the highlight goes back to that device's line, or to none.
void TMainW::ListBoxDevicesClick(TObject*) {
  if (SelectedLine() < 0) return;
  try {
    SelectDevice(SelectedLine());
  } catch (...) {
    ListBoxDevices->SetItemIndex(ListBoxDevices->Items().IndexOf(CurrentDevice.Name));
    throw;
  }
}

void TMainW::SelectDevice(int line) {
  const std::string name = ListBoxDevices->Items()[line];
  LoadDevice(*FIniFile, name);
  CurrentDevice.Name = name;
  SetStatusText(kAddressPanel, CurrentDevice.IP);
}

void TMainW::New1Click(TObject*) { AddDevice(kTemplateDevice); }

void TMainW::MenuItemConnectClick(TObject*) {
  AddDevice(SelectedLine() >= 0 ? ListBoxDevices->Items()[SelectedLine()] : std::string(kTemplateDevice));
}

// Closed with Close, the commands stay on the device the window shows, not
// on the template the dialog offered.
void TMainW::AddDevice(const std::string& templateName) {
  const TNE_Attr previous = CurrentDevice;
  LoadDevice(*FIniFile, templateName);
  if (!ShowDeviceParam()) {
    CurrentDevice = previous;
    return;
  }
  SaveKeepingShownDevice(previous, [&] { SaveDevice(*FIniFile); });
  ListBoxDevices->SetItemIndex(ListBoxDevices->Items().Add(CurrentDevice.Name));
}

// A save that failed left the file as it was, so Refresh, Set and Reset must
// go on to the device the window shows: the highlighted line's as the file
// holds it or, with no line highlighted, `previous`. `previous` stays when the
// file cannot be read again either; the box then still names the write that
// failed, which is what the operator must mend.
void TMainW::SaveKeepingShownDevice(const TNE_Attr& previous, const std::function<void()>& save) {
  try {
    save();
  } catch (...) {
    CurrentDevice = previous;
    SetStatusText(kAddressPanel, CurrentDevice.IP);
    RereadSelectedDevice();
    throw;
  }
}

void TMainW::RereadSelectedDevice() {
  if (SelectedLine() < 0) return;
  try {
    SelectDevice(SelectedLine());
  } catch (const EIniFileException&) {
    // The current device is the one from before the command.
  }
}

bool TMainW::ShowDeviceParam() {
  const TOwned<TDeviceParam> dialog(CreateComponent<TDeviceParam>(this));
  dialog->SetInventory(FIniFile.get());
  return dialog->ShowModal() == mrOk;
}

// The dialog may leave the record unchanged (Close) or rename it; either way
// the device's old section goes only now, so a program ended while the dialog
// is open keeps the device, and it goes in the same step as the device is
// written again, so no moment of the file lacks it.
void TMainW::MenuItemEditClick(TObject*) {
  const int line = SelectedLine();
  if (line < 0) return;
  SelectDevice(line);
  const TNE_Attr onFile = CurrentDevice;
  ShowDeviceParam();
  SaveKeepingShownDevice(onFile, [&] {
    FIniFile->Update([&] {
      FIniFile->EraseSection(onFile.Name);
      SaveDevice(*FIniFile);
    });
  });
  ListBoxDevices->Items().SetStrings(line, CurrentDevice.Name);
}

void TMainW::MenuItemDeleteClick(TObject*) {
  const int line = SelectedLine();
  if (line < 0) return;
  SelectDevice(line);
  FIniFile->EraseSection(CurrentDevice.Name);
  ListBoxDevices->Items().Delete(line);
}

void TMainW::MenuItemClearClick(TObject*) {
  if (Application().MessageBox("Clear Device List", "Clear", MB_YESNO | MB_ICONWARNING) != IDYES) return;
  DeleteInventory();
  ListBoxDevices->Items().Clear();
  OpenInventory(FIniFile->WideFileName());
  LoadDevice(*FIniFile, kTemplateDevice);
}

// A file that stays (read-only, or held by another program for longer than
// a moment) would bring every device back at the next start, behind a list
// that looks cleared.
void TMainW::DeleteInventory() { FIniFile->Delete(); }

void TMainW::MenuItemExitClick(TObject*) { Application().Terminate(); }

// ---- the Configure menu

void TMainW::MenuItemE1ErroverClick(TObject*) { ShowDialogModal(TConf_CRCeableW::StaticClass()); }

void TMainW::MenuItemClockSourceClick(TObject*) { ShowDialogModal(TConf_ClockW::StaticClass()); }

void TMainW::MenuItemGfpConfigClick(TObject*) { ShowDialogModal(TConf_PFIW::StaticClass()); }

void TMainW::MenuItemBandwidthClick(TObject*) { ShowDialogModal(TfrmPortEnable::StaticClass()); }

void TMainW::MenuItemLoopbackClick(TObject*) { ShowDialogModal(TConf_LoopW::StaticClass()); }

void TMainW::MenuItemParameterClick(TObject*) { ShowDialogModal(TConf_ParameterW::StaticClass()); }

void TMainW::MenuItemVcgConfigClick(TObject*) { ShowDialogModal(TConf_LcaseW::StaticClass()); }

void TMainW::MenuItemVlanTableClick(TObject*) { ShowDialogModal(TConf_VLANW::StaticClass()); }
void TMainW::MenuItemPortVlanClick(TObject*) { ShowDialogModal(TConf_SetVlanW::StaticClass()); }

// ---- the Alarm, Performance and System menus

void TMainW::MenuItemAlarmShieldClick(TObject*) { ShowDialogModal(TAlarm_ShieldedW::StaticClass()); }

void TMainW::MenuItemPerformanceQueryClick(TObject*) { ShowDialogModal(TPrefor_QueryW::StaticClass()); }

void TMainW::Sys_VerExecute(TObject*) { ShowDialogModal(TSys_VerW::StaticClass()); }

// ---- the Help menu

void TMainW::MenuItemHelpClick(TObject*) { ShowMessage("In current version the help is not supported "); }

void TMainW::MenuItemLegendClick(TObject*) { ShowDialogModal(TLegend::StaticClass()); }

void TMainW::MenuItemAboutClick(TObject*) { ShowDialogModal(TAboutW::StaticClass()); }

// ---- maintenance commands

bool TMainW::Confirm(const std::string& question) {
  return Application().MessageBox(question, kInformationTitle, MB_YESNOCANCEL | MB_ICONWARNING) == IDYES;
}

void TMainW::ToolButton_ResetClick(TObject*) {
  if (Confirm("Are you sure to reset the system?")) SendMaintenanceSet(kResetOid, "SetSystemReset", kTwoBlanks);
}

void TMainW::ToolButton3_SetDefaultStateClick(TObject* Sender) {
  if (!Confirm("Are you sure to change the settings as default?")) return;
  // The defaults take effect when the device restarts.
  if (SendMaintenanceSet(kDefaultsOid, "SetDeviceDefault", kTwoBlanks)) ToolButton_ResetClick(Sender);
}

void TMainW::MenuItemPerformanceClearClick(TObject*) {
  if (Confirm("Are you sure to delete the perfomance"))
    SendMaintenanceSet(kClearCountersOid, "SetDeviceDefault", kOneBlank);
}

bool TMainW::SendMaintenanceSet(const std::string& oidPrefix, const std::string& routine,
                                const std::string& separator) {
  const TExchangeGuard busy(*this, true);
  try {
    std::string result;
    const std::vector<TSetOid> items = {{oidPrefix + IntToStr(CurrentDevice.Addr), int32_t{1}, ASN1_INTEGER}};
    CommClassW->SnmpSet(CurrentDevice.SNMPVer, CurrentDevice.CommunityWr, CurrentDevice.IP, items, result);
    const bool succeeded = result == "1";
    Application().MessageBox(succeeded ? "Set successful!" : "Set failed!", kInformationTitle, MB_OK);
    return succeeded;
  } catch (const Exception& error) {
    ShowError(routine, separator, error);
    return false;
  }
}

void TMainW::ShowError(const std::string& routine, const std::string& separator, const Exception& error) {
  Application().MessageBox(Caption() + separator + routine + "\r\n" + error.Message(), "Error", MB_OK);
}

// ---- device-type probe

void TMainW::test1Click(TObject*) {
  std::string result;
  ProbeDeviceType(result);
}

// The identification object: the model letter first, the type digits in octets 5 to 7.
void TMainW::ProbeDeviceType(std::string& Result) {
  constexpr size_t kTypeDigitsOctet = 5;
  constexpr size_t kIdentificationLength = 8;
  const TExchangeGuard busy(*this, false);
  Result = "0";
  try {
    TStringList oids;
    oids.Add(kIdentificationOid + IntToStr(CurrentDevice.Addr));
    TStringList values;
    std::string result;
    CommClassW->SnmpGetOnce(CurrentDevice.SNMPVer, CurrentDevice.CommunityRd, CurrentDevice.IP, oids, values, result);
    if (result != "1" || values.Count() == 0) return;
    StringToBytes(values[0]);
    // A shorter value has no type digits to read.
    if (ReplyBytes.size() < kIdentificationLength) return;
    std::string type;
    for (size_t i = kTypeDigitsOctet; i < kIdentificationLength; ++i) type += IntToStr(ReplyBytes[i]);
    CurrentDevice.Type = type + "*" + IntToStr(E1PortsOfModel(ReplyBytes[0]));
    Result = "1";
  } catch (const Exception& error) {
    ShowError("ReadVersion", kTwoBlanks, error);
  }
}

// ---- port-state display

void TMainW::ToolButton_RefreshClick(TObject*) {
  {
    const TExchangeGuard busy(*this, false);
    try {
      ReadPortStates();
      // Traps that arrive meanwhile are applied as they come.
      Delay(1000);
    } catch (const Exception& error) {
      ShowError("Refresh", kTwoBlanks, error);
    }
  }
  port_state_table->Invalidate();
  PaintIndicators();
}

void TMainW::ReadPortStates() {
  TStringList oids;
  oids.Add(kPortStateOid + IntToStr(CurrentDevice.Addr));
  TStringList values;
  std::string result;
  CommClassW->SnmpGetOnce(CurrentDevice.SNMPVer, CurrentDevice.CommunityRd, CurrentDevice.IP, oids, values, result);
  if (result == "1") {
    ShowState(values[0]);
    SetStatusText(kOutcomePanel, "Read successful!");
  } else {
    SetStatusText(kOutcomePanel, "Read failed!");
  }
}

void TMainW::ShowState(const std::string& value) {
  StringToBytes(value);
  if (ReplyBytes.size() != kPortStateLength) return;
  ClearPortStates(FPortStates, kE1PortCount - 1);
  for (int i = 0; i < kE1PortCount; ++i) {
    TPortState& port = FPortStates[i];
    port.AlarmMask = BitSet(ReplyBytes[kAlarmMaskOctet + i / 8], i % 8);
    const uint8_t alarms = ReplyBytes[kE1Octet + i];
    for (int bit = 0; bit < 8; ++bit) {
      if (BitSet(alarms, bit)) port.*kE1OctetBits[bit] = true;
    }
    const size_t lcas = kLcasOctet + 4 * i;
    port.TxSQ = ReplyBytes[lcas];
    port.TxCtrl = ReplyBytes[lcas + 1];
    port.RxSQ = ReplyBytes[lcas + 2];
    port.RxCtrl = ReplyBytes[lcas + 3];
  }
  for (int j = 0; j < kEthPortCount; ++j) {
    const uint8_t octet = ReplyBytes[kEthOctet + j];
    FEthStates[j].Speed100 = (octet & kEthSpeed100) != 0;
    FEthStates[j].FullDuplex = (octet & kEthFullDuplex) != 0;
    FEthStates[j].LinkUp = (octet & kEthLinkDown) == 0;
  }
  for (int k = 0; k < IndicatorCount; ++k) FIndicators[k] = BitSet(ReplyBytes[kIndicatorOctet], k);
}

void TMainW::ShowExchange(const std::string& connection, const std::string& outcome, bool connected) {
  SetStatusText(kConnectionPanel, connection);
  SetStatusText(kOutcomePanel, outcome);
  FConnected = connected;
}

// The operator sees a trap of the selected device at once; waiting for the
// next Refresh would show it never, as the Refresh reads the state anew.
void TMainW::ShowAlarm(const TPDU& trap) {
  if (trap.SenderIP != CurrentDevice.IP || trap.NEAddr != CurrentDevice.Addr) return;
  if (trap.Port == 1) {
    ShowPortOneAlarm(trap);
  } else if (trap.Port >= 2 && trap.Port <= kEthPortCount) {
    // Any trap of an Ethernet port but a cleared link trap means the link is up.
    FEthStates[trap.Port - 1].LinkUp = !(trap.TrapIndex == kTrapLink && trap.State == 0);
  }
  PaintIndicators();
}

void TMainW::ShowPortOneAlarm(const TPDU& trap) {
  const bool raised = trap.State != 0;
  switch (trap.TrapIndex) {
    case kTrapLOA: FIndicators[indLOA] = raised; break;
    case kTrapGID: FIndicators[indGID] = raised; break;
    case kTrapLink: FEthStates[0].LinkUp = raised; break;
    case kTrapLOF: FIndicators[indLOF] = raised; break;
    default: break;
  }
}

void TMainW::InitGridHeaders() {
  for (int col = 0; col < static_cast<int>(std::size(kGridHeaders)); ++col) {
    port_state_table->SetCells(col, 0, kGridHeaders[col]);
  }
  for (int port = 1; port <= kE1PortCount; ++port) port_state_table->SetCells(0, port, IntToStr(port));
}

void TMainW::FitGridColumns() {
  const TWindowDC dc(port_state_table->Handle());
  TCanvas canvas(dc.Get());
  canvas.Font().Assign(port_state_table->Font());
  for (int col = 0; col < port_state_table->ColCount(); ++col) {
    int widest = canvas.TextWidth(port_state_table->Cells(col, 0));
    for (const std::string& text : ColumnTexts(col)) widest = std::max(widest, canvas.TextWidth(text));
    if (col >= 1 && col <= kLastFlagColumn) widest = std::max(widest, indicator_template_tick->Width());
    port_state_table->SetColWidths(col, widest + 2 * kCellPadding);
  }
}

// Every text a column below its header can show.
std::vector<std::string> TMainW::ColumnTexts(int col) {
  std::vector<std::string> texts;
  if (col == 0) {
    for (int port = 1; port <= kE1PortCount; ++port) texts.push_back(IntToStr(port));
  } else if (col > kLastFlagColumn) {
    const bool sequence = col == kTxSQColumn || col == kRxSQColumn;
    for (int value = 0; value < kOctetValues; ++value)
      texts.push_back(sequence ? IntToStr(value) : LcasCtrlName(static_cast<uint8_t>(value)));
  }
  return texts;
}

// The lamps stand in a table whose columns are the port labels and whose rows the Link, Speed and Duplex labels.
void TMainW::CreateEthLeds() {
  if (FEthLeds[0][elLink] != nullptr) return;
  const int columnStep = LabelETH2->Left() - LabelETH1->Left();
  const int rowStep = LabelSpeed->Top() - LabelLink->Top();
  for (int port = 0; port < kEthPortCount; ++port) {
    for (int led = 0; led < EthLedCount; ++led) {
      TShape* lamp = CreateComponent<TShape>(this);
      lamp->SetParent(ETHState);
      lamp->SetBounds(LabelETH1->Left() + port * columnStep, LabelLink->Top() + led * rowStep, kEthLedSize,
                      kEthLedSize);
      lamp->SetShape(stCircle);
      lamp->Brush().SetColor(clSilver);
      FEthLeds[port][led] = lamp;
    }
  }
}

void TMainW::PaintEthLeds() {
  // The lamps exist once the window has been shown.
  if (!FEthLeds[0][elLink]) return;
  for (int port = 0; port < kEthPortCount; ++port) {
    const TEthState& state = FEthStates[port];
    const bool linkUp = FConnected && state.LinkUp;
    const TColor link = linkUp ? clLime : clSilver;
    const TColor speed = !linkUp ? clSilver : state.Speed100 ? clLime : clYellow;
    const TColor duplex = !linkUp ? clSilver : state.FullDuplex ? clLime : clYellow;
    FEthLeds[port][elLink]->Brush().SetColor(link);
    FEthLeds[port][elSpeed]->Brush().SetColor(speed);
    FEthLeds[port][elDuplex]->Brush().SetColor(duplex);
  }
}

void TMainW::PaintIndicators() {
  PaintEthLeds();
  const std::array<TShape*, IndicatorCount> shapes = {IndicALM, IndicCV, IndicLOA, IndicGID, IndicLOF, IndicETH_ERR};
  for (int k = 0; k < IndicatorCount; ++k) {
    shapes[k]->Brush().SetColor(FConnected && FIndicators[k] ? clRed : clSilver);
  }
}

void TMainW::port_state_tableDrawCell(TObject*, int ACol, int ARow, TRect Rect, TGridDrawState) {
  if (ACol < 1 || ARow < 1) return;
  TCanvas& canvas = port_state_table->Canvas();
  canvas.Brush().SetColor(clWindow);
  canvas.FillRect(Rect);
  const TPortState& state = FPortStates[ARow - 1];
  if (ACol <= kLastFlagColumn) {
    DrawFlagImage(ACol, state, Rect);
  } else if (ACol == kTxSQColumn) {
    DrawCentredText(IntToStr(state.TxSQ), Rect);
  } else if (ACol == kTxCtrlColumn) {
    DrawCentredText(LcasCtrlName(state.TxCtrl), Rect);
  } else if (ACol == kRxSQColumn) {
    DrawCentredText(IntToStr(state.RxSQ), Rect);
  } else {
    DrawCentredText(LcasCtrlName(state.RxCtrl), Rect);
  }
}

// Mask and loop show a tick when set; the alarms a red or green dot, or silver while the device is not reached.
void TMainW::DrawFlagImage(int col, const TPortState& state, const TRect& rect) {
  const bool flag = state.*kFlagColumns[col - 1];
  if (col <= kLastTickColumn) {
    if (flag && FConnected) DrawCentredImage(*indicator_template_tick, rect, *indicator_template_tick);
    return;
  }
  TImage& image = !FConnected ? *indicator_template_silver : flag ? *indicator_template_red : *indicator_template_green;
  DrawCentredImage(image, rect, *indicator_template_green);
}

void TMainW::DrawCentredImage(TImage& image, const TRect& rect, TImage& sizeTemplate) {
  const int x = rect.left + (rect.right - rect.left) / 2 - sizeTemplate.Width() / 2;
  const int y = rect.top + (rect.bottom - rect.top) / 2 - sizeTemplate.Height() / 2;
  port_state_table->Canvas().Draw(x, y, image.Picture().Bitmap());
}

void TMainW::DrawCentredText(const std::string& text, const TRect& rect) {
  TCanvas& canvas = port_state_table->Canvas();
  const SIZE size = canvas.TextExtent(text);
  canvas.TextOut(rect.left + (rect.right - rect.left - size.cx) / 2, rect.top + (rect.bottom - rect.top - size.cy) / 2,
                 text);
}
