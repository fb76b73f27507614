#pragma once
// The shell: opening a web address or a "mailto:" link, and where the running program lives.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestal {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to open the target with the program the user has for it; the shell's result
  // code (above 32 when it took the request).
  virtual std::intptr_t Open(std::string_view target) = 0;
  // Full path of the running executable.
  virtual std::string ExecutablePath() = 0;
};

}  // namespace kestal
