#include <algorithm>
#include <memory>

#include "controls/editors/engines/cxFormatController.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/Units.h"

namespace {

// The section Windows names when the regional settings change.
constexpr const char* kInternationalSection = "intl";

std::unique_ptr<TcxFormatController> gFormatController;
TUnitGuard gUnit;

}  // namespace

TcxFormatController::TcxFormatController() { GetFormats(); }

void TcxFormatController::AddListener(IcxFormatControllerListener* listener) {
  if (IsListening(listener)) return;
  FListeners.push_back(listener);
  if (!FWindow) FWindow = TUtilWindow([this](TMessage& message) { return WndProc(message); });
}

void TcxFormatController::RemoveListener(IcxFormatControllerListener* listener) {
  const auto found = std::find(FListeners.begin(), FListeners.end(), listener);
  if (found == FListeners.end()) return;
  FListeners.erase(found);
  if (FListeners.empty()) FWindow.Reset();
}

bool TcxFormatController::IsListening(IcxFormatControllerListener* listener) const {
  return std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end();
}

void TcxFormatController::GetFormats() {
  const TLocale& locale = CurrentLocale();
  if (!FAssignedCurrencyFormat) FCurrencyFormat = BuildCurrencyFormat();
  if (!FAssignedStartOfWeek) FStartOfWeek = StartOfWeekOf(locale.FirstDayOfWeek());
  UpdateFormats();
  FDateEditFormat = BuildDateEditFormat(locale.ShortDateFormat());
}

void TcxFormatController::UpdateFormats() {
  const TLocale& locale = CurrentLocale();
  ScanDateTimeFormat(locale.ShortDateFormat(), FDateFormatInfo);
  ScanDateTimeFormat(locale.LongTimeFormat(), FTimeFormatInfo);
  ScanDateTimeFormat(locale.ShortDateFormat() + " " + locale.LongTimeFormat(), FDateTimeFormatInfo);
  FStandardDateEditMask = BuildDateTimeEditMask(FDateFormatInfo, dtemmDate);
  if (!FAssignedDateEditMask) FDateEditMask = FStandardDateEditMask;
  if (!FAssignedDateEditRegExpr) FDateEditRegExpr = BuildDateEditRegExpr(FDateFormatInfo);
  if (!FAssignedDateTimeEditRegExpr) FDateTimeEditRegExpr = BuildDateTimeEditRegExpr(FDateFormatInfo, FTimeFormatInfo);
  if (!FAssignedDateTimeEditMask) FDateTimeEditMask = BuildDateTimeEditMask(FDateTimeFormatInfo, dtemmDateTime);
  FDateDisplayFormat = BuildDisplayFormat(FDateFormatInfo);
  FDateTimeDisplayFormat = BuildDisplayFormat(FDateTimeFormatInfo);
}

void TcxFormatController::SetCurrencyFormat(const std::string& value) {
  FCurrencyFormat = value;
  FAssignedCurrencyFormat = true;
}

void TcxFormatController::SetDateEditRegExpr(const std::string& value) {
  FDateEditRegExpr = value;
  FAssignedDateEditRegExpr = true;
}

void TcxFormatController::SetDateTimeEditRegExpr(const std::string& value) {
  FDateTimeEditRegExpr = value;
  FAssignedDateTimeEditRegExpr = true;
}

void TcxFormatController::SetDateEditMask(const std::string& value) {
  FDateEditMask = value;
  FAssignedDateEditMask = true;
}

void TcxFormatController::SetDateTimeEditMask(const std::string& value) {
  FDateTimeEditMask = value;
  FAssignedDateTimeEditMask = true;
}

void TcxFormatController::SetStartOfWeek(int value) {
  FStartOfWeek = value;
  FAssignedStartOfWeek = true;
}

// A listener may stop listening, or make another stop, while it is told: a
// listener gone from the list is not told any more.
void TcxFormatController::NotifyFormatChanged() {
  const std::vector<IcxFormatControllerListener*> listeners = FListeners;
  for (IcxFormatControllerListener* listener : listeners)
    if (IsListening(listener)) listener->FormatChanged();
}

void TcxFormatController::NotifyTimeChanged() {
  const std::vector<IcxFormatControllerListener*> listeners = FListeners;
  for (IcxFormatControllerListener* listener : listeners) {
    auto* timeListener = dynamic_cast<IcxFormatControllerListener2*>(listener);
    if (timeListener && IsListening(listener)) timeListener->TimeChanged();
  }
}

// The regional locale reads the settings at each question, so building the
// formats again is all a change takes.
bool TcxFormatController::WndProc(TMessage& message) {
  if (message.Msg == WM_TIMECHANGE) {
    NotifyTimeChanged();
  } else if (message.Msg == WM_WININICHANGE && SettingChangeParameter(message) == 0 &&
             SettingChangeSection(message) == kInternationalSection && Application().UpdateFormatSettings()) {
    GetFormats();
    NotifyFormatChanged();
  } else {
    return false;
  }
  message.Result = 0;
  return true;
}

TcxFormatController& GetFormatController() {
  if (!gFormatController) gFormatController = std::make_unique<TcxFormatController>();
  return *gFormatController;
}

void cxFormatControllerInitialize() { gUnit.Enter(); }

void cxFormatControllerFinalize() {
  if (gUnit.Leave()) gFormatController.reset();
}
