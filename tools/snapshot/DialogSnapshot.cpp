// Saves pictures of the dialogs that no menu opens, which the program driver
// cannot reach from outside. This tool is built from the program's own units
// and forms and opens each dialog as the main window opens its dialogs, on
// the first device of the inventory, so it adds no way into the program
// itself. The trap port must be free: run it once nepl.exe has ended.
// Usage: nepl-dialogshot <inventory> <output folder> [<form class>=<picture name> ...]
#include <windows.h>

#include <cstdio>
#include <string>

#include "application/core/CommClass.h"
#include "application/core/Share.h"
#include "application/dialogs/Conf_Operation.h"
#include "application/main/ApplicationClasses.h"
#include "application/main/Main.h"
#include "platform/controls/core/Application.h"
#include "tools/snapshot/WindowPicture.h"

namespace {

bool SelectFirstDevice(const std::string& inventory) {
  MainW->OpenInventory(inventory);
  TStringList devices;
  MainW->IniFile()->ReadSections(devices);
  if (devices.Count() == 0) return false;
  LoadDevice(*MainW->IniFile(), devices[0]);
  CurrentDevice.Name = devices[0];
  return true;
}

// The operation dialog reads nothing on show: the operator reads its loopback page.
void ReadAsTheOperatorWould(TForm& dialog) {
  if (auto* operation = dynamic_cast<TConf_OperationW*>(&dialog)) {
    operation->PageControl1->SetActivePageIndex(TConf_OperationW::pgLoop);
    operation->cmdRead->Click();
  }
}

void SnapDialog(const std::string& className, const std::string& file) {
  const TClass formClass = GetClass(className);
  if (!formClass) {
    std::fprintf(stderr, "no form class %s\n", className.c_str());
    return;
  }
  Application().SetModalHandler([&file](TForm& dialog) {
    ReadAsTheOperatorWould(dialog);
    Application().ProcessMessages();
    if (SaveWindowPicture(dialog.Handle(), file)) std::printf("%s\n", file.c_str());
    dialog.SetModalResult(mrCancel);
  });
  MainW->ShowDialogModal(formClass);
  Application().SetModalHandler(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: nepl-dialogshot <inventory> <output folder> [<form class>=<picture name> ...]\n");
    return 2;
  }
  try {
    Application().Initialize(ApplicationUnits());
    RegisterApplicationClasses();
    Application().CreateForm(MainW);
    Application().CreateForm(CommClassW);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  if (!SelectFirstDevice(argv[1])) {
    std::fprintf(stderr, "no device in %s\n", argv[1]);
    return 1;
  }
  // The boxes that tell how a read went stay unseen.
  Application().SetMessageBoxHandler([](const std::string&, const std::string&, UINT) { return IDOK; });
  const std::string folder = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::string pair = argv[i];
    const size_t equals = pair.find('=');
    if (equals == std::string::npos) continue;
    SnapDialog(pair.substr(0, equals), folder + "\\" + pair.substr(equals + 1) + ".bmp");
  }
  return 0;
}
