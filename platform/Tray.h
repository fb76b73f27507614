#pragma once
// The notification-area icon. NotifyIconRecord has exactly the layout of the platform's
// NOTIFYICONDATAW in its first form (the Win32 layer checks this when it is compiled).
#include <cstdint>

#include "platform/WindowHandle.h"

namespace kestal {

inline constexpr unsigned kNimAdd = 0;
inline constexpr unsigned kNimModify = 1;
inline constexpr unsigned kNimDelete = 2;
inline constexpr uint32_t kNifMessage = 1;
inline constexpr uint32_t kNifIcon = 2;
inline constexpr uint32_t kNifTip = 4;

struct NotifyIconRecord {
  uint32_t cbSize = 0;
  WindowHandle hWnd = 0;
  uint32_t uID = 0;
  uint32_t uFlags = 0;
  uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;
  char16_t szTip[64] = {};
};

// Size of the first form of the record on this platform.
inline constexpr uint32_t kNotifyIconRecordSize = sizeof(NotifyIconRecord);

class TrayArea {
 public:
  virtual ~TrayArea() = default;
  // Shell_NotifyIcon: true when the shell took the request.
  virtual bool NotifyIcon(unsigned message, const NotifyIconRecord& record) = 0;
};

}  // namespace kestal
