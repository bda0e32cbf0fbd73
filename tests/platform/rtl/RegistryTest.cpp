// Reading string values through TRegistry, from a key the test writes under
// the current user and removes afterwards.
#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Registry.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, (kKey + "\\Sub").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &FSub, nullptr),
        ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(FSub);
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey.c_str());
  }

  void Write(const std::string& name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExA(FSub, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  void WriteText(const std::string& name, const std::string& text, DWORD type = REG_SZ) {
    Write(name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

  const std::string kKey = "Software\\NEPL-RegistryTest-" + std::to_string(GetCurrentProcessId());
  TRegistry Registry;

 private:
  HKEY FSub = nullptr;
};

TEST_F(RegistryTest, ReadsTheDefaultAndNamedTextValuesOfTheOpenKey) {
  WriteText("", "browser.exe %1");
  WriteText("Path", "%SystemRoot%\\mail.exe", REG_EXPAND_SZ);
  const std::string unterminated = "abc";
  Write("Raw", REG_SZ, unterminated.data(), static_cast<DWORD>(unterminated.size()));

  EXPECT_EQ(Registry.RootKey(), HKEY_CURRENT_USER);
  // A leading separator is allowed; the path is taken from the root either way.
  ASSERT_TRUE(Registry.OpenKeyReadOnly("\\" + kKey + "\\Sub"));
  EXPECT_EQ(Registry.ReadString(""), "browser.exe %1");
  EXPECT_EQ(Registry.ReadString("Path"), "%SystemRoot%\\mail.exe");
  EXPECT_EQ(Registry.ReadString("Raw"), "abc");
  EXPECT_EQ(Registry.ReadString("Missing"), "");
}

TEST_F(RegistryTest, AValueThatIsNotTextRaises) {
  const DWORD number = 7;
  Write("Number", REG_DWORD, &number, sizeof number);
  ASSERT_TRUE(Registry.OpenKeyReadOnly(kKey + "\\Sub"));
  EXPECT_THROW(Registry.ReadString("Number"), ERegistryException);
}

TEST_F(RegistryTest, AMissingKeyIsNeitherOpenedNorCreated) {
  WriteText("", "value");
  ASSERT_TRUE(Registry.OpenKeyReadOnly(kKey + "\\Sub"));
  EXPECT_FALSE(Registry.OpenKeyReadOnly(kKey + "\\Absent"));
  // The failed open closed the key open before.
  EXPECT_THROW(Registry.ReadString(""), ERegistryException);
  HKEY absent = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (kKey + "\\Absent").c_str(), 0, KEY_READ, &absent), ERROR_SUCCESS);
}

TEST_F(RegistryTest, PathsAreTakenBelowTheRootKey) {
  Registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(Registry.OpenKeyReadOnly(kKey + "\\Sub"));
  Registry.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(Registry.OpenKeyReadOnly(kKey));
  Registry.CloseKey();
  EXPECT_THROW(Registry.ReadString(""), ERegistryException);
}

}  // namespace
