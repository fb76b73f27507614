#pragma once
// The zoom's outline, drawn by the program in a window of its own: the system's caption
// animation draws straight onto the screen, which the desktop compositor (Windows 8 on) does not
// show reliably, and Wine does not draw at all. Only the line's own pixels are drawn: the window
// is shaped to the line, and everything inside and around it goes on showing as it changes.
#include "forms/Geometry.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// Moves an outline from one rectangle to the other (screen pixels) in about a quarter of a
// second, above every window, and returns once it is gone. `window` is the window that opens or
// closes: the outline's width follows its density. Messages are not let through meanwhile.
void PlayZoomOutline(HWND window, const PixelRect& from, const PixelRect& to);

}  // namespace kestal::win32
