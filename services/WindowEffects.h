#pragma once
// What the window effects ask of the platform: where the desktop, a window, the taskbar's
// notification area and the program's icon are, whether the user wants animations, an outline
// that zooms between two rectangles, staying above the other windows, and a rounded outline.
#include <optional>

#include "forms/Geometry.h"
#include "forms/WindowHandle.h"

namespace kestal {

class WindowEffects {
 public:
  virtual ~WindowEffects() = default;
  // Screen pixels, as the platform's window rectangles are.
  virtual PixelRect DesktopRect() = 0;
  // The window's outer rectangle; none when the window does not exist.
  virtual std::optional<PixelRect> WindowRect(WindowHandle window) = 0;
  // The taskbar's notification area, where the program's icon lives; none when the shell has
  // no taskbar, no such area, or only a hidden one (whose rectangle may be stale).
  virtual std::optional<PixelRect> NotificationArea() = 0;
  // The program's own icon in the notification area (the icon of the window's owner, the
  // hidden start-up window); none when the shell can't tell.
  virtual std::optional<PixelRect> TrayIconRect(WindowHandle window) = 0;
  // The taskbar itself; none when there is no taskbar on the screen.
  virtual std::optional<PixelRect> TaskbarRect() = 0;
  // False when the user has turned the system's animation effects off.
  virtual bool AnimationsOn() = 0;
  // Draws an outline moving from one rectangle to the other, above every window, as the
  // window's zoom; returns when it is done and has left nothing on the screen.
  virtual void AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) = 0;
  // The window stays above every window that isn't topmost; neither moved nor sized.
  virtual void MakeTopmost(WindowHandle window) = 0;
  // The window no longer stays above the others (it hands the user to another program).
  virtual void EndTopmost(WindowHandle window) = 0;
};

}  // namespace kestal
