#pragma once
// TAboutW: the program's title and the maker's web and mail contacts;
// clicking a contact starts the workstation's browser or mail client on it.
#include <string>

#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Label.h"

class TAboutW : public TForm {
 public:
  using TForm::TForm;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // The browser's command line as registered for HTML files; "" when none is.
  std::string GetBrouserPath() const;
  // The default mail client's command line; "" when none is registered.
  std::string GetMailClientPath() const;
  // The command lines a click on the web or mail label starts.
  std::string WebCommand() const;
  std::string MailCommand() const;

  TLabel* Str1 = nullptr;
  TLabel* Str2 = nullptr;
  TLabel* StrWEBAddr = nullptr;
  TLabel* StrEmail = nullptr;
  TBitBtn* BitBtn1 = nullptr;

  void StrWEBAddrClick(TObject* Sender);
  void StrEmailClick(TObject* Sender);

 private:
  // Builds the command line and starts it; `notFound` tells the operator when it cannot be built.
  void StartCommand(std::string (TAboutW::*command)() const, const std::string& notFound);
};
