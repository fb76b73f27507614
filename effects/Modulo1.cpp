#include "effects/Modulo1.h"

namespace kestal {

void PlayWindowSound(Program& program, int identifier) {
  Platform& platform = program.platform;
  std::vector<uint8_t> image = platform.resources.Load("STD_SOUND", identifier);
  // The image still playing lives in WindowSoundData: stop it before that buffer changes.
  platform.sound.StopSound();
  program.WindowSoundData = std::move(image);
  if (!program.WindowSoundData.empty()) {
    platform.sound.PlaySound(program.WindowSoundData.data(), program.WindowSoundData.size(),
                             kSndAsync | kSndNoDefault | kSndMemory);
  }
  platform.windows.DoEvents();
}

}  // namespace kestal
