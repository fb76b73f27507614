#include <algorithm>
#include <iterator>

#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE &&
              kNimSetFocus == NIM_SETFOCUS);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
static_assert(kTrayCallbackMessage == WM_MOUSEMOVE && kTrayLeftButtonDown == WM_LBUTTONDOWN &&
              kTrayLeftDoubleClick == WM_LBUTTONDBLCLK && kTrayRightButtonUp == WM_RBUTTONUP);
static_assert(kTraySelect == NIN_SELECT && kTrayKeySelect == NIN_KEYSELECT &&
              kTrayContextMenu == WM_CONTEXTMENU);
static_assert(std::size(NOTIFYICONDATAW{}.szTip) >= std::size(TrayIconRecord{}.szTip));

bool Win32Tray::NotifyIcon(unsigned message, const TrayIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = reinterpret_cast<HWND>(record.hWnd);
  data.uID = record.uID;
  // In the icon's current form the shell shows the tooltip only when asked to.
  data.uFlags = record.uFlags | ((record.uFlags & NIF_TIP) ? NIF_SHOWTIP : 0);
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  // The rest of the system's longer field stays zero, so a full field still ends.
  std::copy(std::begin(record.szTip), std::end(record.szTip), data.szTip);
  const bool taken = Shell_NotifyIconW(message, &data) != FALSE;
  if (taken && message == NIM_ADD) {
    // The current form: the keyboard reaches the icon, and every event brings the icon's anchor
    // point, where a menu opened by the keyboard belongs.
    data.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &data);
  }
  return taken;
}

}  // namespace kestal::win32
