#pragma once
// Owning types for the Win32 handles the program makes: each frees its handle when it goes, so
// that no handle is released by hand anywhere else, whatever path a function leaves by.
#include <utility>

#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// The one owner of a handle; `Free` releases it.
template <typename Handle, void (*Free)(Handle)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Gives the handle away (to the system, which owns it from then on).
  Handle release() { return std::exchange(handle_, Handle{}); }
  // The place where a function that makes a handle writes it; what was held goes first.
  Handle* put() {
    reset();
    return &handle_;
  }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Free(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

namespace free {
template <typename Object>
void GdiObject(Object object) {
  DeleteObject(object);
}
inline void Icon(HICON icon) {
  DestroyIcon(icon);
}
inline void Menu(HMENU menu) {
  DestroyMenu(menu);
}
inline void Key(HKEY key) {
  RegCloseKey(key);
}
inline void MemoryDc(HDC dc) {
  DeleteDC(dc);
}
inline void Window(HWND window) {
  DestroyWindow(window);
}
inline void Handle(HANDLE handle) {
  CloseHandle(handle);
}
template <typename Interface>
void Com(Interface* object) {
  object->Release();
}
}  // namespace free

template <typename Object>
using GdiObject =
    Owned<Object, &free::GdiObject<Object>>;  // fonts, brushes, pens, bitmaps, regions
using UniqueIcon = Owned<HICON, &free::Icon>;
using UniqueMenu = Owned<HMENU, &free::Menu>;
using UniqueKey = Owned<HKEY, &free::Key>;
using MemoryDc = Owned<HDC, &free::MemoryDc>;     // from CreateCompatibleDC
using UniqueWindow = Owned<HWND, &free::Window>;  // a window of the platform layer's own
using UniqueHandle = Owned<HANDLE, &free::Handle>;
// A reference to a COM object, released when it goes.
template <typename Interface>
using ComRef = Owned<Interface*, &free::Com<Interface>>;

// A window's device context (the screen's for no window), released with the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and the EndPaint that always follows it.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context for one scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, previous_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The width of an icon in pixels (0 when it can't be read).
inline int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  // The icon's bitmaps are copies that the caller owns.
  const GdiObject<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
  BITMAP bitmap{};
  return GetObjectW(mask.get(), sizeof(bitmap), &bitmap) ? bitmap.bmWidth : 0;
}

}  // namespace kestal::win32
