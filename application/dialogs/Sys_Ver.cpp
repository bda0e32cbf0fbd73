#include "application/dialogs/Sys_Ver.h"

#include "application/core/Share.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/ProgramFolder.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char kIdentificationObject[] = "1.1.1.3";
const wchar_t kVersionFileName[] = L"\\sysver.inf";

// Octets 2 and 3 of the identification hold the ARM version, four digits of
// four bits; octet 4 the hardware version: major minus one, minor, patch.
constexpr size_t kArmHighOctet = 2;
constexpr size_t kArmLowOctet = 3;
constexpr size_t kHardwareOctet = 4;

// Upper-case hexadecimal digits without leading zeros.
std::string Hex(unsigned value) { return IntToHex(value, 1); }

std::string HardwareVersion(uint8_t octet) {
  return "V" + Hex((octet >> 5) + 1u) + "." + Hex((octet & 0x1Fu) >> 3) + "." + Hex(octet & 0x07u);
}

std::string ArmVersion(uint8_t high, uint8_t low) {
  return "V" + Hex(high >> 4) + "." + Hex(high & 0x0Fu) + "." + Hex(low >> 4) + "A" + Hex(low & 0x0Fu);
}

}  // namespace

TClass TSys_VerW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TSys_VerW>("TSys_VerW", TForm::StaticClass())
                                          .Field("LabeledEditHard", &TSys_VerW::LabeledEditHard)
                                          .Field("LabeledEditArm", &TSys_VerW::LabeledEditArm)
                                          .Field("cmdRead", &TSys_VerW::cmdRead)
                                          .Field("BitBtnClose", &TSys_VerW::BitBtnClose)
                                          .Method("FormShow", &TSys_VerW::FormShow)
                                          .Method("cmdReadClick", &TSys_VerW::cmdReadClick)
                                          .Build();
  return &metaClass;
}

// The version file beside the program is opened and closed again with nothing
// read from it: the versions shown are the device's own.
void TSys_VerW::FormShow(TObject*) {
  { const TIniFile versionFile(ProgramFolder() + kVersionFileName); }
  FDevice.CopyConnection();
  std::string result;
  ReadSysVer(result);
}

void TSys_VerW::cmdReadClick(TObject*) {
  std::string result;
  ReadSysVer(result);
}

void TSys_VerW::ReadSysVer(std::string& Result) {
  FDevice.ReadObject(
      "ReadSysVer", TExchangeCursor::Unchanged, FDevice.Oid(kIdentificationObject),
      [this](const std::string& value) { ShowVersions(value); }, Result);
}

// A short record shows only the versions whose octets came.
void TSys_VerW::ShowVersions(const std::string& value) {
  StringToBytes(value);
  if (const std::optional<uint8_t> hardware = ReplyOctet(kHardwareOctet)) {
    LabeledEditHard->SetText(HardwareVersion(*hardware));
  }
  const std::optional<uint8_t> high = ReplyOctet(kArmHighOctet);
  const std::optional<uint8_t> low = ReplyOctet(kArmLowOctet);
  if (high && low) LabeledEditArm->SetText(ArmVersion(*high, *low));
}
