#include <string>

#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Surface.h"

namespace kestal::win32 {

namespace {

HWND ToHwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}

std::optional<PixelRect> RectOf(HWND window) {
  RECT r{};
  if (!window || !::GetWindowRect(window, &r)) return std::nullopt;
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

// The taskbar's direct child of class "TrayNotifyWnd" (the class name must match exactly, case
// included); grandchildren are not searched.
HWND NotificationAreaWindow() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  for (HWND child = taskbar ? GetWindow(taskbar, GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[100];
    const int length = GetClassNameW(child, name, static_cast<int>(std::size(name)));
    if (std::wstring_view(name, static_cast<size_t>(std::max(length, 0))) == L"TrayNotifyWnd") {
      return child;
    }
  }
  return nullptr;
}

}  // namespace

PixelRect Win32Effects::DesktopRect() {
  return RectOf(GetDesktopWindow()).value_or(PixelRect{});
}

std::optional<PixelRect> Win32Effects::WindowRect(WindowHandle window) {
  return RectOf(ToHwnd(window));
}

std::optional<PixelRect> Win32Effects::NotificationArea() {
  return RectOf(NotificationAreaWindow());
}

void Win32Effects::AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) {
  const RECT a{from.left, from.top, from.right, from.bottom};
  const RECT b{to.left, to.top, to.right, to.bottom};
  DrawAnimatedRects(ToHwnd(window), IDANI_CAPTION, &a, &b);
}

void Win32Effects::MakeTopmost(WindowHandle window) {
  SetWindowPos(ToHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Effects::EndTopmost(WindowHandle window) {
  constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND hwnd = ToHwnd(window);
  SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kInPlace);
  // Wine keeps an owned window right above its owner: while the hidden owner lies next to the
  // topmost windows, that keeps this one topmost too. Below everything the owner frees it.
  HWND owner = GetWindow(hwnd, GW_OWNER);
  if (owner && (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, kInPlace);
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kInPlace);
  }
}

void Win32Effects::RoundOutline(WindowHandle window, int widthTwips, int heightTwips,
                                int cornerTwips) {
  // The window keeps the outline and cuts it again at another density.
  if (Win32Surface* surface = Win32Surface::FromWindow(ToHwnd(window))) {
    surface->RoundOutline(widthTwips, heightTwips, cornerTwips);
  }
}

}  // namespace kestal::win32
