#include <cstddef>
#include <cstring>

#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

// The program's record is the system's NOTIFYICONDATAW in its first form, field for field.
static_assert(sizeof(NotifyIconRecord) == NOTIFYICONDATAW_V1_SIZE);
static_assert(kNotifyIconRecordSize == NOTIFYICONDATAW_V1_SIZE);
static_assert(offsetof(NotifyIconRecord, cbSize) == offsetof(NOTIFYICONDATAW, cbSize));
static_assert(offsetof(NotifyIconRecord, hWnd) == offsetof(NOTIFYICONDATAW, hWnd));
static_assert(offsetof(NotifyIconRecord, uID) == offsetof(NOTIFYICONDATAW, uID));
static_assert(offsetof(NotifyIconRecord, uFlags) == offsetof(NOTIFYICONDATAW, uFlags));
static_assert(offsetof(NotifyIconRecord, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAW, uCallbackMessage));
static_assert(offsetof(NotifyIconRecord, hIcon) == offsetof(NOTIFYICONDATAW, hIcon));
static_assert(offsetof(NotifyIconRecord, szTip) == offsetof(NOTIFYICONDATAW, szTip));
static_assert(sizeof(NotifyIconRecord::szTip) == 64 * sizeof(WCHAR));
static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);

bool Win32Tray::NotifyIcon(unsigned message, const NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  std::memcpy(&data, &record, NOTIFYICONDATAW_V1_SIZE);
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  return Shell_NotifyIconW(message, &data) != FALSE;
}

}  // namespace kestal::win32
