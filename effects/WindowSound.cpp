#include "effects/WindowSound.h"

namespace kestal {

WindowSound::~WindowSound() {
  if (!data_.empty()) platform_.sound.StopSound();
}

void WindowSound::PlayWindowSound(int identifier) {
  std::vector<uint8_t> image = platform_.resources.Load("STD_SOUND", identifier);
  // The image still playing lives in the buffer: stop it before the buffer changes.
  platform_.sound.StopSound();
  data_ = std::move(image);
  if (!data_.empty()) {
    platform_.sound.PlaySound(data_.data(), data_.size(), kSndAsync | kSndNoDefault | kSndMemory);
  }
  platform_.windows.DoEvents();
}

}  // namespace kestal
