#pragma once
// System functions of comctl32 and winmm, loaded the first time they are needed rather than at
// start: the program spends nearly all its life in the tray, where it has no controls and plays
// no sound, and each of those libraries costs start-up time and private memory there.
#include "platform/win32/Win32Api.h"

namespace kestal::win32::late {

// Loads comctl32 (version 6 through the manifest) and registers its standard control classes,
// once; before the first button or text box is created.
void InitCommonControls();

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);

// sndPlaySoundW; `load` false means: do not load winmm just for this (a stop when nothing can
// be playing yet). FALSE when winmm is not there.
BOOL SndPlaySound(LPCWSTR sound, UINT flags, bool load = true);

}  // namespace kestal::win32::late
