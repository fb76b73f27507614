// The program's entry point on Windows: the platform, the program, and the message loop.
#include <cstdlib>
#include <exception>

#include "app/Program.h"
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  kestal::win32::Win32Platform platform(instance);
  kestal::Program program(platform.platform());
  if (!program.Start()) {
    // Without its hidden window the program has no icon and no way to be reached.
    MessageBoxW(nullptr, L"Kestal Date non può partire: la sua finestra non si apre.",
                L"KestalDate", MB_OK | MB_ICONERROR);
    return 1;
  }
  return platform.windows.Run();
}
