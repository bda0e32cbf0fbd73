// Hidden windows that hand their messages to a closure.
#include "platform/classes/UtilWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kProbe = WM_APP + 7;

TEST(UtilWindow, AClosureAnswersWhatItHandlesAndTheRestGoesToTheDefaultProcedure) {
  std::vector<UINT> seen;
  const TUtilWindow window([&seen](TMessage& message) {
    seen.push_back(message.Msg);
    if (message.Msg != kProbe) return false;
    message.Result = 42;
    return true;
  });
  EXPECT_EQ(SendMessageA(window.Handle(), kProbe, 0, 0), 42);
  char title[8] = "x";
  EXPECT_EQ(SendMessageA(window.Handle(), WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title)), 0);
  EXPECT_STREQ(title, "");
  // Hidden, yet top-level: broadcasts reach it.
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(GetParent(window.Handle()), nullptr);
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_GETTEXT), seen.end());
}

TEST(UtilWindow, AnExceptionGoesToTheApplicationsHandlerAndNotThroughTheSystem) {
  std::vector<std::string> handled;
  SetApplicationExceptionHandler([&handled](TObject*) {
    try {
      throw;
    } catch (const std::exception& error) {
      handled.push_back(error.what());
    }
  });
  const TUtilWindow window([](TMessage& message) -> bool {
    if (message.Msg == kProbe) throw std::runtime_error("broken handler");
    return false;
  });
  SendMessageA(window.Handle(), kProbe, 0, 0);
  SetApplicationExceptionHandler(nullptr);
  EXPECT_EQ(handled, std::vector<std::string>{"broken handler"});
}

TEST(UtilWindow, AClosureMayDestroyItsOwnWindowAndStillFinish) {
  auto window = std::make_unique<TUtilWindow>();
  auto alive = std::make_shared<int>(0);
  std::weak_ptr<int> watch = alive;
  *window = TUtilWindow([&window, alive](TMessage& message) {
    if (message.Msg != kProbe) return false;
    window.reset();
    // The closure and what it holds are still here until it returns.
    message.Result = *alive + 1;
    return true;
  });
  alive.reset();
  const HWND handle = window->Handle();
  EXPECT_EQ(SendMessageA(handle, kProbe, 0, 0), 1);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(watch.expired());
}

}  // namespace
