#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/icon/KestalIcon.h"

namespace kestal::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadResource(const std::string& name) {
  std::ifstream in(std::string(KESTAL_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const Bytes& b, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | b.at(at + static_cast<std::size_t>(i));
  return value;
}

TEST(Artwork, CommittedFilesAreWhatTheGeneratorsMake) {
  const struct {
    const char* file;
    Bytes (*make)();
  } cases[] = {
      {"kestal.ico", KestalIconFile},
  };
  for (const auto& c : cases) {
    const Bytes committed = ReadResource(c.file);
    ASSERT_FALSE(committed.empty()) << c.file;
    EXPECT_TRUE(committed == c.make()) << c.file << " differs from the generator's output";
  }
}

TEST(Artwork, IconHoldsA32And16PixelImageIn16ColoursWithMasks) {
  const Bytes icon = ReadResource("kestal.ico");
  ASSERT_GE(icon.size(), 6u + 2 * 16);
  EXPECT_EQ(Le(icon, 0, 2), 0u);
  EXPECT_EQ(Le(icon, 2, 2), 1u);  // an icon, not a cursor
  ASSERT_EQ(Le(icon, 4, 2), 2u);
  const struct {
    int size;
    std::uint32_t bytes;  // header, 16 colours, 4-bit rows, 1-bit mask rows (4-byte aligned)
  } cases[] = {{32, 40 + 64 + 32 * 16 + 32 * 4}, {16, 40 + 64 + 16 * 8 + 16 * 4}};
  std::size_t expectedOffset = 6 + 2 * 16;
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.size);
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(icon[entry], c.size);
    EXPECT_EQ(icon[entry + 1], c.size);
    EXPECT_EQ(icon[entry + 2], 16);         // colours
    EXPECT_EQ(Le(icon, entry + 4, 2), 1u);  // planes
    EXPECT_EQ(Le(icon, entry + 6, 2), 4u);  // bits a pixel
    EXPECT_EQ(Le(icon, entry + 8, 4), c.bytes);
    const std::size_t at = Le(icon, entry + 12, 4);
    EXPECT_EQ(at, expectedOffset);
    expectedOffset += c.bytes;
    ASSERT_LE(at + c.bytes, icon.size());
    EXPECT_EQ(Le(icon, at, 4), 40u);
    EXPECT_EQ(Le(icon, at + 4, 4), std::uint32_t(c.size));
    EXPECT_EQ(Le(icon, at + 8, 4), std::uint32_t(2 * c.size));  // colour image and mask
    EXPECT_EQ(Le(icon, at + 14, 2), 4u);
    EXPECT_EQ(Le(icon, at + 16, 4), 0u);  // uncompressed
    // Transparent pixels must be colour 0 (black) so the mask shows the background cleanly;
    // the picture covers a good part of the square without filling it.
    const std::size_t colours = at + 40 + 64;
    const std::size_t colourRow = std::size_t(c.size) / 2, maskRow = 4;
    const std::size_t mask = colours + colourRow * std::size_t(c.size);
    int opaque = 0;
    std::set<int> used;
    for (int y = 0; y < c.size; ++y)
      for (int x = 0; x < c.size; ++x) {
        const std::size_t row = std::size_t(c.size - 1 - y);  // stored bottom-up
        const bool transparent = icon[mask + row * maskRow + std::size_t(x) / 8] >> (7 - x % 8) & 1;
        const int index =
            icon[colours + row * colourRow + std::size_t(x) / 2] >> (x % 2 ? 0 : 4) & 0x0f;
        if (transparent) {
          EXPECT_EQ(index, 0) << x << "," << y;
        } else {
          ++opaque;
          used.insert(index);
        }
      }
    EXPECT_GT(opaque, c.size * c.size / 3);
    EXPECT_LT(opaque, c.size * c.size);
    EXPECT_GE(used.size(), 6u);
  }
  EXPECT_EQ(expectedOffset, icon.size());
}

}  // namespace
}  // namespace kestal::tools
