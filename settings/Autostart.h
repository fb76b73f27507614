#pragma once
// Starting the program with Windows: the value "KestalDate" under a Run key of the registry,
// holding the command that starts the program.
#include <string>
#include <string_view>

#include "platform/window/Registry.h"

namespace kestal {

inline constexpr std::string_view kMachineRunKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kUserRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutostartValue = "KestalDate";

// The command stored for the executable: the path itself, in double quotes when it holds a blank
// (unquoted, Windows would try "C:\Program" first and could start another program).
std::string AutostartCommand(std::string_view executablePath);

// Writes the value under the machine-wide Run key; when that is refused (an ordinary user has no
// rights there), under the current user's Run key instead.
void RegisterAutostart(Registry& registry, std::string_view executablePath);
// Removes the value from both Run keys.
void UnregisterAutostart(Registry& registry);
// On when either Run key holds a non-empty text value of that name (in any letter case).
bool AutostartIsOn(Registry& registry);

}  // namespace kestal
