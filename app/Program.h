#pragma once
// The running program: the platform it runs on, what lives for the whole run (the tray icon's
// record and the window sound) and its four windows, each made afresh whenever it is shown.
#include "effects/WindowSequence.h"
#include "forms/FormSlot.h"
#include "services/Platform.h"
#include "tray/TrayIcon.h"

namespace kestal {

class Program {
 public:
  explicit Program(Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Loads the hidden start-up window, which puts the icon in the tray; the platform's message
  // loop then runs. False when the window could not be made.
  bool Start();

  Platform& platform;
  TrayIcon trayIcon;
  WindowSequence sequence;

  FormSlot trayWindow;
  FormSlot about;
  FormSlot conventionsWindow;
  FormSlot conversionWindow;
};

}  // namespace kestal
