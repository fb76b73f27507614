// The About window with the keyboard alone: Tab reaches the links and the captains' pictures in
// reading order, and Space or Enter on them does what a click does, and nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/ProgramSession.h"
#include "tests/driver/LogLines.h"

namespace kestal {
namespace {

using AboutSession = testing::WindowSession<&Program::about>;

TEST(AboutKeyboard, TabGoesRoundInReadingOrder) {
  AboutSession s;
  headless::User user = s.Open();
  EXPECT_EQ(user.Focused(), "Check1");
  EXPECT_EQ(user.Tabs(6), (std::vector<std::string>{"Command1", "Label4", "Label5", "Image2",
                                                    "Image3", "Check1"}));
  EXPECT_EQ(user.Tabs(-1), std::vector<std::string>{"Image3"});
}

TEST(AboutKeyboard, SpaceAndEnterDoWhatAClickDoesAndNothingElse) {
  const std::string classic = "Velorn - Data astrale: 0/0206.15";
  const std::string ng = "Velorn NG - Data stellare: -320545.2";
  const char* mail = "OpenWithShell(mailto:" KESTAL_MAIL ")";
  const struct {
    const char* what;
    bool storedNg;
    int tabs;  // from the check box, where the window opens; negative: Shift+Tab
    Key key;
    const char* shown;             // StarDate after the key
    const char* tooltip;           // the tooltip after the key; null: not sent again
    bool ticked = false;           // the autostart box
    const char* opened = nullptr;  // what the shell was asked to open, as logged
  } cases[] = {
      {"Space on Maselle", false, 5, Key::Space, "Next Generation", "ng"},
      {"Enter on Maselle, reached backwards", false, -1, Key::Enter, "Next Generation", "ng"},
      {"Enter on Dorran", true, 4, Key::Enter, "Velorn Classic", "classic"},
      {"Space on Dorran", true, 4, Key::Space, "Velorn Classic", "classic"},
      {"Space on the mail address", false, 2, Key::Space, "Velorn Classic", nullptr, false, mail},
      {"Enter on the web address", true, 3, Key::Enter, "Next Generation", nullptr, false,
       "OpenWithShell(" KESTAL_WEB ")"},
      {"Space on the check box", false, 0, Key::Space, "Velorn Classic", nullptr, true},
      {"Enter on the check box", false, 0, Key::Enter, "Velorn Classic", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AboutSession s;
    if (c.storedNg) s.hp.settings.Save("KestalDate", "Impostazioni", "Data", "Next Generation");
    headless::User user = s.Open();
    user.Tabs(c.tabs);
    const std::string focused = user.Focused();
    s.hp.log.Clear();
    user.PressKey(c.key);

    EXPECT_EQ(user.Text("StarDate"), c.shown);
    if (c.tooltip) {
      ASSERT_EQ(s.hp.log.Matching("NotifyIcon(Tooltip)").size(), 1u);
      EXPECT_EQ(s.hp.tray.Tooltip(), std::string(c.tooltip) == "ng" ? ng : classic);
    } else {
      EXPECT_TRUE(s.hp.log.Matching("NotifyIcon").empty());
    }
    EXPECT_EQ(s.hp.log.Matching("OpenWithShell("),
              c.opened ? std::vector<std::string>{c.opened} : std::vector<std::string>{});
    EXPECT_EQ(user.Value("Check1"), c.ticked);
    // The window stays open with the focus where it was, and nothing is stored before "&Ok".
    EXPECT_TRUE(user.Visible());
    EXPECT_EQ(user.Focused(), focused);
    EXPECT_EQ(headless::KeptWrites(s.hp.log), std::vector<std::string>{});
    EXPECT_TRUE(s.hp.log.Records<headless::MessageBoxRecord>().empty());
  }
}

}  // namespace
}  // namespace kestal
