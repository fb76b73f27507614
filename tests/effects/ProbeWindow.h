#pragma once
// A window of a chosen size for the effects tests: with the shared opening and closing
// sequence, or bare (nothing in its handlers) to call the zoom on it directly.
#include <string>

#include "app/Program.h"
#include "effects/WindowSequence.h"
#include "platform/headless/Headless.h"

namespace kestal::testing {

class ProbeWindow : public Form {
 public:
  ProbeWindow(Program& program, int width, int height, bool withSequence = true,
              WindowOpening steps = {})
      : Form(program, FormSpec{"Probe", "", width, height, 0, false}),
        withSequence_(withSequence),
        steps_(std::move(steps)) {}
  int loads = 0;
  int unloads = 0;

 protected:
  void Form_Load() override {
    ++loads;
    if (withSequence_) OpenWindow(*this, steps_);
  }
  void Form_Unload() override {
    ++unloads;
    if (withSequence_) CloseWindow(*this);
  }

 private:
  bool withSequence_;
  WindowOpening steps_;
};

// A headless machine and the program on it, not started: the tests bring their own windows.
struct Desk {
  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};
};

inline std::string HandleText(WindowHandle handle) {
  return std::to_string(static_cast<std::intptr_t>(handle));
}

}  // namespace kestal::testing
