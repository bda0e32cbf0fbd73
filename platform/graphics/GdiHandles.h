#pragma once
// The only owners of GDI handles. Every handle the graphics layer creates
// lives in one of these types, so no path leaks it or frees it twice, and an
// object selected into a device context is deselected before anyone frees it.
#include <windows.h>

#include <atomic>
#include <utility>

// How many GDI objects and device contexts the owners below hold right now.
// A leak check reads it where the system keeps no count of a program's GDI
// objects (Wine answers 0 to GetGuiResources).
class TGdiHandleCount {
 public:
  static long Live() { return Counter().load(std::memory_order_relaxed); }
  static void Acquired(const void* handle) {
    if (handle) Counter().fetch_add(1, std::memory_order_relaxed);
  }
  static void Released(const void* handle) {
    if (handle) Counter().fetch_sub(1, std::memory_order_relaxed);
  }

 private:
  static std::atomic<long>& Counter() {
    static std::atomic<long> counter{0};
    return counter;
  }
};

// Owns a pen, brush, font, bitmap or region and deletes it.
template <class H>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) : FHandle(handle) { TGdiHandleCount::Acquired(FHandle); }
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(H handle = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    TGdiHandleCount::Released(FHandle);
    FHandle = handle;
    TGdiHandleCount::Acquired(FHandle);
  }
  // Hands the handle to a new owner (the system, for a window region).
  H Release() {
    TGdiHandleCount::Released(FHandle);
    return std::exchange(FHandle, nullptr);
  }

 private:
  H FHandle = nullptr;
};

// Selects an object into a device context and selects the previous one back.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}
  ~TSelectedObject() { SelectObject(FDC, FPrevious); }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

// A memory device context, deleted with its owner.
class TMemoryDC {
 public:
  TMemoryDC() : FHandle(CreateCompatibleDC(nullptr)) { TGdiHandleCount::Acquired(FHandle); }
  ~TMemoryDC() {
    if (FHandle) DeleteDC(FHandle);
    TGdiHandleCount::Released(FHandle);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;

  HDC Get() const { return FHandle; }

 private:
  HDC FHandle;
};

// The device context of a window's client area (of the screen for no window).
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : FWindow(window), FHandle(GetDC(window)) { TGdiHandleCount::Acquired(FHandle); }
  ~TWindowDC() {
    if (FHandle) ReleaseDC(FWindow, FHandle);
    TGdiHandleCount::Released(FHandle);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return FHandle; }

 private:
  HWND FWindow;
  HDC FHandle;
};

// The device context of a whole window, its frame and bars included.
class TWholeWindowDC {
 public:
  explicit TWholeWindowDC(HWND window) : FWindow(window), FHandle(GetWindowDC(window)) {
    TGdiHandleCount::Acquired(FHandle);
  }
  ~TWholeWindowDC() {
    if (FHandle) ReleaseDC(FWindow, FHandle);
    TGdiHandleCount::Released(FHandle);
  }
  TWholeWindowDC(const TWholeWindowDC&) = delete;
  TWholeWindowDC& operator=(const TWholeWindowDC&) = delete;

  HDC Get() const { return FHandle; }

 private:
  HWND FWindow;
  HDC FHandle;
};

// The device context of one WM_PAINT, ended with its owner.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : FWindow(window) { TGdiHandleCount::Acquired(BeginPaint(window, &FPaint)); }
  ~TPaintDC() {
    EndPaint(FWindow, &FPaint);
    TGdiHandleCount::Released(FPaint.hdc);
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  HDC Get() const { return FPaint.hdc; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
};

// Keeps a device context's clip region and puts it back when it ends, so
// that clipping added meanwhile goes away. A context that had no clip region
// gets none back, not an empty one, which would hide everything.
class TSavedClipRegion {
 public:
  explicit TSavedClipRegion(HDC dc) : FDC(dc), FRegion(CreateRectRgn(0, 0, 0, 0)) {
    if (GetClipRgn(dc, FRegion.Get()) != 1) FRegion.Reset();
  }
  ~TSavedClipRegion() { SelectClipRgn(FDC, FRegion.Get()); }
  TSavedClipRegion(const TSavedClipRegion&) = delete;
  TSavedClipRegion& operator=(const TSavedClipRegion&) = delete;

 private:
  HDC FDC;
  TGdiObject<HRGN> FRegion;
};
