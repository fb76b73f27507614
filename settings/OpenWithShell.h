#pragma once
// Handing a web address or a "mailto:" link to the shell.
#include <cstdint>
#include <string_view>

#include "services/Platform.h"

namespace kestal {

// Asks the shell to open the target (a web address or a "mailto:" link) on behalf of the owner
// window; returns the shell's result code, which callers may ignore.
std::intptr_t OpenWithShell(Platform& platform, std::string_view target, WindowHandle owner);

}  // namespace kestal
