#pragma once
// The scenarios the driver can play, each a user's session with the real program.
#include <span>

#include "Session.h"

namespace e2e {

struct Scenario {
  const char* name;
  const char* what;
  void (*play)(Session&);
};

std::span<const Scenario> TrayScenarios();
std::span<const Scenario> SelfCheckScenarios();
std::span<const Scenario> HousekeepingScenarios();

}  // namespace e2e
