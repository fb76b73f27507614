#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/TextLayout.h"

namespace kestal {
namespace {

// Each character one unit wide, every line `room` wide or as wide as `room` says for its index;
// the lines come back as their texts.
template <typename Room>
std::vector<std::u16string> Lines(std::u16string_view text, Room room) {
  std::vector<std::u16string> texts;
  for (const TextLine& line : WrapText(
           text, room, [](std::u16string_view piece) { return static_cast<int>(piece.size()); })) {
    EXPECT_EQ(line.width, static_cast<int>(line.length));
    texts.emplace_back(text.substr(line.start, line.length));
  }
  return texts;
}

TEST(TextLayout, BreaksAtLineBreaksAndWrapsAtBlanks) {
  using V = std::vector<std::u16string>;
  const struct {
    const char* what;
    std::u16string text;
    int width;
    V lines;
  } cases[] = {
      {"fits on one line", u"Data attuale:", 20, V{u"Data attuale:"}},
      {"wraps at the last blank that fits", u"a bc def gh", 4, V{u"a bc", u"def", u"gh"}},
      {"CR LF, CR and LF each break", u"ab\r\ncd\rx\ny", 10, V{u"ab", u"cd", u"x", u"y"}},
      {"CR then CR LF leave an empty line", u"uno\r\r\ndue", 10, V{u"uno", u"", u"due"}},
      {"a leading CR is an empty first line", u"\rDalla", 10, V{u"", u"Dalla"}},
      {"trailing blanks take no room", u"E-mail: ", 7, V{u"E-mail:"}},
      {"blanks at a wrap vanish", u"ab   cd", 3, V{u"ab", u"cd"}},
      {"a word wider than the label keeps its own line", u"x abcdefgh y", 4,
       V{u"x", u"abcdefgh", u"y"}},
      {"no text, no lines", u"", 10, V{}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.what;
}

// Lines beside a picture have less room: each line wraps at its own.
TEST(TextLayout, EachLineWrapsAtItsOwnRoom) {
  const auto room = [](std::size_t line) { return line == 0 ? 8 : 2; };
  EXPECT_EQ(Lines(u"ab cd ef gh ij", room),
            (std::vector<std::u16string>{u"ab cd ef", u"gh", u"ij"}));
}

}  // namespace
}  // namespace kestal
