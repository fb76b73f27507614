#pragma once
// The committed resource files as bytes, and little-endian numbers read from them.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kestal::tools {

using Bytes = std::vector<std::uint8_t>;

// A file of resources/ (empty when it can't be read).
inline Bytes ReadResource(const std::string& name) {
  std::ifstream in(std::string(KESTAL_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The unsigned number of `width` bytes at `at`, lowest byte first.
inline std::uint32_t Le(const Bytes& b, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | b.at(at + static_cast<std::size_t>(i));
  return value;
}

}  // namespace kestal::tools
