// The zoom between the screen corner or the notification area and a window.
#include "effects/Zoom.h"

#include <gtest/gtest.h>

#include "tests/driver/LogLines.h"
#include "tests/effects/ProbeWindow.h"

namespace kestal::testing {
namespace {

// The desktop, notification area, icon and taskbar most cases share.
constexpr PixelRect kScreen{0, 0, 1024, 768};
constexpr PixelRect kArea{951, 738, 1020, 768};
constexpr PixelRect kIcon{1004, 750, 1020, 766};
constexpr PixelRect kBottomTaskbar{0, 738, 1024, 768};

TEST(ZoomWindow, DrawsBetweenTheAnchorAndTheWindow) {
  using A = ZoomAnchor;
  using D = ZoomDirection;
  struct Case {
    const char* what;
    ZoomAnchor anchor;
    ZoomDirection direction;
    PixelRect anchorRect;  // where the outline comes from (opening) or goes to (closing)
    std::optional<PixelRect> notificationArea = kArea;
    std::optional<PixelRect> trayIcon = kIcon;
    std::optional<PixelRect> taskbar = kBottomTaskbar;
    PixelRect desktop = kScreen;
  };
  // Towards the notification area when the shell tells neither where it is nor where the icon is.
  const auto neither = [](const char* what, ZoomDirection direction, PixelRect anchorRect,
                          std::optional<PixelRect> taskbar = kBottomTaskbar) {
    return Case{what,         A::NotificationArea, direction, anchorRect,
                std::nullopt, std::nullopt,        taskbar};
  };
  const Case cases[] = {
      {"corner of 1024 x 768, opening", A::ScreenCorner, D::Opening, {1023, 767, 1024, 768}},
      {"corner of 1024 x 768, closing", A::ScreenCorner, D::Closing, {1023, 767, 1024, 768}},
      {"corner of 1280 x 1024",
       A::ScreenCorner,
       D::Opening,
       {1279, 1023, 1280, 1024},
       kArea,
       kIcon,
       kBottomTaskbar,
       {0, 0, 1280, 1024}},
      {"corner without a taskbar",
       A::ScreenCorner,
       D::Opening,
       {799, 599, 800, 600},
       std::nullopt,
       std::nullopt,
       std::nullopt,
       {0, 0, 800, 600}},
      {"tray 951..1020: middle 985.5 goes to 986, not the icon",
       A::NotificationArea,
       D::Closing,
       {986, 738, 987, 768}},
      {"tray 950..1020: middle 985",
       A::NotificationArea,
       D::Closing,
       {985, 740, 986, 766},
       PixelRect{950, 740, 1020, 766}},
      {"tray 949..1020: middle 984.5 goes to 984",
       A::NotificationArea,
       D::Closing,
       {984, 740, 985, 766},
       PixelRect{949, 740, 1020, 766}},
      {"tray, opening", A::NotificationArea, D::Opening, {986, 738, 987, 768}},
      {"no notification area: the icon", A::NotificationArea, D::Closing, kIcon, std::nullopt},
      {"a notification area without width: the icon", A::NotificationArea, D::Closing, kIcon,
       PixelRect{1000, 748, 1000, 768}},
      {"a notification area without height: the icon", A::NotificationArea, D::Closing, kIcon,
       PixelRect{951, 768, 1020, 768}},
      {"no notification area, opening from the icon", A::NotificationArea, D::Opening, kIcon,
       std::nullopt},
      // Neither (Wine's taskbar has no notification window and can't tell where the icon is):
      // the taskbar's end where the clock is, wherever the taskbar lies.
      neither("neither, taskbar at the bottom: its right end", D::Closing, {1023, 738, 1024, 768}),
      {"an empty icon counts as none",
       A::NotificationArea,
       D::Closing,
       {1023, 738, 1024, 768},
       std::nullopt,
       PixelRect{1004, 750, 1004, 750}},
      neither("neither, opening", D::Opening, {1023, 738, 1024, 768}),
      neither("neither, taskbar at the top", D::Closing, {1023, 0, 1024, 30},
              PixelRect{0, 0, 1024, 30}),
      neither("neither, taskbar on the right: its bottom end", D::Closing, {984, 767, 1024, 768},
              PixelRect{984, 0, 1024, 768}),
      neither("neither, taskbar on the left", D::Closing, {0, 767, 40, 768},
              PixelRect{0, 0, 40, 768}),
      neither("no taskbar at all: the top-left corner", D::Closing, {0, 0, 1, 0}, std::nullopt),
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Desk desk;
    desk.hp.effects.desktop = c.desktop;
    desk.hp.effects.notificationArea = c.notificationArea;
    desk.hp.effects.trayIcon = c.trayIcon;
    desk.hp.effects.taskbar = c.taskbar;
    ProbeWindow window(desk.sequence, 5220, 4860, false);
    desk.hp.windows.Show(window);
    window.Move(1500, 3000);
    const WindowHandle handle = window.hWnd();
    const PixelRect rect = desk.hp.effects.RectOf(window);
    ASSERT_EQ(rect, (PixelRect{100, 200, 448, 524}));

    ZoomWindow(desk.hp.platform(), window, c.anchor, c.direction);

    const auto drawn = desk.hp.log.Records<headless::AnimationRecord>();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].window, handle);
    const bool opening = c.direction == D::Opening;
    EXPECT_EQ(drawn[0].from, opening ? c.anchorRect : rect);
    EXPECT_EQ(drawn[0].to, opening ? rect : c.anchorRect);
    // Opening only draws; closing also hides and releases the window.
    EXPECT_EQ(window.State(), opening ? FormState::Loaded : FormState::Released);
    EXPECT_EQ(desk.hp.log.Matching("HideWindow(Probe)").size(), opening ? 0u : 1u);
  }
}

// The steps of each zoom, as the platform sees them.
TEST(ZoomWindow, StepsInOrder) {
  using A = ZoomAnchor;
  using D = ZoomDirection;
  const struct {
    ZoomAnchor anchor;
    ZoomDirection direction;
    std::vector<std::string> steps;
  } cases[] = {
      {A::ScreenCorner, D::Opening, {"AnimateOutline", "DoEvents"}},
      {A::NotificationArea, D::Opening, {"AnimateOutline", "DoEvents"}},
      {A::ScreenCorner,
       D::Closing,
       {"AnimateOutline", "DoEvents", "HideWindow(Probe)", "DoEvents", "Form_Unload(Probe)",
        "DestroyWindow(Probe)"}},
      {A::NotificationArea,
       D::Closing,
       {"AnimateOutline", "HideWindow(Probe)", "DoEvents", "Form_Unload(Probe)",
        "DestroyWindow(Probe)"}},
  };
  for (const auto& c : cases) {
    // With the system's animations off, no outline and every other step as before.
    for (const bool animations : {true, false}) {
      SCOPED_TRACE(::testing::Message()
                   << "anchor " << static_cast<int>(c.anchor) << " direction "
                   << static_cast<int>(c.direction) << " animations " << animations);
      Desk desk;
      desk.hp.effects.animationsOn = animations;
      ProbeWindow window(desk.sequence, 5220, 4860, false);
      desk.hp.windows.Show(window);
      desk.hp.log.Clear();
      ZoomWindow(desk.hp.platform(), window, c.anchor, c.direction);
      std::vector<std::string> steps =
          headless::LinesStarting(desk.hp.log, {"AnimateOutline", "DoEvents", "HideWindow",
                                                "Form_Unload", "DestroyWindow", "ShowWindow"});
      for (std::string& step : steps) {
        if (step.starts_with("AnimateOutline")) step = "AnimateOutline";
      }
      std::vector<std::string> expected = c.steps;
      if (!animations) std::erase(expected, "AnimateOutline");
      EXPECT_EQ(steps, expected);
      EXPECT_EQ(desk.hp.log.Records<headless::AnimationRecord>().size(), animations ? 1u : 0u);
      // Released once, through the window layer.
      EXPECT_EQ(window.unloads, c.direction == D::Closing ? 1 : 0);
    }
  }
}

TEST(ZoomWindow, ClosingAHiddenWindowDoesNothing) {
  for (const ZoomAnchor anchor : {ZoomAnchor::ScreenCorner, ZoomAnchor::NotificationArea}) {
    SCOPED_TRACE(static_cast<int>(anchor));
    Desk desk;
    ProbeWindow window(desk.sequence, 5220, 4860, false);
    desk.hp.windows.Load(window);  // loaded, never shown
    desk.hp.log.Clear();
    ZoomWindow(desk.hp.platform(), window, anchor, ZoomDirection::Closing);
    EXPECT_TRUE(desk.hp.log.Entries().empty());
    EXPECT_TRUE(desk.hp.log.Records<headless::AnimationRecord>().empty());
    EXPECT_EQ(window.State(), FormState::Loaded);
    EXPECT_EQ(window.unloads, 0);
  }
}

}  // namespace
}  // namespace kestal::testing
