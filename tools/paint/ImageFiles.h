// Windows bitmap and icon files, built in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/Indexed.h"

namespace kestal::tools {

// The pixels of an 8-bit bitmap, run-length encoded (BI_RLE8) in the fewest bytes, rows
// bottom-up; every pixel is written, with no skips.
std::vector<std::uint8_t> Rle8Pixels(const IndexedImage& image);

// An 8-bit bitmap file (BITMAPINFOHEADER, 256-entry palette, rows bottom-up), its pixels
// run-length encoded where that is smaller, as it is for pictures with areas of one colour.
std::vector<std::uint8_t> Bmp8File(const IndexedImage& image);

// One image of an icon file: 16 colours, and a mask where true marks a transparent pixel.
struct IconImage {
  IndexedImage image;
  std::vector<bool> transparent;  // row by row, top row first
};

struct Rgba8 {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;  // straight colour, not premultiplied
};

// One full-colour image of an icon file, with smooth transparency.
struct AlphaIconImage {
  int width = 0, height = 0;
  std::vector<Rgba8> pixels;  // row by row, top row first
};

// An icon file: the 4-bit images first, then the 32-bit ones. Transparent pixels of a 4-bit
// image are stored as colour 0 under a set mask bit, so that they show the background whatever
// colour 0 is; a 32-bit image carries its own alpha, and its mask marks the pixels of alpha 0
// for the programs that read only the mask. Full-colour images of `pngFrom` pixels a side and
// more are stored as PNG files instead, a fraction of the size (Windows reads them so from
// Vista on).
std::vector<std::uint8_t> IcoFile(const std::vector<IconImage>& paletted,
                                  const std::vector<AlphaIconImage>& fullColour, int pngFrom);

// Writes bytes to a file; false when it cannot.
bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes);

}  // namespace kestal::tools
