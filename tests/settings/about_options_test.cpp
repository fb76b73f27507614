#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/app/ProgramSession.h"

namespace kestal {
namespace {

using headless::HeadlessRegistry;
using AboutSession = testing::WindowSession<&Program::about>;
using namespace std::string_literals;

constexpr std::string_view kMachineRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kUserRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kApproved =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
const std::string kExe = "C:\\Programmi\\KestalDate\\KestalDate.exe";
// Installed in the user's own folder, and started from a zip opened without extracting.
const std::string kUserExe =
    "C:\\Users\\utente\\AppData\\Local\\Programs\\KestalDate\\KestalDate.exe";
const std::string kTempExe =
    "C:\\Users\\utente\\AppData\\Local\\Temp\\Temp1_KestalDate.zip\\KestalDate.exe";
// A copy that was moved or deleted since its Run value was written.
const std::string kGoneExe = "C:\\Vecchia\\KestalDate.exe";

// The user's switch in Windows: a flag word, then when it was set.
const std::string kTurnedOff("\x03\0\0\0\x10\x32\x54\x76\x98\xba\xdc\x01", 12);
const std::string kTurnedOn("\x02\0\0\0\0\0\0\0\0\0\0\0", 12);

HeadlessRegistry::Value Sz(const std::string& text) {
  return HeadlessRegistry::String(text + '\0');
}
// Written by an administrator or another tool, with environment variables in it.
HeadlessRegistry::Value ExpandSz(const std::string& text) {
  return HeadlessRegistry::ExpandString(text + '\0');
}

// A Run value as the registry holds it afterwards: its text without the NUL, or none.
std::optional<std::string> RunText(AboutSession& s, RegistryRoot root) {
  const auto value = s.hp.registry.Get(
      root, root == RegistryRoot::LocalMachine ? kMachineRun : kUserRun, "KestalDate");
  if (!value) return std::nullopt;
  EXPECT_EQ(value->type, HeadlessRegistry::Type::String);
  return value->text.substr(0, value->text.find('\0'));
}

bool MarkLeft(AboutSession& s, RegistryRoot root) {
  return s.hp.registry.Get(root, kApproved, "KestalDate").has_value();
}

TEST(AboutAutostart, WhatIsStoredRemovedOrLeftAfterOk) {
  const std::optional<HeadlessRegistry::Value> none;
  const std::optional<std::string> gone;
  const struct {
    const char* what;
    std::optional<HeadlessRegistry::Value> machine, user;  // before, named "KestalDate"
    bool machineRefused;
    std::string exePath;
    bool tickedOnOpen;
    bool clickCheck;  // the user clicks the check box once before "&Ok"
    std::optional<std::string> machineAfter, userAfter;
    // Windows' switch beside each Run value, before and whether it is left after "&Ok".
    std::optional<std::string> machineMark = {}, userMark = {};
    bool machineMarkLeft = false, userMarkLeft = false;
    // A word of the message that tells what could not be done; none when all was done.
    const char* warning = nullptr;
    bool userRefused = false;
  } cases[] = {
      {"nothing stored, left unticked", none, none, false, kExe, false, false, gone, gone},
      {"ticked", none, none, false, kExe, false, true, kExe, gone},
      {"machine-wide write refused: per-user value", none, none, true, kExe, false, true, gone,
       kExe},
      {"per-user value counts as on", none, Sz(kExe), true, kExe, true, false, gone, kExe},
      {"per-user value unticked, machine refused", none, Sz(kExe), true, kExe, true, true, gone,
       gone},
      {"per-user copy dropped once the machine-wide write works", none, Sz(kExe), false, kExe, true,
       false, kExe, gone},
      {"machine-wide value on", Sz(kExe), none, false, kExe, true, false, kExe, gone},
      {"unticking removes both", Sz(kExe), Sz(kExe), false, kExe, true, true, gone, gone},
      {"refused removal leaves the machine-wide value, and says so", Sz(kExe), none, true, kExe,
       true, true, kExe, gone, gone, gone, false, false, "tutti gli utenti"},
      {"every write refused: said, nothing stored", none, none, true, kExe, false, true, gone, gone,
       gone, gone, false, false, "registrare", true},
      {"refused removal of the per-user value, said", none, Sz(kUserExe), false, kUserExe, true,
       true, gone, kUserExe, gone, gone, false, false, "togliere", true},
      {"every write refused, the per-user value starts it already: nothing to say", none,
       Sz(kUserExe), true, kUserExe, true, false, gone, kUserExe, gone, gone, false, false, nullptr,
       true},
      {"every write refused, the per-user value turned off: said", none, Sz(kExe), true, kExe,
       false, true, gone, kExe, gone, kTurnedOff, false, true, "registrare", true},
      {"number value reads as off and goes", HeadlessRegistry::Number(1), none, false, kExe, false,
       false, gone, gone},
      {"empty text reads as off and goes", Sz(""), none, false, kExe, false, false, gone, gone},
      {"path with a blank is quoted", none, none, false,
       "C:\\Program Files\\Kestal Date\\KestalDate.exe", false, true,
       "\"C:\\Program Files\\Kestal Date\\KestalDate.exe\"", gone},
      {"non-ANSI letters kept", none, none, false, "C:\\Utenti\\Jürgen\\Ωmega\\KestalDate.exe",
       false, true, "C:\\Utenti\\Jürgen\\Ωmega\\KestalDate.exe", gone},
      {"non-ANSI per-user path with a blank", none, none, true, "D:\\Программы\\Kestal Date.exe",
       false, true, gone, "\"D:\\Программы\\Kestal Date.exe\""},
      {"quoted path with a blank reads as on", none, Sz("\"C:\\Program Files\\K D\\K.exe\""), true,
       "C:\\Program Files\\K D\\K.exe", true, false, gone, "\"C:\\Program Files\\K D\\K.exe\""},
      {"unquoted path followed by an argument reads as on", none, Sz(kExe + " /avvio"), true, kExe,
       true, false, gone, kExe},
      // Values of the expandable kind read expanded, so Ok leaves one value, not a second.
      {"expandable per-user value reads as on", none,
       ExpandSz("%LOCALAPPDATA%\\Programs\\KestalDate\\KestalDate.exe"), false, kUserExe, true,
       false, gone, kUserExe},
      {"expandable machine-wide value, quoted with a blank",
       ExpandSz("\"%ProgramFiles%\\Kestal Date\\KestalDate.exe\""), none, false,
       "C:\\Program Files\\Kestal Date\\KestalDate.exe", true, false,
       "\"C:\\Program Files\\Kestal Date\\KestalDate.exe\"", gone},
      {"expandable value without variables reads as on", none, ExpandSz(kExe), true, kExe, true,
       false, gone, kExe},
      {"expandable value of an unknown variable starts nothing", none,
       ExpandSz("%NESSUNA%\\KestalDate.exe"), false, kExe, false, false, gone, gone},
      // Turned off in Task Manager or Settings.
      {"turned off shows off; ticking turns it on again", none, Sz(kUserExe), false, kUserExe,
       false, true, gone, kUserExe, gone, kTurnedOff},
      {"turned off and left unticked: value and mark go", none, Sz(kUserExe), false, kUserExe,
       false, false, gone, gone, gone, kTurnedOff},
      {"any odd first byte is off", none, Sz(kUserExe), false, kUserExe, false, false, gone, gone,
       gone, "\x07"s},
      {"an even first byte is on", none, Sz(kUserExe), false, kUserExe, true, false, gone, kUserExe,
       gone, kTurnedOn},
      {"ticked with a mark left alone: the mark goes", none, none, false, kUserExe, false, true,
       gone, kUserExe, gone, kTurnedOff},
      {"machine-wide value turned off beside it", Sz(kExe), none, false, kExe, false, true, kExe,
       gone, kTurnedOff},
      {"a mark under the other root counts for nothing", Sz(kExe), none, false, kExe, true, false,
       kExe, gone, gone, kTurnedOff},
      {"turned off and unticked, machine refused: the user's mark goes", Sz(kExe), Sz(kExe), true,
       kExe, false, false, kExe, gone, kTurnedOff, kTurnedOff, true, false, "tutti gli utenti"},
      // Installed in the user's own folder: for this user only, also when run elevated.
      {"user's folder: per-user value only", none, none, false, kUserExe, false, true, gone,
       kUserExe},
      {"user's folder: an old machine-wide value moves to the user's key", Sz(kUserExe), none,
       false, kUserExe, true, false, gone, kUserExe, kTurnedOn},
      {"user's folder, machine-wide value kept: not started twice", Sz(kUserExe), Sz(kUserExe),
       true, kUserExe, true, false, kUserExe, gone},
      {"user's folder, kept machine-wide value starts nothing: per-user value", Sz(kGoneExe), none,
       true, kUserExe, false, true, kGoneExe, kUserExe},
      // A Run value whose program is gone.
      {"program gone shows off; ticking writes this path", none, Sz(kGoneExe), true, kExe, false,
       true, gone, kExe},
      {"program gone, left unticked: the value goes", Sz(kGoneExe), none, false, kExe, false, false,
       gone, gone},
      // Started from a temporary folder.
      {"temporary folder: ticking warns and stores nothing", none, none, false, kTempExe, false,
       true, gone, gone, gone, gone, false, false, "estrai"},
      {"temporary folder: another value left as it is", none, Sz(kGoneExe), false, kTempExe, false,
       true, gone, kGoneExe, gone, kTurnedOff, false, true, "estrai"},
      {"temporary folder: unticking still removes", Sz(kTempExe), none, false, kTempExe, true, true,
       gone, gone},
  };
  for (const auto& c : cases) {
    AboutSession s;
    s.hp.shell.executablePath = c.exePath;
    if (c.machine)
      s.hp.registry.Put(RegistryRoot::LocalMachine, kMachineRun, "KestalDate", *c.machine);
    if (c.user) s.hp.registry.Put(RegistryRoot::CurrentUser, kUserRun, "KestalDate", *c.user);
    if (c.machineMark)
      s.hp.registry.Put(RegistryRoot::LocalMachine, kApproved, "KestalDate",
                        HeadlessRegistry::Binary(*c.machineMark));
    if (c.userMark)
      s.hp.registry.Put(RegistryRoot::CurrentUser, kApproved, "KestalDate",
                        HeadlessRegistry::Binary(*c.userMark));
    s.hp.registry.RefuseWrites(RegistryRoot::LocalMachine, c.machineRefused);
    s.hp.registry.RefuseWrites(RegistryRoot::CurrentUser, c.userRefused);

    headless::User user = s.Open();
    EXPECT_EQ(user.Value("Check1"), c.tickedOnOpen) << c.what;
    if (c.clickCheck) user.Click("Check1");
    user.Click("Command1");

    EXPECT_FALSE(s.program.about.IsLoaded()) << c.what;
    EXPECT_EQ(RunText(s, RegistryRoot::LocalMachine), c.machineAfter) << c.what;
    EXPECT_EQ(RunText(s, RegistryRoot::CurrentUser), c.userAfter) << c.what;
    EXPECT_EQ(MarkLeft(s, RegistryRoot::LocalMachine), c.machineMarkLeft) << c.what;
    EXPECT_EQ(MarkLeft(s, RegistryRoot::CurrentUser), c.userMarkLeft) << c.what;
    const auto boxes = s.hp.log.Records<headless::MessageBoxRecord>();
    ASSERT_EQ(boxes.size(), c.warning ? 1u : 0u) << c.what;
    if (c.warning) {
      EXPECT_NE(boxes[0].text.find(c.warning), std::string::npos)
          << c.what << ": " << boxes[0].text;
      EXPECT_EQ(boxes[0].icon, MsgBoxIcon::Exclamation) << c.what;
    }
  }
}

TEST(AboutAutostart, ValueWrittenByHandInAnyLetterCaseCountsAsOn) {
  for (const char* name : {"kestalDate", "KESTALDATE", "kestaldate"}) {
    AboutSession s;
    s.hp.registry.Put(RegistryRoot::LocalMachine, kMachineRun, name, Sz("C:\\altro.exe"));
    s.hp.shell.files.push_back("C:\\altro.exe");
    EXPECT_TRUE(s.Open().Value("Check1")) << name;
  }
}

TEST(AboutAutostart, RefusedMachineWriteThenReopenThenUntick) {
  AboutSession s;
  s.hp.registry.RefuseWrites(RegistryRoot::LocalMachine);
  // Opens About, turns the box the other way and presses "&Ok": whether it was ticked.
  const auto toggle = [&] {
    headless::User user = s.Open();
    const bool ticked = user.Value("Check1");
    user.Click("Check1");
    user.Click("Command1");
    return ticked;
  };
  EXPECT_FALSE(toggle());
  EXPECT_EQ(RunText(s, RegistryRoot::CurrentUser), kExe);
  EXPECT_TRUE(toggle());
  EXPECT_EQ(RunText(s, RegistryRoot::CurrentUser), std::nullopt);
  EXPECT_EQ(RunText(s, RegistryRoot::LocalMachine), std::nullopt);
  EXPECT_FALSE(s.Open().Value("Check1"));
}

TEST(AboutAutostart, FromATemporaryFolderTellsToExtractFirstAndStoresTheConvention) {
  AboutSession s;
  s.hp.shell.executablePath = kTempExe;
  headless::User user = s.Open();
  user.Click("Image3");
  user.Click("Check1");
  user.Click("Command1");
  ASSERT_EQ(s.hp.log.Records<headless::MessageBoxRecord>().size(), 1u);
  const headless::MessageBoxRecord box = s.hp.log.Records<headless::MessageBoxRecord>()[0];
  EXPECT_NE(box.text.find("estrai"), std::string::npos) << box.text;
  EXPECT_EQ(box.title, "KestalDate");
  EXPECT_EQ(s.Setting(), "Next Generation");
  EXPECT_FALSE(s.program.about.IsLoaded());
}

TEST(AboutConvention, WhatIsStoredAfterOk) {
  enum Click { Classic, NextGeneration };
  const std::optional<std::string> none;
  const std::string ng = "Next Generation";
  const struct {
    const char* what;
    std::optional<std::string> stored;
    std::vector<Click> clicks;
    const char* shownOnOpen;
    std::optional<std::string> storedAfter;
    std::size_t saves, removals;  // calls that reached the store on "&Ok"
  } cases[] = {
      {"nothing stored, classic confirmed", none, {}, "Velorn Classic", none, 0, 0},
      {"classic picked again, nothing stored", none, {Classic}, "Velorn Classic", none, 0, 0},
      {"next generation picked", none, {NextGeneration}, "Velorn Classic", ng, 1, 0},
      {"next generation confirmed when stored", ng, {}, "Next Generation", ng, 1, 0},
      {"classic picked when next generation stored", ng, {Classic}, "Next Generation", none, 0, 1},
      {"last picture counts", none, {NextGeneration, Classic}, "Velorn Classic", none, 0, 0},
      {"last picture counts, back to NG",
       ng,
       {Classic, NextGeneration},
       "Next Generation",
       ng,
       1,
       0},
      {"any other text reads as next generation", "sì"s, {}, "Next Generation", ng, 1, 0},
      {"empty text reads as classic", ""s, {}, "Velorn Classic", ""s, 0, 0},
  };
  for (const auto& c : cases) {
    AboutSession s;
    if (c.stored) s.hp.settings.Save("KestalDate", "Impostazioni", "Data", *c.stored);
    headless::User user = s.Open();
    EXPECT_EQ(user.Text("StarDate"), c.shownOnOpen) << c.what;
    for (Click click : c.clicks) user.Click(click == Classic ? "Image2" : "Image3");
    s.hp.log.Clear();
    user.Click("Command1");
    EXPECT_EQ(s.Setting(), c.storedAfter) << c.what;
    // Classic picked over a stored convention takes the whole section away, not the value alone.
    EXPECT_EQ(s.hp.settings.SectionExists("KestalDate", "Impostazioni"), c.storedAfter.has_value())
        << c.what;
    EXPECT_EQ(s.hp.log.Matching("SaveSetting").size(), c.saves) << c.what;
    EXPECT_EQ(s.hp.log.Matching("DeleteSetting").size(), c.removals) << c.what;
    EXPECT_FALSE(s.program.about.IsLoaded()) << c.what;
  }
}

TEST(AboutConvention, NoSettingsAtAllShowsClassicAndUnticked) {
  AboutSession s;
  EXPECT_EQ(s.hp.tray.Tooltip(), "Velorn - Data astrale: 0/0206.15");
  headless::User user = s.Open();
  EXPECT_EQ(user.Text("StarDate"), "Velorn Classic");
  EXPECT_FALSE(user.Value("Check1"));
}

}  // namespace
}  // namespace kestal
