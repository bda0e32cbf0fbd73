#include "application/main/About.h"

#include <vector>

#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Application.h"
#include "platform/rtl/Registry.h"

namespace {

constexpr char kMailClientsKey[] = "\\SOFTWARE\\Clients\\Mail";

// The default value of `key` below `root`; "" when the key cannot be opened.
std::string ReadDefaultValue(HKEY root, const std::string& key) {
  TRegistry registry;
  registry.SetRootKey(root);
  if (!registry.OpenKeyReadOnly(key)) return "";
  return registry.ReadString("");
}

// Starts the command line with a normal window and lets it run on its own;
// whether it could be started is not the About window's concern.
void StartDetached(const std::string& commandLine) {
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

TClass TAboutW::StaticClass() {
  static const TMetaClass metaClass = TClassBuilder<TAboutW>("TAboutW", TForm::StaticClass())
                                          .Field("Str1", &TAboutW::Str1)
                                          .Field("Str2", &TAboutW::Str2)
                                          .Field("StrWEBAddr", &TAboutW::StrWEBAddr)
                                          .Field("StrEmail", &TAboutW::StrEmail)
                                          .Field("BitBtn1", &TAboutW::BitBtn1)
                                          .Method("StrWEBAddrClick", &TAboutW::StrWEBAddrClick)
                                          .Method("StrEmailClick", &TAboutW::StrEmailClick)
                                          .Build();
  return &metaClass;
}

std::string TAboutW::GetBrouserPath() const {
  return ReadDefaultValue(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command");
}

std::string TAboutW::GetMailClientPath() const {
  const std::string client = ReadDefaultValue(HKEY_LOCAL_MACHINE, kMailClientsKey);
  return ReadDefaultValue(HKEY_LOCAL_MACHINE, std::string(kMailClientsKey) + "\\" + client + "\\Shell\\open\\command");
}

std::string TAboutW::WebCommand() const { return GetBrouserPath() + " " + "http:\\\\" + StrWEBAddr->Caption(); }

std::string TAboutW::MailCommand() const { return GetMailClientPath() + " mailto:" + StrEmail->Caption(); }

void TAboutW::StrWEBAddrClick(TObject* /*Sender*/) { StartCommand(&TAboutW::WebCommand, "The brouser was not found"); }

void TAboutW::StrEmailClick(TObject* /*Sender*/) {
  StartCommand(&TAboutW::MailCommand, "The mail client was not found");
}

void TAboutW::StartCommand(std::string (TAboutW::*command)() const, const std::string& notFound) {
  std::string commandLine;
  try {
    commandLine = (this->*command)();
  } catch (const std::exception&) {
    ShowMessage(notFound);
    return;
  }
  StartDetached(commandLine);
}
