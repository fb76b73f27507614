// PNG files of our full-colour images: 8-bit RGBA, compressed by our own deflate.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/ImageFiles.h"

namespace kestal::tools {

// How the rows are filtered before compression: all with one of the format's five filters
// (numbered as the format numbers them), or each with the one whose output looks smallest for
// it.
enum class PngFilter { None, Sub, Up, Average, Paeth, EachRow };

// The image as a PNG file (IHDR, one IDAT, IEND), colour and alpha straight as given.
std::vector<std::uint8_t> PngFile(const AlphaIconImage& image, PngFilter filter);

// The same with the filtering that compresses smallest.
std::vector<std::uint8_t> PngFile(const AlphaIconImage& image);

}  // namespace kestal::tools
