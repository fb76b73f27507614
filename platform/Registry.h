#pragma once
// The Windows registry, as the Win32 calls see it (wide-character calls on Windows; UTF-8 here).
// Every call returns 0 on success and a platform error code otherwise.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestal {

enum class RegistryRoot { LocalMachine, CurrentUser };
using RegistryKey = std::uintptr_t;  // 0: no key

inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegDword = 4;

class Registry {
 public:
  virtual ~Registry() = default;
  virtual long OpenKey(RegistryRoot root, std::string_view path, RegistryKey& key) = 0;
  virtual long CreateKey(RegistryRoot root, std::string_view path, RegistryKey& key) = 0;
  // The value's type and its raw text (for REG_SZ: the stored characters, any NUL included;
  // for other types the data bytes as they are). `text` may be null to learn the type alone.
  virtual long QueryValue(RegistryKey key, std::string_view name, uint32_t& type,
                          std::string* text) = 0;
  virtual long SetStringValue(RegistryKey key, std::string_view name, std::string_view text) = 0;
  virtual long DeleteValue(RegistryKey key, std::string_view name) = 0;
  virtual long CloseKey(RegistryKey key) = 0;
};

}  // namespace kestal
