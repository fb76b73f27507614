#pragma once
// The program started on a headless machine with the resources of the source tree, and the user
// in front of the windows it opens.
#include <optional>
#include <string>

#include "app/Program.h"
#include "tests/driver/User.h"

namespace kestal::testing {

struct ProgramSession {
  ProgramSession() { program.Start(); }

  // Shows the window as its menu item does, for the user to work.
  headless::User Open(FormSlot& window) {
    program.platform.windows.Show(window);
    return headless::User(hp.windows, *window.Current());
  }

  // The stored convention setting, or none.
  std::optional<std::string> Setting() const {
    return hp.settings.Peek("KestalDate", "Impostazioni", "Data");
  }

  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};
};

// A session whose tests all work one window.
template <FormSlot Program::*kWindow>
struct WindowSession : ProgramSession {
  headless::User Open() { return ProgramSession::Open(program.*kWindow); }
};

}  // namespace kestal::testing
