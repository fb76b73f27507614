#pragma once
// System functions that older Windows lacks, bound at run time. (The libraries the program needs
// only for some of what it does are delay-loaded by the linker: cmake/DelayLoad.cmake, and
// LateBoundApi.cpp says where they are loaded from.)
#include "platform/win32/Win32Api.h"

namespace kestal::win32::late {

// The per-monitor density calls of Windows 10 (1607) on; 0 where the system lacks them.
UINT GetDpiForWindow(HWND window);
int GetSystemMetricsForDpi(int index, UINT dpi);

}  // namespace kestal::win32::late
