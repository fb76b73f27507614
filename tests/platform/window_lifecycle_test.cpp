// Loading, showing, unloading and releasing windows through the headless window system.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Controls.h"
#include "forms/FormSlot.h"
#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

// A window whose handlers do what each test asks of them.
class Probe : public Form {
 public:
  explicit Probe(std::string name)
      : Form(FormDefinition{std::move(name), "", 4500, 3000, 0, false}) {}
  ~Probe() override {
    if (destroyed) *destroyed = true;
  }
  std::function<void()> onLoad, onUnload, onPaint;
  int loads = 0, unloads = 0, paints = 0;
  bool* destroyed = nullptr;

 protected:
  void Form_Load() override {
    ++loads;
    if (onLoad) onLoad();
  }
  void Form_Unload() override {
    ++unloads;
    if (onUnload) onUnload();
  }
  void Form_Paint() override {
    ++paints;
    if (onPaint) onPaint();
  }
};

class WindowLifecycle : public ::testing::Test {
 protected:
  HeadlessPlatform headless;
  HeadlessWindowSystem& windows = headless.windows;
  Probe first{"First"};
  Probe second{"Second"};
};

TEST_F(WindowLifecycle, ShowingLoadsOnceThenPaints) {
  windows.Show(first);
  windows.Show(first);
  windows.Load(first);
  EXPECT_EQ(first.loads, 1);
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(first.paints, 1);  // a window already shown isn't painted again by Show
  EXPECT_EQ(
      headless.log.Entries(),
      (std::vector<std::string>{"Form_Load(First)", "ShowWindow(First)", "ShowWindow(First)"}));
}

TEST_F(WindowLifecycle, LoadingAloneKeepsTheWindowHidden) {
  windows.Load(first);
  EXPECT_EQ(first.loads, 1);
  EXPECT_FALSE(first.Visible());
  EXPECT_NE(first.hWnd(), 0u);
  EXPECT_EQ(first.paints, 0);
  first.Refresh();  // a hidden window has nothing to paint
  EXPECT_EQ(first.paints, 0);
  windows.Show(first);
  first.Refresh();
  EXPECT_EQ(first.paints, 2);
}

TEST(WindowUnload, RunsFormUnloadOnceAndReleases) {
  // Each way of asking again for the unload while it runs must be ignored.
  const struct {
    const char* name;
    std::function<void(HeadlessWindowSystem&, Form&)> duringUnload;
  } cases[] = {
      {"nothing", [](HeadlessWindowSystem&, Form&) {}},
      {"unload again", [](HeadlessWindowSystem& w, Form& f) { w.Unload(f); }},
      {"hide, then unload again",
       [](HeadlessWindowSystem& w, Form& f) {
         w.Hide(f);
         w.Unload(f);
       }},
      {"a pending message unloads it during DoEvents",
       [](HeadlessWindowSystem& w, Form& f) {
         w.Post([&w, &f] { w.Unload(f); });
         w.DoEvents();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessPlatform headless;
    Probe window{"Window"};
    Probe keeper{"Keeper"};
    headless.windows.Load(keeper);
    headless.windows.Show(window);
    window.onUnload = [&] { c.duringUnload(headless.windows, window); };
    headless.windows.Unload(window);
    headless.windows.Unload(window);
    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(window.State(), FormState::Released);
    EXPECT_EQ(window.Surface(), nullptr);
    EXPECT_EQ(headless.windows.SurfaceOf(window), nullptr);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(headless.log.Matching("Form_Unload(Window)").size(), 1u);
    EXPECT_EQ(headless.log.Matching("DestroyWindow(Window)").size(), 1u);
    EXPECT_FALSE(headless.windows.Ended());  // the keeper is still loaded
  }
}

// A handler that throws never leaves a window half-loaded or half-unloaded: the window goes all
// the same, a later close is not ignored, and with no window left the program ends. The failure
// reaches the caller (the window procedure's barrier) after the window has gone.
TEST_F(WindowLifecycle, AFailingHandlerStillLetsTheWindowGo) {
  const struct {
    const char* what;
    bool failLoad, failUnload;
  } cases[] = {{"Form_Load throws", true, false}, {"Form_Unload throws", false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HeadlessPlatform platform;
    Probe tray("Tray"), window("Window");
    platform.windows.Load(tray);
    if (c.failLoad) window.onLoad = [] { throw std::runtime_error("load"); };
    if (c.failUnload) window.onUnload = [] { throw std::runtime_error("unload"); };
    if (c.failLoad) {
      EXPECT_THROW(platform.windows.Show(window), std::runtime_error);
    } else {
      platform.windows.Show(window);
      EXPECT_THROW(platform.windows.Unload(window), std::runtime_error);
    }
    EXPECT_EQ(window.State(), FormState::Released);
    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(platform.log.Matching("DestroyWindow(Window)").size(), 1u);
    EXPECT_FALSE(platform.windows.Ended());
    platform.windows.Unload(tray);
    EXPECT_TRUE(platform.windows.Ended());
  }
}

TEST_F(WindowLifecycle, UnloadingANeverLoadedWindowDoesNothing) {
  windows.Load(second);
  windows.Unload(first);
  EXPECT_EQ(first.unloads, 0);
  EXPECT_TRUE(headless.log.Matching("Form_Unload").empty());
  EXPECT_FALSE(windows.Ended());
}

TEST_F(WindowLifecycle, TheProgramEndsWhenNoWindowIsLeft) {
  windows.Load(first);
  windows.Show(second);
  windows.Unload(second);
  EXPECT_FALSE(windows.Ended());
  windows.Unload(first);
  EXPECT_TRUE(windows.Ended());
}

TEST_F(WindowLifecycle, AReleasedWindowCannotBeLoadedAgain) {
  windows.Show(first);
  windows.Unload(first);
  windows.Show(first);
  EXPECT_EQ(first.loads, 1);
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(first.hWnd(), 0u);
}

TEST_F(WindowLifecycle, HidingKeepsTheWindowLoaded) {
  windows.Show(first);
  windows.Hide(first);
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(first.State(), FormState::Loaded);
  windows.Show(first);
  EXPECT_EQ(first.loads, 1);
  EXPECT_EQ(first.paints, 2);
}

TEST_F(WindowLifecycle, FormSlotGivesAFreshWindowAfterRelease) {
  int made = 0;
  FormSlot slot([&] {
    ++made;
    return std::make_unique<Probe>("Slotted");
  });
  Form& opened = slot.Get();
  windows.Show(opened);
  EXPECT_EQ(&slot.Get(), &opened);  // loaded: the same window
  windows.Unload(opened);
  Form& again = slot.Get();
  EXPECT_EQ(made, 2);
  windows.Show(again);
  EXPECT_EQ(static_cast<Probe&>(again).loads, 1);
  EXPECT_TRUE(again.Visible());
}

TEST_F(WindowLifecycle, AReleasedWindowLivesUntilItsHandlerReturns) {
  FormSlot slot([&] { return std::make_unique<Probe>("Slotted"); });
  windows.Load(first);  // keeps the program running
  auto& opened = static_cast<Probe&>(slot.Get());
  bool openedDestroyed = false;
  opened.destroyed = &openedDestroyed;
  windows.Show(opened);
  opened.onUnload = [&] {
    // Asked for from inside its own unload, the slot still gives the window that unloads.
    EXPECT_EQ(&slot.Get(), &opened);
  };
  bool reopened = false;
  opened.onPaint = [&] {
    if (reopened) return;
    reopened = true;
    // The window closes itself and the slot opens a fresh one, all inside this handler.
    windows.Unload(opened);
    Form& fresh = slot.Get();
    EXPECT_NE(&fresh, &opened);
    windows.Show(fresh);
    slot.Get();
    EXPECT_FALSE(openedDestroyed);  // this handler still runs in it
    EXPECT_EQ(opened.State(), FormState::Released);
    EXPECT_EQ(opened.unloads, 1);
  };
  opened.Refresh();
  EXPECT_TRUE(reopened);
  // The handler was the last to hold it: the released window went as it returned.
  EXPECT_TRUE(openedDestroyed);
  Form& current = slot.Get();
  EXPECT_TRUE(current.Visible());
  EXPECT_EQ(static_cast<Probe&>(current).loads, 1);
}

}  // namespace
}  // namespace kestal::headless
