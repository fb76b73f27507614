// kestaldate.exe, the console converter on Windows: wide command line and streams, and today's
// stardate in the convention the user chose for the tray's tooltip (read, never written).
#include <cstdlib>
#include <string>
#include <vector>

#include "console/Console.h"
#include "console/win32/StandardStreams.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"
#include "settings/ConventionSetting.h"

// A failure nothing caught ends the program at once, as in the tray program: the run-time's own
// handler would bring its demangler into the exe to print the failure's type.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.push_back(kestal::win32::Narrow(argv[i]));
  kestal::win32::StandardInput input(GetStdHandle(STD_INPUT_HANDLE));
  kestal::win32::StandardOutput output(GetStdHandle(STD_OUTPUT_HANDLE));
  kestal::win32::StandardOutput errors(GetStdHandle(STD_ERROR_HANDLE));
  const kestal::win32::Win32Clock clock;
  kestal::win32::Win32Registry registry;
  kestal::win32::Win32Settings settings(registry);
  kestal::ConsoleSystem system{input, output, errors, clock,
                               !kestal::ReadConventionSetting(settings).empty()};
  return kestal::RunConsole(words, system);
}
