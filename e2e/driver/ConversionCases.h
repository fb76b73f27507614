#pragma once
// Conversions through the real controls of the conversion window, good and bad, with what the
// window must show for each; the conversion scenario and the endurance rounds play them.
#include <windows.h>

#include <span>

#include "Session.h"

namespace e2e {

inline constexpr int kNoTarget = -1;

struct ConversionCase {
  const char* what;
  int source;  // Option1, Option2 or Option3
  int target;  // Option4, Option5 or kNoTarget
  const char* input;
  bool byEnter;            // the Enter key in the input box instead of "&Converti"
  const char* result;      // expected in VelornDate, or nullptr when a message must show
  const char* inputAfter;  // the input as the window leaves it (the rewritten date)
  const char* message = nullptr;
  const char* title = nullptr;
};

std::span<const ConversionCase> ConversionCases();
// Chooses the kinds, types the input, converts, and checks the result or the message (closing
// it); `snapshots` saves a picture of each message box.
void PlayConversion(Session& session, RunningProgram& program, HWND form,
                    const ConversionCase& row, bool snapshots);

}  // namespace e2e
