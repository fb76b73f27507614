#include "settings/Autostart.h"

#include "settings/RegString.h"

namespace kestal {
namespace {

// Registry value names compare without regard to letter case; this is the name the reads use.
constexpr std::string_view kAutostartQueryName = "kestalDate";

// A value or key that isn't there, or a refused removal, leaves nothing to do.
void RemoveValue(Registry& registry, RegistryRoot root, std::string_view keyPath) {
  registry.DeleteValue(root, keyPath, kAutostartValue);
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
