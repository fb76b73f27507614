#include "platform/win32/LateBoundApi.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

static_assert(kSndAsync == SND_ASYNC && kSndNoDefault == SND_NODEFAULT && kSndMemory == SND_MEMORY);

bool Win32Sound::PlaySound(const uint8_t* image, std::size_t /*size*/, unsigned flags) {
  // With SND_MEMORY the "name" is the wave image itself.
  return late::SndPlaySound(reinterpret_cast<LPCWSTR>(image), flags) != FALSE;
}

void Win32Sound::StopSound() {
  // Before the first sound nothing can be playing.
  late::SndPlaySound(nullptr, 0, false);
}

}  // namespace kestal::win32
