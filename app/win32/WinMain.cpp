// The program's entry point on Windows: the platform, the program, and the message loop.
#include <cstdlib>
#include <exception>
#include <string_view>

#include "app/Program.h"
#include "platform/win32/AutomationQuery.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/OneCopy.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Platform.h"

// A failure that no handler caught ends the program at once. The runtime's own version of this
// handler prints the failure's demangled type name, and its demangler alone is a tenth of the
// program's size.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

namespace {

// Started by the end-to-end tests, which ask the windows about their controls: the switch is
// one of the words of the command line (which never holds the program's own path here).
bool StartedForTesting(std::wstring_view commandLine) {
  const std::wstring_view blanks = L" \t";
  while (!commandLine.empty()) {
    const auto start = commandLine.find_first_not_of(blanks);
    if (start == std::wstring_view::npos) break;
    commandLine.remove_prefix(start);
    const std::wstring_view word = commandLine.substr(0, commandLine.find_first_of(blanks));
    if (word == kestal::kAutomationSwitch) return true;
    commandLine.remove_prefix(word.size());
  }
  return false;
}

// Leaves COM's apartment at exit when a link or a screen reader entered it.
struct ComApartment {
  ComApartment() = default;
  ~ComApartment() { kestal::win32::LeaveComApartment(); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};

int Run(HINSTANCE instance, PWSTR commandLine) {
  kestal::win32::Win32Platform platform(instance);
  if (StartedForTesting(commandLine)) platform.windows.AnswerAutomation();
  kestal::Program program(platform.platform());
  if (!program.Start()) {
    // Without its hidden window the program has no icon and no way to be reached.
    MessageBoxW(nullptr, L"Kestal Date non può partire: la sua finestra non si apre.",
                L"KestalDate", MB_OK | MB_ICONERROR);
    return 1;
  }
  return platform.windows.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int /*show*/) {
  // A second start shows the running copy's About window and ends.
  kestal::win32::OneCopy oneCopy;
  if (!oneCopy.Claim()) return 0;
  const ComApartment com;
  // The program and its platform are gone (every sound stopped, every object released) before
  // COM ends.
  return Run(instance, commandLine);
}
