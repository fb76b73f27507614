#pragma once
// Reading and writing one text value of the registry.
#include <string>
#include <string_view>

#include "services/Registry.h"

namespace kestal {

// The string value `valueName` of the key, up to its terminating NUL. A missing key or value, a
// value of another type or a failed read all give the empty text.
std::string GetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                         std::string_view valueName);

// Stores the text as a string value, creating the key when missing. False when the system
// refused (for instance an ordinary user writing under the machine-wide root).
bool SetRegString(Registry& registry, RegistryRoot root, std::string_view keyPath,
                  std::string_view valueName, std::string_view text);

}  // namespace kestal
