#pragma once
// What the window effects ask of the platform: where the desktop, a window and the taskbar's
// notification area are, an outline that zooms between two rectangles, staying above the other
// windows, and a rounded outline.
#include <optional>

#include "platform/window/Geometry.h"
#include "platform/window/WindowHandle.h"

namespace kestal {

class WindowEffects {
 public:
  virtual ~WindowEffects() = default;
  // Screen pixels, as the platform's window rectangles are.
  virtual PixelRect DesktopRect() = 0;
  // The window's outer rectangle; none when the window does not exist.
  virtual std::optional<PixelRect> WindowRect(WindowHandle window) = 0;
  // The taskbar's notification area, where the program's icon lives; none when the shell has
  // no taskbar or no such area.
  virtual std::optional<PixelRect> NotificationArea() = 0;
  // Draws the caption outline zooming from one rectangle to the other; returns when it is done.
  virtual void AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) = 0;
  // The window stays above every window that isn't topmost; neither moved nor sized.
  virtual void MakeTopmost(WindowHandle window) = 0;
  // The window no longer stays above the others (it hands the user to another program).
  virtual void EndTopmost(WindowHandle window) = 0;
  // Cuts the window to a rectangle of that size whose corners are rounded by an ellipse
  // `corner` wide and high, all in the window's twips: the platform turns them into pixels at the
  // window's own density, and again whenever that changes. The window keeps that outline.
  virtual void RoundOutline(WindowHandle window, int widthTwips, int heightTwips,
                            int cornerTwips) = 0;
};

}  // namespace kestal
