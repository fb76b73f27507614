#include "effects/Zoom.h"

namespace kestal {

namespace {

// The one-pixel vertical strip at the horizontal middle of a rectangle, as tall as it is.
PixelRect MiddleStrip(const PixelRect& area) {
  const auto c = static_cast<int32_t>(RoundHalfEven(area.right - (area.right - area.left) / 2.0));
  return {c, area.top, c + 1, area.bottom};
}

bool HasSize(const PixelRect& r) {
  return r.right > r.left && r.bottom > r.top;
}

// The end of the taskbar where the clock and the icons are, as a strip across it: the right end
// of a taskbar along the top or bottom of the screen, the bottom end of one along a side.
PixelRect ClockEnd(const PixelRect& taskbar) {
  if (taskbar.right - taskbar.left >= taskbar.bottom - taskbar.top) {
    return {taskbar.right - 1, taskbar.top, taskbar.right, taskbar.bottom};
  }
  return {taskbar.left, taskbar.bottom - 1, taskbar.right, taskbar.bottom};
}

// Where the outline meets the tray: the notification area's middle strip; without a
// notification area the program's own icon; without either the taskbar's clock end; without a
// taskbar the strip of an empty rectangle, (0, 0, 1, 0), the top-left corner.
PixelRect TrayAnchor(WindowEffects& effects, WindowHandle window) {
  const auto area = effects.NotificationArea();
  if (area && HasSize(*area)) return MiddleStrip(*area);
  if (const auto icon = effects.TrayIconRect(window); icon && HasSize(*icon)) return *icon;
  if (const auto taskbar = effects.TaskbarRect(); taskbar && HasSize(*taskbar)) {
    return ClockEnd(*taskbar);
  }
  return MiddleStrip(PixelRect{});
}

// The outline, unless the user has turned the system's animations off.
void Animate(WindowEffects& effects, WindowHandle window, const PixelRect& from,
             const PixelRect& to) {
  if (effects.AnimationsOn()) effects.AnimateOutline(window, from, to);
}

// Hides the closed window and asks for its release. From inside the window's own Form_Unload
// the window layer ignores that nested request and releases the window once, afterwards.
void HideAndRelease(Platform& platform, Form& window) {
  platform.windows.Hide(window);
  platform.windows.DoEvents();
  platform.windows.Unload(window);
}

// The outline from the anchor into the window, or from the window to the anchor and then the
// window hidden and released; closing onto the screen corner lets messages through once more
// before the window is hidden.
void Zoom(Platform& platform, Form& window, const PixelRect& anchor, ZoomDirection direction,
          bool letThroughBeforeHiding) {
  WindowEffects& effects = platform.effects;
  const WindowHandle handle = window.hWnd();
  const PixelRect rect = effects.WindowRect(handle).value_or(PixelRect{});
  if (direction == ZoomDirection::Opening) {
    Animate(effects, handle, anchor, rect);
    platform.windows.DoEvents();
    return;
  }
  Animate(effects, handle, rect, anchor);
  if (letThroughBeforeHiding) platform.windows.DoEvents();
  HideAndRelease(platform, window);
}

}  // namespace

void ZoomWindow(Platform& platform, Form& window, ZoomAnchor anchor, ZoomDirection direction) {
  // A hidden window has nothing to zoom away; it goes on unloading as it was.
  if (direction == ZoomDirection::Closing && !window.Visible()) return;
  // Released meanwhile (closed while it was still opening): nothing left to draw.
  if (window.hWnd() == 0) return;
  if (anchor == ZoomAnchor::NotificationArea) {
    ZoomWithTray(platform, window, direction);
    return;
  }
  // The bottom-right pixel of the desktop.
  const PixelRect desktop = platform.effects.DesktopRect();
  const PixelRect corner{desktop.right - 1, desktop.bottom - 1, desktop.right, desktop.bottom};
  Zoom(platform, window, corner, direction, true);
}

void ZoomWithTray(Platform& platform, Form& window, ZoomDirection direction) {
  Zoom(platform, window, TrayAnchor(platform.effects, window.hWnd()), direction, false);
}

}  // namespace kestal
