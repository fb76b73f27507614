#pragma once
// The shell: opening a web address or a "mailto:" link, and where the running program lives.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/WindowHandle.h"

namespace kestal {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual std::intptr_t ShellExecute(WindowHandle owner, std::string_view verb,
                                     std::string_view file, std::string_view parameters,
                                     std::string_view directory, int showCommand) = 0;
  // Full path of the running executable.
  virtual std::string ExecutablePath() = 0;
};

}  // namespace kestal
