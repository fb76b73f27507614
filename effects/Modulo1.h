#pragma once
// The window sounds: wave images of type "STD_SOUND" embedded in the program.
#include "app/Program.h"

namespace kestal {

inline constexpr int kOpenSound = 16;
inline constexpr int kCloseSound = 24;

// Starts the sound with that identifier from memory and returns at once; pending messages are
// then processed once.
void PlayWindowSound(Program& program, int identifier);

}  // namespace kestal
