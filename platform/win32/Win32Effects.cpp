#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {
HWND ToHwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}
WindowHandle FromHwnd(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}
RECT ToRect(const PixelRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}
}  // namespace

WindowHandle Win32Effects::GetDesktopWindow() {
  return FromHwnd(::GetDesktopWindow());
}

void Win32Effects::GetWindowRect(WindowHandle window, PixelRect& rect) {
  RECT r{};
  if (::GetWindowRect(ToHwnd(window), &r)) rect = PixelRect{r.left, r.top, r.right, r.bottom};
}

void Win32Effects::DrawAnimatedRects(WindowHandle window, int idAni, const PixelRect& from,
                                     const PixelRect& to) {
  const RECT a = ToRect(from), b = ToRect(to);
  ::DrawAnimatedRects(ToHwnd(window), idAni, &a, &b);
}

WindowHandle Win32Effects::FindWindow(std::string_view className) {
  const std::wstring name = Wide(className);
  return FromHwnd(::FindWindowW(name.c_str(), nullptr));
}

WindowHandle Win32Effects::GetWindow(WindowHandle window, int command) {
  return FromHwnd(::GetWindow(ToHwnd(window), static_cast<UINT>(command)));
}

int Win32Effects::GetClassName(WindowHandle window, std::string& buffer, int maxCount) {
  buffer.clear();
  if (maxCount <= 0) return 0;
  std::wstring name(static_cast<size_t>(maxCount), L'\0');
  const int copied = ::GetClassNameW(ToHwnd(window), name.data(), maxCount);
  if (copied <= 0) return 0;
  name.resize(static_cast<size_t>(copied));
  buffer = Narrow(name);
  return copied;
}

void Win32Effects::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                                int cy, unsigned flags) {
  ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

RegionHandle Win32Effects::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  return reinterpret_cast<RegionHandle>(::CreateRoundRectRgn(x1, y1, x2, y2, w, h));
}

void Win32Effects::SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) {
  HRGN handle = reinterpret_cast<HRGN>(region);
  // The window owns the region once it is set; when it can't be set, nobody does.
  if (!::SetWindowRgn(ToHwnd(window), handle, redraw ? TRUE : FALSE) && handle) {
    DeleteObject(handle);
  }
}

}  // namespace kestal::win32
