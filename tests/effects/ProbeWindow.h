#pragma once
// A window of a chosen size for the effects tests: with the shared opening and closing
// sequence, or bare (nothing in its handlers) to call the zoom on it directly.
#include <string>

#include "effects/WindowSequence.h"
#include "tests/driver/User.h"

namespace kestal::testing {

class ProbeWindow : public Form {
 public:
  ProbeWindow(WindowSequence& sequence, int width, int height, bool withSequence = true,
              WindowOpening steps = {})
      : Form(FormDefinition{"Probe", "", width, height, 0, false}),
        sequence_(sequence),
        withSequence_(withSequence),
        steps_(std::move(steps)) {}
  int loads = 0;
  int unloads = 0;

 protected:
  void Form_Load() override {
    ++loads;
    if (withSequence_) sequence_.OpenWindow(*this, steps_);
  }
  void Form_Unload() override {
    ++unloads;
    if (withSequence_) sequence_.CloseWindow(*this);
  }

 private:
  WindowSequence& sequence_;
  bool withSequence_;
  WindowOpening steps_;
};

// A headless machine and the shared window sequence on it: the tests bring their own windows.
struct Desk {
  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  WindowSequence sequence{hp.platform()};
};

inline std::string HandleText(WindowHandle handle) {
  return std::to_string(static_cast<std::intptr_t>(handle));
}

}  // namespace kestal::testing
