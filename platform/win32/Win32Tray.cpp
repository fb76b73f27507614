#include <algorithm>
#include <iterator>

#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
static_assert(kTrayCallbackMessage == WM_MOUSEMOVE && kTrayLeftButtonDown == WM_LBUTTONDOWN &&
              kTrayLeftDoubleClick == WM_LBUTTONDBLCLK && kTrayRightButtonUp == WM_RBUTTONUP);
static_assert(std::size(NOTIFYICONDATAW{}.szTip) >= std::size(TrayIconRecord{}.szTip));

bool Win32Tray::NotifyIcon(unsigned message, const TrayIconRecord& record) {
  // The record's first form: what every version of the shell takes.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = reinterpret_cast<HWND>(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  // The rest of the system's longer field stays zero, so a full field still ends.
  std::copy(std::begin(record.szTip), std::end(record.szTip), data.szTip);
  return Shell_NotifyIconW(message, &data) != FALSE;
}

}  // namespace kestal::win32
