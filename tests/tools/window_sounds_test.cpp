#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/tools/ResourceBytes.h"
#include "tools/sounds/ImaAdpcm.h"
#include "tools/sounds/WindowSounds.h"

namespace kestal::tools {
namespace {

struct Chunk {
  std::size_t offset;  // of the chunk's contents
  std::uint32_t size;
};

// The chunks of a RIFF WAVE image, by id; empty when the image is not one.
std::map<std::string, Chunk> ParseChunks(const Bytes& image) {
  std::map<std::string, Chunk> chunks;
  if (image.size() < 12 || std::string(image.begin(), image.begin() + 4) != "RIFF" ||
      std::string(image.begin() + 8, image.begin() + 12) != "WAVE")
    return chunks;
  const std::size_t end = 8 + Le(image, 4, 4);
  for (std::size_t at = 12; at + 8 <= end && at + 8 <= image.size();) {
    const std::uint32_t size = Le(image, at + 4, 4);
    chunks[std::string(image.begin() + static_cast<std::ptrdiff_t>(at),
                       image.begin() + static_cast<std::ptrdiff_t>(at + 4))] = {at + 8, size};
    at += 8 + size + size % 2;
  }
  return chunks;
}

double SignalToErrorDb(const std::vector<std::int16_t>& reference,
                       const std::vector<std::int16_t>& decoded) {
  double signal = 0, error = 0;
  for (std::size_t i = 0; i < reference.size(); ++i) {
    signal += double(reference[i]) * reference[i];
    error += (double(decoded.at(i)) - reference[i]) * (double(decoded.at(i)) - reference[i]);
  }
  return error == 0 ? 200 : 10 * std::log10(signal / error);
}

TEST(WindowSounds, HeadersCarryTheExpectedFormat) {
  const struct {
    const char* file;
    std::size_t totalSize;
    std::uint32_t riffSize, fmtSize, tag, channels, rate, byteRate, blockAlign, bits;
    std::optional<std::uint32_t> extraSize, samplesPerBlock, factSamples;
    std::uint32_t dataSize;
  } cases[] = {
      {"sound16.wav", 5948, 5940, 20, 17, 1, 8000, 4055, 256, 4, 2, 505, 11616, 5888},
      {"sound24.wav", 1760, 1750, 16, 1, 1, 11025, 11025, 1, 8, {}, {}, {}, 1714},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Bytes image = ReadResource(c.file);
    EXPECT_EQ(image.size(), c.totalSize);
    const auto chunks = ParseChunks(image);
    ASSERT_TRUE(chunks.contains("fmt ") && chunks.contains("data"));
    EXPECT_EQ(Le(image, 4, 4), c.riffSize);
    const auto fmt = chunks.at("fmt ");
    EXPECT_EQ(fmt.size, c.fmtSize);
    EXPECT_EQ(Le(image, fmt.offset, 2), c.tag);
    EXPECT_EQ(Le(image, fmt.offset + 2, 2), c.channels);
    EXPECT_EQ(Le(image, fmt.offset + 4, 4), c.rate);
    EXPECT_EQ(Le(image, fmt.offset + 8, 4), c.byteRate);
    EXPECT_EQ(Le(image, fmt.offset + 12, 2), c.blockAlign);
    EXPECT_EQ(Le(image, fmt.offset + 14, 2), c.bits);
    if (c.extraSize) {
      EXPECT_EQ(Le(image, fmt.offset + 16, 2), *c.extraSize);
      EXPECT_EQ(Le(image, fmt.offset + 18, 2), *c.samplesPerBlock);
    }
    EXPECT_EQ(chunks.contains("fact"), c.factSamples.has_value());
    if (c.factSamples && chunks.contains("fact")) {
      EXPECT_EQ(chunks.at("fact").size, 4u);
      EXPECT_EQ(Le(image, chunks.at("fact").offset, 4), *c.factSamples);
    }
    const auto data = chunks.at("data");
    EXPECT_EQ(data.size, c.dataSize);
    // The data chunk is the last one and ends the RIFF image; only padding may follow.
    EXPECT_EQ(data.offset + data.size, 8 + c.riffSize);
  }
}

TEST(ImaAdpcm, DecodesCodesByTheStandardSteps) {
  const struct {
    int predictor, stepIndex;
    unsigned nibble;
    int sample, nextIndex;
  } cases[] = {
      {0, 0, 7, 11, 8},               // step 7: 0 + 7 + 3 + 1
      {0, 0, 15, -11, 8},             // the sign bit
      {0, 0, 0, 0, 0},                // the index stays at its floor
      {100, 10, 4, 121, 12},          // step 19: 2 + 19
      {0, 20, 2, 31, 19},             // step 50: 6 + 25
      {0, 20, 1, 18, 19},             // step 50: 6 + 12
      {32760, 88, 7, 32767, 88},      // clipped at the top, index at its ceiling
      {-32760, 88, 15, -32768, 88},   // clipped at the bottom
      {-5, 3, 12, -5 - (1 + 10), 5},  // step 10: 1 + 10, index +2
  };
  for (const auto& c : cases) {
    AdpcmState state{c.predictor, c.stepIndex};
    EXPECT_EQ(DecodeNibble(state, c.nibble), c.sample) << c.predictor << " " << c.nibble;
    EXPECT_EQ(state.stepIndex, c.nextIndex) << c.predictor << " " << c.nibble;
  }
}

TEST(ImaAdpcm, EncodedSignalsDecodeCloseToTheOriginal) {
  const int perBlock = SamplesPerBlock(256);
  ASSERT_EQ(perBlock, 505);
  const struct {
    const char* name;
    double (*wave)(int);
    double minimumDb;
  } cases[] = {
      {"slow sine", [](int i) { return 12000 * std::sin(i * 0.05); }, 30},
      {"fast sine", [](int i) { return 9000 * std::sin(i * 0.9); }, 15},
      {"loud mixture", [](int i) { return 20000 * std::sin(i * 0.2) + 9000 * std::sin(i * 0.71); },
       18},
      {"square", [](int i) { return (i / 40) % 2 ? 16000.0 : -16000.0; }, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::int16_t> signal(static_cast<std::size_t>(perBlock) * 3);
    for (std::size_t i = 0; i < signal.size(); ++i)
      signal[i] = static_cast<std::int16_t>(std::lround(c.wave(static_cast<int>(i))));
    const auto encoded = EncodeImaAdpcm(signal, 256);
    ASSERT_EQ(encoded.size(), 3u * 256);
    const auto decoded = DecodeImaAdpcm(encoded, 256);
    ASSERT_EQ(decoded.size(), signal.size());
    for (std::size_t block = 0; block < 3; ++block)  // each block starts on the exact sample
      EXPECT_EQ(decoded[block * 505], signal[block * 505]);
    EXPECT_GT(SignalToErrorDb(signal, decoded), c.minimumDb);
  }
}

TEST(WindowSounds, ChimeDecodesToAnAudibleUnclippedSignal) {
  const Bytes image = ReadResource("sound16.wav");
  const auto data = ParseChunks(image).at("data");
  const auto decoded =
      DecodeImaAdpcm(std::span(image).subspan(data.offset, data.size), kChimeBlockBytes);
  ASSERT_EQ(decoded.size(), 11615u);
  int peak = 0;
  for (const auto s : decoded) peak = std::max(peak, std::abs(int(s)));
  EXPECT_GT(peak, 8000);                           // clearly audible
  EXPECT_LT(peak, 32000);                          // with room to spare below clipping
  EXPECT_LT(std::abs(int(decoded.front())), 300);  // soft start
  EXPECT_LT(std::abs(int(decoded.back())), 300);   // faded out
  EXPECT_GT(SignalToErrorDb(ChimeSamples(), decoded), 20);
}

TEST(WindowSounds, BlipIsAudibleAndStartsAndEndsInSilence) {
  const Bytes image = ReadResource("sound24.wav");
  const auto data = ParseChunks(image).at("data");
  const auto samples = std::span(image).subspan(data.offset, data.size);
  int peak = 0;
  for (const auto s : samples) peak = std::max(peak, std::abs(int(s) - 128));
  EXPECT_GT(peak, 30);
  EXPECT_LT(peak, 127);
  EXPECT_LE(std::abs(int(samples.front()) - 128), 2);
  EXPECT_LE(std::abs(int(samples.back()) - 128), 2);
}

}  // namespace
}  // namespace kestal::tools
