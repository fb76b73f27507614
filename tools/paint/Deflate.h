// Compression for the PNG images of our icon: a zlib stream holding deflate blocks.
#pragma once

#include <cstdint>
#include <vector>

namespace kestal::tools {

// The data as a zlib stream (RFC 1950, deflate of RFC 1951). It spends time for size: every
// earlier occurrence within reach is looked at and the cheapest way through the data is searched
// for. Integer arithmetic only, so the bytes depend on the input alone, the same wherever the
// generators run: the committed artwork stays reproducible.
// Quick effort is for comparing ways of laying out the same data before the thorough one.
enum class Effort { Quick, Thorough };
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data,
                                       Effort effort = Effort::Thorough);

}  // namespace kestal::tools
