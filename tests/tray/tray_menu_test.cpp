// The icon's mouse events and the popup menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/driver/LogLines.h"
#include "tests/tray/TraySession.h"

namespace kestal::testing {
namespace {

// The windows loaded and unloaded, in order, as the log tells them.
std::vector<std::string> Comings(const headless::CallLog& log) {
  return headless::LinesStarting(log, {"Form_Load(", "Form_Unload("});
}

// Each event alone: the right button's release opens the menu, the double click About, the
// others nothing. The icon reached with the keyboard (Enter, Space, the menu key) opens the menu
// at the icon, and gives the keyboard back to the notification area when nothing is chosen; the
// mouse acts as it always has, and the menu key that follows a right button release opens
// nothing more.
TEST(TrayEvents, EachEventAndTheKeyboardDoWhatTheyShould) {
  constexpr int kLeftUp = 514, kRightDown = 516;
  // Where each menu opened: at the pointer, or at the anchor the icon's event gave.
  const std::optional<PixelPoint> kPointer, kIcon = PixelPoint{1003, 751};
  const struct {
    const char* what;
    std::vector<int> events;
    std::vector<std::optional<PixelPoint>> menus;
    bool about = false, focusBack = false;
    int choice = -1;  // -1: the menu is dismissed
  } cases[] = {
      {"pointer moved", {512}, {}},
      {"left button down", {513}, {}},
      {"left button up", {514}, {}},
      {"left double click alone", {515}, {}, true},
      {"right button down", {516}, {}},
      {"right button up", {517}, {kPointer}},
      {"right double click", {518}, {}},
      {"middle button down", {519}, {}},
      {"no event", {0}, {}},
      {"left click", {kTrayLeftButtonDown, kLeftUp, kTraySelect}, {}},
      {"double click",
       {kTrayLeftButtonDown, kLeftUp, kTraySelect, kTrayLeftDoubleClick, kLeftUp, kTraySelect},
       {},
       true},
      {"right click", {kRightDown, kTrayRightButtonUp, kTrayContextMenu}, {kPointer}},
      {"Enter or Space", {kTrayKeySelect}, {kIcon}, false, true},
      {"the menu key", {kTrayContextMenu}, {kIcon}, false, true},
      {"right click, then the menu key",
       {kRightDown, kTrayRightButtonUp, kTrayContextMenu, kTrayContextMenu},
       {kPointer, kIcon},
       false,
       true},
      {"Enter, then a choice", {kTrayKeySelect}, {kIcon}, true, false, TrayWindow::kMenuAbout},
  };
  for (const auto& c : cases) {
    TraySession s;
    TrayWindow& form1 = s.Start();
    if (c.choice >= 0) s.hp.windows.QueueMenuChoice(c.choice);
    for (const int code : c.events) s.hp.windows.NotifyTray(form1, code, *kIcon);
    std::vector<std::optional<PixelPoint>> places;
    for (const headless::MenuRecord& menu : s.hp.log.Records<headless::MenuRecord>())
      places.push_back(menu.at);
    EXPECT_EQ(places, c.menus) << c.what;
    EXPECT_EQ(s.program.about.IsLoaded(), c.about) << c.what;
    EXPECT_EQ(s.LastTrayCall() == "NotifyIcon(FocusBack)", c.focusBack) << c.what;
    EXPECT_EQ(form1.TrayMessage, c.events.back()) << c.what;
    EXPECT_FALSE(form1.TrayBusy) << c.what;
  }
}

TEST(TrayEvents, TheMenuAndItsDefault) {
  TraySession s;
  TrayWindow& form1 = s.Start();
  s.hp.windows.NotifyTray(form1, 516);  // the right button held down: nothing yet
  EXPECT_TRUE(s.hp.log.Records<headless::MenuRecord>().empty());
  s.hp.windows.NotifyTray(form1, 517);
  ASSERT_EQ(s.hp.log.Records<headless::MenuRecord>().size(), 1u);
  const headless::MenuRecord menu = s.hp.log.Records<headless::MenuRecord>()[0];
  EXPECT_EQ(menu.owner, "Form1");
  std::vector<std::string> captions;
  for (const MenuItem& item : menu.items) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Convenzioni", "Calcolo data", "-", "Informazioni",
                                                "-", "Chiudi"}));
  EXPECT_EQ(menu.defaultIndex, 3);
  // Dismissed: nothing is closed or opened.
  EXPECT_EQ(Comings(s.hp.log), (std::vector<std::string>{"Form_Load(Form1)"}));
}

TEST(TrayEvents, ASingleClickDoesNothingADoubleClickOpensAbout) {
  TraySession s;
  TrayWindow& form1 = s.Start();
  for (const int code : {513, 514}) s.hp.windows.NotifyTray(form1, code);
  EXPECT_FALSE(s.program.about.IsLoaded());
  EXPECT_EQ(Comings(s.hp.log), (std::vector<std::string>{"Form_Load(Form1)"}));

  for (const int code : {515, 514}) s.hp.windows.NotifyTray(form1, code);
  ASSERT_TRUE(s.program.about.IsLoaded());
  EXPECT_TRUE(s.program.about.Current()->Visible());
  // Again while it is open: it stays, and doesn't load again.
  for (const int code : {513, 514, 515, 514}) s.hp.windows.NotifyTray(form1, code);
  EXPECT_EQ(Comings(s.hp.log), (std::vector<std::string>{"Form_Load(Form1)", "Form_Load(About)"}));
}

TEST(TrayEvents, IgnoredWhileOneIsHandled) {
  const struct {
    const char* when;
    int code;  // the event handled
    int menuChoice;
    bool duringZoom;  // the other events arrive during the opening zoom, else at once
  } cases[] = {
      {"while the menu is open", 517, -1, false},
      {"while a window chosen from the menu opens", 517, 1, true},
      {"while About opens after a double click", 515, -1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    TraySession s;
    TrayWindow& form1 = s.Start();
    s.hp.windows.QueueMenuChoice(c.menuChoice);
    const size_t menus = c.code == 517 ? 1 : 0;
    bool posted = false;
    auto postEvents = [&] {
      if (posted) return;
      posted = true;
      s.hp.windows.Post([&] {
        for (const int code : {515, 514, 517}) s.hp.windows.NotifyTray(form1, code);
      });
    };
    if (c.duringZoom) {
      s.hp.effects.onAnimate = postEvents;
    } else {
      postEvents();
    }
    s.hp.windows.NotifyTray(form1, c.code);
    EXPECT_EQ(s.hp.log.Records<headless::MenuRecord>().size(), menus);
    EXPECT_EQ(s.program.about.IsLoaded(), c.code == 515);
    EXPECT_FALSE(form1.TrayBusy);
    // Handled again once the first is done.
    s.hp.effects.onAnimate = nullptr;
    s.hp.windows.NotifyTray(form1, 517);
    EXPECT_EQ(s.hp.log.Records<headless::MenuRecord>().size(), menus + 1);
  }
}

// The program started again while it runs: the one copy shows About as a double click on its
// icon does (the other windows stay; an About that is closing opens afresh once it has closed).
// Its hidden window hears that start, and the shell, even when it runs elevated: it asks for
// that before the icon goes in.
TEST(TrayEvents, AnotherStartShowsAboutAsADoubleClickDoes) {
  const struct {
    const char* when;
    bool conventionsOpen, aboutOpen, aboutClosing;
    size_t aboutLoads;
    bool doubleClick = false;  // the double click itself, for the other start
  } cases[] = {
      {"nothing open", false, false, false, 1},
      {"the conventions open", true, false, false, 1},
      {"About open", false, true, false, 1},
      {"About closing", false, true, true, 2},
      {"a double click with the conventions open", true, false, false, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    TraySession s;
    s.Start();
    const auto& entries = s.hp.log.Entries();
    const auto accept = std::find(entries.begin(), entries.end(), "AcceptOtherPrograms(Form1)");
    const auto firstIcon = std::find_if(entries.begin(), entries.end(), [](const std::string& e) {
      return e.starts_with("NotifyIcon");
    });
    EXPECT_LT(accept, firstIcon);
    if (c.conventionsOpen) s.program.platform.windows.Show(s.program.conventionsWindow);
    if (c.aboutOpen) s.program.platform.windows.Show(s.program.about);
    if (c.aboutClosing) {
      s.hp.effects.onAnimate = [&] {
        s.hp.effects.onAnimate = nullptr;
        s.hp.windows.Post([&] { s.hp.windows.Broadcast(SystemEvent::AnotherStart); });
      };
      headless::User(s.hp.windows, *s.program.about.Current()).Click("Command1");
    } else if (c.doubleClick) {
      s.hp.windows.NotifyTray(s.form1(), 515);
    } else {
      EXPECT_TRUE(s.form1().RaiseSystemEvent(SystemEvent::AnotherStart));
    }
    ASSERT_TRUE(s.program.about.IsLoaded());
    EXPECT_TRUE(s.program.about.Current()->Visible());
    EXPECT_EQ(s.hp.log.Matching("Form_Load(About)").size(), c.aboutLoads);
    EXPECT_EQ(s.program.conventionsWindow.IsLoaded(), c.conventionsOpen);
  }
}

// Started again while "Chiudi" closes the windows: the ending copy says no (the new start then
// waits for it to end) and opens nothing.
TEST(TrayEvents, AnotherStartWhileTheProgramEndsIsAnsweredNo) {
  TraySession s;
  TrayWindow& form1 = s.Start();
  s.program.platform.windows.Show(s.program.about);
  bool asked = false, shown = true;
  s.hp.effects.onAnimate = [&] {
    if (std::exchange(asked, true)) return;
    shown = form1.RaiseSystemEvent(SystemEvent::AnotherStart);
  };
  form1.mnuMain_Click(TrayWindow::kMenuClose);
  EXPECT_FALSE(shown);
  EXPECT_EQ(s.hp.log.Matching("Form_Load(About)").size(), 1u);
  EXPECT_FALSE(s.hp.windows.AnyLoaded());
}

// A double click while About plays its closing (after "&Ok") opens it afresh once it has closed.
// A menu choice after that double click, while About still closes, is the later command: only
// the chosen window is open once About has closed.
TEST(TrayMenu, WhatIsAskedWhileAboutClosesOpensOnceItHasClosed) {
  const struct {
    int index;  // -1: the double click alone, as a pending message
    const char* open;
  } cases[] = {{-1, "About"},
               {TrayWindow::kMenuConventions, "News"},
               {TrayWindow::kMenuConversion, "DataAstrale"},
               {TrayWindow::kMenuAbout, "About"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.index) + " " + c.open);
    TraySession s;
    TrayWindow& form1 = s.Start();
    s.hp.windows.NotifyTray(form1, 515);
    ASSERT_TRUE(s.program.about.IsLoaded());
    const Form* first = s.program.about.Current();
    headless::User about(s.hp.windows, *s.program.about.Current());
    bool done = false;
    s.hp.effects.onAnimate = [&] {
      if (std::exchange(done, true)) return;
      if (c.index < 0) {
        s.hp.windows.Post([&] { s.hp.windows.NotifyTray(form1, 515); });
        return;
      }
      s.hp.windows.NotifyTray(form1, 515);
      s.ChooseFromMenu(c.index);
    };
    about.Click("Command1");
    s.hp.effects.onAnimate = nullptr;
    ASSERT_TRUE(done);
    std::vector<std::string> open;
    for (FormSlot* slot :
         {&s.program.about, &s.program.conventionsWindow, &s.program.conversionWindow}) {
      if (slot->IsLoaded()) open.push_back(slot->Current()->Name());
    }
    EXPECT_EQ(open, std::vector<std::string>{c.open});
    EXPECT_EQ(s.hp.log.Matching("Form_Unload(About)").size(), 1u);
    const bool aboutAgain = std::string(c.open) == "About";
    EXPECT_EQ(s.hp.log.Matching("Form_Load(About)").size(), aboutAgain ? 2u : 1u);
    if (aboutAgain) {
      EXPECT_NE(s.program.about.Current(), first);  // afresh
      EXPECT_TRUE(s.program.about.Current()->Visible());
    }
  }
}

TEST(TrayMenu, EachItemClosesTheThreeWindowsThenActs) {
  const std::vector<std::string> closing{"Form_Unload(About)", "Form_Unload(News)",
                                         "Form_Unload(DataAstrale)"};
  const struct {
    int index;
    std::vector<std::string> then;
  } cases[] = {
      {0, {"Form_Load(News)"}},
      {1, {"Form_Load(DataAstrale)"}},
      {2, {}},
      {3, {"Form_Load(About)"}},
      {4, {}},
      {5, {"Form_Unload(Form1)"}},
      {7, {}},
  };
  for (const bool windowsOpen : {true, false}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << "item " << c.index
                                        << (windowsOpen ? " over" : " without") << " open windows");
      TraySession s;
      s.Start();
      if (windowsOpen) {
        for (FormSlot* slot :
             {&s.program.conversionWindow, &s.program.conventionsWindow, &s.program.about})
          s.program.platform.windows.Show(*slot);
      }
      s.hp.log.Clear();
      s.ChooseFromMenu(c.index);

      std::vector<std::string> expected = windowsOpen ? closing : std::vector<std::string>{};
      expected.insert(expected.end(), c.then.begin(), c.then.end());
      EXPECT_EQ(Comings(s.hp.log), expected);
      EXPECT_EQ(s.program.conventionsWindow.IsLoaded(), c.index == 0);
      EXPECT_EQ(s.program.conversionWindow.IsLoaded(), c.index == 1);
      EXPECT_EQ(s.program.about.IsLoaded(), c.index == 3);
      EXPECT_EQ(s.program.trayWindow.IsLoaded(), c.index != 5);
      EXPECT_EQ(s.hp.tray.IconShown(), c.index != 5);
      EXPECT_EQ(s.hp.windows.Ended(), c.index == 5);
    }
  }
}

// A window chosen again is closed, with its closing sound, and opened afresh.
TEST(TrayMenu, AChosenWindowStartsAfresh) {
  for (const int index : {0, 1, 3}) {
    SCOPED_TRACE(index);
    TraySession s;
    s.hp.sound.IdentifyImagesFrom(s.hp.resources);
    s.Start();
    FormSlot& slot = index == 0   ? s.program.conventionsWindow
                     : index == 1 ? s.program.conversionWindow
                                  : s.program.about;
    s.ChooseFromMenu(index);
    const Form* first = slot.Current();
    ASSERT_TRUE(slot.IsLoaded());
    s.hp.log.Clear();
    s.ChooseFromMenu(index);
    ASSERT_TRUE(slot.IsLoaded());
    EXPECT_NE(slot.Current(), first);
    EXPECT_EQ(Comings(s.hp.log).size(), 2u);
    // The windows that open and close with sounds: the closing one, then the opening one.
    const auto sounds = s.hp.log.Matching("PlaySound");
    if (!sounds.empty()) {
      EXPECT_EQ(sounds, (std::vector<std::string>{"PlaySound(24)", "PlaySound(16)"}));
    }
    EXPECT_TRUE(s.hp.sound.PlayingImageIntact());
  }
}

// The session ends (or the program is closed) while a window closes for a menu choice: the
// choice opens nothing once the program has ended.
TEST(TrayMenu, NothingOpensOnceTheProgramEndedWhileAWindowClosed) {
  for (const int index : {TrayWindow::kMenuConventions, TrayWindow::kMenuConversion,
                          TrayWindow::kMenuAbout, TrayWindow::kMenuClose}) {
    SCOPED_TRACE(index);
    TraySession s;
    s.Start();
    s.program.platform.windows.Show(s.program.about);
    bool ended = false;
    s.hp.effects.onAnimate = [&] {
      if (std::exchange(ended, true)) return;
      s.hp.windows.UnloadAll();
    };
    s.hp.log.Clear();
    s.ChooseFromMenu(index);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(s.hp.windows.Ended());
    EXPECT_EQ(s.hp.windows.ExitCode(), 0);
    EXPECT_FALSE(s.hp.windows.AnyLoaded());
    EXPECT_EQ(Comings(s.hp.log),
              (std::vector<std::string>{"Form_Unload(About)", "Form_Unload(Form1)"}));
  }
}

TEST(TrayMenu, CloseWithAWindowOpenClosesItRemovesTheIconAndEnds) {
  TraySession s;
  s.hp.sound.IdentifyImagesFrom(s.hp.resources);
  s.Start();
  s.program.platform.windows.Show(s.program.conversionWindow);
  s.hp.log.Clear();
  s.ChooseFromMenu(5);

  EXPECT_EQ(Comings(s.hp.log),
            (std::vector<std::string>{"Form_Unload(DataAstrale)", "Form_Unload(Form1)"}));
  // The window closes with its effects before the icon goes.
  std::vector<std::string> order = headless::LinesStarting(
      s.hp.log, {"PlaySound", "AnimateOutline", "DestroyWindow", "NotifyIcon"});
  for (std::string& step : order) {
    if (step.starts_with("AnimateOutline")) step = "AnimateOutline";
  }
  EXPECT_EQ(order, (std::vector<std::string>{"PlaySound(24)", "AnimateOutline",
                                             "DestroyWindow(DataAstrale)", "NotifyIcon(Remove)",
                                             "DestroyWindow(Form1)"}));
  EXPECT_FALSE(s.hp.tray.IconShown());
  EXPECT_FALSE(s.hp.windows.AnyLoaded());
  EXPECT_TRUE(s.hp.windows.Ended());
}

// Signing out or shutting down with a window open: it goes at once, without its sound or zoom,
// the icon goes, and nothing the user keeps is written.
TEST(TrayMenu, TheSessionsEndClosesWithoutSoundOrZoom) {
  const struct {
    const char* what;
    FormSlot Program::*window;  // null: none open
    std::vector<std::string> unloads;
  } cases[] = {
      {"nothing open", nullptr, {"Form_Unload(Form1)"}},
      {"About", &Program::about, {"Form_Unload(About)", "Form_Unload(Form1)"}},
      {"the conventions window",
       &Program::conventionsWindow,
       {"Form_Unload(News)", "Form_Unload(Form1)"}},
      {"the conversion window",
       &Program::conversionWindow,
       {"Form_Unload(DataAstrale)", "Form_Unload(Form1)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TraySession s;
    s.Start("Next Generation");
    if (c.window) s.program.platform.windows.Show(s.program.*c.window);
    s.hp.log.Clear();
    s.hp.windows.EndSession();
    EXPECT_EQ(Comings(s.hp.log), c.unloads);
    EXPECT_EQ(headless::LinesStarting(s.hp.log, {"PlaySound", "AnimateOutline", "MsgBox"}),
              std::vector<std::string>{});
    EXPECT_EQ(headless::KeptWrites(s.hp.log), std::vector<std::string>{});
    EXPECT_FALSE(s.hp.tray.IconShown());
    EXPECT_TRUE(s.hp.windows.Ended());
    EXPECT_EQ(s.hp.windows.ExitCode(), 0);
  }
}

}  // namespace
}  // namespace kestal::testing
