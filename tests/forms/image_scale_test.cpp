#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "forms/ImageScale.h"

namespace kestal {
namespace {

uint32_t Grey(int level) {
  const auto v = static_cast<uint32_t>(level);
  return v | v << 8 | v << 16;
}

int Level(uint32_t pixel) {
  return static_cast<int>(pixel & 0xFF);
}

TEST(ImageScale, PicturesGrowAndShrinkSmoothly) {
  // A picture of one row: black, white.
  const std::vector<uint32_t> edge = {Grey(0), Grey(255)};

  // Twice as wide: the edge becomes a ramp, not two blocks.
  const std::vector<uint32_t> doubled = ScaleImage(edge, 2, 1, 4, 1);
  ASSERT_EQ(doubled.size(), 4u);
  EXPECT_EQ(Level(doubled[0]), 0);
  EXPECT_EQ(Level(doubled[3]), 255);
  EXPECT_GT(Level(doubled[1]), 0);
  EXPECT_LT(Level(doubled[1]), Level(doubled[2]));
  EXPECT_LT(Level(doubled[2]), 255);

  // Half as wide: each pixel the average of the two it covers.
  const std::vector<uint32_t> row = {Grey(0), Grey(100), Grey(200), Grey(255)};
  const std::vector<uint32_t> halved = ScaleImage(row, 4, 1, 2, 1);
  ASSERT_EQ(halved.size(), 2u);
  EXPECT_EQ(Level(halved[0]), 50);
  EXPECT_EQ(Level(halved[1]), 228);

  // The same size is the same picture, and every channel keeps its own value.
  const std::vector<uint32_t> colours = {0x00FF8000, 0x000080FF, 0x00123456, 0x00FEDCBA};
  EXPECT_EQ(ScaleImage(colours, 2, 2, 2, 2), colours);

  // A plain colour stays that colour at 150 % and 200 % (the captains' boxes).
  const std::vector<uint32_t> plain(110 * 140, 0x00336699);
  for (const auto& [w, h] : {std::pair{165, 210}, std::pair{220, 280}, std::pair{73, 93}}) {
    const std::vector<uint32_t> scaled = ScaleImage(plain, 110, 140, w, h);
    ASSERT_EQ(scaled.size(), static_cast<size_t>(w * h));
    for (uint32_t pixel : scaled) ASSERT_EQ(pixel, 0x00336699u) << w << "x" << h;
  }

  EXPECT_TRUE(ScaleImage(edge, 2, 1, 0, 1).empty());
  EXPECT_TRUE(ScaleImage({}, 2, 1, 4, 1).empty());  // fewer pixels than the size says
}

}  // namespace
}  // namespace kestal
