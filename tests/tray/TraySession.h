#pragma once
// The program started on a headless machine, with Form1 and its icon in the tray.
#include <string>
#include <string_view>

#include "app/Program.h"
#include "tests/driver/User.h"
#include "tray/TrayWindow.h"

namespace kestal::testing {

struct TraySession {
  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};

  // Starts the program with that convention setting stored ("" stores nothing) on that day.
  TrayWindow& Start(std::string_view setting = "",
                    LocalDateTime now = {2002, 6, 15, 10, 30, 0, 0}) {
    if (!setting.empty()) hp.settings.Save("KestalDate", "Impostazioni", "Data", setting);
    hp.clock.SetLocal(now);
    program.Start();
    return form1();
  }
  TrayWindow& form1() { return dynamic_cast<TrayWindow&>(*program.trayWindow.Current()); }
  // Opens the icon's menu with the right button and picks that item there.
  void ChooseFromMenu(int item) {
    hp.windows.QueueMenuChoice(item);
    hp.windows.NotifyTray(form1(), kTrayRightButtonUp);
  }
  // What the tray window last asked of the notification area ("NotifyIcon(Show)" ...).
  std::string LastTrayCall() const {
    const auto calls = hp.log.Matching("NotifyIcon");
    return calls.empty() ? std::string() : calls.back();
  }
};

}  // namespace kestal::testing
