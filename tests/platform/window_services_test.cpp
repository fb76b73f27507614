// The window system's services: pending messages, message boxes, the popup menu, the mouse
// pointer and system events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

class Listener : public Form {
 public:
  explicit Listener(std::string name)
      : Form(FormDefinition{std::move(name), "", 1000, 1000, 0, false}) {}
  std::vector<SystemEvent> systemEvents;

 protected:
  bool Form_SystemEvent(SystemEvent event) override {
    systemEvents.push_back(event);
    return true;
  }
};

class WindowServices : public ::testing::Test {
 protected:
  HeadlessPlatform headless;
  HeadlessWindowSystem& windows = headless.windows;
};

TEST_F(WindowServices, DoEventsRunsEveryPendingMessageInOrder) {
  std::vector<int> ran;
  windows.Post([&] {
    ran.push_back(1);
    windows.Post([&] { ran.push_back(3); });  // posted while running: handled in the same call
  });
  windows.Post([&] {
    ran.push_back(2);
    windows.DoEvents();  // nested: takes the rest of the queue
  });
  windows.DoEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  windows.DoEvents();
  EXPECT_EQ(ran.size(), 3u);
  EXPECT_EQ(headless.log.Entries(), (std::vector<std::string>(3, "DoEvents")));
}

TEST_F(WindowServices, AMessageBoxIsRecordedAndAnsweredWhileOpen) {
  std::vector<std::string> seen;
  windows.onMessageBox = [&](const MessageBoxRecord& box) {
    seen.push_back(box.text);
    if (seen.size() == 1) windows.MsgBox("nested", MsgBoxIcon::Information, "Inner");
  };
  windows.MsgBox("Errore nella data!", MsgBoxIcon::Exclamation, "KestalDate");
  EXPECT_EQ(seen, (std::vector<std::string>{"Errore nella data!", "nested"}));
  ASSERT_EQ(headless.log.Records<MessageBoxRecord>().size(), 2u);
  EXPECT_EQ(headless.log.Records<MessageBoxRecord>()[0].icon, MsgBoxIcon::Exclamation);
  EXPECT_EQ(headless.log.Records<MessageBoxRecord>()[0].title, "KestalDate");
  EXPECT_EQ(headless.log.Records<MessageBoxRecord>()[1].icon, MsgBoxIcon::Information);
  EXPECT_EQ(headless.log.Entries(),
            (std::vector<std::string>{"MsgBox(KestalDate)", "MsgBox(Inner)"}));
}

TEST_F(WindowServices, ThePopupMenuRunsItsLoopThenGivesTheQueuedChoice) {
  Listener owner("Form1");
  windows.Load(owner);
  const std::vector<MenuItem> items{{"Convenzioni"}, {"Calcolo data"}, {"-"}, {"Informazioni"}};
  bool ranWhileOpen = false;
  windows.Post([&] { ranWhileOpen = true; });
  std::vector<int> defaults;
  windows.onPopupMenu = [&](const MenuRecord& menu) {
    // The callback comes first, then the menu's own loop.
    if (defaults.empty()) {
      EXPECT_FALSE(ranWhileOpen);
    }
    defaults.push_back(menu.defaultIndex);
  };
  windows.QueueMenuChoice(1);
  windows.QueueMenuChoice(-1);
  EXPECT_EQ(windows.PopupMenu(owner, items, 3, std::nullopt), 1);
  EXPECT_TRUE(ranWhileOpen);
  EXPECT_EQ(windows.PopupMenu(owner, items, 3, std::nullopt), -1);
  EXPECT_EQ(windows.PopupMenu(owner, items, 3, std::nullopt), -1);  // nothing queued: dismissed
  EXPECT_EQ(defaults, (std::vector<int>{3, 3, 3}));
  ASSERT_EQ(headless.log.Records<MenuRecord>().size(), 3u);
  EXPECT_EQ(headless.log.Records<MenuRecord>()[0].owner, "Form1");
  EXPECT_EQ(headless.log.Records<MenuRecord>()[0].items.size(), 4u);
  EXPECT_EQ(headless.log.Records<MenuRecord>()[0].items[3].caption, "Informazioni");
  EXPECT_EQ(headless.log.Matching("PopupMenu").size(), 3u);
}

TEST_F(WindowServices, TheMousePointer) {
  EXPECT_EQ(windows.Pointer(), MousePointer::Default);
  windows.SetMousePointer(MousePointer::Hourglass);
  EXPECT_EQ(windows.Pointer(), MousePointer::Hourglass);
  windows.SetMousePointer(MousePointer::Default);
  EXPECT_EQ(windows.Pointer(), MousePointer::Default);
  EXPECT_EQ(headless.log.Entries(),
            (std::vector<std::string>{"SetMousePointer(11)", "SetMousePointer(0)"}));
}

TEST_F(WindowServices, SystemEventsReachEveryLoadedWindow) {
  Listener a("A"), b("B"), c("C");
  windows.Load(a);
  windows.Load(b);
  windows.Load(c);
  windows.Unload(b);
  windows.Broadcast(SystemEvent::TaskbarCreated);
  EXPECT_EQ(a.systemEvents, std::vector<SystemEvent>{SystemEvent::TaskbarCreated});
  EXPECT_TRUE(b.systemEvents.empty());
  EXPECT_EQ(c.systemEvents, std::vector<SystemEvent>{SystemEvent::TaskbarCreated});
}

}  // namespace
}  // namespace kestal::headless
