// The opening and closing that the program's windows share.
#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "app/Program.h"
#include "platform/headless/HeadlessSurface.h"
#include "tests/driver/LogLines.h"
#include "tests/effects/ProbeWindow.h"
#include "tray/TrayWindow.h"

namespace kestal::testing {
namespace {

// The log with the window's handle written as "hWnd", keeping the
// calls the sequence is made of and the marks the window's own steps leave.
std::vector<std::string> Steps(const headless::CallLog& log, WindowHandle handle) {
  const std::regex window("\\b" + HandleText(handle) + "\\b");
  std::vector<std::string> steps =
      headless::LinesStarting(log, {"Form_", "MakeTopmost", "Move", "SetBackColor", "Refresh",
                                    "RoundOutline", "mark:", "StopSound", "PlaySound", "DoEvents",
                                    "AnimateOutline", "ShowWindow", "HideWindow", "DestroyWindow"});
  for (std::string& step : steps) step = std::regex_replace(step, window, "hWnd");
  return steps;
}

// The window's own steps leave marks in the log; the colours its controls are given are kept.
WindowOpening MarkedSteps(headless::CallLog& log, std::vector<Color>& given, bool topmostFirst,
                          bool topmostBeforeOutline) {
  WindowOpening steps;
  steps.topmostFirst = topmostFirst;
  steps.topmostBeforeOutline = topmostBeforeOutline;
  steps.colourControls = [&log, &given](Color colour) {
    log.Add("mark:colour");
    given.push_back(colour);
  };
  steps.beforeOutline = [&log] { log.Add("mark:before"); };
  steps.content = [&log] { log.Add("mark:content"); };
  return steps;
}

TEST(WindowSequence, OpensInOrderInTheHighlightColour) {
  const std::vector<std::string> centre{"Move(Probe,5070,3330)", "SetBackColor(Probe)",
                                        "mark:colour", "Refresh(Probe)", "mark:before"};
  const std::vector<std::string> outline{"RoundOutline(hWnd,348,324,20)"};
  const std::vector<std::string> announce{
      "mark:content",
      "StopSound",
      "PlaySound(16)",
      "DoEvents",
      "AnimateOutline(hWnd,(1023,767,1024,768),(338,222,686,546))",
      "DoEvents",
      "ShowWindow(Probe)"};
  const std::string topmost = "MakeTopmost(hWnd)";
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all{"Form_Load(Probe)"};
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  const struct {
    const char* window;
    bool topmostFirst, topmostBeforeOutline;
    std::vector<std::string> expected;
  } cases[] = {
      {"topmost first of all (conventions)", true, false,
       join({{topmost}, centre, outline, announce})},
      {"topmost after its first content (About)", false, true,
       join({centre, {topmost}, outline, announce})},
      {"never topmost (conversion)", false, false, join({centre, outline, announce})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    Desk desk;
    desk.hp.windows.highlight = Color{51, 153, 255};
    std::vector<Color> given;
    ProbeWindow window(desk.sequence, 5220, 4860, true,
                       MarkedSteps(desk.hp.log, given, c.topmostFirst, c.topmostBeforeOutline));
    desk.hp.windows.Show(window);
    EXPECT_EQ(Steps(desk.hp.log, window.hWnd()), c.expected);
    EXPECT_EQ(desk.hp.effects.IsTopmost(window.hWnd()), c.topmostFirst || c.topmostBeforeOutline);
    EXPECT_EQ(desk.hp.windows.SurfaceOf(window) != nullptr && window.Visible(), true);
    EXPECT_EQ(headless::User(desk.hp.windows, window).FormBackColor(), (Color{51, 153, 255}));
    EXPECT_EQ(given, (std::vector<Color>{{51, 153, 255}}));
  }
}

TEST(WindowSequence, ClosesInOrder) {
  Desk desk;
  ProbeWindow window(desk.sequence, 5220, 4860);
  desk.hp.windows.Show(window);
  const WindowHandle handle = window.hWnd();
  desk.hp.log.Clear();
  desk.hp.windows.Unload(window);
  EXPECT_EQ(
      Steps(desk.hp.log, handle),
      (std::vector<std::string>{"Form_Unload(Probe)", "StopSound", "PlaySound(24)", "DoEvents",
                                "AnimateOutline(hWnd,(338,222,686,546),(986,748,987,768))",
                                "HideWindow(Probe)", "DoEvents", "DestroyWindow(Probe)"}));
  EXPECT_EQ(window.State(), FormState::Released);
}

// Every pixel figure comes from the window's own density: the system's, or its monitor's where
// that differs (the corner is 20 pixels at 96 dpi, scaled with it).
TEST(WindowSequence, CentresAndCutsTheOutlineAtEachResolution) {
  const struct {
    int width, height;
    double twipsPerPixel;
    double twipsPerPixelY;
    double monitor;                 // the window's monitor, twips a pixel; 0: the system's
    int screenWidth, screenHeight;  // pixels
    int w, h, corner;               // the region, pixels
    int left, top;                  // twips
  } cases[] = {
      {5220, 4860, 15, 15, 0, 1024, 768, 348, 324, 20, 5070, 3330},
      {7725, 5550, 15, 15, 0, 1024, 768, 515, 370, 20, 3818, 2985},  // 3817.5 to the even 3818
      {5220, 5025, 15, 15, 0, 1024, 768, 348, 335, 20, 5070, 3248},  // 3247.5 to 3248
      {5220, 4860, 12, 12, 0, 1024, 768, 435, 405, 25, 3534, 2178},
      {7725, 5550, 12, 12, 0, 1024, 768, 644, 462, 25, 2282, 1833},  // 643.75 up, 462.5 to 462
      {5220, 5025, 12, 12, 0, 1024, 768, 435, 419, 25, 3534, 2096},  // 418.75 up, 2095.5 to 2096
      {5220, 4860, 15, 15, 0, 800, 600, 348, 324, 20, 3390, 2070},
      {5220, 4860, 15, 12, 0, 1024, 768, 348, 405, 20, 5070, 2178},  // pixels taller than wide
      // A window on a monitor of another density than the system's.
      {5220, 4860, 15, 15, 10, 1024, 768, 522, 486, 30, 2510, 1410},   // 144 dpi on a 96 system
      {5220, 4860, 10, 10, 15, 1024, 768, 348, 324, 20, 5070, 3330},   // 96 dpi on a 144 system
      {7725, 5550, 15, 15, 12, 1920, 1080, 644, 462, 25, 7658, 3705},  // 120 on 96, 1920 wide
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << " at " << c.twipsPerPixel
                                      << " on a monitor at " << c.monitor);
    Desk desk;
    desk.hp.windows.screen = ScreenMetrics{static_cast<int>(c.screenWidth * c.twipsPerPixel),
                                           static_cast<int>(c.screenHeight * c.twipsPerPixelY),
                                           c.twipsPerPixel, c.twipsPerPixelY};
    desk.hp.windows.monitorTwipsPerPixel = c.monitor;
    ProbeWindow window(desk.sequence, c.width, c.height);
    desk.hp.windows.Show(window);
    EXPECT_EQ(desk.hp.log.Matching("RoundOutline(").back(),
              "RoundOutline(" + HandleText(window.hWnd()) + "," + std::to_string(c.w) + "," +
                  std::to_string(c.h) + "," + std::to_string(c.corner) + ")");
    EXPECT_EQ(desk.hp.log.Matching("Move(").back(),
              "Move(Probe," + std::to_string(c.left) + "," + std::to_string(c.top) + ")");
    // The zoom draws from and to the window as it lies on the screen, at its density.
    const PixelRect opened = desk.hp.log.Records<headless::AnimationRecord>().back().to;
    EXPECT_EQ(opened.right - opened.left, c.w);
    EXPECT_EQ(opened.bottom - opened.top, c.h);
  }
}

// Looks at the image still playing each time the program stops or starts a sound: it must hold
// the bytes it was started with until then.
class WatchedSound : public SoundPlayer {
 public:
  explicit WatchedSound(headless::HeadlessSound& sound) : sound_(sound) {}
  bool PlaySound(const uint8_t* image, std::size_t size, unsigned flags) override {
    intact.push_back(sound_.PlayingImageIntact());
    return sound_.PlaySound(image, size, flags);
  }
  void StopSound() override {
    intact.push_back(sound_.PlayingImageIntact());
    sound_.StopSound();
  }
  std::vector<bool> intact;

 private:
  headless::HeadlessSound& sound_;
};

// The headless platform with the sound watched.
struct WatchedDesk {
  WatchedDesk() { hp.sound.IdentifyImagesFrom(hp.resources); }
  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  WatchedSound sound{hp.sound};
  Platform platform{hp.windows, hp.effects,   hp.tray,     hp.registry, hp.shell,
                    sound,      hp.resources, hp.settings, hp.clock};
};

// Opening right after closing: the opening sound stops the closing one, and the image that
// plays is never one whose buffer was replaced under it.
TEST(WindowSound, ReopeningPlaysTheClosingThenTheOpeningSound) {
  WatchedDesk desk;
  WindowSequence sequence(desk.platform);
  std::vector<bool> intactWhileRunning;
  auto checkDuringMessages = [&] {
    desk.hp.windows.Post([&] { intactWhileRunning.push_back(desk.hp.sound.PlayingImageIntact()); });
  };
  ProbeWindow window(sequence, 5220, 4860);
  checkDuringMessages();
  desk.hp.windows.Show(window);
  checkDuringMessages();
  desk.hp.windows.Unload(window);
  ProbeWindow again(sequence, 5220, 4860);
  checkDuringMessages();
  desk.hp.windows.Show(again);

  EXPECT_EQ(desk.hp.log.Matching("PlaySound"),
            (std::vector<std::string>{"PlaySound(16)", "PlaySound(24)", "PlaySound(16)"}));
  EXPECT_EQ(desk.sound.intact, std::vector<bool>(6, true));
  EXPECT_EQ(intactWhileRunning, (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(desk.hp.sound.PlayingImageIntact());
  // Each sound stops the one before it first.
  const auto& entries = desk.hp.log.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].starts_with("PlaySound")) {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(entries[i - 1], "StopSound");
    }
  }
  // The images of the program, played from memory, at once, never the system's default sound.
  const std::vector<uint8_t> open = desk.hp.resources.Load("STD_SOUND", kOpenSound);
  const std::vector<uint8_t> close = desk.hp.resources.Load("STD_SOUND", kCloseSound);
  ASSERT_FALSE(open.empty());
  ASSERT_FALSE(close.empty());
  const auto plays = desk.hp.log.Records<headless::SoundRecord>();
  ASSERT_EQ(plays.size(), 3u);
  const std::vector<uint8_t>* expected[] = {&open, &close, &open};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(plays[i].bytes, *expected[i]) << i;
    EXPECT_EQ(plays[i].flags, kSndAsync | kSndNoDefault | kSndMemory);
  }
  EXPECT_EQ(sequence.Sound().WindowSoundData(), open);
}

// "Chiudi" with a window open: its closing sound starts as the program ends. The program's
// memory that the sound plays from goes only once the sound is stopped.
TEST(WindowSound, StoppedBeforeTheProgramLetsGoOfIt) {
  headless::HeadlessPlatform hp(KESTAL_SOURCE_DIR "/resources");
  auto program = std::make_unique<Program>(hp.platform());
  ASSERT_TRUE(program->Start());
  program->platform.windows.Show(program->conversionWindow);
  hp.windows.QueueMenuChoice(TrayWindow::kMenuClose);
  hp.windows.NotifyTray(*program->trayWindow.Current(), kTrayRightButtonUp);
  ASSERT_TRUE(hp.windows.Ended());
  ASSERT_TRUE(hp.sound.Playing());
  program.reset();
  EXPECT_FALSE(hp.sound.Playing());
  EXPECT_EQ(hp.log.Entries().back(), "StopSound");
}

TEST(WindowSound, WithoutASoundDeviceWindowsOpenAndCloseTheSame) {
  auto run = [](bool device) {
    Desk desk;
    desk.hp.sound.deviceAvailable = device;
    ProbeWindow window(desk.sequence, 5220, 4860);
    desk.hp.windows.Show(window);
    desk.hp.windows.Unload(window);
    EXPECT_EQ(window.State(), FormState::Released);
    EXPECT_EQ(desk.hp.log.Records<headless::SoundRecord>().size(), device ? 2u : 0u);
    return desk.hp.log.Entries();
  };
  const auto withSound = run(true);
  EXPECT_EQ(run(false), withSound);
}

// A second close that arrives while the window closes (its sound and zoom let messages
// through) finds the window already closing: Form_Unload runs once, the window goes once. Closed
// while it still opens (a close handled during the opening sound), it goes once and is never
// shown.
TEST(WindowSequence, ACloseWhileOpeningOrClosingGoesOnce) {
  enum When { Opening, ClosingSound, ClosingZoom };
  const struct {
    const char* what;
    When when;
  } cases[] = {{"during the opening sound", Opening},
               {"during the closing sound", ClosingSound},
               {"during the closing zoom", ClosingZoom}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Desk desk;
    ProbeWindow window(desk.sequence, 5220, 4860);
    auto close = [&] { desk.hp.windows.Post([&] { desk.hp.windows.Unload(window); }); };
    if (c.when == Opening) close();
    desk.hp.windows.Show(window);
    if (c.when == ClosingSound) close();
    if (c.when == ClosingZoom) desk.hp.effects.onAnimate = close;
    if (c.when != Opening) desk.hp.windows.Unload(window);
    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(desk.hp.log.Matching("Form_Unload(Probe)").size(), 1u);
    EXPECT_EQ(desk.hp.log.Matching("DestroyWindow(Probe)").size(), 1u);
    EXPECT_EQ(desk.hp.log.Matching("ShowWindow(Probe)").size(), c.when == Opening ? 0u : 1u);
    EXPECT_EQ(desk.hp.log.Matching("PlaySound(").size(), 2u);  // 16, then one 24
    EXPECT_EQ(window.State(), FormState::Released);
    EXPECT_FALSE(desk.hp.windows.AnyLoaded());
  }
}

}  // namespace
}  // namespace kestal::testing
