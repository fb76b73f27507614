#pragma once
// Playing a wave image from memory.
#include <cstddef>
#include <cstdint>

namespace kestal {

inline constexpr unsigned kSndAsync = 1;
inline constexpr unsigned kSndNoDefault = 2;
inline constexpr unsigned kSndMemory = 4;

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // sndPlaySound with a wave image in memory; the image must stay valid while it plays.
  virtual bool PlaySound(const uint8_t* image, std::size_t size, unsigned flags) = 0;
  // Stops whatever is playing.
  virtual void StopSound() = 0;
};

}  // namespace kestal
