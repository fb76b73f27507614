#pragma once
// Text is UTF-8 inside the program and UTF-16 at the Win32 boundary. These conversions are
// portable (no <windows.h>), so they are tested natively as well.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Utf8.h"

namespace kestal::win32 {

inline constexpr char16_t kReplacementChar = 0xFFFD;

// Each byte that does not start a well-formed sequence becomes U+FFFD; NULs are kept.
inline std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Char decoded = DecodeUtf8At(text, i);
    i += decoded.length;
    char32_t c = decoded.valid ? decoded.code : kReplacementChar;
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

// An unpaired surrogate becomes U+FFFD; NULs are kept.
inline std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, c);  // a lone surrogate comes out as U+FFFD
  }
  return out;
}

// A lone CR becomes CR LF, so that DrawText and message boxes break the line there too, as they
// do at CR LF and at LF.
inline std::u16string NormaliseLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) out.push_back(u'\n');
  }
  return out;
}

inline bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Edit controls count UTF-16 units; the program counts characters. A surrogate pair is one
// character. Both clamp to the end of the text.
inline std::size_t UnitsOfChars(std::u16string_view text, std::size_t chars) {
  std::size_t units = 0;
  for (std::size_t n = 0; n < chars && units < text.size(); ++n) {
    const bool pair =
        IsHighSurrogate(text[units]) && units + 1 < text.size() && IsLowSurrogate(text[units + 1]);
    units += pair ? 2 : 1;
  }
  return units;
}

inline std::size_t CharsOfUnits(std::u16string_view text, std::size_t units) {
  std::size_t chars = 0;
  std::size_t i = 0;
  while (i < units && i < text.size()) {
    const bool pair =
        IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
    i += pair ? 2 : 1;
    ++chars;
  }
  return chars;
}

}  // namespace kestal::win32
