#include "settings/RegString.h"

namespace kestal {

std::string GetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                         std::string_view valueName) {
  // The stored text ends in a NUL, which goes with anything after it.
  return TrimAtNul(registry.GetString(root, keyPath, valueName).value_or(""));
}

bool SetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                  std::string_view valueName, std::string_view text) {
  return registry.SetString(root, keyPath, valueName, text);
}

}  // namespace kestal
