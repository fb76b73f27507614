#include "effects/WindowSequence.h"

#include "effects/Zoom.h"
#include "forms/Geometry.h"

namespace kestal {

namespace {
// The rounded outline's corner: an ellipse 20 pixels wide and high at 96 dpi (15 twips a pixel),
// scaled with the window's density.
constexpr int kOutlineCornerTwips = 20 * 15;
}  // namespace

void CentreOnScreen(Form& window) {
  const ScreenMetrics screen = window.Screen();
  window.Move(static_cast<int>(RoundHalfEven((screen.widthTwips - window.DesignWidth()) * 0.5)),
              static_cast<int>(RoundHalfEven((screen.heightTwips - window.DesignHeight()) * 0.5)));
}

void CutRoundedOutline(Form& window) {
  window.RoundCorners(kOutlineCornerTwips);
}

void WindowSequence::OpenWindow(Form& window, const WindowOpening& steps) {
  if (steps.topmostFirst) platform_.effects.MakeTopmost(window.hWnd());
  CentreOnScreen(window);

  const Color highlight = platform_.windows.HighlightColor();
  window.SetBackColor(highlight);
  if (steps.colourControls) steps.colourControls(highlight);
  window.Refresh();

  if (steps.beforeOutline) steps.beforeOutline();
  if (steps.topmostBeforeOutline) platform_.effects.MakeTopmost(window.hWnd());
  CutRoundedOutline(window);
  if (steps.content) steps.content();

  sound_.PlayWindowSound(kOpenSound);
  ZoomWindow(platform_, window, ZoomAnchor::ScreenCorner, ZoomDirection::Opening);
}

void WindowSequence::CloseWindow(Form& window) {
  // While Windows ends the session nothing may hold it up: the window just goes.
  if (platform_.windows.SessionEnding()) {
    platform_.windows.Hide(window);
    return;
  }
  sound_.PlayWindowSound(kCloseSound);
  ZoomWindow(platform_, window, ZoomAnchor::NotificationArea, ZoomDirection::Closing);
}

}  // namespace kestal
