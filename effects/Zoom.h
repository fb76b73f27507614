#pragma once
// The zoom outline between the screen corner or the notification area and a window.
#include "forms/Form.h"
#include "services/Platform.h"

namespace kestal {

// Where the outline comes from on opening and goes to on closing.
enum class ZoomAnchor {
  ScreenCorner,      // the bottom-right pixel of the desktop
  NotificationArea,  // where the program's icon lives
};

enum class ZoomDirection {
  Opening,  // from the anchor to the window
  Closing,  // from the window to the anchor, then the window is hidden and released
};

// Closing a hidden window draws nothing and leaves it alone. With the system's animations off
// no outline is drawn; the window is still hidden and released on closing.
void ZoomWindow(Platform& platform, Form& window, ZoomAnchor anchor, ZoomDirection direction);
// The zoom for the notification-area anchor: without a notification area the outline goes to
// the program's icon, without that to the taskbar's end where the clock is, and only without a
// taskbar to the top-left corner of the screen.
void ZoomWithTray(Platform& platform, Form& window, ZoomDirection direction);

}  // namespace kestal
