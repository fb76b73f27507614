// A link opens as the signed-in user: a copy with more rights than the user's desktop shell never
// opens it with its own.
#include <gtest/gtest.h>

#include "services/LinkOpening.h"

namespace kestal {
namespace {

TEST(LinkOpening, AnElevatedCopyOpensThroughTheDesktopOnly) {
  const struct {
    const char* what;
    bool elevatedAboveShell, desktopTakes;
    std::intptr_t directResult;
    const char* expectedCalls;  // "D" the desktop's shell, "S" the copy's own ShellExecute
    bool taken;
  } cases[] = {
      {"the user's own rights: opened directly", false, true, 42, "S", true},
      {"the user's own rights, the shell refuses", false, true, 2, "S", false},
      {"started as administrator: through the desktop", true, true, 42, "D", true},
      {"started as administrator, no desktop shell: nothing opens with our rights", true, false, 42,
       "D", false},
  };
  for (const auto& c : cases) {
    std::string calls;
    const std::intptr_t result = OpenLinkAsUser(
        c.elevatedAboveShell,
        [&] {
          calls += 'D';
          return c.desktopTakes;
        },
        [&] {
          calls += 'S';
          return c.directResult;
        });
    EXPECT_EQ(calls, c.expectedCalls) << c.what;
    EXPECT_EQ(result > 32, c.taken) << c.what;
  }
}

}  // namespace
}  // namespace kestal
