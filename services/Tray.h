#pragma once
// The notification-area icon, as the program describes it to the shell. The message and flag
// codes are the shell's own (the Win32 layer checks them against its headers).
#include <cstdint>

#include "forms/WindowHandle.h"

namespace kestal {

// The program's one icon, known to the shell by its window and this id.
inline constexpr uint32_t kTrayIconId = 1;

inline constexpr unsigned kNimAdd = 0;
inline constexpr unsigned kNimModify = 1;
inline constexpr unsigned kNimDelete = 2;
inline constexpr unsigned kNimSetFocus = 3;  // the keyboard focus back to the notification area
inline constexpr uint32_t kNifMessage = 1;
inline constexpr uint32_t kNifIcon = 2;
inline constexpr uint32_t kNifTip = 4;
// The icon's events come to its window as pointer-move messages (512), the event's own code
// where the pointer's position would be: left button down, left double click, right button up.
inline constexpr uint32_t kTrayCallbackMessage = 512;
inline constexpr int kTrayLeftButtonDown = 513;
inline constexpr int kTrayLeftDoubleClick = 515;
inline constexpr int kTrayRightButtonUp = 517;
// The shell also reports a selection by the left button (after a click) or by the keyboard
// (Enter, Space), and the menu key; a right button release is followed by the same code.
inline constexpr int kTraySelect = 0x400;
inline constexpr int kTrayKeySelect = 0x401;
inline constexpr int kTrayContextMenu = 0x7B;

// The icon's record: the window that hears its events, its id, which of the fields below count,
// the message its events come as, the icon shown and the tooltip field.
struct TrayIconRecord {
  WindowHandle hWnd = 0;
  uint32_t uID = 0;
  uint32_t uFlags = 0;
  uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;
  // The tooltip: the text up to its NUL, then blanks up to the field's 64 characters.
  char16_t szTip[64] = {};
};

class TrayArea {
 public:
  virtual ~TrayArea() = default;
  // Adds, changes or removes the icon: true when the shell took the request.
  virtual bool NotifyIcon(unsigned message, const TrayIconRecord& record) = 0;
};

}  // namespace kestal
