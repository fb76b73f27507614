// What the user keeps (the convention, the autostart's Run values and Startup Apps marks) stays
// as it is when About closes any way but "&Ok", however the user changed its choices.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/app/ProgramSession.h"
#include "tests/driver/LogLines.h"
#include "tray/TrayWindow.h"

namespace kestal {
namespace {

using headless::HeadlessRegistry;
using AboutSession = testing::WindowSession<&Program::about>;

constexpr std::string_view kRun[] = {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
constexpr std::string_view kApproved[] = {
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"};
constexpr RegistryRoot kRoots[] = {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser};

// Everything kept, as one text to compare.
std::string Kept(AboutSession& s) {
  std::string kept = "convention " + s.Setting().value_or("(none)");
  for (const RegistryRoot root : kRoots) {
    const auto index = static_cast<std::size_t>(root);
    for (const std::string_view key : {kRun[index], kApproved[index]}) {
      const auto value = s.hp.registry.Get(root, key, "KestalDate");
      kept += "; " + std::string(key) + " " + (value ? value->text : "(none)");
    }
  }
  return kept;
}

TEST(AboutKeeps, NothingButOkStores) {
  constexpr int kEscape = -1, kSessionEnd = -2;
  const struct {
    const char* how;
    int menuItem;  // or Escape, or the session's end
  } closings[] = {
      {"Escape", kEscape},
      {"Convenzioni", TrayWindow::kMenuConventions},
      {"Calcolo data", TrayWindow::kMenuConversion},
      {"Informazioni", TrayWindow::kMenuAbout},
      {"Chiudi", TrayWindow::kMenuClose},
      {"the session's end", kSessionEnd},
  };
  // What was kept before: nothing; or the Next Generation convention, started from both keys
  // and turned off in Startup Apps for the user's.
  for (const bool stored : {false, true}) {
    for (const auto& closing : closings) {
      SCOPED_TRACE(std::string(closing.how) + (stored ? ", with things stored" : ""));
      AboutSession s;
      if (stored) {
        s.hp.settings.Save("KestalDate", "Impostazioni", "Data", "Next Generation");
        const auto started = HeadlessRegistry::String(s.hp.shell.executablePath + '\0');
        for (const RegistryRoot root : kRoots) {
          s.hp.registry.Put(root, kRun[static_cast<std::size_t>(root)], "KestalDate", started);
        }
        s.hp.registry.Put(RegistryRoot::CurrentUser, kApproved[1], "KestalDate",
                          HeadlessRegistry::Binary(std::string("\x03\0\0\0\0\0\0\0\0\0\0\0", 12)));
      }
      const std::string before = Kept(s);
      headless::User user = s.Open();
      // The other captain, and the box the other way: what "&Ok" would store.
      user.Click(user.Text("StarDate") == "Velorn Classic" ? "Image3" : "Image2");
      user.Click("Check1");
      s.hp.log.Clear();
      if (closing.menuItem == kEscape) {
        user.PressKey(Key::Escape);
      } else if (closing.menuItem == kSessionEnd) {
        s.hp.windows.UnloadAll();
      } else {
        s.hp.windows.QueueMenuChoice(closing.menuItem);
        s.hp.windows.NotifyTray(*s.program.trayWindow.Current(), kTrayRightButtonUp);
      }

      EXPECT_EQ(Kept(s), before);
      EXPECT_EQ(headless::KeptWrites(s.hp.log), std::vector<std::string>{});
      const bool ends =
          closing.menuItem == TrayWindow::kMenuClose || closing.menuItem == kSessionEnd;
      EXPECT_EQ(s.hp.windows.Ended(), ends);
    }
  }
}

}  // namespace
}  // namespace kestal
