#pragma once
// A form read from tests/platform/controls/forms/TTestForm.form that logs its
// events, lets a test decide what closing does, and has a handler that raises.
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/common/StatusBar.h"

constexpr UINT kRaiseMessage = WM_APP + 1;

class TTestForm : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TTestForm>("TTestForm", TForm::StaticClass())
                                            .Field("StatusBar", &TTestForm::StatusBar)
                                            .Method("FormCreate", &TTestForm::FormCreate)
                                            .Method("FormShow", &TTestForm::FormShow)
                                            .Method("FormClose", &TTestForm::FormClose)
                                            .Method("FormDestroy", &TTestForm::FormDestroy)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void FormCreate(TObject*) { Log.push_back("create"); }
  void FormShow(TObject*) { Log.push_back("show"); }
  void FormClose(TObject*, TCloseAction& action) {
    Log.push_back("close");
    if (CloseRule) CloseRule(action);
  }
  void FormDestroy(TObject*) {
    if (DestroyedFlag) *DestroyedFlag = true;
    if (FinalLog) *FinalLog = Log;
  }

  TStatusBar* StatusBar = nullptr;
  std::vector<std::string> Log;
  std::function<void(TCloseAction&)> CloseRule;
  bool* DestroyedFlag = nullptr;
  // Receives Log when the form goes.
  std::vector<std::string>* FinalLog = nullptr;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kRaiseMessage) throw Exception("Broken handler");
    TForm::WndProc(message);
  }
};
