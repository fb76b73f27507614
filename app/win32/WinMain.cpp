// The program's entry point on Windows: the platform, the program, and the message loop.
#include "app/Program.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  kestal::win32::Win32Platform platform(instance);
  kestal::Program program(platform.platform());
  program.Start();
  platform.windows.Run();
  return 0;
}
