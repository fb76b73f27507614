#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/Owned.h"
#include "platform/win32/Trace.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

UniqueKey OpenKey(RegistryRoot root, std::string_view path, REGSAM access) {
  HKEY key = nullptr;
  const LONG result = RegOpenKeyExW(RootKey(root), Wide(path).c_str(), 0, access, &key);
  if (result != ERROR_SUCCESS) key = nullptr;
  return UniqueKey(key);
}

bool Written(LONG result, const wchar_t* what) {
  if (result == ERROR_SUCCESS) return true;
  SetLastError(static_cast<DWORD>(result));
  TraceFailure(what);
  return false;
}

UniqueKey CreateKey(RegistryRoot root, std::string_view path) {
  HKEY key = nullptr;
  const LONG result = RegCreateKeyExW(RootKey(root), Wide(path).c_str(), 0, nullptr, 0,
                                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  return UniqueKey(Written(result, L"RegCreateKeyExW") ? key : nullptr);
}

// The value's type and bytes; none when it can't be read.
std::optional<std::pair<DWORD, std::vector<BYTE>>> ReadValue(RegistryRoot root,
                                                             std::string_view path,
                                                             std::string_view name) {
  const UniqueKey key = OpenKey(root, path, KEY_READ);
  if (!key) return std::nullopt;
  const std::wstring wideName = Wide(name);
  DWORD type = 0, size = 0;
  LONG result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
  std::vector<BYTE> data;
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {  // it may grow meanwhile
    data.resize(size);
    result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type,
                              data.empty() ? nullptr : data.data(), &size);
    if (result == ERROR_SUCCESS) {
      data.resize(size);
      return std::make_pair(type, std::move(data));
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Win32Registry::GetString(RegistryRoot root, std::string_view path,
                                                    std::string_view name) {
  const auto value = ReadValue(root, path, name);
  if (!value || (value->first != REG_SZ && value->first != REG_EXPAND_SZ)) return std::nullopt;
  // The stored text ends at its NUL, which goes with anything after it.
  std::wstring text(value->second.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), value->second.data(), text.size() * sizeof(wchar_t));
  text.resize(std::min(text.size(), text.find(L'\0')));
  if (value->first == REG_EXPAND_SZ) {
    // Written by an administrator or another tool: Windows expands it before it runs it.
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::wstring expanded(size, L'\0');
    if (size == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size) == 0) {
      TraceFailure(L"ExpandEnvironmentStringsW");
      return std::nullopt;
    }
    expanded.resize(std::min<std::size_t>(expanded.size(), expanded.find(L'\0')));
    text = std::move(expanded);
  }
  return Narrow(text);
}

bool Win32Registry::SetString(RegistryRoot root, std::string_view path, std::string_view name,
                              std::string_view text) {
  const UniqueKey key = CreateKey(root, path);
  if (!key) return false;
  const std::wstring wideText = Wide(text);
  const auto bytes = static_cast<DWORD>((wideText.size() + 1) * sizeof(wchar_t));
  return Written(RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wideText.c_str()), bytes),
                 L"RegSetValueExW");
}

std::optional<std::vector<uint8_t>> Win32Registry::GetBinary(RegistryRoot root,
                                                             std::string_view path,
                                                             std::string_view name) {
  auto value = ReadValue(root, path, name);
  if (!value || value->first != REG_BINARY) return std::nullopt;
  return std::vector<uint8_t>(value->second.begin(), value->second.end());
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
  const UniqueKey key = OpenKey(root, path, KEY_SET_VALUE);
  return key && RegDeleteValueW(key.get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegistryRoot root, std::string_view path) {
  // The key goes with every value and key inside it.
  return RegDeleteTreeW(RootKey(root), Wide(path).c_str()) == ERROR_SUCCESS;
}

}  // namespace kestal::win32
