// The communication form cannot be created while another program holds the
// trap port: start-up must end with the socket layer's own words.
#include <gtest/gtest.h>

#include "application/core/CommClass.h"
#include "platform/controls/core/Application.h"
#include "tests/support/FixedPort.h"

TEST(TrapServer, PortInUseFailsTheFormsCreationWithTheBindError) {
  Application().Initialize();
  RegisterCommClasses();
  TUdpSocket holder;
  BindWhenFree(holder, "", 162);
  try {
    Application().CreateForm(CommClassW);
    FAIL() << "the form was created while port 162 was taken";
  } catch (const Exception& error) {
    EXPECT_NE(error.Message().find("Could not bind socket. Address and port are already in use."), std::string::npos)
        << error.Message();
  }
  EXPECT_EQ(Application().ComponentCount(), 0);
}
