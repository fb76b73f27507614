#pragma once
// Starting the program with Windows: the value "KestalDate" under a Run key of the registry,
// holding the command that starts the program, unless the user turned it off in Windows (Task
// Manager or Settings mark it under StartupApproved).
#include <string>
#include <string_view>

#include "services/Registry.h"
#include "services/Shell.h"

namespace kestal {

inline constexpr std::string_view kMachineRunKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kUserRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Beside each Run key: a binary value of the same name whose first byte is odd when the user
// turned that start off, even (or no value at all) when it is on.
inline constexpr std::string_view kMachineApprovedKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr std::string_view kUserApprovedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr std::string_view kAutostartValue = "KestalDate";

// The command stored for the executable: the path itself, in double quotes when it holds a blank
// (unquoted, Windows would try "C:\Program" first and could start another program).
std::string AutostartCommand(std::string_view executablePath);

// What became of a change of the autostart: done, or what stays instead.
enum class AutostartChange {
  Done,
  TemporaryFolder,    // nothing stored: the program lies in a folder that won't last
  Refused,            // nothing stored: the system refused every write
  MachineValueStays,  // the machine-wide value could not be removed (it needs an administrator)
  UserValueStays,     // the per-user value could not be removed
};

// Stores the running executable's command so that Windows starts it, and clears the user's
// having turned it off. A program in the user's own folders starts for that user only (the
// per-user Run key); one elsewhere machine-wide, or per user when the machine-wide write is
// refused (an ordinary user has no rights there). Nothing is stored when the executable lies in
// a temporary folder, which won't last until the next start.
AutostartChange RegisterAutostart(Registry& registry, Shell& shell);
// Removes the value, and the mark of its having been turned off, under both roots; says which
// value is still there when a removal was refused.
AutostartChange UnregisterAutostart(Registry& registry);
// On when Windows would start the program: a Run key holds a non-empty text value of that name
// (in any letter case) whose program exists, and the user did not turn it off.
bool AutostartIsOn(Registry& registry, Shell& shell);

}  // namespace kestal
