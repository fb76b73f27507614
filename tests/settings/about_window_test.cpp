#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "settings/AboutWindow.h"
#include "tests/app/ProgramSession.h"
#include "tests/driver/LogLines.h"
#include "tests/forms/DesignedControls.h"

namespace kestal {
namespace {

using AboutSession = testing::WindowSession<&Program::about>;

using Lines = std::vector<std::string>;

TEST(AboutWindow, LayoutAsDesigned) {
  const FontDefinition window;
  const FontDefinition bold{"MS Sans Serif", 8.25, true, false};
  const FontDefinition link{"MS Sans Serif", 8.25, false, true};
  const FontDefinition title{"MS Sans Serif", 18, true, false};
  using K = ControlKind;
  const testing::DesignedControl expected[] = {
      {K::CheckBox, "Check1", -1, {300, 4665, 4740, 240}, kWhite, window},
      {K::Button, "Command1", -1, {3870, 180, 1005, 330}, {}, window},
      {K::Line, "Line2", -1, {}, kWhite, window, 0, {1920, 3990, 3270, 3990}},
      {K::Line, "Line1", 2, {}, kWhite, window, 0, {375, 1980, 4820, 1980}},
      {K::Label, "StarDate", -1, {1830, 4320, 1560, 210}, kRed, bold},
      {K::Label, "Label10", -1, {1860, 4065, 1500, 240}, kYellow, window},
      {K::Label, "Label9", -1, {3495, 4320, 1425, 240}, kYellow, window},
      {K::Label, "Label8", -1, {240, 4320, 1500, 270}, kYellow, window},
      {K::Label, "Label7", -1, {1935, 2145, 1335, 1740}, kWhite, window},
      {K::Picture, "Image3", -1, {3375, 2130, 1650, 2100}, {}, window, IDB_NG_CAPTAIN},
      {K::Picture, "Image2", -1, {180, 2130, 1650, 2100}, {}, window, IDB_CLASSIC_CAPTAIN},
      {K::Label, "Label5", -1, {1335, 1665, 3330, 195}, kRed, link},
      {K::Label, "Label4", -1, {1350, 1365, 1110, 195}, kRed, link},
      {K::Label, "Label3", 1, {360, 1680, 945, 195}, kYellow, window},
      {K::Label, "Label3", 0, {375, 1395, 510, 195}, kYellow, window},
      {K::Line, "Line1", 1, {}, kWhite, window, 0, {405, 1290, 4850, 1290}},
      {K::Line, "Line1", 0, {}, kGrey, window, 0, {405, 1290, 4850, 1290}, 2},
      {K::Label, "Label2", 2, {750, 1005, 3825, 195}, kYellow, window},
      {K::Label, "Label2", 1, {1170, 795, 2835, 195}, kYellow, window},
      {K::Label, "Label2", 0, {1170, 585, 3450, 195}, kYellow, window},
      {K::Label, "Label1", 0, {1125, 120, 1740, 435}, kGreen, title},
      {K::Picture, "Image1", -1, {390, 210, 480, 480}, {}, window, IDI_KESTAL},
      {K::Label, "Label1", 1, {1110, 135, 1740, 435}, kWhite, title},
      {K::Line, "Line1", 3, {}, kGrey, window, 0, {375, 1980, 4820, 1980}, 2},
  };
  AboutSession s;
  testing::ExpectDesigned(s.program.about.Get(), 5220, 5025, expected);
}

TEST(AboutWindow, FixedTextsAndOurOwnLines) {
  AboutSession s;
  headless::User user = s.Open();
  const struct {
    const char* name;
    int index;
    std::string text;
  } fixed[] = {
      {"Check1", -1, "Lancia automaticamente il programma all'avvio di Windows"},
      {"Command1", -1, "&Ok"},
      {"Label10", -1, "Data attuale:"},
      {"Label5", -1, KESTAL_WEB},
      {"Label4", -1, KESTAL_MAIL},
      {"Label3", 1, "Sito Internet: "},
      {"Label3", 0, "E-mail: "},
      {"Label2", 2, "Calcola e visualizza la data astrale secondo Velorn."},
      {"Label1", 0, "Kestal Date"},
      {"Label1", 1, "Kestal Date"},
      {"Label7", -1,
       "Clicca su\rDorran o su Maselle\rper impostare la\rdata astrale classica\r"
       "(Reference Stardate)\ro quella\rNext Generation."},
  };
  for (const auto& f : fixed) EXPECT_EQ(user.Text(f.name, f.index), f.text) << f.name;
  const std::string hint = AboutWindow::HintText();
  EXPECT_EQ(std::count(hint.begin(), hint.end(), '\r'), 6);
  EXPECT_EQ(hint, user.Text("Label7"));

  // The captains' names, the version and the author line are ours; they must say the right thing.
  EXPECT_NE(user.Text("Label8").find("Dorran"), std::string::npos);
  EXPECT_NE(user.Text("Label9").find("Maselle"), std::string::npos);
  const std::string version = user.Text("Label2", 0);
  EXPECT_NE(version.find("gratuito"), std::string::npos);
  EXPECT_NE(version.find("Windows"), std::string::npos);
  EXPECT_NE(version.find_first_of("0123456789"), std::string::npos);
  EXPECT_FALSE(user.Text("Label2", 1).empty());
}

TEST(AboutWindow, PicturesChangeTheTooltipAtOnceAndStoreNothing) {
  const std::string classic = "Velorn - Data astrale: 0/0206.15";
  const std::string ng = "Velorn NG - Data stellare: -320545.2";
  const struct {
    const char* what;
    bool storedNg;
    std::vector<const char*> clicks;
    std::vector<std::string> tooltips;  // after each click
    const char* shown;                  // StarDate at the end
  } cases[] = {
      {"next generation", false, {"Image3"}, {ng}, "Next Generation"},
      {"classic", true, {"Image2"}, {classic}, "Velorn Classic"},
      {"back and forth",
       false,
       {"Image3", "Image2", "Image3"},
       {ng, classic, ng},
       "Next Generation"},
      {"same again", false, {"Image2"}, {classic}, "Velorn Classic"},
  };
  for (const auto& c : cases) {
    AboutSession s;
    if (c.storedNg) s.hp.settings.Save("KestalDate", "Impostazioni", "Data", "Next Generation");
    headless::User user = s.Open();
    const auto settingBefore = s.Setting();
    s.hp.log.Clear();
    for (std::size_t i = 0; i < c.clicks.size(); ++i) {
      user.Click(c.clicks[i]);
      ASSERT_EQ(s.hp.log.Matching("NotifyIcon").size(), i + 1) << c.what;
      EXPECT_EQ(s.hp.log.Matching("NotifyIcon").back(), "NotifyIcon(Tooltip)") << c.what;
      EXPECT_EQ(s.hp.tray.Tooltip(), c.tooltips[i]) << c.what;
    }
    EXPECT_EQ(user.Text("StarDate"), c.shown) << c.what;

    // Closed from the tray menu: the tooltip stays as the last click left it, nothing is stored.
    s.program.platform.windows.Unload(s.program.about);
    EXPECT_FALSE(s.program.about.IsLoaded()) << c.what;
    EXPECT_EQ(s.hp.tray.Tooltip(), c.tooltips.back()) << c.what;
    EXPECT_EQ(s.Setting(), settingBefore) << c.what;
    EXPECT_EQ(headless::KeptWrites(s.hp.log), Lines{}) << c.what;
  }
}

// The browser or mail program comes in front: About stops staying on top before the shell is
// asked, on its own behalf, and stays so until it closes.
TEST(AboutWindow, LinksOpenInFrontWithTheHourglassShown) {
  const struct {
    const char* label;
    std::string target;
  } cases[] = {
      {"Label4", std::string("mailto:") + KESTAL_MAIL},
      {"Label5", KESTAL_WEB},
  };
  for (const auto& c : cases) {
    AboutSession s;
    headless::User user = s.Open();
    std::vector<MousePointer> during;
    bool topmostWhileOpening = true;
    s.hp.shell.onOpen = [&] {
      during.push_back(s.hp.windows.Pointer());
      topmostWhileOpening = s.hp.effects.IsTopmost(s.program.about.Current()->hWnd());
    };
    ASSERT_TRUE(s.hp.effects.IsTopmost(s.program.about.Current()->hWnd())) << c.label;
    s.hp.shell.result = 2;  // the shell fails: nothing is said
    user.Click(c.label);
    EXPECT_EQ(s.hp.log.Matching("OpenWithShell("), Lines{"OpenWithShell(" + c.target + ")"})
        << c.label;
    EXPECT_EQ(during, std::vector<MousePointer>{MousePointer::Hourglass}) << c.label;
    EXPECT_EQ(s.hp.windows.Pointer(), MousePointer::Default) << c.label;
    EXPECT_TRUE(s.hp.log.Records<headless::MessageBoxRecord>().empty()) << c.label;
    EXPECT_TRUE(user.Visible()) << c.label;
    EXPECT_FALSE(topmostWhileOpening) << c.label;
    for (const auto& open : s.hp.log.Records<headless::OpenRecord>()) {
      EXPECT_EQ(open.owner, s.program.about.Current()->hWnd()) << c.label;
    }
    user.Click("Image3");
    EXPECT_FALSE(s.hp.effects.IsTopmost(s.program.about.Current()->hWnd())) << c.label;
  }
}

// About and the conventions window open in their order, on top and in the highlight colour, and
// "&Ok" closes them with the closing sound and zoom into the tray.
TEST(AboutAndConventionsWindows, OpenInOrderAndOkClosesThem) {
  const struct {
    std::string name;
    FormSlot Program::*slot;
    std::vector<std::string> opening;
    std::vector<const char*> highlighted;  // its controls in the highlight colour
  } windows[] = {
      {"About",
       &Program::about,
       {"GetSetting(KestalDate,Impostazioni,Data)", "Move(About,", "SetBackColor(About)",
        "Refresh(About)", "MakeTopmost(", "RoundOutline(",
        "GetRegValue(HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run,kestalDate)",
        "PlaySound(16)", "AnimateOutline("},
       {"Check1"}},
      {"News",
       &Program::conventionsWindow,
       {"MakeTopmost(", "Move(News,", "SetBackColor(News)", "Refresh(News)", "RoundOutline(",
        "PlaySound(16)", "AnimateOutline("},
       {}},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.name);
    testing::ProgramSession s;
    FormSlot& slot = s.program.*w.slot;
    s.hp.log.Clear();
    headless::User user = s.Open(slot);
    EXPECT_EQ(headless::NotInOrder(s.hp.log, w.opening), Lines{});
    EXPECT_TRUE(s.hp.effects.IsTopmost(slot.Current()->hWnd()));
    EXPECT_EQ(user.FormBackColor(), s.hp.windows.highlight);
    for (const char* name : w.highlighted)
      EXPECT_EQ(user.BackColor(name), s.hp.windows.highlight) << name;
    EXPECT_TRUE(user.Visible());

    s.hp.log.Clear();
    user.Click("Command1");
    const std::string unload = "Form_Unload(" + w.name + ")";
    EXPECT_EQ(headless::NotInOrder(s.hp.log, {unload, "PlaySound(24)", "AnimateOutline("}),
              Lines{});
    EXPECT_EQ(s.hp.log.Matching(unload).size(), 1u);
    EXPECT_EQ(s.hp.log.Matching("PlaySound(24)").size(), 1u);
    EXPECT_FALSE(slot.IsLoaded());
    EXPECT_TRUE(s.program.trayWindow.IsLoaded());
  }
}

}  // namespace
}  // namespace kestal
