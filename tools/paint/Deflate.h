// Compression for the PNG images of our icon: a zlib stream, made by Debian's zopfli.
#pragma once

#include <cstdint>
#include <vector>

namespace kestal::tools {

// The data as a zlib stream. Zopfli spends time for size and gives the same bytes for the same
// input wherever it runs, so the committed artwork stays reproducible. Quick effort is for
// comparing ways of laying out the same data before the thorough one.
enum class Effort { Quick, Thorough };
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data,
                                       Effort effort = Effort::Thorough);

}  // namespace kestal::tools
