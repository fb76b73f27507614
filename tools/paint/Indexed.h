// Palette images: the form our bitmaps and icons are stored in.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/Canvas.h"

namespace kestal::tools {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

Rgb8 ToRgb8(Rgb colour);

struct IndexedImage {
  int width = 0, height = 0;
  std::vector<Rgb8> palette;
  std::vector<std::uint8_t> indices;  // row by row, top row first
  std::uint8_t At(int x, int y) const {
    return indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)];
  }
};

// Each pixel becomes the palette entry nearest to it (distance weighted for the eye). A dither
// amplitude above 0 shifts pixels by a fixed 4 x 4 pattern first, which breaks up the bands
// that smooth gradients otherwise show.
IndexedImage MapToPalette(const Canvas& canvas, const std::vector<Rgb8>& palette,
                          double ditherAmplitude = 0);

// Up to `count` colours that represent the canvas well (median cut, weighted by pixel count).
std::vector<Rgb8> MedianCutPalette(const Canvas& canvas, int count);

}  // namespace kestal::tools
