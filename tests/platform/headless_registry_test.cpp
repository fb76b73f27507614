// The in-memory registry behaves as the Win32 registry calls do.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr const char* kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(HeadlessRegistry, NamesCompareWithoutRegardToCase) {
  CallLog log;
  HeadlessRegistry registry(log);
  RegistryKey key = 0;
  ASSERT_EQ(registry.CreateKey(kMachine, kRun, key), 0);
  ASSERT_EQ(registry.SetStringValue(key, "KestalDate", "C:\\K\\KestalDate.exe"), 0);
  ASSERT_EQ(registry.CloseKey(key), 0);

  const struct {
    const char* path;
    const char* name;
  } readers[] = {
      {kRun, "KestalDate"},
      {kRun, "kestalDate"},
      {"software\\microsoft\\windows\\currentversion\\run", "KESTALDATE"},
      {"SOFTWARE\\MICROSOFT\\Windows\\CurrentVersion\\RUN", "kestaldate"},
  };
  for (const auto& r : readers) {
    SCOPED_TRACE(std::string(r.path) + " " + r.name);
    RegistryKey read = 0;
    ASSERT_EQ(registry.OpenKey(kMachine, r.path, read), 0);
    uint32_t type = 0;
    std::string text;
    EXPECT_EQ(registry.QueryValue(read, r.name, type, &text), 0);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(text, std::string("C:\\K\\KestalDate.exe") + '\0');  // the stored NUL comes back
    EXPECT_EQ(registry.CloseKey(read), 0);
  }
  // The per-user root is another tree.
  EXPECT_FALSE(registry.Get(kUser, kRun, "KestalDate"));
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(HeadlessRegistry, OverwritingKeepsTheNameAsFirstWritten) {
  CallLog log;
  HeadlessRegistry registry(log);
  registry.Put(kMachine, kRun, "kestalDate", {kRegSz, std::string("old") + '\0'});
  RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(kMachine, kRun, key), 0);
  ASSERT_EQ(registry.SetStringValue(key, "KestalDate", "new"), 0);
  registry.CloseKey(key);
  const auto value = registry.Get(kMachine, kRun, "KESTALDATE");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->data, std::string("new") + '\0');
}

TEST(HeadlessRegistry, MissingKeysAndValuesAndBadHandles) {
  CallLog log;
  HeadlessRegistry registry(log);
  registry.Put(kMachine, "SOFTWARE\\Kestal", "Number", {kRegDword, std::string("\x01\0\0\0", 4)});
  RegistryKey key = 77;
  EXPECT_EQ(registry.OpenKey(kMachine, "SOFTWARE\\Nowhere", key), 2);
  EXPECT_EQ(key, 0u);                  // a failed open leaves no handle
  EXPECT_NE(registry.CloseKey(0), 0);  // closing the empty handle fails harmlessly
  EXPECT_NE(registry.CloseKey(12345), 0);

  // A key on the path of a created one exists too.
  EXPECT_TRUE(registry.KeyExists(kMachine, "software"));
  ASSERT_EQ(registry.OpenKey(kMachine, "SOFTWARE\\Kestal", key), 0);
  uint32_t type = 0;
  std::string text = "unchanged";
  EXPECT_EQ(registry.QueryValue(key, "Missing", type, &text), 2);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(registry.QueryValue(key, "number", type, nullptr), 0);  // the type alone
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(registry.QueryValue(key, "number", type, &text), 0);
  EXPECT_EQ(text, std::string("\x01\0\0\0", 4));
  EXPECT_EQ(registry.DeleteValue(key, "Missing"), 2);
  EXPECT_EQ(registry.DeleteValue(key, "NUMBER"), 0);
  EXPECT_FALSE(registry.Get(kMachine, "SOFTWARE\\Kestal", "Number"));
  EXPECT_EQ(registry.CloseKey(key), 0);
  EXPECT_NE(registry.CloseKey(key), 0);  // not twice

  // Calls on a handle that isn't open fail without touching anything.
  EXPECT_NE(registry.QueryValue(0, "Number", type, &text), 0);
  EXPECT_NE(registry.SetStringValue(0, "Number", "x"), 0);
  EXPECT_NE(registry.DeleteValue(key, "Number"), 0);
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST(HeadlessRegistry, TheAutostartKeysExistFromTheStart) {
  CallLog log;
  HeadlessRegistry registry(log);
  EXPECT_TRUE(registry.KeyExists(kMachine, kRun));
  EXPECT_TRUE(registry.KeyExists(kUser, kRun));
  registry.RemoveKey(kMachine, "SOFTWARE\\Microsoft");
  EXPECT_FALSE(registry.KeyExists(kMachine, kRun));
  EXPECT_TRUE(registry.KeyExists(kUser, kRun));
}

TEST(HeadlessRegistry, ARootThatRefusesWritesChangesNothing) {
  CallLog log;
  HeadlessRegistry registry(log);
  registry.Put(kMachine, kRun, "KestalDate", {kRegSz, std::string("kept") + '\0'});
  registry.RefuseWrites(kMachine);

  RegistryKey key = 0;
  EXPECT_EQ(registry.CreateKey(kMachine, "SOFTWARE\\New", key), 5);
  EXPECT_EQ(key, 0u);
  EXPECT_FALSE(registry.KeyExists(kMachine, "SOFTWARE\\New"));
  EXPECT_EQ(registry.CreateKey(kMachine, kRun, key), 5);

  // Reading still works; writing and removing through an opened key are refused.
  ASSERT_EQ(registry.OpenKey(kMachine, kRun, key), 0);
  EXPECT_EQ(registry.SetStringValue(key, "KestalDate", "changed"), 5);
  EXPECT_EQ(registry.DeleteValue(key, "KestalDate"), 5);
  EXPECT_EQ(registry.CloseKey(key), 0);
  EXPECT_EQ(registry.Get(kMachine, kRun, "KestalDate")->data, std::string("kept") + '\0');

  // The other root still takes writes.
  ASSERT_EQ(registry.CreateKey(kUser, kRun, key), 0);
  EXPECT_EQ(registry.SetStringValue(key, "KestalDate", "per user"), 0);
  EXPECT_EQ(registry.CloseKey(key), 0);
  EXPECT_TRUE(registry.Get(kUser, kRun, "kestaldate"));

  registry.RefuseWrites(kMachine, false);
  EXPECT_EQ(registry.CreateKey(kMachine, "SOFTWARE\\New", key), 0);
  EXPECT_EQ(registry.CloseKey(key), 0);
}

TEST(HeadlessRegistry, EveryCallIsLogged) {
  CallLog log;
  HeadlessRegistry registry(log);
  RegistryKey key = 0;
  registry.CreateKey(kMachine, kRun, key);
  registry.SetStringValue(key, "KestalDate", "C:\\K.exe");
  uint32_t type = 0;
  registry.QueryValue(key, "kestalDate", type, nullptr);
  registry.DeleteValue(key, "KestalDate");
  registry.CloseKey(key);
  registry.OpenKey(kUser, "X", key);
  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{
                std::string("RegCreateKey(HKLM,") + kRun + ")",
                "RegSetValue(256,KestalDate,C:\\K.exe)", "RegQueryValue(256,kestalDate)",
                "RegDeleteValue(256,KestalDate)", "RegCloseKey(256)", "RegOpenKey(HKCU,X)"}));
}

}  // namespace
}  // namespace kestal::headless
