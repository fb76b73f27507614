#pragma once
// Smooth scaling of the windows' pictures to their boxes at any screen density: linear
// interpolation when a picture grows, the average of the covered pixels when it shrinks. GDI's
// own stretching repeats pixels when it enlarges, which turns the captains into mosaics at 150 %
// and 200 %.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kestal {

namespace detail {

struct Tap {
  int source;
  double weight;
};

// For each of `to` places, the source places it is made of and their weights (summing to 1).
inline std::vector<std::vector<Tap>> Taps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    auto& here = taps[static_cast<std::size_t>(i)];
    if (to >= from) {
      const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, from - 1.0);
      const int left = static_cast<int>(centre);
      const int right = std::min(left + 1, from - 1);
      const double f = centre - left;
      here.push_back({left, 1 - f});
      if (right != left) here.push_back({right, f});
    } else {
      const double start = i * scale, end = (i + 1) * scale;
      for (int s = static_cast<int>(start); s < end && s < from; ++s) {
        const double covered = std::min<double>(s + 1, end) - std::max<double>(s, start);
        if (covered > 0) here.push_back({s, covered / scale});
      }
    }
  }
  return taps;
}

inline uint32_t Pack(const double (&channels)[4]) {
  uint32_t pixel = 0;
  for (int c = 0; c < 4; ++c) {
    const auto value = static_cast<uint32_t>(std::clamp(std::lround(channels[c]), 0L, 255L));
    pixel |= value << (8 * c);
  }
  return pixel;
}

}  // namespace detail

// Each of the four bytes of a pixel is scaled on its own, so any channel order will do. Rows
// run top to bottom, `width` pixels each. An empty size gives an empty image.
inline std::vector<uint32_t> ScaleImage(const std::vector<uint32_t>& pixels, int width, int height,
                                        int newWidth, int newHeight) {
  if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return {};
  }
  const auto across = detail::Taps(width, newWidth);
  const auto down = detail::Taps(height, newHeight);
  // Rows first: height x newWidth, four channels each.
  std::vector<double> rows(static_cast<std::size_t>(height) * newWidth * 4, 0.0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < newWidth; ++x) {
      double* out = &rows[(static_cast<std::size_t>(y) * newWidth + x) * 4];
      for (const detail::Tap& tap : across[static_cast<std::size_t>(x)]) {
        const uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + tap.source];
        for (int c = 0; c < 4; ++c) out[c] += ((pixel >> (8 * c)) & 0xFF) * tap.weight;
      }
    }
  }
  std::vector<uint32_t> scaled(static_cast<std::size_t>(newWidth) * newHeight);
  for (int y = 0; y < newHeight; ++y) {
    for (int x = 0; x < newWidth; ++x) {
      double channels[4] = {0, 0, 0, 0};
      for (const detail::Tap& tap : down[static_cast<std::size_t>(y)]) {
        const double* in = &rows[(static_cast<std::size_t>(tap.source) * newWidth + x) * 4];
        for (int c = 0; c < 4; ++c) channels[c] += in[c] * tap.weight;
      }
      scaled[static_cast<std::size_t>(y) * newWidth + x] = detail::Pack(channels);
    }
  }
  return scaled;
}

}  // namespace kestal
