#pragma once
// The Windows registry, by path: values read, written and removed under one of two roots.
// Texts are UTF-8 here (the wide-character calls on Windows).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestal {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  // A string value's text up to its first NUL, where the stored value ends: of REG_SZ as stored,
  // of REG_EXPAND_SZ with its environment variables expanded (as Windows reads a Run value).
  // None when the key or the value is missing, can't be read, or holds no string.
  virtual std::optional<std::string> GetString(RegistryRoot root, std::string_view path,
                                               std::string_view name) = 0;
  // Stores a string value, creating the key when needed; false when the system refused.
  virtual bool SetString(RegistryRoot root, std::string_view path, std::string_view name,
                         std::string_view text) = 0;
  // A binary value's bytes (REG_BINARY); none when missing or of another type.
  virtual std::optional<std::vector<uint8_t>> GetBinary(RegistryRoot root, std::string_view path,
                                                        std::string_view name) = 0;
  // Removes a value; false when it was not there or the removal was refused.
  virtual bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;
  // Removes a key with everything under it; false when it was not there or was kept.
  virtual bool DeleteKey(RegistryRoot root, std::string_view path) = 0;
};

}  // namespace kestal
