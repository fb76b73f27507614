// The in-memory registry behaves as the program's tests need the real one to: names in any
// letter case, refused writes, strings, numbers and bytes apart, keys removed with what is inside.
#include <gtest/gtest.h>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

using namespace std::string_literals;
constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr std::string_view kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(HeadlessRegistry, BehavesAsTheRegistryForWhatTheProgramDoes) {
  CallLog log;
  HeadlessRegistry registry(log);
  EXPECT_TRUE(registry.KeyExists(kMachine, kRun));
  EXPECT_TRUE(registry.KeyExists(kUser, kRun));

  // Names compare without regard to letter case; a string reads up to its NUL.
  ASSERT_TRUE(registry.SetString(kMachine, kRun, "KestalDate", "C:\\K\\KestalDate.exe"));
  EXPECT_EQ(registry.GetString(kMachine, "software\\MICROSOFT\\windows\\currentversion\\run",
                               "kestalDate"),
            "C:\\K\\KestalDate.exe");
  EXPECT_FALSE(registry.GetString(kUser, kRun, "KestalDate"));

  // Strings and numbers are apart.
  registry.Put(kUser, "Software\\Kestal", "Numero", HeadlessRegistry::Number(7));
  EXPECT_FALSE(registry.GetString(kUser, "Software\\Kestal", "Numero"));
  // So are binary values.
  registry.Put(kUser, "Software\\Kestal", "Byte", HeadlessRegistry::Binary("\x03\0"s));
  EXPECT_EQ(registry.GetBinary(kUser, "Software\\Kestal", "BYTE"), (std::vector<uint8_t>{3, 0}));
  EXPECT_FALSE(registry.GetString(kUser, "Software\\Kestal", "Byte"));
  EXPECT_FALSE(registry.GetBinary(kUser, "Software\\Kestal", "Numero"));

  // A refused root keeps what it holds.
  registry.RefuseWrites(kMachine);
  EXPECT_FALSE(registry.SetString(kMachine, kRun, "KestalDate", "altro"));
  EXPECT_FALSE(registry.DeleteValue(kMachine, kRun, "KestalDate"));
  EXPECT_FALSE(registry.DeleteKey(kMachine, "SOFTWARE\\Microsoft"));
  EXPECT_EQ(registry.GetString(kMachine, kRun, "KestalDate"), "C:\\K\\KestalDate.exe");
  registry.RefuseWrites(kMachine, false);

  // Removing: a value once; a key with every key and value under it.
  EXPECT_TRUE(registry.DeleteValue(kMachine, kRun, "KESTALDATE"));
  EXPECT_FALSE(registry.DeleteValue(kMachine, kRun, "KestalDate"));
  ASSERT_TRUE(registry.SetString(kUser, "Software\\KestalDate\\Impostazioni", "Data", "x"));
  EXPECT_TRUE(registry.DeleteKey(kUser, "Software\\KestalDate"));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\KestalDate\\Impostazioni"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "Software\\KestalDate"));
  EXPECT_TRUE(registry.KeyExists(kUser, kRun));
}

}  // namespace
}  // namespace kestal::headless
