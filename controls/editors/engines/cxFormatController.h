#pragma once
// The regional formats of the date, time and currency editors, built once
// and kept: the currency display format, the date and date-time display
// formats, edit masks and expressions for typing (smart-date words
// included), and the first day of the week. They are built again when the
// system announces a change of the regional settings, and the editors that
// listen are told; a hidden window hears the announcement while anyone
// listens.
#include <string>
#include <vector>

#include "controls/editors/engines/cxFormatControllerScan.h"
#include "platform/classes/UtilWindow.h"

// Told that the formats were built again.
class IcxFormatControllerListener {
 public:
  virtual ~IcxFormatControllerListener() = default;
  virtual void FormatChanged() = 0;
};

// A listener that also wants to hear that the system's clock was set.
class IcxFormatControllerListener2 {
 public:
  virtual ~IcxFormatControllerListener2() = default;
  virtual void TimeChanged() = 0;
};

class TcxFormatController {
 public:
  TcxFormatController();
  TcxFormatController(const TcxFormatController&) = delete;
  TcxFormatController& operator=(const TcxFormatController&) = delete;

  // The first listener makes the hidden window, the last one gone destroys it.
  void AddListener(IcxFormatControllerListener* listener);
  void RemoveListener(IcxFormatControllerListener* listener);
  // Builds every format again from the current regional settings; a format
  // the program set itself stays.
  void GetFormats();

  const std::string& CurrencyFormat() const { return FCurrencyFormat; }
  void SetCurrencyFormat(const std::string& value);
  const std::string& DateEditFormat() const { return FDateEditFormat; }
  const std::string& StandardDateEditMask() const { return FStandardDateEditMask; }
  const std::string& DateDisplayFormat() const { return FDateDisplayFormat; }
  const std::string& DateTimeDisplayFormat() const { return FDateTimeDisplayFormat; }
  const std::string& DateEditRegExpr() const { return FDateEditRegExpr; }
  void SetDateEditRegExpr(const std::string& value);
  const std::string& DateTimeEditRegExpr() const { return FDateTimeEditRegExpr; }
  void SetDateTimeEditRegExpr(const std::string& value);
  const std::string& DateEditMask() const { return FDateEditMask; }
  void SetDateEditMask(const std::string& value);
  const std::string& DateTimeEditMask() const { return FDateTimeEditMask; }
  void SetDateTimeEditMask(const std::string& value);
  // 0 Sunday .. 6 Saturday.
  int StartOfWeek() const { return FStartOfWeek; }
  void SetStartOfWeek(int value);
  const TcxDateTimeFormatInfo& DateFormatInfo() const { return FDateFormatInfo; }
  const TcxDateTimeFormatInfo& DateTimeFormatInfo() const { return FDateTimeFormatInfo; }
  const TcxDateTimeFormatInfo& TimeFormatInfo() const { return FTimeFormatInfo; }

  // The hidden window; null while nobody listens.
  HWND WindowHandle() const { return FWindow.Handle(); }

 private:
  void UpdateFormats();
  bool WndProc(TMessage& message);
  void NotifyFormatChanged();
  void NotifyTimeChanged();
  bool IsListening(IcxFormatControllerListener* listener) const;

  bool FAssignedCurrencyFormat = false;
  bool FAssignedDateEditRegExpr = false;
  bool FAssignedDateTimeEditRegExpr = false;
  bool FAssignedDateEditMask = false;
  bool FAssignedDateTimeEditMask = false;
  bool FAssignedStartOfWeek = false;
  std::string FCurrencyFormat;
  std::string FDateEditFormat;
  std::string FStandardDateEditMask;
  TcxDateTimeFormatInfo FDateFormatInfo;
  TcxDateTimeFormatInfo FDateTimeFormatInfo;
  std::vector<IcxFormatControllerListener*> FListeners;
  std::string FDateDisplayFormat;
  std::string FDateTimeDisplayFormat;
  std::string FDateEditRegExpr;
  std::string FDateTimeEditRegExpr;
  std::string FDateEditMask;
  std::string FDateTimeEditMask;
  int FStartOfWeek = 0;
  TcxDateTimeFormatInfo FTimeFormatInfo;
  TUtilWindow FWindow;
};

// The one controller, made on first use; it lives until the unit ends.
TcxFormatController& GetFormatController();

// Nothing to set up; the end frees the controller and its window.
void cxFormatControllerInitialize();
void cxFormatControllerFinalize();
