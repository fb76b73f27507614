#include "platform/headless/CodePoints.h"

namespace kestal::headless {
namespace {

// Stray bytes are kept as lone low surrogates, which well-formed UTF-8 never decodes to.
constexpr char32_t kStrayByte = 0xDC00;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence that starts at `at`, and its code point; 0 when none.
std::size_t ReadSequence(std::string_view text, std::size_t at, char32_t& c) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, min = 0x80, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, min = 0x800, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, c = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return 0;
    c = (c << 6) | (byte & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::u32string DecodeCodePoints(std::string_view text) {
  std::u32string chars;
  for (std::size_t at = 0; at < text.size();) {
    char32_t c = 0;
    const std::size_t length = ReadSequence(text, at, c);
    if (length == 0) {
      chars.push_back(kStrayByte | static_cast<unsigned char>(text[at]));
      ++at;
    } else {
      chars.push_back(c);
      at += length;
    }
  }
  return chars;
}

std::string EncodeCodePoint(char32_t c) {
  std::string out;
  if (c >= (kStrayByte | 0x80) && c <= (kStrayByte | 0xFF)) {
    out.push_back(static_cast<char>(c & 0xFF));
  } else if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::string EncodeCodePoints(std::u32string_view chars) {
  std::string out;
  for (char32_t c : chars) out += EncodeCodePoint(c);
  return out;
}

}  // namespace kestal::headless
