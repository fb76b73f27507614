#include "settings/Autostart.h"

#include "settings/RegString.h"

namespace kestal {
namespace {

// Registry value names compare without regard to letter case; this is the name the reads use.
constexpr std::string_view kAutostartQueryName = "kestalDate";

void RemoveValue(Registry& registry, RegistryRoot root, std::string_view keyPath) {
  // A key that cannot be opened leaves the handle empty, and the removal then fails harmlessly.
  RegistryKey key = 0;
  registry.OpenKey(root, keyPath, key);
  registry.DeleteValue(key, kAutostartValue);
  registry.CloseKey(key);
}

}  // namespace

std::string AutostartCommand(std::string_view executablePath) {
  const bool quoted =
      executablePath.size() >= 2 && executablePath.front() == '"' && executablePath.back() == '"';
  if (quoted || executablePath.find(' ') == std::string_view::npos) {
    return std::string(executablePath);
  }
  return "\"" + std::string(executablePath) + "\"";
}

void RegisterAutostart(Registry& registry, std::string_view executablePath) {
  const std::string command = AutostartCommand(executablePath);
  if (SetRegString(registry, RegistryRoot::LocalMachine, kMachineRunKey, kAutostartValue,
                   command)) {
    // A per-user copy left from a time without rights would start the program twice.
    RemoveValue(registry, RegistryRoot::CurrentUser, kUserRunKey);
  } else {
    SetRegString(registry, RegistryRoot::CurrentUser, kUserRunKey, kAutostartValue, command);
  }
}

void UnregisterAutostart(Registry& registry) {
  RemoveValue(registry, RegistryRoot::LocalMachine, kMachineRunKey);
  RemoveValue(registry, RegistryRoot::CurrentUser, kUserRunKey);
}

bool AutostartIsOn(Registry& registry) {
  return !GetRegString(registry, RegistryRoot::LocalMachine, kMachineRunKey, kAutostartQueryName)
              .empty() ||
         !GetRegString(registry, RegistryRoot::CurrentUser, kUserRunKey, kAutostartQueryName)
              .empty();
}

}  // namespace kestal
