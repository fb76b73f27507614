#pragma once
// The Win32 headers, for the platform layer only. The interfaces share some names with the
// system's A/W macros (FindWindow, GetClassName, ShellExecute, PlaySound); those macros are
// dropped here so the interfaces keep their names, and the layer calls the W functions by name.
#include <windows.h>

// The rest build on windows.h.
#include <commctrl.h>
#include <mmsystem.h>
#include <oleacc.h>
#include <shellapi.h>
#include <uxtheme.h>
#include <windowsx.h>

#undef FindWindow
#undef GetClassName
#undef ShellExecute
#undef PlaySound
