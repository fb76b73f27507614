#include "platform/win32/Win32Effects.h"

#include <string>

#include "platform/win32/Win32TrayIcon.h"
#include "platform/win32/ZoomOutline.h"

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

// The taskbar, while it shows.
HWND TaskbarWindow() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  return taskbar && IsWindowVisible(taskbar) ? taskbar : nullptr;
}

// The taskbar's direct child of class "TrayNotifyWnd" (the class name must match exactly, case
// included) while it shows; grandchildren are not searched.
HWND NotificationAreaWindow() {
  HWND taskbar = TaskbarWindow();
  for (HWND child = taskbar ? GetWindow(taskbar, GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[100];
    const int length = GetClassNameW(child, name, static_cast<int>(std::size(name)));
    if (std::wstring_view(name, static_cast<size_t>(std::max(length, 0))) == L"TrayNotifyWnd") {
      return IsWindowVisible(child) ? child : nullptr;
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

std::optional<PixelRect> Win32Effects::TrayIconRect(WindowHandle window) {
  // The icon belongs to the hidden start-up window, which owns every window of the program.
  NOTIFYICONIDENTIFIER icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = GetWindow(ToHwnd(window), GW_OWNER);
  icon.uID = Win32TrayIcon::kIconId;
  RECT r{};
  if (!icon.hWnd || FAILED(Shell_NotifyIconGetRect(&icon, &r))) return std::nullopt;
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

std::optional<PixelRect> Win32Effects::TaskbarRect() {
  return RectOf(TaskbarWindow());
}

bool Win32Effects::AnimationsOn() {
  BOOL on = TRUE;
  // Where the system can't tell, the zoom shows, as it always did.
  if (!SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0)) return true;
  return on != FALSE;
}

void Win32Effects::AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) {
  PlayZoomOutline(ToHwnd(window), from, to);
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

}  // namespace kestal::win32
