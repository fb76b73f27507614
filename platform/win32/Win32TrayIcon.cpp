#include "platform/win32/Win32TrayIcon.h"

#include <algorithm>
#include <iterator>

#include "platform/win32/Dpi.h"
#include "platform/win32/Trace.h"
#include "resources/ResourceIds.h"

namespace kestal::win32 {

static_assert(kTrayLeftButtonDown == WM_LBUTTONDOWN && kTrayLeftDoubleClick == WM_LBUTTONDBLCLK &&
              kTrayRightButtonUp == WM_RBUTTONUP && kTraySelect == NIN_SELECT &&
              kTrayKeySelect == NIN_KEYSELECT && kTrayContextMenu == WM_CONTEXTMENU);

namespace {

void PutTooltip(NOTIFYICONDATAW& data, std::string_view tooltip) {
  const std::u16string units = TooltipUnits(tooltip);
  std::fill(std::begin(data.szTip), std::end(data.szTip), L'\0');
  std::copy(units.begin(), units.end(), data.szTip);
}

}  // namespace

Win32TrayIcon::Win32TrayIcon(HINSTANCE instance) : instance_(instance) {
  data_.cbSize = sizeof(data_);
  data_.uID = kIconId;
  // In the icon's current form the shell shows the tooltip only when asked to.
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data_.uCallbackMessage = kCallbackMessage;
}

Win32TrayIcon::~Win32TrayIcon() {
  Remove();
}

bool Win32TrayIcon::Call(DWORD message) {
  data_.hIcon = icon_.get();
  if (Shell_NotifyIconW(message, &data_)) return true;
  TraceFailure(L"Shell_NotifyIconW");
  return false;
}

void Win32TrayIcon::LoadIcon() {
  const int size = SmallIconSize(WindowDpi(data_.hWnd));
  if (icon_ && size == iconSize_) return;
  UniqueIcon icon(static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDI_KESTAL), IMAGE_ICON, size, size, 0)));
  if (!icon) {
    TraceFailure(L"LoadImageW (the tray's icon)");
    return;
  }
  // The shell may still hold the icon it was given last: freed once the next one replaces it.
  oldIcon_ = std::move(icon_);
  icon_ = std::move(icon);
  iconSize_ = size;
}

bool Win32TrayIcon::Show(WindowHandle window, std::string_view tooltip) {
  data_.hWnd = reinterpret_cast<HWND>(window);
  PutTooltip(data_, tooltip);
  LoadIcon();
  shown_ = calls_.Show([this](IconCall call) {
    if (call != IconCall::SetVersion) return Call(call == IconCall::Add ? NIM_ADD : NIM_MODIFY);
    // The current form: the keyboard reaches the icon, and every event brings the icon's
    // anchor point, where a menu opened by the keyboard belongs.
    data_.uVersion = NOTIFYICON_VERSION_4;
    return Call(NIM_SETVERSION);
  });
  return shown_;
}

bool Win32TrayIcon::SetTooltip(std::string_view tooltip) {
  PutTooltip(data_, tooltip);
  return shown_ && Call(NIM_MODIFY);
}

void Win32TrayIcon::GiveFocusBack() {
  if (shown_) Call(NIM_SETFOCUS);
}

void Win32TrayIcon::Remove() {
  // Also after a failed add: the shell may have taken it all the same.
  if (!data_.hWnd) return;
  Call(NIM_DELETE);
  data_.hWnd = nullptr;
  shown_ = false;
}

void Win32TrayIcon::FollowDensity() {
  const HICON before = icon_.get();
  LoadIcon();
  if (shown_ && icon_.get() != before) Call(NIM_MODIFY);
}

}  // namespace kestal::win32
