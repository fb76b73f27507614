#include "settings/OpenWithShell.h"

namespace kestal {

namespace {
constexpr int kShowNormal = 1;
}

std::intptr_t OpenWithShell(Platform& platform, std::string_view target) {
  return platform.shell.ShellExecute(platform.effects.GetDesktopWindow(), "Open", target, "", "",
                                     kShowNormal);
}

}  // namespace kestal
