#include <string>

#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {
std::wstring SectionPath(std::string_view app, std::string_view section) {
  return L"Software\\" + Wide(app) + L"\\" + Wide(section);
}
}  // namespace

std::string Win32Settings::Get(std::string_view app, std::string_view section,
                               std::string_view key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_READ, &opened) !=
      ERROR_SUCCESS) {
    return {};
  }
  const std::wstring name = Wide(key);
  std::string result;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) == ERROR_SUCCESS) {
      text.resize(bytes / sizeof(wchar_t));
      text.resize(wcsnlen(text.c_str(), text.size()));  // the text ends at its NUL
      result = Narrow(text);
    }
  }
  RegCloseKey(opened);
  return result;
}

void Win32Settings::Save(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, nullptr, 0,
                      KEY_WRITE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const std::wstring name = Wide(key);
  const std::wstring text = Wide(value);
  RegSetValueExW(created, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(created);
}

void Win32Settings::DeleteSection(std::string_view app, std::string_view section) {
  // The section's key goes with every value and key inside it.
  RegDeleteTreeW(HKEY_CURRENT_USER, SectionPath(app, section).c_str());
}

}  // namespace kestal::win32
