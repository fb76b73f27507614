#pragma once
// What the user keeps between sessions: the convention setting, and under each registry root
// the autostart's Run value and its Startup Apps mark. Only About's "&Ok" may change it, and then
// to what About showed: the convention it showed, the program started with Windows exactly when
// its box was ticked. These are the rules the program's fuzz target holds it to.
#include <optional>
#include <string>
#include <string_view>

#include "platform/headless/Headless.h"

namespace kestal::fuzzing {

struct KeptRoot {
  std::optional<headless::HeadlessRegistry::Value> run, mark;
};

// The roots by their RegistryRoot: the machine's, the user's.
inline constexpr int kMachineRoot = static_cast<int>(RegistryRoot::LocalMachine);
inline constexpr int kUserRoot = static_cast<int>(RegistryRoot::CurrentUser);
static_assert(kMachineRoot == 0 && kUserRoot == 1);

struct KeptState {
  std::optional<std::string> convention;  // none: no setting stored
  KeptRoot roots[2];

  bool operator==(const KeptState& other) const;
  // As a person reads it, for a failure's message.
  std::string Text() const;
};

// Read from the machine without a call of the program's being logged.
KeptState ReadKeptState(const headless::HeadlessPlatform& machine);
// The Run values and marks put in place on the machine, as a user's earlier sessions left them.
void PutRunValues(headless::HeadlessPlatform& machine, const KeptState& state);

// The state of things when the user pressed About's "&Ok": what About showed, what was kept, and
// which stores refused writes.
struct Confirmation {
  bool nextGeneration = false;  // the convention About showed
  bool ticked = false;          // its box
  KeptState before;
  bool settingsRefused = false;
  bool rootRefused[2] = {false, false};
  std::string executable;
  FolderKind folder = FolderKind::Shared;
};

// What "&Ok" leaves, given what it was asked to do.
KeptState KeptAfter(const Confirmation& ok);

// What a refused store keeps, in one place: each refusing store keeps what it held, and where
// the machine's Run key refuses a program outside the user's folders, the user's key starts it
// instead (unless the machine's value starts it already).
KeptState WithRefusals(const Confirmation& ok, const KeptState& wanted);

// What About's message after "&Ok" tells the user when the autostart could not be changed as
// the box asked: nothing could be stored from a folder that won't last; the program won't start
// with Windows; a machine-wide start stays (only an administrator may remove it); a per-user
// start stays.
enum class Told { Nothing, ExtractFirst, NotStarted, MachineStartStays, UserStartStays };
// What a message says; Nothing for any other message.
Told ToldBy(std::string_view text);
// What "&Ok" must tell, given what it left: what the box asked and did not come about.
Told MustTell(const Confirmation& ok, const KeptState& after);
const char* ToldText(Told told);

// The command that starts the executable, as a Run value holds it.
std::string RunCommand(const std::string& executable);

}  // namespace kestal::fuzzing
