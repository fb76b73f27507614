#pragma once
// Screen density. The program is per-monitor aware: each window lays out at the density of the
// monitor it is on. The per-monitor calls exist from Windows 10 (1607) on; before that every
// window has the system's density.
#include "forms/Geometry.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

int SystemDpi();
// The density of the monitor the window is on; the system's when the system can't tell.
int WindowDpi(HWND window);
// The small icon's side (the tray's icon) at that density.
int SmallIconSize(int dpi);
// The primary monitor in physical pixels (the program is per-monitor aware), counted in twips
// of that many twips a pixel.
ScreenMetrics ScreenInTwips(double twipsPerPixel);

}  // namespace kestal::win32
