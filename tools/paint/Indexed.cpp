#include "tools/paint/Indexed.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace kestal::tools {
namespace {

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::uint32_t Packed(Rgb8 c) {
  return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b;
}

int Component(Rgb8 c, int channel) {
  return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
}

struct Counted {
  Rgb8 colour;
  long count;
};

struct Box {
  std::vector<Counted> colours;
  int widestChannel = 0;
  int range = 0;
  void Measure() {
    range = 0;
    for (int channel = 0; channel < 3; ++channel) {
      int low = 255, high = 0;
      for (const auto& c : colours) {
        low = std::min(low, Component(c.colour, channel));
        high = std::max(high, Component(c.colour, channel));
      }
      // Green counts most to the eye, blue least.
      const int weighted = (high - low) * (channel == 1 ? 4 : channel == 0 ? 3 : 2);
      if (weighted > range) {
        range = weighted;
        widestChannel = channel;
      }
    }
  }
  Rgb8 Mean() const {
    double r = 0, g = 0, b = 0, n = 0;
    for (const auto& c : colours) {
      r += double(c.colour.r) * c.count;
      g += double(c.colour.g) * c.count;
      b += double(c.colour.b) * c.count;
      n += double(c.count);
    }
    return {Channel(r / n), Channel(g / n), Channel(b / n)};
  }
};

}  // namespace

Rgb8 ToRgb8(Rgb colour) {
  return {Channel(colour.r), Channel(colour.g), Channel(colour.b)};
}

IndexedImage MapToPalette(const Canvas& canvas, const std::vector<Rgb8>& palette,
                          double ditherAmplitude) {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  IndexedImage image{canvas.Width(), canvas.Height(), palette, {}};
  image.indices.reserve(static_cast<std::size_t>(canvas.Width() * canvas.Height()));
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const double shift = ditherAmplitude * ((kBayer[y % 4][x % 4] + 0.5) / 16 - 0.5);
      const Rgb pixel = canvas.At(x, y);
      const Rgb c{pixel.r + shift, pixel.g + shift, pixel.b + shift};
      std::size_t best = 0;
      double bestDistance = 1e300;
      for (std::size_t i = 0; i < palette.size(); ++i) {
        const double dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
        const double distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = i;
        }
      }
      image.indices.push_back(static_cast<std::uint8_t>(best));
    }
  }
  return image;
}

std::vector<Rgb8> MedianCutPalette(const Canvas& canvas, int count) {
  std::map<std::uint32_t, Counted> distinct;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb8 c = ToRgb8(canvas.At(x, y));
      auto [it, added] = distinct.try_emplace(Packed(c), Counted{c, 0});
      ++it->second.count;
    }
  std::vector<Box> boxes(1);
  for (const auto& [key, counted] : distinct) boxes[0].colours.push_back(counted);
  boxes[0].Measure();
  while (static_cast<int>(boxes.size()) < count) {
    // Split the box with the widest spread that still holds more than one colour.
    auto widest = boxes.end();
    for (auto it = boxes.begin(); it != boxes.end(); ++it)
      if (it->colours.size() > 1 && (widest == boxes.end() || it->range > widest->range))
        widest = it;
    if (widest == boxes.end()) break;
    const int channel = widest->widestChannel;
    std::sort(widest->colours.begin(), widest->colours.end(),
              [channel](const Counted& a, const Counted& b) {
                const int ca = Component(a.colour, channel), cb = Component(b.colour, channel);
                return ca != cb ? ca < cb : Packed(a.colour) < Packed(b.colour);
              });
    long total = 0;
    for (const auto& c : widest->colours) total += c.count;
    long running = 0;
    std::size_t cut = 1;
    for (std::size_t i = 0; i + 1 < widest->colours.size(); ++i) {
      running += widest->colours[i].count;
      cut = i + 1;
      if (running * 2 >= total) break;
    }
    Box upper;
    upper.colours.assign(widest->colours.begin() + static_cast<std::ptrdiff_t>(cut),
                         widest->colours.end());
    widest->colours.resize(cut);
    widest->Measure();
    upper.Measure();
    boxes.push_back(std::move(upper));
  }
  std::vector<Rgb8> palette;
  for (const auto& box : boxes) palette.push_back(box.Mean());
  // Dark colours first, for a palette that reads well in an editor.
  std::sort(palette.begin(), palette.end(), [](Rgb8 a, Rgb8 b) {
    const int la = 3 * a.r + 6 * a.g + a.b, lb = 3 * b.r + 6 * b.g + b.b;
    return la != lb ? la < lb : Packed(a) < Packed(b);
  });
  return palette;
}

}  // namespace kestal::tools
