#include "settings/Autostart.h"

namespace kestal {
namespace {

// Registry value names compare without regard to letter case; this is the name the reads use.
constexpr std::string_view kAutostartQueryName = "kestalDate";

// A Run key and the key where Windows marks its values turned off.
struct RunKey {
  RegistryRoot root;
  std::string_view run, approved;
};
constexpr RunKey kMachine{RegistryRoot::LocalMachine, kMachineRunKey, kMachineApprovedKey};
constexpr RunKey kUser{RegistryRoot::CurrentUser, kUserRunKey, kUserApprovedKey};

bool TurnedOff(Registry& registry, const RunKey& key) {
  const auto mark = registry.GetBinary(key.root, key.approved, kAutostartQueryName);
  return mark && !mark->empty() && ((*mark)[0] & 1) != 0;
}

// The existing program a command starts: the quoted path; unquoted, the shortest piece up to a
// blank that names a file, else the whole text, as Windows reads it. Empty when there is none.
std::string ExistingProgram(Shell& shell, std::string_view command) {
  if (command.starts_with('"')) {
    command.remove_prefix(1);
    command = command.substr(0, command.find('"'));
  } else {
    for (std::size_t blank = command.find(' '); blank != std::string_view::npos;
         blank = command.find(' ', blank + 1)) {
      if (shell.FileExists(command.substr(0, blank))) return std::string(command.substr(0, blank));
    }
  }
  return shell.FileExists(command) ? std::string(command) : std::string();
}

// The program this key makes Windows start, or the empty text when it starts none.
std::string StartedProgram(Registry& registry, Shell& shell, const RunKey& key) {
  const std::string command =
      registry.GetString(key.root, key.run, kAutostartQueryName).value_or("");
  if (command.empty()) return {};
  std::string program = ExistingProgram(shell, command);
  if (program.empty() || TurnedOff(registry, key)) return {};
  return program;
}

// Without a mark Windows counts the value on, so removing one turns the start on again.
bool Store(Registry& registry, const RunKey& key, std::string_view command) {
  if (!registry.SetString(key.root, key.run, kAutostartValue, command)) return false;
  registry.DeleteValue(key.root, key.approved, kAutostartValue);
  return true;
}

// A value or key that isn't there, or a refused removal, leaves nothing to do.
void Remove(Registry& registry, const RunKey& key) {
  registry.DeleteValue(key.root, key.run, kAutostartValue);
  registry.DeleteValue(key.root, key.approved, kAutostartValue);
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

AutostartChange RegisterAutostart(Registry& registry, Shell& shell) {
  const std::string executable = shell.ExecutablePath();
  const FolderKind folder = shell.FolderOf(executable);
  if (folder == FolderKind::Temporary) return AutostartChange::TemporaryFolder;
  const std::string command = AutostartCommand(executable);
  if (folder == FolderKind::Shared && Store(registry, kMachine, command)) {
    // A per-user copy left from a time without rights would start the program twice.
    Remove(registry, kUser);
    return AutostartChange::Done;
  }
  // The user's own folders may be out of other users' reach, even when the program runs
  // elevated: an old machine-wide value goes where the rights allow.
  if (folder == FolderKind::User) Remove(registry, kMachine);
  // A machine-wide value that stays and starts this very program would start it twice.
  if (shell.SamePath(StartedProgram(registry, shell, kMachine), executable)) {
    Remove(registry, kUser);
    return AutostartChange::Done;
  }
  if (Store(registry, kUser, command)) return AutostartChange::Done;
  // A refused write changes nothing where the user's value starts this program already.
  return shell.SamePath(StartedProgram(registry, shell, kUser), executable)
             ? AutostartChange::Done
             : AutostartChange::Refused;
}

AutostartChange UnregisterAutostart(Registry& registry) {
  Remove(registry, kMachine);
  Remove(registry, kUser);
  // What a refused removal left behind still starts the program.
  if (registry.GetString(kMachine.root, kMachine.run, kAutostartValue)) {
    return AutostartChange::MachineValueStays;
  }
  if (registry.GetString(kUser.root, kUser.run, kAutostartValue)) {
    return AutostartChange::UserValueStays;
  }
  return AutostartChange::Done;
}

bool AutostartIsOn(Registry& registry, Shell& shell) {
  return !StartedProgram(registry, shell, kMachine).empty() ||
         !StartedProgram(registry, shell, kUser).empty();
}

}  // namespace kestal
