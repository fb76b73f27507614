// The tray icon: shown at start for the hidden window, removed at the end, and the tooltip that
// follows the convention, the calendar and the shell.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "resources/ResourceIds.h"
#include "tests/tray/TraySession.h"
#include "text/CivilDate.h"
#include "tray/TrayIcon.h"

namespace kestal::testing {
namespace {

constexpr std::string_view kClassic = "Velorn - Data astrale: ";
constexpr std::string_view kNextGeneration = "Velorn NG - Data stellare: ";

std::string Tip(std::string_view prefix, std::string_view stardate) {
  return std::string(prefix) + std::string(stardate);
}

// The conventions the tooltip can show: the one stored, or the one picked in About since.
const struct Shown {
  const char* what;
  const char* setting;
  int aboutChoice;  // -1: none; 0: classic; 1: Next Generation, picked in the About window
  bool nextGeneration;
} kShown[] = {{"classic stored", "", -1, false},
              {"Next Generation stored", "Next Generation", -1, true},
              {"Next Generation picked", "", 1, true},
              {"classic picked over Next Generation", "Next Generation", 0, false}};

// Starts the program with the case's setting stored, then picks in About as the case says.
TrayWindow& StartShowing(TraySession& s, const Shown& shown,
                         LocalDateTime now = {2002, 6, 15, 10, 30, 0, 0}) {
  TrayWindow& form1 = s.Start(shown.setting, now);
  if (shown.aboutChoice >= 0) s.program.trayIcon.Show(shown.aboutChoice == 1);
  return form1;
}

TEST(TrayStart, ShowsTheIconForTheHiddenWindow) {
  TraySession s;
  TrayWindow& form1 = s.Start();

  EXPECT_EQ(s.hp.log.Matching("NotifyIcon"), std::vector<std::string>{"NotifyIcon(Show)"});
  EXPECT_NE(s.hp.tray.Window(), 0u);
  EXPECT_EQ(s.hp.tray.Window(), form1.hWnd());
  EXPECT_TRUE(s.hp.tray.IconShown());
  EXPECT_EQ(s.hp.tray.Tooltip(), "Velorn - Data astrale: 0/0206.15");
  // The window itself is never shown.
  EXPECT_FALSE(form1.Visible());
  EXPECT_TRUE(s.hp.log.Matching("ShowWindow").empty());
  EXPECT_EQ(form1.Definition().caption, "Velorn");
  EXPECT_EQ(form1.Definition().iconId, IDI_KESTAL);
  EXPECT_TRUE(form1.Definition().topLevel);
  EXPECT_FALSE(s.hp.windows.Ended());
}

TEST(TrayTooltip, ShowsTodayInTheStoredConvention) {
  const struct {
    LocalDateTime today;
    const char* classic;
    const char* nextGeneration;
  } days[] = {
      {{2002, 6, 15, 10, 30}, "0/0206.15", "-320545.2"},
      {{2001, 12, 31, 23, 59}, "0/0112.31", "-321000"},  // a whole value has no point
      {{2324, 2, 29, 0, 0}, "3/2402.29", " 1163.9"},     // its blank beside the prefix's
      {{1999, 12, 31, 8, 0}, "-1/9912.31", "-323000"},
  };
  const struct {
    const char* setting;
    bool nextGeneration;
  } settings[] = {{"", false}, {"Next Generation", true}, {"Velorn Classic", true}, {" ", true}};
  for (const auto& day : days) {
    for (const auto& setting : settings) {
      SCOPED_TRACE(::testing::Message()
                   << day.classic << " with setting '" << setting.setting << "'");
      TraySession s;
      s.Start(setting.setting, day.today);
      const std::string expected = setting.nextGeneration ? Tip(kNextGeneration, day.nextGeneration)
                                                          : Tip(kClassic, day.classic);
      EXPECT_EQ(s.hp.tray.Tooltip(), expected);
      EXPECT_EQ(s.program.trayIcon.ShowsNextGeneration(), setting.nextGeneration);
      // The texts themselves end in their NUL.
      EXPECT_EQ(NGTipText(s.hp.clock), Tip(kNextGeneration, day.nextGeneration) + '\0');
      EXPECT_EQ(ClassicTipText(s.hp.clock), Tip(kClassic, day.classic) + '\0');
    }
  }
}

TEST(TrayEnd, RemovesTheIcon) {
  TraySession s;
  s.Start("Next Generation");
  // The About window may have changed the tooltip meanwhile.
  s.program.trayIcon.Show(false);
  s.program.platform.windows.Unload(s.program.trayWindow);

  EXPECT_EQ(s.LastTrayCall(), "NotifyIcon(Remove)");
  EXPECT_FALSE(s.hp.tray.IconShown());
  EXPECT_TRUE(s.hp.windows.Ended());
}

TEST(TrayTooltip, FollowsTheDayInTheConventionShown) {
  for (const auto& c : kShown) {
    SCOPED_TRACE(c.what);
    TraySession s;
    TrayWindow& form1 = StartShowing(s, c, {2001, 12, 31, 23, 59, 59, 250});
    EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kMidnightTimer), 750);

    // A timer that comes a little early finds the same day and waits the rest.
    s.hp.clock.SetLocal({2001, 12, 31, 23, 59, 59, 990});
    const std::string before = s.hp.tray.Tooltip();
    ASSERT_TRUE(s.hp.windows.FireTimer(form1, TrayWindow::kMidnightTimer));
    EXPECT_EQ(s.hp.tray.Tooltip(), before);
    EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kMidnightTimer), 10);

    s.hp.clock.SetLocal({2002, 1, 1, 0, 0, 0, 20});
    ASSERT_TRUE(s.hp.windows.FireTimer(form1, TrayWindow::kMidnightTimer));
    EXPECT_EQ(s.LastTrayCall(), "NotifyIcon(Tooltip)");
    EXPECT_EQ(s.hp.tray.Tooltip(),
              c.nextGeneration ? Tip(kNextGeneration, "-320997.3") : Tip(kClassic, "0/0201.01"));
    EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kMidnightTimer), 86'400'000 - 20);
  }
}

// The timer waits for the next local midnight as time really passes, wherever the day began:
// the days the clocks change have 23 or 25 hours; in the hour that the autumn night repeats,
// a start, a wake-up or a time change waits from the instant, not from a local time that came
// twice; zones whose clocks change at midnight begin the day when the clocks say so.
TEST(TrayTooltip, WaitsForTheNextLocalMidnight) {
  constexpr long h = 3600L * 1000;
  const std::function<int(Instant)> cet = headless::CentralEuropeanOffset;
  // A zone whose clocks change once, at that instant (UTC), from one offset to another.
  const auto changing = [](LocalDateTime utc, int before, int after) {
    const Instant change = WallMilliseconds(utc);
    return std::function<int(Instant)>([=](Instant t) { return t < change ? before : after; });
  };
  // Sao Paulo, 2018 and 2019: forward at midnight (0:00 becomes 1:00), back at midnight (0:00
  // becomes 23:00 of the day before). Havana, 2026: back from 1:00 to 0:00, midnight twice.
  const auto forwardAt0 = changing({2018, 11, 4, 3}, -180, -120);
  const auto backAt0 = changing({2019, 2, 17, 2}, -120, -180);
  const auto backAt1 = changing({2026, 11, 1, 5}, -240, -300);
  constexpr std::optional<SystemEvent> start;  // the program starts then
  constexpr SystemEvent set = SystemEvent::TimeChanged, wake = SystemEvent::Resumed;
  const struct {
    const char* what;
    std::function<int(Instant)> zone;
    LocalDateTime at;  // the first instant the clock shows this,
    long later;        // then so much later
    std::optional<SystemEvent> event;
    long wait;
  } cases[] = {
      {"an ordinary day", cet, {2026, 6, 15}, 0, start, 24 * h},
      {"its last millisecond", cet, {2026, 6, 15, 23, 59, 59, 999}, 0, start, 1},
      {"the spring day, from its start", cet, {2026, 3, 29}, 0, start, 23 * h},
      {"the spring day, after the change", cet, {2026, 3, 29, 12}, 0, start, 12 * h},
      {"the evening before the spring day", cet, {2026, 3, 28, 18}, 0, start, 6 * h},
      {"the autumn day, from its start", cet, {2026, 10, 25}, 0, start, 25 * h},
      {"the autumn day, late", cet, {2026, 10, 25, 23}, 0, start, 1 * h},
      {"start in the repeated hour", cet, {2026, 10, 25, 2, 30}, 0, start, 22 * h + h / 2},
      {"start in it again", cet, {2026, 10, 25, 2, 30}, h, start, 21 * h + h / 2},
      {"clock set into the repeated hour", cet, {2026, 10, 25, 2, 59, 59}, 0, set, 22 * h + 1000},
      {"clock set into it again", cet, {2026, 10, 25, 2, 59, 58}, h, set, 21 * h + 2000},
      {"wake-up in the repeated hour", cet, {2026, 10, 25, 2, 15}, 0, wake, 22 * h + h * 3 / 4},
      {"wake-up in it again", cet, {2026, 10, 25, 2, 15}, h, wake, 21 * h + h * 3 / 4},
      {"forward at midnight: the day begins at 1", forwardAt0, {2018, 11, 3, 20}, 0, start, 4 * h},
      {"back at midnight: 23:00 again first", backAt0, {2019, 2, 16, 20}, 0, set, 5 * h},
      {"back from 1:00 to 0:00: the first midnight", backAt1, {2026, 10, 31, 20}, 0, start, 4 * h},
      {"back from 1:00 to 0:00: 25 hours", backAt1, {2026, 11, 1}, 0, wake, 25 * h},
      {"the last day there is", cet, {9999, 12, 31, 12}, 0, start, 12 * h},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TraySession s;
    auto& clock = s.hp.clock;
    clock.utcOffset = c.zone;
    if (c.event) s.Start();
    clock.SetLocal(c.at);
    clock.now += c.later;
    if (c.event) {
      s.hp.windows.Broadcast(*c.event);
    } else {
      s.program.Start();
    }
    TrayWindow& form1 = s.form1();
    const long wait = s.hp.windows.TimerInterval(form1, TrayWindow::kMidnightTimer);
    EXPECT_EQ(wait, c.wait);
    // The wait ends on the first millisecond of another day.
    const LocalDateTime today = clock.Now(), before = clock.LocalTimeAt(clock.now + wait - 1),
                        after = clock.LocalTimeAt(clock.now + wait);
    EXPECT_EQ((CivilDate{before.year, before.month, before.day}),
              (CivilDate{today.year, today.month, today.day}));
    EXPECT_NE((CivilDate{after.year, after.month, after.day}),
              (CivilDate{today.year, today.month, today.day}));
  }
}

TEST(TrayTooltip, FollowsClockChangesAndWakingUp) {
  for (const SystemEvent event : {SystemEvent::TimeChanged, SystemEvent::Resumed}) {
    for (const auto& c : kShown) {
      SCOPED_TRACE(::testing::Message()
                   << c.what << (event == SystemEvent::Resumed ? ", waking up" : ", clock set"));
      TraySession s;
      TrayWindow& form1 = StartShowing(s, c);
      s.hp.clock.SetLocal({2324, 2, 29, 18, 0, 0, 0});
      s.hp.windows.Broadcast(event);
      EXPECT_EQ(s.LastTrayCall(), "NotifyIcon(Tooltip)");
      EXPECT_EQ(s.hp.tray.Tooltip(),
                c.nextGeneration ? Tip(kNextGeneration, " 1163.9") : Tip(kClassic, "3/2402.29"));
      // The wait for midnight starts again from the new time.
      EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kMidnightTimer), 6L * 3600 * 1000);
    }
  }
}

// The shell comes back after a restart, or announces itself with its icon still there: the icon
// is shown with the day's tooltip, and nothing is left to retry.
TEST(TrayIcon, ComesBackWhenTheShellRestarts) {
  for (const bool restarted : {true, false}) {
    for (const auto& c : kShown) {
      SCOPED_TRACE(::testing::Message()
                   << c.what << (restarted ? ", shell restarted" : ", icon still there"));
      TraySession s;
      TrayWindow& form1 = StartShowing(s, c);
      if (restarted) s.hp.tray.RestartShell();
      s.hp.clock.SetLocal({2002, 6, 16, 9, 0, 0, 0});  // the shell comes back the next morning
      s.hp.windows.Broadcast(SystemEvent::TaskbarCreated);

      EXPECT_TRUE(s.hp.tray.IconShown());
      EXPECT_EQ(s.LastTrayCall(), "NotifyIcon(Show)");
      EXPECT_EQ(s.hp.tray.Window(), form1.hWnd());
      EXPECT_EQ(s.hp.tray.Tooltip(),
                c.nextGeneration ? Tip(kNextGeneration, "-320542.5") : Tip(kClassic, "0/0206.16"));
      EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kAddIconTimer), 0);
    }
  }
}

TEST(TrayIcon, AddedOnceTheTaskbarComesUp) {
  const struct {
    const char* how;
    int failedRetries;
    bool announced;  // the shell announces itself instead of the retry finding it
  } cases[] = {{"first retry", 0, false},
               {"after a minute", 30, false},
               {"last retry", 59, false},
               {"announced", 5, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    TraySession s;
    s.hp.tray.available = false;
    TrayWindow& form1 = s.Start("Next Generation");
    EXPECT_FALSE(s.hp.tray.IconShown());
    EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kAddIconTimer), 2000);
    for (int i = 0; i < c.failedRetries; ++i)
      ASSERT_TRUE(s.hp.windows.FireTimer(form1, TrayWindow::kAddIconTimer)) << i;

    s.hp.tray.available = true;
    s.hp.clock.SetLocal({2002, 6, 16, 0, 1, 0, 0});
    if (c.announced) {
      s.hp.windows.Broadcast(SystemEvent::TaskbarCreated);
    } else {
      ASSERT_TRUE(s.hp.windows.FireTimer(form1, TrayWindow::kAddIconTimer));
    }
    EXPECT_TRUE(s.hp.tray.IconShown());
    EXPECT_EQ(s.LastTrayCall(), "NotifyIcon(Show)");
    EXPECT_EQ(s.hp.tray.Tooltip(), Tip(kNextGeneration, "-320542.5"));
    EXPECT_EQ(s.hp.windows.TimerInterval(form1, TrayWindow::kAddIconTimer), 0);
  }
}

// Two minutes without a taskbar: the user is told and the program ends with a failure code,
// unless the taskbar comes up while the message is read.
TEST(TrayIcon, GivesUpAfterTwoMinutesAndSaysSo) {
  for (const bool taskbarComesMeanwhile : {false, true}) {
    SCOPED_TRACE(taskbarComesMeanwhile);
    TraySession s;
    s.hp.tray.available = false;
    s.hp.windows.onMessageBox = [&](const headless::MessageBoxRecord&) {
      if (!taskbarComesMeanwhile) return;
      s.hp.tray.available = true;
      s.hp.windows.Broadcast(SystemEvent::TaskbarCreated);
    };
    TrayWindow& form1 = s.Start();
    int retries = 0;
    while (s.hp.windows.FireTimer(form1, TrayWindow::kAddIconTimer)) ASSERT_LE(++retries, 60);
    EXPECT_EQ(retries, 60);  // every 2 s for 2 minutes
    const auto boxes = s.hp.log.Records<headless::MessageBoxRecord>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("area di notifica"), std::string::npos);
    EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(s.hp.tray.IconShown(), taskbarComesMeanwhile);
    EXPECT_EQ(s.hp.windows.Ended(), !taskbarComesMeanwhile);
    EXPECT_EQ(s.hp.windows.ExitCode(), taskbarComesMeanwhile ? 0 : 1);
  }
}

TEST(TrayStart, AWindowThatCannotBeMadeIsReported) {
  TraySession s;
  s.hp.windows.refuseWindows = true;
  EXPECT_FALSE(s.program.Start());
  EXPECT_FALSE(s.hp.tray.IconShown());
}

}  // namespace
}  // namespace kestal::testing
