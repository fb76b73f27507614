#pragma once
// The running program: the platform, the state that lives for the whole run (the tray record and
// the sound buffer), and the four windows.
#include <cstdint>
#include <vector>

#include "platform/FormSlot.h"
#include "platform/Platform.h"
#include "platform/Tray.h"

namespace kestal {

class Program {
 public:
  explicit Program(Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Loads Form1, which puts the icon in the tray; the platform's message loop then runs.
  void Start();

  void Show(FormSlot& slot) { platform.windows.Show(slot.Get()); }
  void Unload(FormSlot& slot) {
    if (slot.IsLoaded()) platform.windows.Unload(*slot.Current());
  }

  Platform& platform;
  NotifyIconRecord TrayIconData{};
  // Which convention the tooltip shows now; the tray keeps it across day changes and shell
  // restarts, and the About window changes it (tray/TrayTooltip.h).
  bool TrayShowsNextGeneration = false;
  std::vector<uint8_t> WindowSoundData;  // the image of the sound last played

  FormSlot form1;
  FormSlot about;
  FormSlot news;
  FormSlot dataAstrale;
};

}  // namespace kestal
