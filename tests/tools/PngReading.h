// Reads PNG images as the format describes them, with zlib for the compressed data: the reader
// that the tests hold our PNG writer to.
#pragma once

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace kestal::tools {

inline bool IsPng(const std::uint8_t* data, std::size_t bytes) {
  static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  return bytes >= 8 && std::equal(std::begin(kSignature), std::end(kSignature), data);
}

struct PngImage {
  std::vector<std::uint8_t> rgba;  // row by row, top row first; empty when unreadable
  std::set<int> filters;           // the filters its rows use
};

// An 8-bit RGBA image of `width` x `height` pixels, not interlaced, every chunk's CRC right and
// IEND last and ending the `bytes`. Anything else is reported as a test failure and read as
// empty.
inline PngImage ReadPng(const std::uint8_t* data, std::size_t bytes, int width, int height) {
  const auto be32 = [&](std::size_t at) {
    return std::uint32_t(data[at]) << 24 | std::uint32_t(data[at + 1]) << 16 |
           std::uint32_t(data[at + 2]) << 8 | data[at + 3];
  };
  if (!IsPng(data, bytes)) {
    ADD_FAILURE() << "not a PNG file";
    return {};
  }
  std::vector<std::uint8_t> compressed;
  bool header = false, ended = false;
  for (std::size_t chunk = 8; !ended && chunk + 12 <= bytes;) {
    const std::size_t length = be32(chunk), at = chunk + 8, next = at + length + 4;
    const std::string type(data + chunk + 4, data + at);
    if (next > bytes || crc32(0, data + chunk + 4, uInt(length + 4)) != be32(at + length)) {
      ADD_FAILURE() << "chunk " << type << " runs past the image or has a wrong CRC";
      return {};
    }
    if (type == "IHDR") {
      header = length == 13 && be32(at) == std::uint32_t(width) &&
               be32(at + 4) == std::uint32_t(height) && data[at + 8] == 8 && data[at + 9] == 6 &&
               data[at + 10] == 0 && data[at + 11] == 0 && data[at + 12] == 0;
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), data + at, data + at + length);
    } else if (type == "IEND") {
      ended = next == bytes;
    }
    chunk = next;
  }
  const std::size_t row = std::size_t(width) * 4, rows = std::size_t(height);
  std::vector<std::uint8_t> filtered((row + 1) * rows);
  uLongf filteredSize = uLongf(filtered.size());
  if (!header || !ended ||
      uncompress(filtered.data(), &filteredSize, compressed.data(), uLong(compressed.size())) !=
          Z_OK ||
      filteredSize != filtered.size()) {
    ADD_FAILURE() << "not an 8-bit RGBA image of " << width << " x " << height
                  << " ending with IEND, or its data does not inflate to its rows";
    return {};
  }
  // Each row: its filter, then each byte less what the filter predicts from the bytes to the
  // left (a), above (b) and above-left (c).
  PngImage image{std::vector<std::uint8_t>(row * rows), {}};
  std::vector<std::uint8_t>& out = image.rgba;
  for (std::size_t y = 0; y < rows; ++y) {
    const int filter = filtered[y * (row + 1)];
    if (filter > 4) {
      ADD_FAILURE() << "row " << y << " has filter " << filter;
      return {};
    }
    image.filters.insert(filter);
    for (std::size_t i = 0; i < row; ++i) {
      const int a = i >= 4 ? out[y * row + i - 4] : 0;
      const int b = y > 0 ? out[(y - 1) * row + i] : 0;
      const int c = y > 0 && i >= 4 ? out[(y - 1) * row + i - 4] : 0;
      const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      const int predicted[] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
      out[y * row + i] = std::uint8_t(filtered[y * (row + 1) + 1 + i] + predicted[filter]);
    }
  }
  return image;
}

}  // namespace kestal::tools
