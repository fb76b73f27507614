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
std::span<const Scenario> ConversionScenarios();
std::span<const Scenario> AboutScenarios();
std::span<const Scenario> ConventionsScenarios();
std::span<const Scenario> ClosingScenarios();
std::span<const Scenario> RapidInputScenarios();
std::span<const Scenario> RandomInputScenarios();
std::span<const Scenario> EnduranceScenarios();
std::span<const Scenario> MeasureScenarios();
std::span<const Scenario> TextFitScenarios();
std::span<const Scenario> ReaderScenarios();
std::span<const Scenario> KeyboardScenarios();
std::span<const Scenario> InstallerScenarios();
std::span<const Scenario> OneCopyScenarios();
std::span<const Scenario> NoMouseScenarios();
std::span<const Scenario> ZoomScenarios();

}  // namespace e2e
