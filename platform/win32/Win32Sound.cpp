#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

static_assert(kSndAsync == SND_ASYNC && kSndNoDefault == SND_NODEFAULT && kSndMemory == SND_MEMORY);

bool Win32Sound::PlaySound(const uint8_t* image, std::size_t /*size*/, unsigned flags) {
  // With SND_MEMORY the "name" is the wave image itself.
  return sndPlaySoundW(reinterpret_cast<LPCWSTR>(image), flags) != FALSE;
}

void Win32Sound::StopSound() {
  // Before the first sound nothing can be playing, and winmm is not loaded just to say so.
  if (GetModuleHandleW(L"winmm.dll")) sndPlaySoundW(nullptr, 0);
}

}  // namespace kestal::win32
