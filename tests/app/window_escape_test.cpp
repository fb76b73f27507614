// Escape closes each of the three windows exactly as choosing another window from the tray menu
// closes it: its usual closing, and About stores nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/ProgramSession.h"
#include "tests/driver/LogLines.h"

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
      ProgramSession s;
      FormSlot& slot = s.program.*w.slot;
      headless::User user = s.Open(slot);
      if (w.before) user.Click(w.before);
      s.hp.log.Clear();
      if (escape) {
        user.PressKey(Key::Escape);
      } else {
        // What a menu choice does to the window that is open.
        s.program.platform.windows.Unload(slot);
      }
      closings[escape] = s.hp.log.Entries();
      tooltips[escape] = s.hp.tray.Tooltip();
      EXPECT_FALSE(slot.IsLoaded());
      EXPECT_TRUE(s.program.trayWindow.IsLoaded());
      EXPECT_FALSE(s.hp.windows.Ended());
      EXPECT_EQ(headless::KeptWrites(s.hp.log), std::vector<std::string>{});
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
