#include "tools/paint/ImageFiles.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "tools/paint/Png.h"

namespace kestal::tools {
namespace {

class Writer {
 public:
  void U8(std::uint32_t v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint32_t v) {
    U8(v & 0xff);
    U8(v >> 8 & 0xff);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xffff);
    U16(v >> 16);
  }
  std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t RowBytes(int width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

constexpr std::uint32_t kNoCompression = 0, kRle8 = 1;

void InfoHeader(Writer& out, int width, int storedHeight, int bits, std::uint32_t imageSize,
                std::uint32_t coloursUsed, std::uint32_t compression = kNoCompression) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(storedHeight));
  out.U16(1);  // planes
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(compression);
  out.U32(imageSize);
  out.U32(0);  // no preferred resolution
  out.U32(0);
  out.U32(coloursUsed);
  out.U32(0);  // all colours matter
}

void Palette(Writer& out, const std::vector<Rgb8>& palette, std::size_t entries) {
  if (palette.size() > entries) throw std::invalid_argument("too many colours");
  for (std::size_t i = 0; i < entries; ++i) {
    const Rgb8 c = i < palette.size() ? palette[i] : Rgb8{};
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
}

// The AND mask under an icon image, rows bottom-up: a set bit lets the background through.
template <typename Transparent>
void Mask(Writer& out, int width, int height, Transparent transparent) {
  const std::uint32_t maskRow = RowBytes(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> line(maskRow, 0);
    for (int x = 0; x < width; ++x)
      if (transparent(x, y)) line[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
    for (const auto b : line) out.U8(b);
  }
}

std::vector<std::uint8_t> Paletted4(const IconImage& icon) {
  const IndexedImage& image = icon.image;
  const std::uint32_t colourRow = RowBytes(image.width, 4);
  const std::uint32_t size =
      (colourRow + RowBytes(image.width, 1)) * static_cast<std::uint32_t>(image.height);
  Writer out;
  // Icons store the colour image and the mask one above the other: twice the height.
  InfoHeader(out, image.width, 2 * image.height, 4, size, 16);
  Palette(out, image.palette, 16);
  auto transparent = [&](int x, int y) {
    return icon.transparent[static_cast<std::size_t>(y * image.width + x)];
  };
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> line(colourRow, 0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t index = transparent(x, y) ? 0 : image.At(x, y) & 0x0f;
      line[static_cast<std::size_t>(x / 2)] |=
          x % 2 ? index : static_cast<std::uint8_t>(index << 4);
    }
    for (const auto b : line) out.U8(b);
  }
  Mask(out, image.width, image.height, transparent);
  return out.bytes;
}

std::vector<std::uint8_t> FullColour32(const AlphaIconImage& image) {
  const std::uint32_t size = (RowBytes(image.width, 32) + RowBytes(image.width, 1)) *
                             static_cast<std::uint32_t>(image.height);
  Writer out;
  InfoHeader(out, image.width, 2 * image.height, 32, size, 0);
  auto at = [&](int x, int y) {
    return image.pixels[static_cast<std::size_t>(y * image.width + x)];
  };
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x) {
      const Rgba8 p = at(x, y);
      out.U8(p.b);
      out.U8(p.g);
      out.U8(p.r);
      out.U8(p.a);
    }
  Mask(out, image.width, image.height, [&](int x, int y) { return at(x, y).a == 0; });
  return out.bytes;
}

}  // namespace

std::vector<std::uint8_t> Rle8Pixels(const IndexedImage& image) {
  Writer out;
  const auto width = static_cast<std::size_t>(image.width);
  auto at = [&](std::size_t x, int y) { return image.At(static_cast<int>(x), y); };
  for (int y = image.height - 1; y >= 0; --y) {
    // The fewest bytes for the rest of the row from each pixel on: a run of one colour takes 2
    // bytes, a stretch of 3 to 255 pixels as they are 2 bytes, the pixels and, for an odd
    // count, one to pad. `take` is the best first piece: a run of that many pixels where it is
    // positive, a stretch where it is negative.
    std::vector<std::size_t> cost(width + 1, 0);
    std::vector<int> take(width, 0);
    for (std::size_t x = width; x-- > 0;) {
      cost[x] = SIZE_MAX;
      auto consider = [&](std::size_t bytes, int piece) {
        if (bytes < cost[x]) {
          cost[x] = bytes;
          take[x] = piece;
        }
      };
      for (std::size_t k = 1; k <= 255 && x + k <= width && at(x + k - 1, y) == at(x, y); ++k)
        consider(2 + cost[x + k], static_cast<int>(k));
      for (std::size_t k = 3; k <= 255 && x + k <= width; ++k)
        consider(2 + k + k % 2 + cost[x + k], -static_cast<int>(k));
    }
    for (std::size_t x = 0; x < width;) {
      const int piece = take[x];
      if (piece > 0) {
        out.U8(static_cast<std::uint32_t>(piece));
        out.U8(at(x, y));
        x += static_cast<std::size_t>(piece);
        continue;
      }
      const auto count = static_cast<std::size_t>(-piece);
      out.U8(0);
      out.U8(static_cast<std::uint32_t>(count));
      for (std::size_t i = 0; i < count; ++i) out.U8(at(x + i, y));
      if (count % 2 != 0) out.U8(0);  // each stretch ends on a 16-bit boundary
      x += count;
    }
    out.U8(0);
    out.U8(y == 0 ? 1 : 0);  // end of the bitmap after the top row, else end of the row
  }
  return out.bytes;
}

std::vector<std::uint8_t> Bmp8File(const IndexedImage& image) {
  const std::uint32_t row = RowBytes(image.width, 8);
  std::vector<std::uint8_t> pixels = Rle8Pixels(image);
  const bool compressed = pixels.size() < row * static_cast<std::uint32_t>(image.height);
  if (!compressed) {
    pixels.clear();
    for (int y = image.height - 1; y >= 0; --y) {
      for (int x = 0; x < image.width; ++x) pixels.push_back(image.At(x, y));
      pixels.resize(pixels.size() + row - static_cast<std::uint32_t>(image.width), 0);
    }
  }
  const auto pixelBytes = static_cast<std::uint32_t>(pixels.size());
  const std::uint32_t offset = 14 + kInfoHeaderSize + 256 * 4;
  Writer out;
  out.U8('B');
  out.U8('M');
  out.U32(offset + pixelBytes);
  out.U32(0);
  out.U32(offset);
  InfoHeader(out, image.width, image.height, 8, pixelBytes, 256,
             compressed ? kRle8 : kNoCompression);
  Palette(out, image.palette, 256);
  out.bytes.insert(out.bytes.end(), pixels.begin(), pixels.end());
  return out.bytes;
}

std::vector<std::uint8_t> IcoFile(const std::vector<IconImage>& paletted,
                                  const std::vector<AlphaIconImage>& fullColour, int pngFrom) {
  struct Entry {
    int width, height, colours, bits;
    std::vector<std::uint8_t> body;
  };
  std::vector<Entry> entries;
  for (const auto& icon : paletted)
    entries.push_back({icon.image.width, icon.image.height, 16, 4, Paletted4(icon)});
  for (const auto& image : fullColour)
    entries.push_back(
        {image.width, image.height, 0, 32,
         std::max(image.width, image.height) >= pngFrom ? PngFile(image) : FullColour32(image)});
  for (const auto& entry : entries)
    if (entry.width < 1 || entry.width > 256 || entry.height < 1 || entry.height > 256)
      throw std::invalid_argument("icon images are 1 to 256 pixels a side");

  Writer out;
  out.U16(0);  // reserved
  out.U16(1);  // an icon
  out.U16(static_cast<std::uint32_t>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const auto& entry : entries) {
    out.U8(static_cast<std::uint32_t>(entry.width % 256));  // 0 for 256
    out.U8(static_cast<std::uint32_t>(entry.height % 256));
    out.U8(static_cast<std::uint32_t>(entry.colours));  // 0: more than 256
    out.U8(0);
    out.U16(1);  // planes
    out.U16(static_cast<std::uint32_t>(entry.bits));
    out.U32(static_cast<std::uint32_t>(entry.body.size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(entry.body.size());
  }
  for (const auto& entry : entries)
    out.bytes.insert(out.bytes.end(), entry.body.begin(), entry.body.end());
  return out.bytes;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace kestal::tools
