#pragma once
// A rectangle that is a published property of its owner and says when it changes.
#include <windows.h>

#include "platform/classes/Component.h"

class TcxRect : public TPersistent {
 public:
  explicit TcxRect(TPersistent* owner) : FOwner(owner) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  TPersistent* GetOwner() const override { return FOwner; }

  const RECT& Rect() const { return FRect; }
  // Stores a different rectangle and tells OnChange; the same one changes nothing.
  void SetRect(const RECT& value);

  int Left() const { return FRect.left; }
  int Top() const { return FRect.top; }
  int Right() const { return FRect.right; }
  int Bottom() const { return FRect.bottom; }
  void SetLeft(int value) { SetValue(&RECT::left, value); }
  void SetTop(int value) { SetValue(&RECT::top, value); }
  void SetRight(int value) { SetValue(&RECT::right, value); }
  void SetBottom(int value) { SetValue(&RECT::bottom, value); }

  void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

 private:
  void SetValue(LONG RECT::*side, int value);

  TPersistent* FOwner;
  RECT FRect{};
  TNotifyEvent FOnChange;
};

void cxGeometryInitialize();
void cxGeometryFinalize();
