#include "tools/paint/ImageFiles.h"

#include <fstream>
#include <stdexcept>

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

void InfoHeader(Writer& out, int width, int storedHeight, int bits, std::uint32_t imageSize,
                std::uint32_t coloursUsed) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(storedHeight));
  out.U16(1);  // planes
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(0);  // no compression
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

}  // namespace

std::vector<std::uint8_t> Bmp8File(const IndexedImage& image) {
  const std::uint32_t row = RowBytes(image.width, 8);
  const std::uint32_t pixelBytes = row * static_cast<std::uint32_t>(image.height);
  const std::uint32_t offset = 14 + kInfoHeaderSize + 256 * 4;
  Writer out;
  out.U8('B');
  out.U8('M');
  out.U32(offset + pixelBytes);
  out.U32(0);
  out.U32(offset);
  InfoHeader(out, image.width, image.height, 8, pixelBytes, 256);
  Palette(out, image.palette, 256);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) out.U8(image.At(x, y));
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < row; ++pad) out.U8(0);
  }
  return out.bytes;
}

std::vector<std::uint8_t> Ico4File(const std::vector<IconImage>& images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const auto& icon : images) {
    const IndexedImage& image = icon.image;
    const std::uint32_t colourRow = RowBytes(image.width, 4);
    const std::uint32_t maskRow = RowBytes(image.width, 1);
    const std::uint32_t size = (colourRow + maskRow) * static_cast<std::uint32_t>(image.height);
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
    for (int y = image.height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> line(maskRow, 0);
      for (int x = 0; x < image.width; ++x)
        if (transparent(x, y)) line[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
      for (const auto b : line) out.U8(b);
    }
    bodies.push_back(std::move(out.bytes));
  }
  Writer out;
  out.U16(0);  // reserved
  out.U16(1);  // an icon
  out.U16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.U8(static_cast<std::uint32_t>(images[i].image.width));
    out.U8(static_cast<std::uint32_t>(images[i].image.height));
    out.U8(16);  // colours
    out.U8(0);
    out.U16(1);  // planes
    out.U16(4);  // bits a pixel
    out.U32(static_cast<std::uint32_t>(bodies[i].size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.bytes.insert(out.bytes.end(), body.begin(), body.end());
  return out.bytes;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace kestal::tools
