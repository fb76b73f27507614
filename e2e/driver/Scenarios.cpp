#include "Scenarios.h"

#include <vector>

namespace e2e {

namespace {

std::vector<Scenario>& Registered() {
  static std::vector<Scenario> all;
  return all;
}

}  // namespace

RegisteredScenarios::RegisteredScenarios(std::initializer_list<Scenario> scenarios) {
  Registered().insert(Registered().end(), scenarios.begin(), scenarios.end());
}

std::span<const Scenario> AllScenarios() {
  return Registered();
}

}  // namespace e2e
