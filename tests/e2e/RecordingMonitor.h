#pragma once
// A stand-in main window for tests of the communication form: it records what
// the form reports instead of showing it.
#include <string>
#include <vector>

#include "application/core/CommClass.h"
#include "platform/classes/ClassBuilder.h"

class TRecordingMonitor : public TForm, public TExchangeMonitor {
 public:
  using TForm::TForm;

  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TRecordingMonitor>("TRecordingMonitor", TForm::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void ShowExchange(const std::string& connection, const std::string& outcome, bool connected) override {
    Connection = connection;
    Outcome = outcome;
    Connected = connected;
  }
  void ShowAlarm(const TPDU& trap) override { Traps.push_back(trap); }

  std::string Connection;
  std::string Outcome;
  bool Connected = true;
  std::vector<TPDU> Traps;
};
