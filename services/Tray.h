#pragma once
// The program's icon in the notification area, as the tray window asks for it: shown with its
// tooltip, the tooltip changed, the keyboard handed back, removed. What the shell is sent, and
// the icon at each density, are the platform's.
#include <string_view>

#include "forms/WindowHandle.h"

namespace kestal {

// The shell's events on the icon in its current form, as it sends them: left button down,
// double click and right button up; a selection by the left button (after a click) or by the
// keyboard (Enter, Space); the menu key, also sent right after a right button release.
inline constexpr int kTrayLeftButtonDown = 0x201;
inline constexpr int kTrayLeftDoubleClick = 0x203;
inline constexpr int kTrayRightButtonUp = 0x205;
inline constexpr int kTraySelect = 0x400;
inline constexpr int kTrayKeySelect = 0x401;
inline constexpr int kTrayContextMenu = 0x7B;

class TrayArea {
 public:
  virtual ~TrayArea() = default;
  // Puts the program's icon with this tooltip in the notification area, its events going to
  // the window (Form_TrayEvent), or puts it there again once the taskbar has come back: true
  // when the shell shows it. The tooltip ends at its first NUL.
  virtual bool Show(WindowHandle window, std::string_view tooltip) = 0;
  // The icon's tooltip from now on: true when the shell took it.
  virtual bool SetTooltip(std::string_view tooltip) = 0;
  // The keyboard back to the notification area (a menu it opened was left without a choice).
  virtual void GiveFocusBack() = 0;
  virtual void Remove() = 0;
};

}  // namespace kestal
