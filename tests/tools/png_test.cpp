#include "tools/paint/Png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/tools/PngReading.h"
#include "tools/paint/Canvas.h"

namespace kestal::tools {
namespace {

// Every way of filtering the rows, on a picture of noise (nothing to predict, every byte value)
// and on one of smooth colours over a climbing alpha: each reads back exactly, its rows marked
// with the filters asked for.
TEST(Png, ImagesReadBackExactlyWhicheverFilterTheirRowsUse) {
  constexpr int kWidth = 37, kHeight = 23;
  SeededRandom random(11);
  AlphaIconImage noise{kWidth, kHeight, {}}, smooth{kWidth, kHeight, {}};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const auto r = random.Next();
      noise.pixels.push_back(
          {std::uint8_t(r), std::uint8_t(r >> 8), std::uint8_t(r >> 16), std::uint8_t(r >> 24)});
      smooth.pixels.push_back({std::uint8_t(x * 7), std::uint8_t(y * 11), std::uint8_t(x * y),
                               std::uint8_t(255 - x - y * 3)});
    }
  const struct {
    PngFilter filter;
    std::set<int> rowFilters;  // empty: any
  } cases[] = {{PngFilter::None, {0}},    {PngFilter::Sub, {1}},   {PngFilter::Up, {2}},
               {PngFilter::Average, {3}}, {PngFilter::Paeth, {4}}, {PngFilter::EachRow, {}}};
  for (const auto& c : cases)
    for (const AlphaIconImage* picture : {&noise, &smooth}) {
      SCOPED_TRACE("filter " + std::to_string(int(c.filter)) +
                   (picture == &noise ? ", noise" : ", smooth"));
      const std::vector<std::uint8_t> file = PngFile(*picture, c.filter);
      const PngImage read = ReadPng(file.data(), file.size(), kWidth, kHeight);
      std::vector<std::uint8_t> drawn;
      for (const Rgba8 p : picture->pixels) drawn.insert(drawn.end(), {p.r, p.g, p.b, p.a});
      EXPECT_TRUE(read.rgba == drawn);
      if (!c.rowFilters.empty()) {
        EXPECT_EQ(read.filters, c.rowFilters);
      }
    }
}

}  // namespace
}  // namespace kestal::tools
