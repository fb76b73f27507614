#include "effects/rg.h"

#include <string>
#include <string_view>

#include "app/Program.h"
#include "platform/Geometry.h"

namespace kestal::rg {

namespace {

Platform& PlatformOf(Form& window) {
  return window.program().platform;
}

// The one-pixel vertical strip at the horizontal middle of a rectangle, as tall as it is.
PixelRect MiddleStrip(const PixelRect& area) {
  const auto c = static_cast<int32_t>(RoundHalfEven(area.right - (area.right - area.left) / 2.0));
  return {c, area.top, c + 1, area.bottom};
}

// Hides the closed window and asks for its release. From inside the window's own Form_Unload
// the window layer ignores that nested request and releases the window once, afterwards.
void HideAndRelease(Form& window) {
  Platform& platform = PlatformOf(window);
  platform.windows.Hide(window);
  platform.windows.DoEvents();
  platform.windows.Unload(window);
}

}  // namespace

void ZoomWindow(Form& window, int anchor, int direction) {
  // A hidden window has nothing to zoom away; it goes on unloading as it was.
  if (direction == kClosing && !window.Visible()) return;
  // Released meanwhile (closed while it was still opening): nothing left to draw.
  if (window.hWnd() == 0) return;
  Platform& platform = PlatformOf(window);
  WindowEffects& effects = platform.effects;

  PixelRect desktop;
  effects.GetWindowRect(effects.GetDesktopWindow(), desktop);
  if (anchor == kAnchorTray) {
    ZoomWithTray(window, direction);
    return;
  }
  // The bottom-right pixel of the desktop.
  const PixelRect corner{desktop.right - 1, desktop.bottom - 1, desktop.right, desktop.bottom};

  const WindowHandle handle = window.hWnd();
  PixelRect rect;
  effects.GetWindowRect(handle, rect);
  if (direction == kOpening) {
    effects.DrawAnimatedRects(handle, kIdAniCaption, corner, rect);
    platform.windows.DoEvents();
  } else if (direction == kClosing) {
    effects.DrawAnimatedRects(handle, kIdAniCaption, rect, corner);
    platform.windows.DoEvents();
    HideAndRelease(window);
  }
}

void ZoomWithTray(Form& window, int direction) {
  Platform& platform = PlatformOf(window);
  WindowEffects& effects = platform.effects;
  PixelRect area, rect;

  // The notification area is the taskbar's direct child of class "TrayNotifyWnd"; when there is
  // none, the handle ends as 0 and the strip falls back to the top-left corner of the screen.
  constexpr int kClassNameBuffer = 100;
  constexpr std::string_view kNotifyClass = "TrayNotifyWnd";
  std::string className;
  WindowHandle child = effects.GetWindow(effects.FindWindow("Shell_TrayWnd"), kGwChild);
  do {
    const int copied = effects.GetClassName(child, className, kClassNameBuffer);
    if (std::string_view(className).substr(0, static_cast<size_t>(copied > 0 ? copied : 0)) ==
        kNotifyClass)
      break;
    child = effects.GetWindow(child, kGwHwndNext);
  } while (child != 0);

  const WindowHandle handle = window.hWnd();
  if (direction == kOpening) {
    effects.GetWindowRect(child, area);
    effects.GetWindowRect(handle, rect);
    effects.DrawAnimatedRects(handle, kIdAniCaption, MiddleStrip(area), rect);
    platform.windows.DoEvents();
  } else if (direction == kClosing) {
    effects.GetWindowRect(handle, rect);
    effects.GetWindowRect(child, area);
    effects.DrawAnimatedRects(handle, kIdAniCaption, rect, MiddleStrip(area));
    HideAndRelease(window);
  }
}

}  // namespace kestal::rg
