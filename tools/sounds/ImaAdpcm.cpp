#include "tools/sounds/ImaAdpcm.h"

#include <algorithm>
#include <stdexcept>

namespace kestal::tools {
namespace {

// The step sizes and index changes that define the format.
constexpr int kSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kIndexChange[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

constexpr int kHeaderBytes = 4;

int ClampSample(int value) {
  return std::clamp(value, -32768, 32767);
}

}  // namespace

int DecodeNibble(AdpcmState& state, unsigned nibble) {
  const int step = kSteps[state.stepIndex];
  int difference = step >> 3;
  if (nibble & 4) difference += step;
  if (nibble & 2) difference += step >> 1;
  if (nibble & 1) difference += step >> 2;
  state.predictor =
      ClampSample(nibble & 8 ? state.predictor - difference : state.predictor + difference);
  state.stepIndex = std::clamp(state.stepIndex + kIndexChange[nibble & 7], 0, 88);
  return state.predictor;
}

unsigned EncodeNibble(AdpcmState& state, int sample) {
  int difference = sample - state.predictor;
  unsigned nibble = 0;
  if (difference < 0) {
    nibble = 8;
    difference = -difference;
  }
  int step = kSteps[state.stepIndex];
  for (unsigned bit = 4; bit != 0; bit >>= 1) {
    if (difference >= step) {
      nibble |= bit;
      difference -= step;
    }
    step >>= 1;
  }
  DecodeNibble(state, nibble);
  return nibble;
}

namespace {

// Squared error of the best code sequence for the next `depth` samples from `state`.
double BestError(const AdpcmState& state, std::span<const std::int16_t> ahead, int depth) {
  if (depth == 0 || ahead.empty()) return 0;
  double best = -1;
  for (unsigned nibble = 0; nibble < 16; ++nibble) {
    AdpcmState next = state;
    const double error = DecodeNibble(next, nibble) - ahead[0];
    const double total = error * error + BestError(next, ahead.subspan(1), depth - 1);
    if (best < 0 || total < best) best = total;
  }
  return best;
}

// Chooses the code for `ahead[0]` that minimises the error over the next two samples: the plain
// encoder lags behind steep rises, which high notes at a low sample rate are full of.
unsigned EncodeNibbleLookingAhead(AdpcmState& state, std::span<const std::int16_t> ahead) {
  unsigned chosen = 0;
  double best = -1;
  for (unsigned nibble = 0; nibble < 16; ++nibble) {
    AdpcmState next = state;
    const double error = DecodeNibble(next, nibble) - ahead[0];
    const double total = error * error + BestError(next, ahead.subspan(1), 1);
    if (best < 0 || total < best) {
      best = total;
      chosen = nibble;
    }
  }
  DecodeNibble(state, chosen);
  return chosen;
}

}  // namespace

int SamplesPerBlock(int blockBytes) {
  return (blockBytes - kHeaderBytes) * 2 + 1;
}

std::vector<std::uint8_t> EncodeImaAdpcm(std::span<const std::int16_t> samples, int blockBytes,
                                         int firstStepIndex) {
  const std::size_t perBlock = static_cast<std::size_t>(SamplesPerBlock(blockBytes));
  if (blockBytes <= kHeaderBytes || samples.size() % perBlock != 0)
    throw std::invalid_argument("samples do not fill whole blocks");
  std::vector<std::uint8_t> out;
  out.reserve(samples.size() / perBlock * static_cast<std::size_t>(blockBytes));
  AdpcmState state{0, std::clamp(firstStepIndex, 0, 88)};
  for (std::size_t start = 0; start < samples.size(); start += perBlock) {
    // Each block restarts from the exact first sample, so errors never travel between blocks.
    state.predictor = samples[start];
    const auto first = static_cast<std::uint16_t>(samples[start]);
    out.push_back(static_cast<std::uint8_t>(first & 0xff));
    out.push_back(static_cast<std::uint8_t>(first >> 8));
    out.push_back(static_cast<std::uint8_t>(state.stepIndex));
    out.push_back(0);
    for (std::size_t i = 1; i < perBlock; i += 2) {
      const auto blockEnd = samples.begin() + static_cast<std::ptrdiff_t>(start + perBlock);
      const unsigned low = EncodeNibbleLookingAhead(
          state, {samples.begin() + static_cast<std::ptrdiff_t>(start + i), blockEnd});
      const unsigned high = EncodeNibbleLookingAhead(
          state, {samples.begin() + static_cast<std::ptrdiff_t>(start + i + 1), blockEnd});
      out.push_back(static_cast<std::uint8_t>(low | high << 4));
    }
  }
  return out;
}

std::vector<std::int16_t> DecodeImaAdpcm(std::span<const std::uint8_t> data, int blockBytes) {
  std::vector<std::int16_t> out;
  const std::size_t size = static_cast<std::size_t>(blockBytes);
  for (std::size_t start = 0; start + size <= data.size() && blockBytes > kHeaderBytes;
       start += size) {
    const auto first = static_cast<std::int16_t>(data[start] | data[start + 1] << 8);
    AdpcmState state{first, std::min<int>(data[start + 2], 88)};
    out.push_back(first);
    for (std::size_t i = start + kHeaderBytes; i < start + size; ++i) {
      out.push_back(static_cast<std::int16_t>(DecodeNibble(state, data[i] & 0x0fu)));
      out.push_back(static_cast<std::int16_t>(DecodeNibble(state, data[i] >> 4)));
    }
  }
  return out;
}

}  // namespace kestal::tools
