#include <gtest/gtest.h>

#include "controls/foundation/graphics/cxDWMApi.h"

namespace {

HRESULT WINAPI ComposingDwm(BOOL* enabled) {
  *enabled = TRUE;
  return S_OK;
}
HRESULT WINAPI NotComposingDwm(BOOL* enabled) {
  *enabled = FALSE;
  return S_OK;
}
// Fails, and leaves the flag set all the same.
HRESULT WINAPI FailingDwm(BOOL* enabled) {
  *enabled = TRUE;
  return E_FAIL;
}

class DwmApiTest : public testing::Test {
 protected:
  void TearDown() override {
    cxDWMApiFinalize();
    DwmApi() = {};
  }
};

TEST_F(DwmApiTest, CompositionIsOnOnlyWhenTheWindowManagerSaysSo) {
  const struct {
    const char* Name;
    decltype(TDwmApi::DwmIsCompositionEnabled) Entry;
    bool Expected;
  } cases[] = {{"missing", nullptr, false},
               {"failing", FailingDwm, false},
               {"off", NotComposingDwm, false},
               {"on", ComposingDwm, true}};
  for (const auto& c : cases) {
    DwmApi().DwmIsCompositionEnabled = c.Entry;
    EXPECT_EQ(IsCompositionEnabled(), c.Expected) << c.Name;
  }
}

TEST_F(DwmApiTest, TheLibraryIsBoundFromWindowsSixOnAndReleasedAtTheEnd) {
  EXPECT_FALSE(BindDwmApi(5));
  EXPECT_EQ(DwmApi().DwmIsCompositionEnabled, nullptr);
  cxDWMApiInitialize();
  EXPECT_TRUE(IsDwmLoaded());
  EXPECT_NE(DwmApi().DwmSetWindowAttribute, nullptr);
  cxDWMApiFinalize();
  EXPECT_FALSE(IsDwmLoaded());
  EXPECT_EQ(DwmApi().DwmIsCompositionEnabled, nullptr);
}

}  // namespace
