#pragma once
// A running program with the About window open, on the headless platform.
#include <optional>
#include <string>

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

  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};
};

}  // namespace kestal::testing
