// IMA ADPCM, 4 bits a sample, mono blocks as Windows stores them: a 4-byte header (first
// sample, step index, a zero byte) followed by two samples a byte, low nibble first.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestal::tools {

// The predictor state that encoder and decoder carry from sample to sample.
struct AdpcmState {
  int predictor = 0;
  int stepIndex = 0;
};

// Applies one 4-bit code to the state and returns the new sample.
int DecodeNibble(AdpcmState& state, unsigned nibble);

// Picks the code that brings the predictor closest to `sample` the standard way, applies it to
// the state and returns it.
unsigned EncodeNibble(AdpcmState& state, int sample);

// Samples that one mono block of `blockBytes` bytes holds (505 for 256 bytes).
int SamplesPerBlock(int blockBytes);

// Encodes whole blocks; the sample count must be a multiple of SamplesPerBlock(blockBytes).
// `firstStepIndex` seeds the step index of the first block; later blocks carry it on.
std::vector<std::uint8_t> EncodeImaAdpcm(std::span<const std::int16_t> samples, int blockBytes,
                                         int firstStepIndex = 0);

// Decodes whole blocks; a trailing partial block is ignored.
std::vector<std::int16_t> DecodeImaAdpcm(std::span<const std::uint8_t> data, int blockBytes);

}  // namespace kestal::tools
