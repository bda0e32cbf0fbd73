#pragma once
// TToolBar and TToolButton: the Win32 tool bar. The tool buttons placed on
// it become its buttons, in the order they were placed, showing their images
// from the bar's image list and, with ShowCaptions, their captions.
#include <string>

#include "platform/controls/common/ImageList.h"
#include "platform/controls/core/WinControl.h"

class TToolBar;

class TToolButton : public TControl {
 public:
  explicit TToolButton(TComponent* owner);
  void BeforeDestruction() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  void WndProc(TMessage& message) override;

 protected:
  void ParentChanged() override;

 private:
  friend class TToolBar;
  void Changed();

  int FImageIndex = -1;
  TToolBar* FToolBar = nullptr;
};

class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* owner);
  void BeforeDestruction() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool value);

  int ButtonCount() const;
  TToolButton* Buttons(int index) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TToolButton;
  // Gives the window the buttons and images the bar has now.
  void UpdateButtons();

  TImageList* FImages = nullptr;
  bool FShowCaptions = false;
};
