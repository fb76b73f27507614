#pragma once
// The window sounds: wave images of type "STD_SOUND" embedded in the program, played from
// memory while the window opens or closes.
#include <cstdint>
#include <vector>

#include "services/Platform.h"

namespace kestal {

inline constexpr int kOpenSound = 16;
inline constexpr int kCloseSound = 24;

class WindowSound {
 public:
  explicit WindowSound(Platform& platform) : platform_(platform) {}
  // A sound still playing from our buffer is stopped before the buffer goes.
  ~WindowSound();
  WindowSound(const WindowSound&) = delete;
  WindowSound& operator=(const WindowSound&) = delete;

  // Starts the sound with that identifier from memory and returns at once; pending messages are
  // then processed once.
  void PlayWindowSound(int identifier);
  // The image of the sound last played; it stays valid while it plays.
  const std::vector<uint8_t>& WindowSoundData() const { return data_; }

 private:
  Platform& platform_;
  std::vector<uint8_t> data_;
};

}  // namespace kestal
