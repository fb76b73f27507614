// The two sounds of the program's windows: a rising chime when a window opens and a short soft
// blip when it closes, synthesised here and stored as complete wave file images.
#pragma once

#include <cstdint>
#include <vector>

namespace kestal::tools {

// Opening chime: IMA ADPCM at 8000 samples a second in 23 blocks of 256 bytes.
inline constexpr int kChimeRate = 8000;
inline constexpr int kChimeBlockBytes = 256;
inline constexpr int kChimeBlocks = 23;
// The "fact" chunk announces one sample more than the 23 blocks hold; players go by the blocks.
inline constexpr std::uint32_t kChimeFactSamples = 11616;

// Closing blip: 8-bit PCM at 11025 samples a second, followed by two bytes of padding.
inline constexpr int kBlipRate = 11025;
inline constexpr int kBlipSamples = 1714;
inline constexpr int kBlipPadding = 2;

// The chime as 16-bit samples, exactly as many as the blocks hold.
std::vector<std::int16_t> ChimeSamples();

// The blip as unsigned 8-bit samples (128 is silence).
std::vector<std::uint8_t> BlipSamples();

std::vector<std::uint8_t> OpenSoundImage();
std::vector<std::uint8_t> CloseSoundImage();

}  // namespace kestal::tools
