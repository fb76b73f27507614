#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

std::intptr_t Win32Shell::ShellExecute(WindowHandle owner, std::string_view verb,
                                       std::string_view file, std::string_view parameters,
                                       std::string_view directory, int showCommand) {
  const std::wstring wideVerb = Wide(verb), wideFile = Wide(file);
  const std::wstring wideParameters = Wide(parameters), wideDirectory = Wide(directory);
  HINSTANCE result =
      ShellExecuteW(reinterpret_cast<HWND>(owner), wideVerb.c_str(), wideFile.c_str(),
                    wideParameters.c_str(), wideDirectory.c_str(), showCommand);
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
