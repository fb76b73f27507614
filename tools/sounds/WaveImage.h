// RIFF WAVE file images, built in memory.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestal::tools {

// A mono 8-bit PCM image; `trailingPadding` zero bytes follow the RIFF image itself.
std::vector<std::uint8_t> PcmWaveImage(std::span<const std::uint8_t> samples, int sampleRate,
                                       int trailingPadding = 0);

// A mono IMA ADPCM image with a 20-byte format chunk and a "fact" chunk giving `factSamples`.
std::vector<std::uint8_t> ImaAdpcmWaveImage(std::span<const std::uint8_t> blocks, int sampleRate,
                                            int blockBytes, std::uint32_t factSamples);

}  // namespace kestal::tools
