#include "platform/win32/LateBoundApi.h"

namespace kestal::win32::late {

namespace {

template <typename Function>
Function Bind(const wchar_t* library, const char* name) {
  // The usual cast of a loaded function to its real type.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(library), name)));
}

}  // namespace

void LoadLibrariesFromSystemFolderOnly() {
  using Function = BOOL(WINAPI*)(DWORD);
  if (const auto function = Bind<Function>(L"kernel32.dll", "SetDefaultDllDirectories")) {
    function(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
}

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
