#pragma once
// The zoom outline between the screen corner or the notification area and a window.
#include "platform/Form.h"

namespace kestal::rg {

inline constexpr int kAnchorScreenCorner = 8;
inline constexpr int kAnchorTray = 10;
inline constexpr int kOpening = 0;
inline constexpr int kClosing = 1;

// Direction 0 draws from the anchor to the window; direction 1 draws from the window to the
// anchor, then hides and releases the window (a hidden window is left alone).
void ZoomWindow(Form& window, int anchor, int direction);
void ZoomWithTray(Form& window, int direction);

}  // namespace kestal::rg
