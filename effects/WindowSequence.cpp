#include "effects/WindowSequence.h"

#include "app/Program.h"
#include "effects/Modulo1.h"
#include "effects/rg.h"
#include "platform/Geometry.h"

namespace kestal {

void MakeTopmost(Form& window) {
  window.program().platform.effects.SetWindowPos(window.hWnd(), kHwndTopmost, 0, 0, 0, 0,
                                                 kSwpNoMove | kSwpNoSize);
}

void CentreOnScreen(Form& window) {
  const ScreenMetrics screen = window.program().platform.windows.Screen();
  window.Move(static_cast<int>(RoundHalfEven((screen.widthTwips - window.Width()) * 0.5)),
              static_cast<int>(RoundHalfEven((screen.heightTwips - window.Height()) * 0.5)));
}

void CutRoundedOutline(Form& window) {
  Platform& platform = window.program().platform;
  const ScreenMetrics screen = platform.windows.Screen();
  const auto width = static_cast<int>(RoundHalfEven(window.Width() / screen.twipsPerPixelX));
  const auto height = static_cast<int>(RoundHalfEven(window.Height() / screen.twipsPerPixelY));
  const RegionHandle region =
      platform.effects.CreateRoundRectRgn(0, 0, width, height, kOutlineCorner, kOutlineCorner);
  // The window owns the region from here on.
  platform.effects.SetWindowRgn(window.hWnd(), region, true);
}

void OpenWindow(Form& window, const WindowOpening& steps) {
  Program& program = window.program();
  if (steps.topmostFirst) MakeTopmost(window);
  CentreOnScreen(window);

  const Color highlight = program.platform.windows.HighlightColor();
  window.SetBackColor(highlight);
  if (steps.colourControls) steps.colourControls(highlight);
  window.Refresh();

  if (steps.beforeOutline) steps.beforeOutline();
  if (steps.topmostBeforeOutline) MakeTopmost(window);
  CutRoundedOutline(window);
  if (steps.content) steps.content();

  PlayWindowSound(program, kOpenSound);
  rg::ZoomWindow(window, rg::kAnchorScreenCorner, rg::kOpening);
}

void CloseWindow(Form& window) {
  PlayWindowSound(window.program(), kCloseSound);
  rg::ZoomWindow(window, rg::kAnchorTray, rg::kClosing);
}

}  // namespace kestal
