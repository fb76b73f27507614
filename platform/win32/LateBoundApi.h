#pragma once
// System functions bound when first needed: those of comctl32 and winmm, whose libraries are
// loaded only then (the program spends nearly all its life in the tray, where it has no controls
// and plays no sound, and each library costs start-up time and private memory there), and those
// of user32 that older systems lack.
#include "platform/win32/Win32Api.h"

namespace kestal::win32::late {

// Loads comctl32 (version 6 through the manifest) and registers its standard control classes,
// once; before the first button or text box is created.
void InitCommonControls();

// The look of an option button or check box without the visual style's (which ignores the
// caption's colour); does nothing where uxtheme is missing.
void SetWindowTheme(HWND window, LPCWSTR subApplication, LPCWSTR subIdentifiers);

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);

// For screen readers: oleacc, ole32 and oleaut32, loaded when a reader first asks.
LRESULT LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object);
HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID riid, void** object);
HRESULT AccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID riid, void** object);
// COM on this thread (once); false when it can't be had.
bool InitialiseCom();
// Ends what InitialiseCom began, on the same thread, at exit.
void UninitialiseCom();
HRESULT CoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases);
// A BSTR of the text; null when oleaut32 is missing or memory ran out.
BSTR SysAllocStringLen(const wchar_t* text, UINT length);

// The per-monitor density calls of Windows 10 (1607) on; 0 where the system lacks them.
UINT GetDpiForWindow(HWND window);
int GetSystemMetricsForDpi(int index, UINT dpi);

// sndPlaySoundW; `load` false means: do not load winmm just for this (a stop when nothing can
// be playing yet). FALSE when winmm is not there.
BOOL SndPlaySound(LPCWSTR sound, UINT flags, bool load = true);

}  // namespace kestal::win32::late
