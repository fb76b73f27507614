#include "fuzz/program/KeptState.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace kestal::fuzzing {
namespace {

using Value = headless::HeadlessRegistry::Value;

constexpr std::string_view kRunKeys[] = {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                         "Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
constexpr std::string_view kMarkKeys[] = {
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"};

bool SameValue(const std::optional<Value>& a, const std::optional<Value>& b) {
  if (!a || !b) return !a && !b;
  return a->type == b->type && a->text == b->text && a->number == b->number;
}

std::string ValueText(const std::optional<Value>& value) {
  if (!value) return "none";
  if (value->type == headless::HeadlessRegistry::Type::Number) {
    return std::to_string(value->number);
  }
  std::string text = value->type == headless::HeadlessRegistry::Type::Binary ? "bytes \"" : "\"";
  for (const char c : value->text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) {
      text += "\\0";
    } else if (byte < 32 || byte >= 127) {
      static const char kHex[] = "0123456789abcdef";
      text += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
    } else {
      text += c;
    }
  }
  return text + "\"";
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The Run value makes Windows start this executable: it names it, quoted or not, and the user
// did not turn it off (a mark whose first byte is odd).
bool StartsProgram(const KeptRoot& root, const std::string& executable) {
  if (!root.run || root.run->type != headless::HeadlessRegistry::Type::String) return false;
  std::string_view command(root.run->text);
  command = command.substr(0, command.find('\0'));
  if (command.size() >= 2 && command.front() == '"' && command.back() == '"') {
    command = command.substr(1, command.size() - 2);
  }
  const bool turnedOff = root.mark && !root.mark->text.empty() && (root.mark->text[0] & 1) != 0;
  return SameLetters(command, executable) && !turnedOff;
}

// What About's messages tell, each found by words of its text, and as a failure's message says it.
constexpr struct ToldMessage {
  Told told;
  std::string_view says;
  const char* text;
} kToldMessages[] = {
    {Told::ExtractFirst, "estrai prima", "to extract the zip first"},
    {Told::NotStarted, "non partir\xC3\xA0 all'avvio", "that the program won't start with Windows"},
    {Told::MachineStartStays, "resta attivo", "that the machine-wide start stays"},
    {Told::UserStartStays, "partir\xC3\xA0 ancora", "that the per-user start stays"},
};

KeptRoot Started(const Confirmation& ok) {
  return {headless::HeadlessRegistry::String(RunCommand(ok.executable) + '\0'), std::nullopt};
}

}  // namespace

bool KeptState::operator==(const KeptState& other) const {
  for (const int root : {kMachineRoot, kUserRoot}) {
    if (!SameValue(roots[root].run, other.roots[root].run) ||
        !SameValue(roots[root].mark, other.roots[root].mark)) {
      return false;
    }
  }
  return convention == other.convention;
}

std::string KeptState::Text() const {
  std::string text = "convention " + (convention ? "\"" + *convention + "\"" : "none");
  for (const int root : {kMachineRoot, kUserRoot}) {
    text += root == kMachineRoot ? "; HKLM run " : "; HKCU run ";
    text += ValueText(roots[root].run) + ", mark " + ValueText(roots[root].mark);
  }
  return text;
}

KeptState ReadKeptState(const headless::HeadlessPlatform& machine) {
  KeptState state;
  state.convention = machine.settings.Peek("KestalDate", "Impostazioni", "Data");
  for (const int root : {kMachineRoot, kUserRoot}) {
    const auto registryRoot = static_cast<RegistryRoot>(root);
    state.roots[root].run = machine.registry.Get(registryRoot, kRunKeys[root], "KestalDate");
    state.roots[root].mark = machine.registry.Get(registryRoot, kMarkKeys[root], "KestalDate");
  }
  return state;
}

void PutRunValues(headless::HeadlessPlatform& machine, const KeptState& state) {
  for (const int root : {kMachineRoot, kUserRoot}) {
    const auto registryRoot = static_cast<RegistryRoot>(root);
    if (const auto& run = state.roots[root].run) {
      machine.registry.Put(registryRoot, kRunKeys[root], "KestalDate", *run);
    }
    if (const auto& mark = state.roots[root].mark) {
      machine.registry.Put(registryRoot, kMarkKeys[root], "KestalDate", *mark);
    }
  }
}

std::string RunCommand(const std::string& executable) {
  return executable.find(' ') == std::string::npos ? executable : "\"" + executable + "\"";
}

KeptState KeptAfter(const Confirmation& ok) {
  KeptState wanted = ok.before;
  // The classic convention is no setting at all; an empty one may stay as it is.
  if (ok.nextGeneration) {
    wanted.convention = "Next Generation";
  } else if (ok.before.convention && !ok.before.convention->empty()) {
    wanted.convention.reset();
  }
  // The program is started from the machine's Run key, or from the user's when it lies in the
  // user's own folders; from a temporary folder it can't be, and nothing changes.
  if (!ok.ticked || ok.folder != FolderKind::Temporary) {
    const bool user = ok.folder == FolderKind::User;
    wanted.roots[kMachineRoot] = ok.ticked && !user ? Started(ok) : KeptRoot{};
    wanted.roots[kUserRoot] = ok.ticked && user ? Started(ok) : KeptRoot{};
  }
  return WithRefusals(ok, wanted);
}

KeptState WithRefusals(const Confirmation& ok, const KeptState& wanted) {
  KeptState kept = wanted;
  if (ok.settingsRefused) kept.convention = ok.before.convention;
  for (const int root : {kMachineRoot, kUserRoot}) {
    if (ok.rootRefused[root]) kept.roots[root] = ok.before.roots[root];
  }
  if (!ok.ticked || ok.folder == FolderKind::Temporary || ok.rootRefused[kUserRoot]) return kept;
  // The machine's value that stays and starts the program already: the user's would start it
  // twice. A program outside the user's folders that the machine's key refuses: the user's key
  // starts it.
  if (StartsProgram(kept.roots[kMachineRoot], ok.executable)) {
    kept.roots[kUserRoot] = {};
  } else if (ok.folder == FolderKind::Shared && ok.rootRefused[kMachineRoot]) {
    kept.roots[kUserRoot] = Started(ok);
  }
  return kept;
}

Told ToldBy(std::string_view text) {
  for (const ToldMessage& message : kToldMessages) {
    if (text.find(message.says) != std::string_view::npos) return message.told;
  }
  return Told::Nothing;
}

Told MustTell(const Confirmation& ok, const KeptState& after) {
  if (ok.ticked) {
    if (ok.folder == FolderKind::Temporary) return Told::ExtractFirst;
    const bool started = StartsProgram(after.roots[kMachineRoot], ok.executable) ||
                         StartsProgram(after.roots[kUserRoot], ok.executable);
    return started ? Told::Nothing : Told::NotStarted;
  }
  // A value that could not be removed, the machine's first.
  if (after.roots[kMachineRoot].run) return Told::MachineStartStays;
  if (after.roots[kUserRoot].run) return Told::UserStartStays;
  return Told::Nothing;
}

const char* ToldText(Told told) {
  const auto message = std::ranges::find(kToldMessages, told, &ToldMessage::told);
  return message == std::end(kToldMessages) ? "nothing" : message->text;
}

}  // namespace kestal::fuzzing
