#pragma once
// UTF-16 as the Win32 calls want it: line breaks for DrawText and message boxes, and positions
// in UTF-16 units against the program's positions in characters.
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace kestal {

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

}  // namespace kestal
