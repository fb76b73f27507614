#include "settings/OpenWithShell.h"

namespace kestal {

std::intptr_t OpenWithShell(Platform& platform, std::string_view target, WindowHandle owner) {
  return platform.shell.Open(target, owner);
}

}  // namespace kestal
