#include "tools/sounds/WindowSounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/sounds/ImaAdpcm.h"
#include "tools/sounds/WaveImage.h"

namespace kestal::tools {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A raised-cosine rise from 0 to 1 over `length` seconds: no click at the start.
double SoftRise(double t, double length) {
  if (t <= 0) return 0;
  if (t >= length) return 1;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// One bell-like note: a fundamental and two quieter harmonics that fade faster. Harmonics above
// 2.4 kHz are left out: at 8000 samples a second they sound harsh and encode poorly.
double ChimeNote(double t, double frequency) {
  if (t < 0) return 0;
  struct Partial {
    double multiple, level, decay;
  };
  constexpr Partial partials[] = {{1, 1.0, 0.42}, {2, 0.28, 0.22}, {3, 0.08, 0.12}};
  double sum = 0;
  for (const auto& p : partials)
    if (frequency * p.multiple < 2400)
      sum += p.level * std::exp(-t / p.decay) * std::sin(kTwoPi * frequency * p.multiple * t);
  return SoftRise(t, 0.012) * sum;
}

}  // namespace

std::vector<std::int16_t> ChimeSamples() {
  const int count = kChimeBlocks * SamplesPerBlock(kChimeBlockBytes);
  // A rising major arpeggio (C, E, G, high C), one note every 110 ms.
  constexpr struct {
    double start, frequency, level;
  } notes[] = {{0.00, 523.25, 0.9}, {0.11, 659.26, 0.8}, {0.22, 783.99, 0.75}, {0.33, 1046.5, 0.7}};
  const double length = static_cast<double>(count) / kChimeRate;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kChimeRate;
    double value = 0;
    for (const auto& note : notes) value += note.level * ChimeNote(t - note.start, note.frequency);
    value *= 1 - SoftRise(t - (length - 0.25), 0.25);  // fade to silence by the end
    const double scaled = std::round(value * 0.36 * 32767);
    samples[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(std::clamp(scaled, -32768.0, 32767.0));
  }
  return samples;
}

std::vector<std::uint8_t> BlipSamples() {
  // A short falling tone, from 900 Hz to 600 Hz, with a soft start and a quick decay.
  const double length = static_cast<double>(kBlipSamples) / kBlipRate;
  std::vector<std::uint8_t> samples(kBlipSamples);
  double phase = 0;
  for (int i = 0; i < kBlipSamples; ++i) {
    const double t = static_cast<double>(i) / kBlipRate;
    const double frequency = 600 + 300 * std::exp(-t / 0.04);
    phase += kTwoPi * frequency / kBlipRate;
    const double envelope =
        SoftRise(t, 0.008) * std::exp(-t / 0.05) * (1 - SoftRise(t - (length - 0.03), 0.03));
    const double value = envelope * (std::sin(phase) + 0.15 * std::sin(2 * phase));
    samples[static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(std::clamp(std::round(128 + 0.5 * 127 * value), 0.0, 255.0));
  }
  return samples;
}

std::vector<std::uint8_t> OpenSoundImage() {
  const auto blocks = EncodeImaAdpcm(ChimeSamples(), kChimeBlockBytes);
  return ImaAdpcmWaveImage(blocks, kChimeRate, kChimeBlockBytes, kChimeFactSamples);
}

std::vector<std::uint8_t> CloseSoundImage() {
  return PcmWaveImage(BlipSamples(), kBlipRate, kBlipPadding);
}

}  // namespace kestal::tools
