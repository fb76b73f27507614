#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/tools/PngReading.h"
#include "tests/tools/ResourceBytes.h"
#include "tools/banner/Banner.h"
#include "tools/captains/Captains.h"
#include "tools/icon/KestalIcon.h"
#include "tools/paint/ImageFiles.h"
#include "tools/paint/Indexed.h"
#include "tools/sounds/WindowSounds.h"

namespace kestal::tools {
namespace {

// The pictures, the icon and the window sounds.
TEST(Resources, CommittedFilesAreWhatTheGeneratorsMake) {
  const struct {
    const char* file;
    Bytes (*make)();
  } cases[] = {
      {"kestal.ico", KestalIconFile},    {"captain_classic.bmp", ClassicCaptainFile},
      {"captain_ng.bmp", NgCaptainFile}, {"banner.bmp", BannerFile},
      {"sound16.wav", OpenSoundImage},   {"sound24.wav", CloseSoundImage},
  };
  for (const auto& c : cases) {
    const Bytes committed = ReadResource(c.file);
    ASSERT_FALSE(committed.empty()) << c.file;
    EXPECT_TRUE(committed == c.make()) << c.file << " differs from the generator's output";
  }
}

// One image of the icon file as a program reads it: colours with alpha, top row first.
struct IconPicture {
  int size = 0, bits = 0;
  std::vector<std::uint8_t> rgba;
  int Alpha(int x, int y) const { return rgba[std::size_t(y * size + x) * 4 + 3]; }
  // The pixel laid over a background of grey level `grey`, as a grey level.
  double OnGrey(int x, int y, double grey) const {
    const std::uint8_t* p = &rgba[std::size_t(y * size + x) * 4];
    const double a = p[3] / 255.0;
    return (0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]) * a + grey * (1 - a);
  }
};

// The 16-colour 32 x 32 image for the programs that read only that, then full-colour images of
// every size Windows asks for at 100 % to 225 %: small icons of 16 to 36 pixels (28 and 36 at
// 175 % and 225 %), large of 32 to 64; and 256 pixels for the large views. From 36 pixels up they
// are PNG files, the smaller ones bitmaps.
TEST(Artwork, IconHoldsThe16ColourImageAndFullColourImagesOfEverySize) {
  const Bytes icon = ReadResource("kestal.ico");
  const struct {
    int size, bits;
    bool png;
  } entries[] = {{32, 4, false},  {16, 32, false}, {20, 32, false}, {24, 32, false},
                 {28, 32, false}, {32, 32, false}, {36, 32, true},  {40, 32, true},
                 {48, 32, true},  {64, 32, true},  {256, 32, true}};
  constexpr std::size_t kCount = std::size(entries);
  ASSERT_GE(icon.size(), 6u + kCount * 16);
  EXPECT_EQ(Le(icon, 0, 2), 0u);
  EXPECT_EQ(Le(icon, 2, 2), 1u);  // an icon, not a cursor
  ASSERT_EQ(Le(icon, 4, 2), kCount);
  std::size_t expectedOffset = 6 + kCount * 16;
  for (std::size_t i = 0; i < kCount; ++i) {
    const int size = entries[i].size, bits = entries[i].bits;
    SCOPED_TRACE(std::to_string(size) + " pixels, " + std::to_string(bits) + " bits" +
                 (entries[i].png ? ", PNG" : ""));
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(icon[entry], size % 256);  // 0 for 256
    EXPECT_EQ(icon[entry + 1], size % 256);
    EXPECT_EQ(icon[entry + 2], bits == 4 ? 16 : 0);  // colours; 0 for more than 256
    EXPECT_EQ(Le(icon, entry + 4, 2), 1u);           // planes
    EXPECT_EQ(Le(icon, entry + 6, 2), std::uint32_t(bits));
    const std::size_t bytes = Le(icon, entry + 8, 4);
    const std::size_t at = Le(icon, entry + 12, 4);
    EXPECT_EQ(at, expectedOffset);
    expectedOffset += bytes;
    ASSERT_LE(at + bytes, icon.size());
    int opaque = 0;
    std::set<std::uint32_t> used;
    if (entries[i].png) {
      // The PNG reads back as exactly the picture drawn.
      const std::vector<std::uint8_t> pixels = ReadPng(&icon[at], bytes, size, size).rgba;
      ASSERT_FALSE(pixels.empty());
      std::vector<std::uint8_t> drawn;
      for (const Rgba8 p : KestalAlphaIconImage(size).pixels)
        drawn.insert(drawn.end(), {p.r, p.g, p.b, p.a});
      EXPECT_TRUE(pixels == drawn) << "the PNG image differs from the picture drawn";
      for (std::size_t p = 0; p < pixels.size(); p += 4) {
        opaque += pixels[p + 3] == 255;
        if (pixels[p + 3] > 0)
          used.insert(std::uint32_t(pixels[p]) << 16 | pixels[p + 1] << 8 | pixels[p + 2]);
      }
    } else {
      // Header, palette, colour rows, 1-bit mask rows, each row 4-byte aligned.
      const std::size_t paletteBytes = bits == 4 ? 64 : 0;
      const std::size_t colourRow = (std::size_t(size) * bits + 31) / 32 * 4;
      const std::size_t maskRow = (std::size_t(size) + 31) / 32 * 4;
      EXPECT_EQ(bytes, 40 + paletteBytes + (colourRow + maskRow) * size);
      EXPECT_EQ(Le(icon, at, 4), 40u);
      EXPECT_EQ(Le(icon, at + 4, 4), std::uint32_t(size));
      EXPECT_EQ(Le(icon, at + 8, 4), std::uint32_t(2 * size));  // colour image and mask
      EXPECT_EQ(Le(icon, at + 14, 2), std::uint32_t(bits));
      EXPECT_EQ(Le(icon, at + 16, 4), 0u);  // uncompressed
      // Transparent pixels must be all zero (colour 0 in 16 colours) so that programs that apply
      // the mask alone show the background cleanly; in full colour the mask marks exactly the
      // pixels of alpha 0.
      const std::size_t colours = at + 40 + paletteBytes;
      const std::size_t mask = colours + colourRow * std::size_t(size);
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          const std::size_t row = std::size_t(size - 1 - y);  // stored bottom-up
          const bool transparent =
              icon[mask + row * maskRow + std::size_t(x) / 8] >> (7 - x % 8) & 1;
          const std::uint32_t pixel =
              bits == 4
                  ? icon[colours + row * colourRow + std::size_t(x) / 2] >> (x % 2 ? 0 : 4) & 0x0f
                  : Le(icon, colours + row * colourRow + std::size_t(x) * 4, 4);
          if (bits == 32) {
            EXPECT_EQ(transparent, pixel >> 24 == 0) << x << "," << y;
          }
          if (transparent) {
            EXPECT_EQ(pixel, 0u) << x << "," << y;
          } else {
            opaque += bits == 4 || pixel >> 24 == 255;
            used.insert(pixel & 0xffffff);
          }
        }
    }
    // The picture covers a good part of the square without filling it.
    EXPECT_GT(opaque, size * size / 3);
    EXPECT_LT(opaque, size * size);
    EXPECT_GE(used.size(), 6u);
  }
  EXPECT_EQ(expectedOffset, icon.size());
}

// The full-colour images of the icon file (the directory is checked above).
std::vector<IconPicture> FullColourIcons(const Bytes& icon) {
  std::vector<IconPicture> pictures;
  for (std::size_t i = 0; i < Le(icon, 4, 2); ++i) {
    const std::size_t entry = 6 + 16 * i;
    if (Le(icon, entry + 6, 2) != 32) continue;
    IconPicture picture{icon[entry] ? icon[entry] : 256, 32, {}};
    const std::size_t at = Le(icon, entry + 12, 4);
    const std::size_t bytes = Le(icon, entry + 8, 4);
    if (at + bytes <= icon.size() && IsPng(&icon[at], bytes)) {
      picture.rgba = ReadPng(&icon[at], bytes, picture.size, picture.size).rgba;
    } else {
      for (int y = 0; y < picture.size; ++y)
        for (int x = 0; x < picture.size; ++x) {
          const std::size_t pixel =
              at + 40 + (std::size_t(picture.size - 1 - y) * picture.size + x) * 4;
          for (const int channel : {2, 1, 0, 3}) picture.rgba.push_back(icon.at(pixel + channel));
        }
    }
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

// On Windows 11's light and dark taskbars the icon's edge must show: next to every bit of
// background that touches the picture, within two pixels (at 32 pixels, in proportion above),
// lies a pixel that stands out from that background (a dark outline alone vanishes on the dark
// taskbar, a light edge alone on the light one).
TEST(Artwork, IconEdgeShowsOnLightAndDarkTaskbars) {
  const auto pictures = FullColourIcons(ReadResource("kestal.ico"));
  ASSERT_FALSE(pictures.empty());
  for (const auto& picture : pictures) {
    ASSERT_EQ(picture.rgba.size(), std::size_t(picture.size * picture.size * 4));
    for (const double taskbar : {243.0, 32.0}) {
      SCOPED_TRACE(std::to_string(picture.size) + " pixels on grey " + std::to_string(taskbar));
      const int n = picture.size, reach = std::max(2, n / 16);
      const auto see = [&](int x, int y) { return picture.Alpha(x, y) >= 128; };
      int border = 0, shown = 0;
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
          if (see(x, y)) continue;
          const bool touches = (x > 0 && see(x - 1, y)) || (x + 1 < n && see(x + 1, y)) ||
                               (y > 0 && see(x, y - 1)) || (y + 1 < n && see(x, y + 1));
          if (!touches) continue;
          ++border;
          bool standsOut = false;
          for (int v = std::max(0, y - reach); v <= std::min(n - 1, y + reach); ++v)
            for (int u = std::max(0, x - reach); u <= std::min(n - 1, x + reach); ++u)
              standsOut = standsOut || std::abs(picture.OnGrey(u, v, taskbar) - taskbar) >= 100;
          shown += standsOut;
        }
      ASSERT_GT(border, 0);
      EXPECT_GE(shown, border * 95 / 100) << shown << " of " << border << " border pixels";
    }
  }
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<Rgb8> palette;
  std::vector<std::uint8_t> indices;  // top row first
  Rgb8 At(int x, int y) const { return palette.at(indices.at(std::size_t(y * width + x))); }
};

// The pixels of bottom-up run-length encoded rows (BI_RLE8), top row first, each pixel written
// once; a failure names what was wrong.
std::vector<std::uint8_t> DecodeRle8(const std::uint8_t* data, std::size_t size, int width,
                                     int height) {
  std::vector<int> pixels(std::size_t(width * height), -1);
  int x = 0, row = 0;  // row 0 is the bottom one
  std::size_t at = 0;
  auto put = [&](std::uint8_t index) {
    if (x >= width || row >= height) throw std::runtime_error("a pixel outside the bitmap");
    int& pixel = pixels[std::size_t((height - 1 - row) * width + x++)];
    if (pixel != -1) throw std::runtime_error("a pixel written twice");
    pixel = index;
  };
  for (bool end = false; !end;) {
    if (at + 2 > size) throw std::runtime_error("no end of the bitmap");
    const std::uint8_t count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(value);
    } else if (value == 0) {  // end of the row
      x = 0;
      ++row;
    } else if (value == 1) {
      end = true;
    } else if (value == 2) {
      throw std::runtime_error("a skip, which leaves pixels unwritten");
    } else {  // `value` pixels as they are, padded to 16 bits
      if (at + value > size) throw std::runtime_error("a stretch past the end");
      for (int i = 0; i < value; ++i) put(data[at + std::size_t(i)]);
      at += std::size_t(value + value % 2);
    }
  }
  if (at != size) throw std::runtime_error("bytes after the end of the bitmap");
  std::vector<std::uint8_t> indices;
  for (const int pixel : pixels) {
    if (pixel < 0) throw std::runtime_error("a pixel left unwritten");
    indices.push_back(std::uint8_t(pixel));
  }
  return indices;
}

// Reads a bottom-up 8-bit bitmap, uncompressed or run-length encoded, as the program's picture
// controls will.
Bitmap ReadBitmap8(const Bytes& file) {
  Bitmap bitmap;
  bitmap.width = int(Le(file, 18, 4));
  bitmap.height = int(Le(file, 22, 4));
  const std::uint32_t colours = Le(file, 46, 4) ? Le(file, 46, 4) : 256;
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::size_t at = 14 + 40 + 4 * i;
    bitmap.palette.push_back({file.at(at + 2), file.at(at + 1), file.at(at)});
  }
  const std::size_t offset = Le(file, 10, 4);
  if (Le(file, 30, 4) == 1) {
    bitmap.indices =
        DecodeRle8(file.data() + offset, file.size() - offset, bitmap.width, bitmap.height);
    return bitmap;
  }
  const std::size_t row = (std::size_t(bitmap.width) + 3) / 4 * 4;
  for (int y = 0; y < bitmap.height; ++y)
    for (int x = 0; x < bitmap.width; ++x)
      bitmap.indices.push_back(
          file.at(offset + std::size_t(bitmap.height - 1 - y) * row + std::size_t(x)));
  return bitmap;
}

TEST(Rle8, EveryPixelDecodesBack) {
  // Rows of long runs, pairs, stretches of single pixels of odd and even length, a stretch
  // longer than a count can say, and rows that end on one or two odd pixels.
  const struct {
    const char* name;
    int width;
    std::uint8_t (*pixel)(int x, int y);
  } cases[] = {
      {"one colour", 600, [](int, int) { return std::uint8_t{7}; }},
      {"all different", 300, [](int x, int y) { return std::uint8_t(x * 7 + y); }},
      {"pairs and singles", 37,
       [](int x, int y) { return std::uint8_t((x + y) % 5 < 2 ? x / 2 : x); }},
      {"mixed", 61,
       [](int x, int y) { return std::uint8_t(x < 3 * y ? x : 200 + (x + y) % 4 / 3); }},
      {"one pixel wide", 1, [](int, int y) { return std::uint8_t(y); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IndexedImage image;
    image.width = c.width;
    image.height = 12;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) image.indices.push_back(c.pixel(x, y));
    const std::vector<std::uint8_t> encoded = Rle8Pixels(image);
    EXPECT_EQ(DecodeRle8(encoded.data(), encoded.size(), image.width, image.height), image.indices);
  }
}

// The pictures as the picture controls read them; each captain wears the colours of his era: gold
// for the classic one, red for the other.
TEST(Artwork, PicturesAreBottomUp256ColourBitmaps) {
  enum Uniform { None, Gold, Red };
  const struct {
    const char* file;
    int width, height;
    Uniform uniform;
  } cases[] = {{"captain_classic.bmp", 110, 140, Gold},
               {"captain_ng.bmp", 110, 140, Red},
               {"banner.bmp", 224, 37, None}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Bytes file = ReadResource(c.file);
    ASSERT_GE(file.size(), 14u + 40 + 1024);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le(file, 2, 4), file.size());
    EXPECT_EQ(Le(file, 10, 4), 14u + 40 + 1024);  // pixels right after the palette
    EXPECT_EQ(Le(file, 14, 4), 40u);              // BITMAPINFOHEADER
    EXPECT_EQ(Le(file, 18, 4), std::uint32_t(c.width));
    EXPECT_EQ(Le(file, 22, 4), std::uint32_t(c.height));  // positive: rows stored bottom-up
    EXPECT_EQ(Le(file, 26, 2), 1u);
    EXPECT_EQ(Le(file, 28, 2), 8u);
    EXPECT_EQ(Le(file, 30, 4), 1u);  // run-length encoded, smaller than the plain rows
    EXPECT_EQ(Le(file, 34, 4), file.size() - (14 + 40 + 1024));
    EXPECT_LT(Le(file, 34, 4), (std::uint32_t(c.width) + 3) / 4 * 4 * std::uint32_t(c.height));
    const Bitmap bitmap = ReadBitmap8(file);
    ASSERT_EQ(bitmap.palette.size(), 256u);
    ASSERT_EQ(bitmap.width * bitmap.height, c.width * c.height);
    // A real picture: many colours in use, and a dark night sky along the top edge.
    EXPECT_GT(std::set<std::uint8_t>(bitmap.indices.begin(), bitmap.indices.end()).size(), 100u);
    long topBrightness = 0;
    for (int x = 0; x < c.width; ++x) {
      const Rgb8 p = bitmap.At(x, 0);
      topBrightness += p.r + p.g + p.b;
    }
    EXPECT_LT(topBrightness / c.width, 3 * 70);
    if (c.uniform == None) continue;

    // The average colour across the chest, below the collar and clear of the badges.
    double r = 0, g = 0, b = 0, n = 0;
    for (int y = 120; y < 138; ++y)
      for (int x = 30; x < 60; ++x) {
        const Rgb8 p = bitmap.At(x, y);
        r += p.r, g += p.g, b += p.b, ++n;
      }
    r /= n, g /= n, b /= n;
    if (c.uniform == Gold) {
      EXPECT_GT(r, 150);
      EXPECT_GT(g, 0.55 * r);
      EXPECT_LT(b, 0.5 * g);
    } else {
      EXPECT_GT(r, 110);
      EXPECT_LT(g, 0.3 * r);
      EXPECT_LT(b, 0.4 * r);
    }
  }
}

TEST(Palette, FewColoursSurviveExactlyAndManyAreApproximatedClosely) {
  const struct {
    const char* name;
    int distinct;  // colours in the test picture
    double maximumError;
  } cases[] = {{"few", 40, 0.0}, {"exactly 256", 256, 0.0}, {"many", 4096, 34.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(64, 64);
    for (int i = 0; i < 64 * 64; ++i) {
      const int k = i % c.distinct;
      canvas.Set(i % 64, i / 64,
                 {double(k % 16 * 17), double(k / 16 % 16 * 17), double(k / 256 * 17)});
    }
    const auto palette = MedianCutPalette(canvas, 256);
    EXPECT_LE(palette.size(), 256u);
    const IndexedImage image = MapToPalette(canvas, palette);
    double worst = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const Rgb want = canvas.At(x, y);
        const Rgb8 got = image.palette.at(image.At(x, y));
        worst = std::max(
            {worst, std::abs(want.r - got.r), std::abs(want.g - got.g), std::abs(want.b - got.b)});
      }
    EXPECT_LE(worst, c.maximumError);
  }
}

}  // namespace
}  // namespace kestal::tools
