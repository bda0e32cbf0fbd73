#pragma once
// TMainW: the main window. On the left the device inventory (devices.ini) as
// a list whose selected line is the device every window works on; on the
// right that device's state: the E1 port grid, the Ethernet lamps and the
// device indicators, read by Refresh and changed by the device's traps. Its
// menus open the configuration windows and run the maintenance commands; the
// communication form reports each exchange to it.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "application/core/CommClass.h"
#include "application/core/Share.h"
#include "application/core/SnmpTypes.h"
#include "platform/controls/common/ImageList.h"
#include "platform/controls/common/StatusBar.h"
#include "platform/controls/common/ToolBar.h"
#include "platform/controls/core/Actions.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/drawn/Image.h"
#include "platform/controls/drawn/Label.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/drawn/Shape.h"
#include "platform/controls/drawn/Splitter.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/standard/ListBox.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"

// The state of one E1 port.
struct TPortState {
  bool AlarmMask = false;
  bool Loop = false;
  bool LOS = false;
  bool CV = false;
  bool AIS = false;
  bool LOF = false;
  bool ErrOver = false;
  bool CRC = false;
  bool VactErr = false;
  int32_t TxSQ = 0;
  uint8_t TxCtrl = 0;
  int32_t RxSQ = 0;
  uint8_t RxCtrl = 0;
};

// The state of one Ethernet port.
struct TEthState {
  bool LinkUp = false;
  bool Speed100 = false;
  bool FullDuplex = false;
};

// The six device indicators, in the order of the display.
enum TIndicator { indALM, indCV, indLOA, indGID, indLOF, indETH_ERR, IndicatorCount };

// The three lamps of an Ethernet port, top to bottom.
enum TEthLed { elLink, elSpeed, elDuplex, EthLedCount };

constexpr int kEthPortCount = 4;
constexpr int kE1PortCount = 16;

using TPortStates = std::array<TPortState, kE1PortCount>;

// Clears the nine alarm and loop flags of records 0..lastIndex; the LCAS words stay.
void ClearPortStates(TPortStates& states, int lastIndex);

class TMainW : public TForm, public TExchangeMonitor {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  bool Connected() const { return FConnected; }
  const TPortStates& PortStates() const { return FPortStates; }
  const std::array<TEthState, kEthPortCount>& EthStates() const { return FEthStates; }
  const std::array<bool, IndicatorCount>& Indicators() const { return FIndicators; }
  TShape* EthLed(int port, TEthLed led) const { return FEthLeds[port][led]; }

  // The inventory the device list shows; FormCreate opens devices.ini beside the program.
  TIniFile* IniFile() const { return FIniFile.get(); }
  void OpenInventory(const std::wstring& fileName);
  // A name in the ANSI code page.
  void OpenInventory(const std::string& fileName);
  void OpenInventory(std::unique_ptr<TIniFile> inventory) { FIniFile = std::move(inventory); }

  // Creates a window of `formClass` owned by the main window, shows it
  // modally and frees it; true when it was closed with OK.
  bool ShowDialogModal(TClass formClass);

  // Status panel 1 the connection, panel 2 the outcome of the last exchange.
  void ShowExchange(const std::string& connection, const std::string& outcome, bool connected) override;
  // Applies a trap of the selected device to its indicator and link flags
  // and repaints the lamps and indicators.
  void ShowAlarm(const TPDU& trap) override;

  // Decodes the 87-octet port-state block; a value of any other length changes nothing.
  void ShowState(const std::string& value);
  // Reads the device type from the identification object into CurrentDevice.Type; Result "1" or "0".
  void ProbeDeviceType(std::string& Result);

  void InitGridHeaders();
  // Makes each column of the port-state grid as wide as its header or its widest content.
  void FitGridColumns();
  void CreateEthLeds();
  void PaintEthLeds();
  void PaintIndicators();

  // Handlers the form resource binds.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ListBoxDevicesClick(TObject* Sender);
  void New1Click(TObject* Sender);
  void MenuItemConnectClick(TObject* Sender);
  void MenuItemEditClick(TObject* Sender);
  void MenuItemDeleteClick(TObject* Sender);
  void MenuItemClearClick(TObject* Sender);
  void MenuItemExitClick(TObject* Sender);
  void MenuItemE1ErroverClick(TObject* Sender);
  void MenuItemClockSourceClick(TObject* Sender);
  void MenuItemGfpConfigClick(TObject* Sender);
  void MenuItemBandwidthClick(TObject* Sender);
  void MenuItemLoopbackClick(TObject* Sender);
  void MenuItemParameterClick(TObject* Sender);
  void MenuItemVcgConfigClick(TObject* Sender);
  void MenuItemVlanTableClick(TObject* Sender);
  void MenuItemPortVlanClick(TObject* Sender);
  void MenuItemAlarmShieldClick(TObject* Sender);
  void MenuItemPerformanceQueryClick(TObject* Sender);
  void Sys_VerExecute(TObject* Sender);
  void MenuItemPerformanceClearClick(TObject* Sender);
  void MenuItemHelpClick(TObject* Sender);
  void MenuItemLegendClick(TObject* Sender);
  void MenuItemAboutClick(TObject* Sender);
  void ToolButton_ResetClick(TObject* Sender);
  void ToolButton_RefreshClick(TObject* Sender);
  void ToolButton3_SetDefaultStateClick(TObject* Sender);
  void test1Click(TObject* Sender);
  void port_state_tableDrawCell(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State);

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* New1 = nullptr;
  TMenuItem* MenuItemConnect = nullptr;
  TMenuItem* MenuItemEdit = nullptr;
  TMenuItem* MenuItemDelete = nullptr;
  TMenuItem* MenuItemClear = nullptr;
  TMenuItem* MenuItemExit = nullptr;
  TMenuItem* MenuItem_Configure = nullptr;
  TMenuItem* MenuItemE1Errover = nullptr;
  TMenuItem* MenuItemClockSource = nullptr;
  TMenuItem* MenuItemGfpConfig = nullptr;
  TMenuItem* MenuItemBandwidth = nullptr;
  TMenuItem* MenuItemLoopback = nullptr;
  TMenuItem* MenuItemParameter = nullptr;
  TMenuItem* MenuItemVcgConfig = nullptr;
  TMenuItem* MenuItemVlanTable = nullptr;
  TMenuItem* MenuItemPortVlan = nullptr;
  TMenuItem* MenuItem_Alarm = nullptr;
  TMenuItem* MenuItemAlarmShield = nullptr;
  TMenuItem* MenuItem_Performance = nullptr;
  TMenuItem* MenuItemPerformanceQuery = nullptr;
  TMenuItem* MenuItemPerformanceClear = nullptr;
  TMenuItem* MenuItem_System = nullptr;
  TMenuItem* MenuItemVersion = nullptr;
  TMenuItem* MenuItem_Help = nullptr;
  TMenuItem* MenuItemHelp = nullptr;
  TMenuItem* MenuItemLegend = nullptr;
  TMenuItem* MenuItemAbout = nullptr;
  TActionList* ActionList1 = nullptr;
  TAction* Sys_Ver = nullptr;
  TImageList* ImageList1 = nullptr;
  TToolBar* ToolBar1 = nullptr;
  TToolButton* ToolButton_Reset = nullptr;
  TToolButton* ToolButton_Refresh = nullptr;
  TToolButton* ToolButton3_SetDefaultState = nullptr;
  TPanel* Panel3 = nullptr;
  TListBox* ListBoxDevices = nullptr;
  TSplitter* Splitter1 = nullptr;
  TPanel* Panel1 = nullptr;
  TGroupBox* ETHState = nullptr;
  TLabel* LabelETH1 = nullptr;
  TLabel* LabelETH2 = nullptr;
  TLabel* LabelETH3 = nullptr;
  TLabel* LabelETH4 = nullptr;
  TLabel* LabelLink = nullptr;
  TLabel* LabelSpeed = nullptr;
  TLabel* LabelDuplex = nullptr;
  TPanel* PanelIndic = nullptr;
  TShape* IndicALM = nullptr;
  TShape* IndicCV = nullptr;
  TShape* IndicLOA = nullptr;
  TShape* IndicGID = nullptr;
  TShape* IndicLOF = nullptr;
  TShape* IndicETH_ERR = nullptr;
  TGroupBox* TablePlace = nullptr;
  TStringGrid* port_state_table = nullptr;
  TImage* indicator_template_red = nullptr;
  TImage* indicator_template_green = nullptr;
  TImage* indicator_template_silver = nullptr;
  TImage* indicator_template_tick = nullptr;
  TStatusBar* StatusBar = nullptr;

 private:
  void ShowPortOneAlarm(const TPDU& trap);
  void SetStatusText(int panel, const std::string& text);

  void ListDevices();
  int SelectedLine() const { return ListBoxDevices->ItemIndex(); }
  // Makes the device of a line the current one, under its own section name.
  void SelectDevice(int line);
  // New and Add: the template's settings under a fresh name, kept when the dialog ends with OK.
  void AddDevice(const std::string& templateName);
  // Runs `save`; when it fails, makes the device on screen the current one again and passes the failure on.
  void SaveKeepingShownDevice(const TNE_Attr& previous, const std::function<void()>& save);
  // The highlighted line's device as the file holds it now, when the file can be read.
  void RereadSelectedDevice();
  bool ShowDeviceParam();
  void DeleteInventory();

  // Asks the warning question of the maintenance commands; true on Yes only.
  bool Confirm(const std::string& question);
  // Sets `oidPrefix` + NE address to INTEGER 1 and shows how it went; true when the device took it.
  bool SendMaintenanceSet(const std::string& oidPrefix, const std::string& routine, const std::string& separator);
  void ShowError(const std::string& routine, const std::string& separator, const Exception& error);
  void ReadPortStates();

  static std::vector<std::string> ColumnTexts(int col);
  void DrawFlagImage(int col, const TPortState& state, const TRect& rect);
  void DrawCentredImage(TImage& image, const TRect& rect, TImage& sizeTemplate);
  void DrawCentredText(const std::string& text, const TRect& rect);

  std::unique_ptr<TIniFile> FIniFile;
  bool FConnected = false;
  TPortStates FPortStates{};
  std::array<TEthState, kEthPortCount> FEthStates{};
  std::array<bool, IndicatorCount> FIndicators{};
  std::array<std::array<TShape*, EthLedCount>, kEthPortCount> FEthLeds{};
};

extern TMainW* MainW;
// The folder of the executable, without a trailing separator.
extern const std::wstring AppDir;
