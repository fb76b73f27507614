#include "settings/RegString.h"

namespace kestal {

std::string TrimAtNul(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

std::string GetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                         std::string_view valueName) {
  std::string result;
  RegistryKey key = 0;
  if (registry.OpenKey(root, keyPath, key) == 0) {
    uint32_t type = 0;
    if (registry.QueryValue(key, valueName, type, nullptr) == 0 && type == kRegSz) {
      std::string data;
      if (registry.QueryValue(key, valueName, type, &data) == 0 && type == kRegSz) {
        result = TrimAtNul(data);
      }
    }
  }
  // Closed in every case; closing the empty handle of a failed open fails harmlessly.
  registry.CloseKey(key);
  return result;
}

bool SetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                  std::string_view valueName, std::string_view text) {
  RegistryKey key = 0;
  if (registry.CreateKey(root, keyPath, key) != 0) return false;
  const bool stored = registry.SetStringValue(key, valueName, text) == 0;
  registry.CloseKey(key);
  return stored;
}

}  // namespace kestal
