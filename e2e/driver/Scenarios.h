#pragma once
// The scenarios the driver can play, each a user's session with the real program. Each file
// registers its own when the driver starts.
#include <initializer_list>
#include <span>

#include "Session.h"

namespace e2e {

struct Scenario {
  const char* name;
  const char* what;
  void (*play)(Session&);
};

// Declared once in a scenario file, adds its scenarios to the driver's list.
struct RegisteredScenarios {
  RegisteredScenarios(std::initializer_list<Scenario> scenarios);
};

std::span<const Scenario> AllScenarios();

}  // namespace e2e
