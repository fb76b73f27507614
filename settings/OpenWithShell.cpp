#include "settings/OpenWithShell.h"

namespace kestal {

std::intptr_t OpenWithShell(Platform& platform, std::string_view target) {
  return platform.shell.Open(target);
}

}  // namespace kestal
