// The window tree that the zoom walks: desktop, taskbar and its children, the loaded windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

class Sized : public Form {
 public:
  Sized(Program& program, int width, int height)
      : Form(program, FormSpec{"Sized", "", width, height, 0, false}) {}
};

// The class names of the taskbar's children in the platform's order, walked as the zoom does.
std::vector<std::string> WalkTaskbar(HeadlessEffects& effects) {
  std::vector<std::string> names;
  for (WindowHandle h = effects.GetWindow(effects.FindWindow("Shell_TrayWnd"), kGwChild); h != 0;
       h = effects.GetWindow(h, kGwHwndNext)) {
    std::string buffer(100, ' ');
    const int n = effects.GetClassName(h, buffer, 100);
    names.push_back(buffer.substr(0, static_cast<std::size_t>(n)));
  }
  return names;
}

TEST(HeadlessEffects, TheTaskbarAndItsChildren) {
  HeadlessPlatform headless;
  HeadlessEffects& effects = headless.effects;
  EXPECT_EQ(WalkTaskbar(effects), (std::vector<std::string>{"Start", "TrayNotifyWnd"}));
  effects.taskbarChildren = {"ReBarWindow32", "TrayNotifyWnd", "TrayClockWClass"};
  EXPECT_EQ(WalkTaskbar(effects), effects.taskbarChildren);
  effects.taskbarChildren = {};
  EXPECT_TRUE(WalkTaskbar(effects).empty());
  effects.taskbarChildren = {"Start"};
  effects.taskbar = false;
  EXPECT_EQ(effects.FindWindow("Shell_TrayWnd"), 0u);
  EXPECT_EQ(effects.GetWindow(0, kGwChild), 0u);
  EXPECT_TRUE(WalkTaskbar(effects).empty());
}

TEST(HeadlessEffects, ClassNamesAreCutToTheBuffer) {
  HeadlessPlatform headless;
  HeadlessEffects& effects = headless.effects;
  const WindowHandle tray = HeadlessEffects::TaskbarChild(1);
  const struct {
    int maxCount;
    int copied;
    const char* text;
  } cases[] = {{100, 13, "TrayNotifyWnd"},
               {14, 13, "TrayNotifyWnd"},
               {13, 12, "TrayNotifyWn"},
               {1, 0, ""},
               {0, 0, ""}};
  for (const auto& c : cases) {
    std::string buffer(100, ' ');
    EXPECT_EQ(effects.GetClassName(tray, buffer, c.maxCount), c.copied) << c.maxCount;
    EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(c.copied)), c.text);
    EXPECT_EQ(buffer.size(), 100u);  // the rest of the buffer stays
  }
  std::string buffer = "unchanged";
  EXPECT_EQ(effects.GetClassName(0, buffer, 100), 0);
  EXPECT_EQ(effects.GetClassName(0x7777, buffer, 100), 0);
  EXPECT_EQ(buffer, "unchanged");
}

TEST(HeadlessEffects, RectanglesOfTheTreeAndOfLoadedWindows) {
  HeadlessPlatform headless;
  Program program{headless.platform()};
  HeadlessEffects& effects = headless.effects;
  Sized window(program, 5220, 4860);
  const PixelRect untouched{1, 2, 3, 4};

  PixelRect rect = untouched;
  effects.GetWindowRect(effects.GetDesktopWindow(), rect);
  EXPECT_EQ(rect, (PixelRect{0, 0, 1024, 768}));
  rect = untouched;
  effects.GetWindowRect(HeadlessEffects::TaskbarChild(1), rect);
  EXPECT_EQ(rect, effects.trayNotifyRect);

  headless.windows.Load(window);
  const WindowHandle handle = window.hWnd();
  window.Move((15360 - 5220) / 2, (11520 - 4860) / 2);
  rect = untouched;
  effects.GetWindowRect(handle, rect);
  EXPECT_EQ(rect, (PixelRect{338, 222, 686, 546}));  // 348 x 324 pixels, centred
  EXPECT_EQ(headless.log.Entries().back(), "GetWindowRect(" + std::to_string(handle) + ")");

  // Twips become pixels by the screen's twips per pixel, a half to the even neighbour.
  const struct {
    int left, top;
    double perPixel;
    PixelRect expected;
  } cases[] = {
      {0, 0, 15, {0, 0, 348, 324}},
      {7, 22, 15, {0, 1, 348, 325}},        // 0.47 -> 0, 1.47 -> 1
      {6, 6, 12, {0, 0, 435, 405}},         // 0.5 -> 0; 5220 / 12 = 435
      {18, 30, 12, {2, 2, 437, 407}},       // 1.5 -> 2, 2.5 -> 2
      {-150, -15, 15, {-10, -1, 338, 323}}  // off the screen's top-left corner
  };
  for (const auto& c : cases) {
    headless.windows.screen.twipsPerPixelX = c.perPixel;
    headless.windows.screen.twipsPerPixelY = c.perPixel;
    window.Move(c.left, c.top);
    rect = untouched;
    effects.GetWindowRect(handle, rect);
    EXPECT_EQ(rect, c.expected) << c.left << "," << c.top << " at " << c.perPixel;
  }

  headless.windows.Unload(window);
  rect = untouched;
  effects.GetWindowRect(handle, rect);  // a released window's handle is gone
  EXPECT_EQ(rect, untouched);
  effects.GetWindowRect(0, rect);
  EXPECT_EQ(rect, untouched);
  effects.taskbar = false;
  effects.GetWindowRect(HeadlessEffects::TaskbarChild(1), rect);
  EXPECT_EQ(rect, untouched);
}

TEST(HeadlessEffects, AnimationsTopmostAndOutlinesAreRecorded) {
  HeadlessPlatform headless;
  Program program{headless.platform()};
  HeadlessEffects& effects = headless.effects;
  Sized window(program, 5220, 4860);
  headless.windows.Load(window);
  const WindowHandle h = window.hWnd();
  const std::string hs = std::to_string(h);

  int animating = 0;
  effects.onAnimate = [&] { ++animating; };
  effects.DrawAnimatedRects(h, kIdAniCaption, {1023, 767, 1024, 768}, {338, 222, 686, 546});
  EXPECT_EQ(animating, 1);
  ASSERT_EQ(effects.Animations().size(), 1u);
  EXPECT_EQ(effects.Animations()[0].to, (PixelRect{338, 222, 686, 546}));

  EXPECT_FALSE(effects.IsTopmost(h));
  effects.SetWindowPos(h, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
  EXPECT_TRUE(effects.IsTopmost(h));

  const RegionHandle region = effects.CreateRoundRectRgn(0, 0, 348, 324, 20, 20);
  EXPECT_FALSE(effects.RegionOf(h));
  effects.SetWindowRgn(h, region, true);
  EXPECT_EQ(effects.RegionOf(h), (HeadlessEffects::RoundRegion{0, 0, 348, 324, 20, 20}));

  EXPECT_EQ(headless.log.Entries(),
            (std::vector<std::string>{
                "Form_Load(Sized)",
                "DrawAnimatedRects(" + hs + ",3,(1023,767,1024,768),(338,222,686,546))",
                "SetWindowPos(" + hs + ",-1,0,0,0,0,3)", "CreateRoundRectRgn(0,0,348,324,20,20)",
                "SetWindowRgn(" + hs + "," + std::to_string(region) + ",1)"}));
}

}  // namespace
}  // namespace kestal::headless
