#include "Registry.h"

#include "Text.h"

namespace e2e {

std::optional<std::wstring> ReadWideValue(HKEY root, const wchar_t* key, const wchar_t* name,
                                          DWORD flags, DWORD* type) {
  DWORD bytes = 0;
  if (RegGetValueW(root, key, name, flags, type, nullptr, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(root, key, name, flags, type, value.data(), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcsnlen(value.c_str(), value.size()));
  return value;
}

std::optional<std::string> ReadString(HKEY root, const wchar_t* key, const wchar_t* name) {
  const auto value = ReadWideValue(root, key, name, RRF_RT_REG_SZ);
  if (!value) return std::nullopt;
  return ToUtf8(*value);
}

namespace {

bool WriteValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data,
                DWORD bytes) {
  HKEY opened = nullptr;
  if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExW(opened, name, 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

}  // namespace

bool WriteWideValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type,
                    const std::wstring& value) {
  return WriteValue(root, key, name, type, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool WriteString(HKEY root, const wchar_t* key, const wchar_t* name, const std::string& value) {
  return WriteWideValue(root, key, name, REG_SZ, ToWide(value));
}

bool WriteBinary(HKEY root, const wchar_t* key, const wchar_t* name,
                 const std::vector<BYTE>& value) {
  return WriteValue(root, key, name, REG_BINARY, value.data(), static_cast<DWORD>(value.size()));
}

bool ValueExists(HKEY root, const wchar_t* key, const wchar_t* name) {
  return RegGetValueW(root, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool DeleteValue(HKEY root, const wchar_t* key, const wchar_t* name) {
  const LONG result = RegDeleteKeyValueW(root, key, name);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool DeleteTree(HKEY root, const wchar_t* key) {
  const LONG result = RegDeleteTreeW(root, key);
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) return false;
  RegDeleteKeyW(root, key);
  return !KeyExists(root, key);
}

bool KeyExists(HKEY root, const wchar_t* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

}  // namespace e2e
