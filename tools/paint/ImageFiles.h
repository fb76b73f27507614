// Windows bitmap and icon files, built in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/Indexed.h"

namespace kestal::tools {

// An 8-bit bitmap file (BITMAPINFOHEADER, 256-entry palette, rows bottom-up).
std::vector<std::uint8_t> Bmp8File(const IndexedImage& image);

// One image of an icon file: 16 colours, and a mask where true marks a transparent pixel.
struct IconImage {
  IndexedImage image;
  std::vector<bool> transparent;  // row by row, top row first
};

// An icon file holding 4-bit images; transparent pixels are stored as colour 0 under a set mask
// bit, so that they show the background whatever colour 0 is.
std::vector<std::uint8_t> Ico4File(const std::vector<IconImage>& images);

// Writes bytes to a file; false when it cannot.
bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes);

}  // namespace kestal::tools
