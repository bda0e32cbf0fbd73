#pragma once
// A form read from tests/platform/controls/forms/TChoiceForm.form: the
// choice controls of the configuration dialogs on nested pages. Its handlers
// log each event with the state the control shows when it runs.
#include <string>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/common/PageControl.h"
#include "platform/controls/standard/RadioButton.h"
#include "platform/controls/standard/RadioGroup.h"

class TChoiceForm : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TChoiceForm>("TChoiceForm", TForm::StaticClass())
                                            .Field("Pages", &TChoiceForm::Pages)
                                            .Field("EthSheet", &TChoiceForm::EthSheet)
                                            .Field("ModeSheet", &TChoiceForm::ModeSheet)
                                            .Field("Speed", &TChoiceForm::Speed)
                                            .Field("Nego", &TChoiceForm::Nego)
                                            .Field("Clock", &TChoiceForm::Clock)
                                            .Field("ModeA", &TChoiceForm::ModeA)
                                            .Field("ModeB", &TChoiceForm::ModeB)
                                            .Field("InnerPages", &TChoiceForm::InnerPages)
                                            .Field("Popup", &TChoiceForm::Popup)
                                            .Method("SpeedClick", &TChoiceForm::SpeedClick)
                                            .Method("NegoClick", &TChoiceForm::NegoClick)
                                            .Method("ClockChange", &TChoiceForm::ClockChange)
                                            .Method("ModeClick", &TChoiceForm::ModeClick)
                                            .Method("SheetShow", &TChoiceForm::SheetShow)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void SpeedClick(TObject*) { Log.push_back("speed " + std::to_string(Speed->ItemIndex())); }
  void NegoClick(TObject*) { Log.push_back(std::string("nego ") + (Nego->Checked() ? "on" : "off")); }
  void ClockChange(TObject*) { Log.push_back("clock " + std::to_string(Clock->ItemIndex())); }
  void ModeClick(TObject* sender) { Log.push_back(static_cast<TComponent*>(sender)->Name()); }
  void SheetShow(TObject* sender) { Log.push_back("show " + static_cast<TComponent*>(sender)->Name()); }

  TPageControl* Pages = nullptr;
  TTabSheet* EthSheet = nullptr;
  TTabSheet* ModeSheet = nullptr;
  TRadioGroup* Speed = nullptr;
  TCheckBox* Nego = nullptr;
  TComboBox* Clock = nullptr;
  TRadioButton* ModeA = nullptr;
  TRadioButton* ModeB = nullptr;
  TPageControl* InnerPages = nullptr;
  TPopupMenu* Popup = nullptr;
  std::vector<std::string> Log;
};
