// The zoom between the screen corner or the notification area and a window.
#include <gtest/gtest.h>

#include "effects/rg.h"
#include "tests/effects/ProbeWindow.h"

namespace kestal::testing {
namespace {

using headless::HeadlessEffects;

struct ZoomCase {
  const char* what;
  PixelRect desktop;
  bool taskbar;
  std::vector<std::string> taskbarChildren;
  PixelRect trayArea;
  int anchor;
  int direction;
  PixelRect anchorRect;  // where the outline comes from (opening) or goes to (closing)
};

TEST(ZoomWindow, DrawsBetweenTheAnchorAndTheWindow) {
  const std::vector<std::string> usual{"Start", "ReBarWindow32", "TrayNotifyWnd"};
  const PixelRect area{951, 738, 1020, 768};
  const ZoomCase cases[] = {
      {"corner of 1024 x 768, opening",
       {0, 0, 1024, 768},
       true,
       usual,
       area,
       8,
       0,
       {1023, 767, 1024, 768}},
      {"corner of 1024 x 768, closing",
       {0, 0, 1024, 768},
       true,
       usual,
       area,
       8,
       1,
       {1023, 767, 1024, 768}},
      {"corner of 1280 x 1024",
       {0, 0, 1280, 1024},
       true,
       usual,
       area,
       8,
       0,
       {1279, 1023, 1280, 1024}},
      {"corner without a taskbar",
       {0, 0, 800, 600},
       false,
       usual,
       area,
       8,
       0,
       {799, 599, 800, 600}},
      {"tray 951..1020: middle 985.5 goes to 986",
       {0, 0, 1024, 768},
       true,
       usual,
       area,
       10,
       1,
       {986, 738, 987, 768}},
      {"tray 950..1020: middle 985",
       {0, 0, 1024, 768},
       true,
       usual,
       {950, 740, 1020, 766},
       10,
       1,
       {985, 740, 986, 766}},
      {"tray 949..1020: middle 984.5 goes to 984",
       {0, 0, 1024, 768},
       true,
       usual,
       {949, 740, 1020, 766},
       10,
       1,
       {984, 740, 985, 766}},
      {"tray, opening", {0, 0, 1024, 768}, true, usual, area, 10, 0, {986, 738, 987, 768}},
      {"tray as the first child",
       {0, 0, 1024, 768},
       true,
       {"TrayNotifyWnd", "Start"},
       area,
       10,
       1,
       {986, 738, 987, 768}},
      {"no taskbar", {0, 0, 1024, 768}, false, usual, area, 10, 1, {0, 0, 1, 0}},
      {"no taskbar, opening", {0, 0, 1024, 768}, false, usual, area, 10, 0, {0, 0, 1, 0}},
      {"taskbar without children", {0, 0, 1024, 768}, true, {}, area, 10, 1, {0, 0, 1, 0}},
      {"taskbar without a notification area",
       {0, 0, 1024, 768},
       true,
       {"Start", "MSTaskSwWClass"},
       area,
       10,
       1,
       {0, 0, 1, 0}},
      {"a longer name read before it",
       {0, 0, 1024, 768},
       true,
       {"TrayNotifyWnd2", "TrayNotifyWnd"},
       area,
       10,
       1,
       {986, 738, 987, 768}},
      {"class names must match exactly",
       {0, 0, 1024, 768},
       true,
       {"TrayNotifyWnd2", "traynotifywnd", "TrayNotify"},
       area,
       10,
       1,
       {0, 0, 1, 0}},
  };
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.what);
    Desk desk;
    auto& hp = desk.hp;
    hp.effects.desktop = c.desktop;
    hp.effects.taskbar = c.taskbar;
    hp.effects.taskbarChildren = c.taskbarChildren;
    hp.effects.trayNotifyRect = c.trayArea;
    ProbeWindow window(desk.program, 5220, 4860, false);
    hp.windows.Show(window);
    window.Move(1500, 3000);
    const WindowHandle handle = window.hWnd();
    const PixelRect rect = hp.effects.RectOf(window);
    ASSERT_EQ(rect, (PixelRect{100, 200, 448, 524}));

    rg::ZoomWindow(window, c.anchor, c.direction);

    ASSERT_EQ(hp.effects.Animations().size(), 1u);
    const HeadlessEffects::Animation& drawn = hp.effects.Animations()[0];
    EXPECT_EQ(drawn.window, handle);
    EXPECT_EQ(drawn.idAni, 3);
    EXPECT_EQ(drawn.from, c.direction == 0 ? c.anchorRect : rect);
    EXPECT_EQ(drawn.to, c.direction == 0 ? rect : c.anchorRect);
    // Opening only draws; closing also hides and releases the window.
    EXPECT_EQ(window.State(), c.direction == 0 ? FormState::Loaded : FormState::Released);
    EXPECT_EQ(hp.log.Matching("HideWindow(Probe)").size(), c.direction == 0 ? 0u : 1u);
  }
}

// The steps of each zoom, as the platform sees them.
TEST(ZoomWindow, StepsInOrder) {
  const struct {
    int anchor, direction;
    std::vector<std::string> steps;
  } cases[] = {
      {8, 0, {"DrawAnimatedRects", "DoEvents"}},
      {10, 0, {"DrawAnimatedRects", "DoEvents"}},
      {8,
       1,
       {"DrawAnimatedRects", "DoEvents", "HideWindow(Probe)", "DoEvents", "Form_Unload(Probe)",
        "DestroyWindow(Probe)"}},
      {10,
       1,
       {"DrawAnimatedRects", "HideWindow(Probe)", "DoEvents", "Form_Unload(Probe)",
        "DestroyWindow(Probe)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "anchor " << c.anchor << " direction " << c.direction);
    Desk desk;
    ProbeWindow window(desk.program, 5220, 4860, false);
    desk.hp.windows.Show(window);
    desk.hp.log.Clear();
    rg::ZoomWindow(window, c.anchor, c.direction);
    std::vector<std::string> steps;
    for (const std::string& entry : desk.hp.log.Entries()) {
      for (const char* kept : {"DrawAnimatedRects", "DoEvents", "HideWindow", "Form_Unload",
                               "DestroyWindow", "ShowWindow"}) {
        if (entry.starts_with(kept)) steps.push_back(entry.starts_with("Draw") ? kept : entry);
      }
    }
    EXPECT_EQ(steps, c.steps);
    // Released once, through the window layer.
    EXPECT_EQ(window.unloads, c.direction == 1 ? 1 : 0);
  }
}

TEST(ZoomWindow, ClosingAHiddenWindowDoesNothing) {
  for (const int anchor : {8, 10}) {
    SCOPED_TRACE(anchor);
    Desk desk;
    ProbeWindow window(desk.program, 5220, 4860, false);
    desk.hp.windows.Load(window);  // loaded, never shown
    desk.hp.log.Clear();
    rg::ZoomWindow(window, anchor, 1);
    EXPECT_TRUE(desk.hp.log.Entries().empty());
    EXPECT_TRUE(desk.hp.effects.Animations().empty());
    EXPECT_EQ(window.State(), FormState::Loaded);
    EXPECT_EQ(window.unloads, 0);
  }
}

}  // namespace
}  // namespace kestal::testing
