#pragma once
// TStatusBar: the Win32 status bar with a collection of panels; every change
// of a panel's text or width reaches the window at once.
#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/controls/core/WinControl.h"

class TStatusBar;

class TStatusPanel : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Text() const { return FText; }
  void SetText(const std::string& value);
  int Width() const { return FWidth; }
  void SetWidth(int value);

 private:
  std::string FText;
  int FWidth = 50;
};

class TStatusPanels : public TCollectionOf<TStatusPanel> {
 public:
  explicit TStatusPanels(TStatusBar& statusBar) : FStatusBar(statusBar) {}

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TStatusBar& FStatusBar;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TStatusPanels& Panels() { return FPanels; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  friend class TStatusPanels;
  // The last panel reaches the right edge of the bar. Only what the bar does
  // not show yet is sent: its parts when they change, a panel's text when it does.
  void UpdatePanels();

  TStatusPanels FPanels{*this};
  std::vector<int> FShownRightEdges;
  std::vector<std::string> FShownTexts;
};
