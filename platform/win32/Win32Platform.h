#pragma once
// Every Win32 platform service, together, as the program is handed them.
#include "platform/win32/Win32Effects.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32TrayIcon.h"
#include "platform/win32/Win32WindowSystem.h"
#include "services/Platform.h"

namespace kestal::win32 {

class Win32Platform {
 public:
  explicit Win32Platform(HINSTANCE instance)
      : windows(instance), tray(instance), resources(instance) {
    windows.SetTrayIcon(&tray);
  }
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Win32WindowSystem windows;
  Win32Effects effects;
  Win32TrayIcon tray;
  Win32Registry registry;
  Win32Shell shell;
  Win32Sound sound;
  Win32Resources resources;
  Win32Settings settings{registry};
  Win32Clock clock;
  Platform& platform() { return platform_; }

 private:
  Platform platform_{windows, effects, tray, registry, shell, sound, resources, settings, clock};
};

}  // namespace kestal::win32
