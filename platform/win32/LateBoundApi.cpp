#include "platform/win32/LateBoundApi.h"

#include <delayimp.h>

namespace {

// The delay-loaded libraries come from the system folder only, never from beside the exe or the
// current folder; comctl32 by its bare name, so that the manifest's activation context gives
// version 6. Where the system can't load that way (Windows 7 without its 2011 loader update) the
// linker's helper loads the library as usual.
FARPROC WINAPI LoadFromSystemFolder(unsigned notice, PDelayLoadInfo info) {
  if (notice != dliNotePreLoadLibrary || lstrcmpiA(info->szDll, "comctl32.dll") == 0) {
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(
      LoadLibraryExA(info->szDll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace

// The delay-load helper's hook, by the name it looks for (Visual Studio's header declares it
// const).
#if defined(_MSC_VER)
const
#endif
    PfnDliHook __pfnDliNotifyHook2 = &LoadFromSystemFolder;

namespace kestal::win32::late {

namespace {

template <typename Function>
Function Bind(const wchar_t* library, const char* name) {
  // The usual cast of a loaded function to its real type.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(library), name)));
}

}  // namespace

UINT GetDpiForWindow(HWND window) {
  using Function = UINT(WINAPI*)(HWND);
  static const auto function = Bind<Function>(L"user32.dll", "GetDpiForWindow");
  return function && window ? function(window) : 0;
}

int GetSystemMetricsForDpi(int index, UINT dpi) {
  using Function = int(WINAPI*)(int, UINT);
  static const auto function = Bind<Function>(L"user32.dll", "GetSystemMetricsForDpi");
  return function ? function(index, dpi) : 0;
}

}  // namespace kestal::win32::late
