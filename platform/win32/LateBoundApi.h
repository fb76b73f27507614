#pragma once
// System functions bound when first needed: those of comctl32 and winmm, whose libraries are
// loaded only then (the program spends nearly all its life in the tray, where it has no controls
// and plays no sound, and each library costs start-up time and private memory there), those of
// ole32, loaded when a link is opened or a screen reader first asks, those of oleacc and
// oleaut32, loaded when a screen reader first asks, those of dwmapi, loaded with the first zoom,
// and those of user32 that older systems lack.
// uxtheme, which the windowing loads anyway, is linked as usual.
#include "platform/win32/Win32Api.h"

namespace kestal::win32::late {

// Loads comctl32 (version 6 through the manifest) and registers its standard control classes,
// once; before the first button or text box is created.
void InitCommonControls();

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);

// COM's apartment, entered when first needed; E_NOTIMPL when ole32 is missing.
HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();
HRESULT CoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases);
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                         void** object);

// For screen readers: oleacc and oleaut32, loaded when a reader first asks.
LRESULT LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object);
HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID riid, void** object);
HRESULT AccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID riid, void** object);
// A BSTR of the text; null when oleaut32 is missing or memory ran out.
BSTR SysAllocStringLen(const wchar_t* text, UINT length);
void SysFreeString(BSTR text);

// The per-monitor density calls of Windows 10 (1607) on; 0 where the system lacks them.
UINT GetDpiForWindow(HWND window);
int GetSystemMetricsForDpi(int index, UINT dpi);

// The desktop compositor's: whether it composes the desktop (FALSE where dwmapi is missing), and
// a wait for its next composed frame (E_NOTIMPL where dwmapi is missing).
HRESULT DwmIsCompositionEnabled(BOOL* enabled);
HRESULT DwmFlush();

// sndPlaySoundW; `load` false means: do not load winmm just for this (a stop when nothing can
// be playing yet). FALSE when winmm is not there.
BOOL SndPlaySound(LPCWSTR sound, UINT flags, bool load = true);

}  // namespace kestal::win32::late
