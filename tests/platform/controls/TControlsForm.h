#pragma once
// A form read from tests/platform/controls/forms/TControlsForm.form with one
// of each standard control; its handlers log what ran.
#include <string>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/drawn/Label.h"
#include "platform/controls/standard/ListBox.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/standard/SpinEdit.h"
#include "platform/controls/drawn/Splitter.h"
#include "platform/controls/common/StatusBar.h"
#include "platform/controls/common/ToolBar.h"

class TControlsForm : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TControlsForm>("TControlsForm", TForm::StaticClass())
                                            .Field("MainMenu", &TControlsForm::MainMenu)
                                            .Field("VersionItem", &TControlsForm::VersionItem)
                                            .Field("VersionAction", &TControlsForm::VersionAction)
                                            .Field("Images", &TControlsForm::Images)
                                            .Field("ToolBar", &TControlsForm::ToolBar)
                                            .Field("StatusBar", &TControlsForm::StatusBar)
                                            .Field("LeftPanel", &TControlsForm::LeftPanel)
                                            .Field("Devices", &TControlsForm::Devices)
                                            .Field("Splitter", &TControlsForm::Splitter)
                                            .Field("ClientPanel", &TControlsForm::ClientPanel)
                                            .Field("WebLabel", &TControlsForm::WebLabel)
                                            .Field("Community", &TControlsForm::Community)
                                            .Field("Address", &TControlsForm::Address)
                                            .Field("Version", &TControlsForm::Version)
                                            .Field("OkButton", &TControlsForm::OkButton)
                                            .Field("CloseButton", &TControlsForm::CloseButton)
                                            .Method("NewItemClick", &TControlsForm::NewItemClick)
                                            .Method("VersionActionExecute", &TControlsForm::VersionActionExecute)
                                            .Method("ResetButtonClick", &TControlsForm::ResetButtonClick)
                                            .Method("DevicesClick", &TControlsForm::DevicesClick)
                                            .Method("WebLabelClick", &TControlsForm::WebLabelClick)
                                            .Method("CommunityChange", &TControlsForm::CommunityChange)
                                            .Method("VersionChange", &TControlsForm::VersionChange)
                                            .Method("OkButtonClick", &TControlsForm::OkButtonClick)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void NewItemClick(TObject*) { Log.push_back("new"); }
  void VersionActionExecute(TObject*) { Log.push_back("version"); }
  void ResetButtonClick(TObject*) { Log.push_back("reset"); }
  void DevicesClick(TObject*) { Log.push_back("device " + std::to_string(Devices->ItemIndex())); }
  void WebLabelClick(TObject*) { Log.push_back("web"); }
  void CommunityChange(TObject*) { Log.push_back("community " + Community->Text()); }
  void VersionChange(TObject*) { Log.push_back("version " + std::to_string(Version->ItemIndex())); }
  void OkButtonClick(TObject*) { Log.push_back("ok"); }

  TMainMenu* MainMenu = nullptr;
  TMenuItem* VersionItem = nullptr;
  TAction* VersionAction = nullptr;
  TImageList* Images = nullptr;
  TToolBar* ToolBar = nullptr;
  TStatusBar* StatusBar = nullptr;
  TPanel* LeftPanel = nullptr;
  TListBox* Devices = nullptr;
  TSplitter* Splitter = nullptr;
  TPanel* ClientPanel = nullptr;
  TLabel* WebLabel = nullptr;
  TEdit* Community = nullptr;
  TSpinEdit* Address = nullptr;
  TComboBox* Version = nullptr;
  TBitBtn* OkButton = nullptr;
  TBitBtn* CloseButton = nullptr;
  std::vector<std::string> Log;
};
