#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/headless/Headless.h"
#include "settings/RegString.h"

namespace kestal {
namespace {

using headless::HeadlessRegistry;
using namespace std::string_literals;

constexpr std::string_view kKey = "SOFTWARE\\Kestal\\Prova";

TEST(TrimAtNul, CutsAtTheFirstNul) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {"", ""},
      {"C:\\KestalDate.exe", "C:\\KestalDate.exe"},
      {"\0abc"s, ""},
      {"abc\0"s, "abc"},
      {"ab\0cd\0ef"s, "ab"},
      {"città\0   "s, "città"},
      {std::string(40000, 'x') + '\0' + "y", std::string(40000, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimAtNul(c.text), c.expected) << c.text.size();
}

TEST(GetRegString, ReadsOnlyTextValues) {
  const struct {
    const char* what;
    std::optional<HeadlessRegistry::Value> stored;  // under kKey, value "Nome"
    const char* name;                               // the name read
    std::string expected;
  } cases[] = {
      {"no key", std::nullopt, "Nome", ""},
      {"text", HeadlessRegistry::String("C:\\a.exe\0"s), "Nome", "C:\\a.exe"},
      {"name in other letter case", HeadlessRegistry::String("x\0"s), "nOME", "x"},
      {"other name", HeadlessRegistry::String("x\0"s), "Altro", ""},
      {"empty text", HeadlessRegistry::String("\0"s), "Nome", ""},
      {"bytes after the nul", HeadlessRegistry::String("ab\0zz"s), "Nome", "ab"},
      {"number", HeadlessRegistry::Number(1), "Nome", ""},
      {"non-ANSI letters", HeadlessRegistry::String("Ωmega ç\0"s), "Nome", "Ωmega ç"},
  };
  for (const auto& c : cases) {
    headless::CallLog log;
    HeadlessRegistry registry(log);
    if (c.stored) registry.Put(RegistryRoot::LocalMachine, kKey, "Nome", *c.stored);
    EXPECT_EQ(GetRegString(registry, RegistryRoot::LocalMachine, kKey, c.name), c.expected)
        << c.what;
    EXPECT_EQ(GetRegString(registry, RegistryRoot::CurrentUser, kKey, c.name), "") << c.what;
  }
}

TEST(SetRegString, StoresTextWithItsNulOrReportsTheRefusal) {
  const struct {
    const char* what;
    bool refused;
    std::string text;
  } cases[] = {
      {"plain", false, "C:\\KestalDate.exe"},
      {"non-ANSI letters", false, "C:\\Utenti\\Jürgen\\Ωmega\\KestalDate.exe"},
      {"empty", false, ""},
      {"refused", true, "C:\\KestalDate.exe"},
  };
  for (const auto& c : cases) {
    headless::CallLog log;
    HeadlessRegistry registry(log);
    registry.RefuseWrites(RegistryRoot::LocalMachine, c.refused);
    EXPECT_EQ(SetRegString(registry, RegistryRoot::LocalMachine, kKey, "Nome", c.text), !c.refused)
        << c.what;
    const auto stored = registry.Get(RegistryRoot::LocalMachine, kKey, "Nome");
    if (c.refused) {
      EXPECT_FALSE(stored.has_value()) << c.what;
    } else {
      ASSERT_TRUE(stored.has_value()) << c.what;
      EXPECT_EQ(stored->type, HeadlessRegistry::Type::String) << c.what;
      EXPECT_EQ(stored->text, c.text + '\0') << c.what;
      EXPECT_EQ(GetRegString(registry, RegistryRoot::LocalMachine, kKey, "Nome"), c.text) << c.what;
    }
  }
}

}  // namespace
}  // namespace kestal
