#include <gtest/gtest.h>

#include "text/Utf8.h"

namespace kestal {
namespace {

TEST(Utf8, CountsCharactersAndInvalidBytesOneEach) {
  const struct {
    const char* text;
    std::size_t chars;
    bool valid;
  } cases[] = {
      {"", 0, true},
      {"abc", 3, true},
      {"mercoledì", 9, true},
      {"€😀", 2, true},
      {"\xFF", 1, false},
      {"a\xC3", 2, false},             // truncated
      {"\xC0\x80", 2, false},          // overlong NUL
      {"\xE0\x80\x80", 3, false},      // overlong
      {"\xED\xA0\x80", 3, false},      // surrogate
      {"\xF4\x90\x80\x80", 4, false},  // past U+10FFFF
      {"\xF4\x8F\xBF\xBF", 1, true},   // U+10FFFF
      {"\x80\x80", 2, false},          // stray continuation bytes
      {"\xE2\x82", 2, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharCount(c.text), c.chars) << c.text;
    EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
  }
}

TEST(Utf8, SlicesByCharacters) {
  const struct {
    const char* text;
    std::size_t start, count;
    const char* slice;
  } cases[] = {
      {"abcdef", 1, 2, "bc"},
      {"ìèé", 1, 1, "è"},
      {"ìèé", 2, 5, "é"},
      {"ìèé", 3, 1, ""},
      {"ìèé", 9, 1, ""},
      {"a\xFF"
       "b",
       1, 2,
       "\xFF"
       "b"},
      {"€😀x", 1, 1, "😀"},
  };
  for (const auto& c : cases) EXPECT_EQ(CharSlice(c.text, c.start, c.count), c.slice) << c.text;
  EXPECT_EQ(ByteOffsetOfChar("ìèé", 2), 4u);
  EXPECT_EQ(ByteOffsetOfChar("ìèé", 7), 6u);
}

TEST(Utf8, EncodesCodePoints) {
  const struct {
    char32_t c;
    const char* text;
  } cases[] = {
      {U'A', "A"},
      {0xEC, "ì"},
      {0x20AC, "€"},
      {0x1F600, "😀"},
      {0x7FF, "\xDF\xBF"},
      {0xFFFF, "\xEF\xBF\xBF"},
      {0xD800, "\xEF\xBF\xBD"},
      {0x110000, "\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    std::string text;
    AppendUtf8(text, c.c);
    EXPECT_EQ(text, c.text) << std::hex << static_cast<unsigned>(c.c);
  }
}

}  // namespace
}  // namespace kestal
