#include "tools/paint/Png.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "tests/tools/PngReading.h"
#include "tools/paint/Canvas.h"
#include "tools/paint/Deflate.h"

namespace kestal::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Data that takes each road through the compressor, read back by zlib: nothing to find, copies
// at every distance up to the window's end and none beyond it, the longest copies, a code too
// deep for deflate's 15 bits unless its lengths are limited, and no data at all.
TEST(Deflate, ZlibReadsBackWhatWasCompressed) {
  SeededRandom random(7);
  const auto noise = [&](std::size_t n) {
    Bytes b;
    for (std::size_t i = 0; i < n; ++i) b.push_back(std::uint8_t(random.Next()));
    return b;
  };
  // Bytes drawn with chances in the ratios of 1, 1, 2, 3, 5, 8 ..., every other one noise that
  // leaves no copy worth making: the best code for them is far deeper than deflate's 15 levels.
  std::vector<std::uint64_t> weights = {1, 1};
  while (weights.size() < 40) weights.push_back(weights.end()[-1] + weights.end()[-2]);
  const std::uint64_t total = std::accumulate(weights.begin(), weights.end(), std::uint64_t{0});
  Bytes skewed;
  for (int i = 0; i < 150000; ++i) {
    std::uint64_t pick = random.Next() % total;
    std::size_t symbol = 0;
    while (pick >= weights[symbol]) pick -= weights[symbol++];
    skewed.push_back(std::uint8_t(symbol));
    skewed.push_back(std::uint8_t(128 + random.Next() % 128));
  }
  const auto repeated = [](Bytes b, std::size_t n) {
    const Bytes head(b.begin(), b.begin() + std::ptrdiff_t(n));
    b.insert(b.end(), head.begin(), head.end());
    return b;
  };
  // The repeat lies farther back than a copy can reach; exactly as far back as it can.
  const Bytes beyondWindow = repeated(noise(40000), 40000);
  const Bytes atWindowEnd = repeated(noise(32768), 1000);
  const struct {
    const char* name;
    Bytes data;
    std::size_t largest;  // the most the stream may take
  } cases[] = {
      {"nothing", {}, 24},
      {"one byte", {42}, 24},
      {"noise", noise(70000), 70000 * 101 / 100 + 64},
      {"one byte repeated", Bytes(100000, 0), 400},
      {"a pattern a little longer than the longest copy",
       [] {
         Bytes b;
         for (int i = 0; i < 100000; ++i) b.push_back(std::uint8_t(i % 259 * 7));
         return b;
       }(),
       2000},
      {"a repeat beyond the window", beyondWindow, 80000 * 101 / 100 + 64},
      {"a repeat at the window's end", atWindowEnd, 32768 * 101 / 100 + 64},
      {"skewed frequencies", skewed, skewed.size()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes stream = ZlibCompress(c.data);
    EXPECT_LE(stream.size(), c.largest);
    Bytes back(c.data.size() + 1);
    uLongf backSize = uLongf(back.size());
    ASSERT_EQ(uncompress(back.data(), &backSize, stream.data(), uLong(stream.size())), Z_OK);
    back.resize(backSize);
    EXPECT_TRUE(back == c.data) << "read back " << backSize << " bytes of " << c.data.size();
  }
}

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
