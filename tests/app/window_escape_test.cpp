// Escape closes each of the three windows exactly as choosing another window from the tray menu
// closes it: its usual closing, and About stores nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/driver/LogLines.h"
#include "tests/driver/User.h"

namespace kestal::testing {
namespace {

TEST(WindowEscape, ClosesEachWindowAsTheTrayMenuDoes) {
  const struct {
    const char* name;
    FormSlot Program::*slot;
    const char* before;  // a control clicked first: a choice that only "&Ok" would store
  } windows[] = {
      {"About", &Program::about, "Image3"},
      {"DataAstrale", &Program::conversionWindow, "Option3"},
      {"News", &Program::conventionsWindow, nullptr},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.name);
    std::vector<std::string> closings[2];
    std::string tooltips[2];
    for (const bool escape : {false, true}) {
      headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
      Program program{hp.platform()};
      program.Start();
      FormSlot& slot = program.*w.slot;
      program.platform.windows.Show(slot);
      headless::User user(hp.windows, *slot.Current());
      if (w.before) user.Click(w.before);
      hp.log.Clear();
      if (escape) {
        user.PressKey(Key::Escape);
      } else {
        program.platform.windows.Unload(
            slot);  // what a menu choice does to the window that is open
      }
      closings[escape] = hp.log.Entries();
      tooltips[escape] = hp.tray.Tooltip();
      EXPECT_FALSE(slot.IsLoaded());
      EXPECT_TRUE(program.trayWindow.IsLoaded());
      EXPECT_FALSE(hp.windows.Ended());
      EXPECT_EQ(headless::KeptWrites(hp.log), std::vector<std::string>{});
    }
    EXPECT_EQ(closings[1], closings[0]);
    EXPECT_EQ(tooltips[1], tooltips[0]);  // About's picture choice stays until the next start
    const std::vector<std::string>& log = closings[1];
    EXPECT_EQ(std::count(log.begin(), log.end(), "Form_Unload(" + std::string(w.name) + ")"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "PlaySound(24)"), 1);
  }
}

}  // namespace
}  // namespace kestal::testing
