#include "platform/headless/CodePoints.h"

#include "text/Utf8.h"

namespace kestal::headless {
namespace {

// Stray bytes are kept as lone low surrogates, which well-formed UTF-8 never decodes to.
constexpr char32_t kStrayByte = 0xDC00;

}  // namespace

// Plain ASCII, which most texts are all of, is its own code points.
std::u32string DecodeCodePoints(std::string_view text) {
  std::u32string chars;
  chars.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      chars.push_back(static_cast<char32_t>(text[at++]));
      continue;
    }
    const Utf8Char c = DecodeUtf8At(text, at);
    chars.push_back(c.valid ? c.code : kStrayByte | static_cast<unsigned char>(text[at]));
    at += c.length;
  }
  return chars;
}

std::string EncodeCodePoints(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (char32_t c : chars) {
    if (c >= (kStrayByte | 0x80) && c <= (kStrayByte | 0xFF)) {
      out.push_back(static_cast<char>(c & 0xFF));
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

}  // namespace kestal::headless
