#pragma once
// A running program with the About window open, on the headless platform.
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/driver/User.h"

namespace kestal::testing {

class AboutSession {
 public:
  AboutSession() { program.Start(); }

  headless::User Open() {
    program.platform.windows.Show(program.about);
    return headless::User(hp.windows, *program.about.Current());
  }

  // The stored convention setting, or none.
  std::optional<std::string> Setting() const {
    return hp.settings.Peek("KestalDate", "Impostazioni", "Data");
  }

  // The targets handed to the shell, in order.
  std::vector<std::string> Opened() const {
    std::vector<std::string> targets;
    for (const auto& open : hp.log.Records<headless::OpenRecord>()) targets.push_back(open.target);
    return targets;
  }

  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};
};

}  // namespace kestal::testing
