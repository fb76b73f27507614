#include <gtest/gtest.h>

#include "text/WideText.h"

namespace kestal {
namespace {

TEST(WideText, Utf8BecomesUtf16WithReplacementsForMalformedBytes) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"Velorn", u"Velorn"},
      {"\xC3\xA8 pi\xC3\xB9", u"\u00E8 pi\u00F9"},           // è più
      {"\xE6\x97\xA5\xE6\x9C\xAC", u"\u65E5\u672C"},         // three-byte forms
      {"\xF0\x9F\x9A\x80", u"\xD83D\xDE80"},                 // a surrogate pair
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // NULs are kept
      {"", u""},
      // Malformed bytes become replacement characters.
      {"a\x80z", u"a\uFFFDz"},                            // a lone continuation byte
      {"\xC0\x80", u"\uFFFD\uFFFD"},                      // an overlong NUL
      {"\xE2\x82", u"\uFFFD\uFFFD"},                      // cut short at the end
      {"\xE2\x82x", u"\uFFFD\uFFFDx"},                    // cut short before a letter
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xFF", u"\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
}

TEST(WideText, PathsOutsideAnyCodePageSurviveTheRoundTrip) {
  const std::string paths[] = {
      "C:\\Programmi\\KestalDate\\KestalDate.exe",
      "C:\\Utenti\\Zo\xC3\xAB\\\xE6\x97\xA5\xE6\x9C\xAC\\\xF0\x9F\x9A\x80\\KestalDate.exe",
      "D:\\\xD0\x9A\xD0\xB5\xD1\x81\xD1\x82\xD0\xB0\xD0\xBB\\K D.exe",
  };
  for (const auto& path : paths) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(path)), path);
}

TEST(WideText, UnpairedSurrogatesBecomeReplacementCharacters) {
  const struct {
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {u"\xD83D", "\xEF\xBF\xBD"},
      {u"\xDE80x", "\xEF\xBF\xBDx"},
      {u"\xDE80\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // in the wrong order
      {u"\xD83D\xDE80", "\xF0\x9F\x9A\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
}

TEST(WideText, EveryLineBreakBecomesCrLf) {
  const struct {
    std::u16string text, normalised;
  } cases[] = {
      {u"a\rb", u"a\r\nb"},         {u"a\r\nb", u"a\r\nb"}, {u"a\nb", u"a\nb"},
      {u"a\r\r\nb", u"a\r\n\r\nb"},  // CR CR LF: one empty line
      {u"a\r", u"a\r\n"},           {u"\r\r", u"\r\n\r\n"}, {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseLineBreaks(c.text), c.normalised);
}

TEST(WideText, SelectionsCountCharactersNotUnits) {
  const std::u16string text =
      u"a\xD83D\xDE80"
      u"b\u00E8";  // a, rocket, b, è
  const struct {
    std::size_t chars, units;
  } cases[] = {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {9, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(UnitsOfChars(text, c.chars), c.units) << c.chars;
    if (c.chars <= 4) {
      EXPECT_EQ(CharsOfUnits(text, c.units), c.chars) << c.units;
    }
  }
  EXPECT_EQ(CharsOfUnits(text, 99), 4u);
  EXPECT_EQ(CharsOfUnits(u"\xD83D", 1), 1u);  // a lone half counts as one character
}

}  // namespace
}  // namespace kestal
