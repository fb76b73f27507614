#include "tools/paint/Png.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "tools/paint/Deflate.h"

namespace kestal::tools {
namespace {

constexpr std::size_t kPixelBytes = 4;

// The predictor Paeth's filter subtracts: of left, above and above-left, the one nearest to
// left + above - above-left.
int Paeth(int left, int above, int aboveLeft) {
  const int p = left + above - aboveLeft;
  const int pa = std::abs(p - left), pb = std::abs(p - above), pc = std::abs(p - aboveLeft);
  if (pa <= pb && pa <= pc) return left;
  return pb <= pc ? above : aboveLeft;
}

// One row filtered: the filter's number, then each byte less what the filter predicts for it.
std::vector<std::uint8_t> FilterRow(PngFilter filter, const std::uint8_t* row,
                                    const std::uint8_t* above, std::size_t length) {
  std::vector<std::uint8_t> out{static_cast<std::uint8_t>(filter)};
  for (std::size_t i = 0; i < length; ++i) {
    const int left = i >= kPixelBytes ? row[i - kPixelBytes] : 0;
    const int up = above ? above[i] : 0;
    const int upLeft = above && i >= kPixelBytes ? above[i - kPixelBytes] : 0;
    int predicted = 0;
    switch (filter) {
      case PngFilter::Sub:
        predicted = left;
        break;
      case PngFilter::Up:
        predicted = up;
        break;
      case PngFilter::Average:
        predicted = (left + up) / 2;
        break;
      case PngFilter::Paeth:
        predicted = Paeth(left, up, upLeft);
        break;
      default:
        break;
    }
    out.push_back(static_cast<std::uint8_t>(row[i] - predicted));
  }
  return out;
}

// The usual guess at the row that compresses best: the smallest sum of its bytes taken as
// signed differences.
int Spread(const std::vector<std::uint8_t>& filtered) {
  int sum = 0;
  for (std::size_t i = 1; i < filtered.size(); ++i)
    sum += std::abs(static_cast<int>(static_cast<std::int8_t>(filtered[i])));
  return sum;
}

constexpr PngFilter kFilters[] = {PngFilter::None, PngFilter::Sub, PngFilter::Up,
                                  PngFilter::Average, PngFilter::Paeth};

// The image's rows, filtered.
std::vector<std::uint8_t> FilteredRows(const AlphaIconImage& image, PngFilter filter) {
  std::vector<std::uint8_t> pixels;
  for (const Rgba8 p : image.pixels) pixels.insert(pixels.end(), {p.r, p.g, p.b, p.a});
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * kPixelBytes;
  std::vector<std::uint8_t> out;
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * rowBytes;
    const std::uint8_t* above = y > 0 ? row - rowBytes : nullptr;
    std::vector<std::uint8_t> chosen;
    if (filter != PngFilter::EachRow) {
      chosen = FilterRow(filter, row, above, rowBytes);
    } else {
      for (const PngFilter f : kFilters) {
        std::vector<std::uint8_t> candidate = FilterRow(f, row, above, rowBytes);
        if (chosen.empty() || Spread(candidate) < Spread(chosen)) chosen = std::move(candidate);
      }
    }
    out.insert(out.end(), chosen.begin(), chosen.end());
  }
  return out;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t length) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xffffffffu;
  for (std::size_t i = 0; i < length; ++i) c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

void BigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (const int shift : {24, 16, 8, 0}) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: its length, its type, the data, and the CRC of type and data.
void Chunk(std::vector<std::uint8_t>& out, std::string_view type,
           const std::vector<std::uint8_t>& data) {
  BigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  BigEndian32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

}  // namespace

std::vector<std::uint8_t> PngFile(const AlphaIconImage& image, PngFilter filter) {
  std::vector<std::uint8_t> header;
  BigEndian32(header, static_cast<std::uint32_t>(image.width));
  BigEndian32(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(),
                {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filtered rows, no interlace
  std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  Chunk(file, "IHDR", header);
  Chunk(file, "IDAT", ZlibCompress(FilteredRows(image, filter)));
  Chunk(file, "IEND", {});
  return file;
}

std::vector<std::uint8_t> PngFile(const AlphaIconImage& image) {
  // Each filtering compressed quickly; the smallest is compressed thoroughly for the file.
  PngFilter chosen = PngFilter::EachRow;
  std::size_t smallest = ZlibCompress(FilteredRows(image, chosen), Effort::Quick).size();
  for (const PngFilter filter : kFilters) {
    const std::size_t size = ZlibCompress(FilteredRows(image, filter), Effort::Quick).size();
    if (size < smallest) {
      smallest = size;
      chosen = filter;
    }
  }
  return PngFile(image, chosen);
}

}  // namespace kestal::tools
