#include "platform/win32/LateBoundApi.h"

#include <string>

#include "platform/win32/Trace.h"

namespace kestal::win32::late {

namespace {

template <typename Function>
Function Bind(HMODULE library, const char* name) {
  // The usual cast of a loaded function to its real type.
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
             : nullptr;
}

// comctl32 by its bare name: the manifest's activation context then gives version 6, which a
// full path would bypass.
HMODULE CommonControlsLibrary() {
  static HMODULE library = [] {
    HMODULE loaded = LoadLibraryW(L"comctl32.dll");
    if (!loaded) TraceFailure(L"LoadLibraryW (comctl32)");
    return loaded;
  }();
  return library;
}

// A library of the system folder only, never one from beside the exe.
HMODULE SystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  HMODULE loaded = LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
  if (!loaded) TraceFailure(L"LoadLibraryW (a system library)");
  return loaded;
}

HMODULE ComLibrary() {
  static HMODULE library = SystemLibrary(L"ole32.dll");
  return library;
}

HMODULE AccessibilityLibrary() {
  static HMODULE library = SystemLibrary(L"oleacc.dll");
  return library;
}

HMODULE AutomationLibrary() {
  static HMODULE library = SystemLibrary(L"oleaut32.dll");
  return library;
}

HMODULE CompositorLibrary() {
  static HMODULE library = SystemLibrary(L"dwmapi.dll");
  return library;
}

HMODULE MultimediaLibrary() {
  static HMODULE library = SystemLibrary(L"winmm.dll");
  return library;
}

}  // namespace

HRESULT CoInitializeEx(void* reserved, DWORD model) {
  using Function = HRESULT(WINAPI*)(void*, DWORD);
  static const auto function = Bind<Function>(ComLibrary(), "CoInitializeEx");
  return function ? function(reserved, model) : E_NOTIMPL;
}

void CoUninitialize() {
  using Function = void(WINAPI*)();
  static const auto function = Bind<Function>(ComLibrary(), "CoUninitialize");
  if (function) function();
}

HRESULT CoLockObjectExternal(IUnknown* object, BOOL lock, BOOL lastUnlockReleases) {
  using Function = HRESULT(WINAPI*)(IUnknown*, BOOL, BOOL);
  static const auto function = Bind<Function>(ComLibrary(), "CoLockObjectExternal");
  return function ? function(object, lock, lastUnlockReleases) : E_NOTIMPL;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                         void** object) {
  using Function = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
  static const auto function = Bind<Function>(ComLibrary(), "CoCreateInstance");
  return function ? function(clsid, outer, context, riid, object) : E_NOTIMPL;
}

LRESULT LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object) {
  using Function = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
  static const auto function = Bind<Function>(AccessibilityLibrary(), "LresultFromObject");
  return function ? function(riid, wParam, object) : 0;
}

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID riid, void** object) {
  using Function = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  static const auto function = Bind<Function>(AccessibilityLibrary(), "CreateStdAccessibleObject");
  return function ? function(window, objectId, riid, object) : E_NOTIMPL;
}

HRESULT AccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID riid, void** object) {
  using Function = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
  static const auto function = Bind<Function>(AccessibilityLibrary(), "AccessibleObjectFromWindow");
  return function ? function(window, objectId, riid, object) : E_NOTIMPL;
}

BSTR SysAllocStringLen(const wchar_t* text, UINT length) {
  using Function = BSTR(WINAPI*)(const OLECHAR*, UINT);
  static const auto function = Bind<Function>(AutomationLibrary(), "SysAllocStringLen");
  return function ? function(text, length) : nullptr;
}

void SysFreeString(BSTR text) {
  using Function = void(WINAPI*)(BSTR);
  static const auto function = Bind<Function>(AutomationLibrary(), "SysFreeString");
  if (function) function(text);
}

void InitCommonControls() {
  static const bool done = [] {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = Bind<Init>(CommonControlsLibrary(), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    return init && init(&controls);
  }();
  (void)done;
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  using Function = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
  static const auto function = Bind<Function>(CommonControlsLibrary(), "SetWindowSubclass");
  return function ? function(window, procedure, id, data) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  using Function = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
  static const auto function = Bind<Function>(CommonControlsLibrary(), "DefSubclassProc");
  return function ? function(window, message, wParam, lParam)
                  : DefWindowProcW(window, message, wParam, lParam);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  using Function = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
  static const auto function = Bind<Function>(CommonControlsLibrary(), "RemoveWindowSubclass");
  return function ? function(window, procedure, id) : FALSE;
}

UINT GetDpiForWindow(HWND window) {
  using Function = UINT(WINAPI*)(HWND);
  static const auto function = Bind<Function>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  return function && window ? function(window) : 0;
}

int GetSystemMetricsForDpi(int index, UINT dpi) {
  using Function = int(WINAPI*)(int, UINT);
  static const auto function =
      Bind<Function>(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi");
  return function ? function(index, dpi) : 0;
}

HRESULT DwmIsCompositionEnabled(BOOL* enabled) {
  using Function = HRESULT(WINAPI*)(BOOL*);
  static const auto function = Bind<Function>(CompositorLibrary(), "DwmIsCompositionEnabled");
  if (function) return function(enabled);
  *enabled = FALSE;
  return S_OK;
}

HRESULT DwmFlush() {
  using Function = HRESULT(WINAPI*)();
  static const auto function = Bind<Function>(CompositorLibrary(), "DwmFlush");
  return function ? function() : E_NOTIMPL;
}

BOOL SndPlaySound(LPCWSTR sound, UINT flags, bool load) {
  using Function = BOOL(WINAPI*)(LPCWSTR, UINT);
  static Function function = nullptr;
  if (!function && load) function = Bind<Function>(MultimediaLibrary(), "sndPlaySoundW");
  return function ? function(sound, flags) : FALSE;
}

}  // namespace kestal::win32::late
