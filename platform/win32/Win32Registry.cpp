#include <cstring>
#include <vector>

#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {
HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}
HKEY ToKey(RegistryKey key) {
  return reinterpret_cast<HKEY>(key);
}
bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}
}  // namespace

long Win32Registry::OpenKey(RegistryRoot root, std::string_view path, RegistryKey& key) {
  const std::wstring widePath = Wide(path);
  HKEY opened = nullptr;
  // As much access as the user has: reading works for everyone, a refused change fails later.
  const LONG result = RegOpenKeyExW(RootKey(root), widePath.c_str(), 0, MAXIMUM_ALLOWED, &opened);
  key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
  return result;
}

long Win32Registry::CreateKey(RegistryRoot root, std::string_view path, RegistryKey& key) {
  const std::wstring widePath = Wide(path);
  HKEY created = nullptr;
  const LONG result = RegCreateKeyExW(RootKey(root), widePath.c_str(), 0, nullptr, 0,
                                      KEY_READ | KEY_WRITE, nullptr, &created, nullptr);
  key = result == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(created) : 0;
  return result;
}

long Win32Registry::QueryValue(RegistryKey key, std::string_view name, uint32_t& type,
                               std::string* text) {
  const std::wstring wideName = Wide(name);
  DWORD valueType = 0, size = 0;
  LONG result = RegQueryValueExW(ToKey(key), wideName.c_str(), nullptr, &valueType, nullptr, &size);
  if (result != ERROR_SUCCESS) return result;
  type = valueType;
  if (!text) return ERROR_SUCCESS;
  std::vector<BYTE> data;
  do {  // the value may grow between the two calls
    data.resize(size);
    result = RegQueryValueExW(ToKey(key), wideName.c_str(), nullptr, &valueType,
                              data.empty() ? nullptr : data.data(), &size);
  } while (result == ERROR_MORE_DATA);
  if (result != ERROR_SUCCESS) return result;
  type = valueType;
  data.resize(size);
  if (IsText(valueType)) {
    // The stored UTF-16 units as they are, the terminating NUL included.
    std::u16string units(data.size() / 2, u'\0');
    if (!units.empty()) std::memcpy(units.data(), data.data(), units.size() * 2);
    *text = Utf16ToUtf8(units);
  } else {
    text->assign(data.begin(), data.end());
  }
  return ERROR_SUCCESS;
}

long Win32Registry::SetStringValue(RegistryKey key, std::string_view name, std::string_view text) {
  const std::wstring wideName = Wide(name);
  const std::wstring wideText = Wide(text);
  const DWORD bytes = static_cast<DWORD>((wideText.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(ToKey(key), wideName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideText.c_str()), bytes);
}

long Win32Registry::DeleteValue(RegistryKey key, std::string_view name) {
  const std::wstring wideName = Wide(name);
  return RegDeleteValueW(ToKey(key), wideName.c_str());
}

long Win32Registry::CloseKey(RegistryKey key) {
  return RegCloseKey(ToKey(key));
}

}  // namespace kestal::win32
