#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

std::intptr_t Win32Shell::Open(std::string_view target) {
  // Owned by the desktop, with empty (not absent) parameters and folder, shown normally.
  const std::wstring file = Wide(target);
  HINSTANCE result =
      ShellExecuteW(GetDesktopWindow(), L"Open", file.c_str(), L"", L"", SW_SHOWNORMAL);
  return reinterpret_cast<std::intptr_t>(result);
}

std::string Win32Shell::ExecutablePath() {
  // Long paths don't fit MAX_PATH: grow until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace kestal::win32
