#pragma once
// How a label's text falls into lines: a line break (CR LF, CR or LF) ends a line, and a line
// wider than the label wraps at its blanks. The labels are painted and measured from the same
// lines, so what is measured to fit is what shows.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace kestal {

struct TextLine {
  std::size_t start = 0, length = 0;  // in the text, in UTF-16 units; trailing blanks left out
  int width = 0;                      // as the measurer measured it
  int room = 0;                       // the width the line had to fill
  friend bool operator==(const TextLine&, const TextLine&) = default;
};

// `measure` gives the width of a piece of one line, `widthOf` the room of the line with that
// index (lines beside a picture are shorter). A word wider than its line's room keeps a line of
// its own (that line is then wider than the room). An empty text has no lines.
inline std::vector<TextLine> WrapText(std::u16string_view text,
                                      const std::function<int(std::size_t)>& widthOf,
                                      const std::function<int(std::u16string_view)>& measure) {
  std::vector<TextLine> lines;
  const auto emit = [&](std::size_t start, std::size_t end) {
    while (end > start && text[end - 1] == u' ') --end;  // blanks at a line's end show nothing
    lines.push_back(
        {start, end - start, measure(text.substr(start, end - start)), widthOf(lines.size())});
  };
  std::size_t lineStart = 0;
  while (lineStart <= text.size()) {
    std::size_t lineEnd = text.find_first_of(u"\r\n", lineStart);
    if (lineEnd == std::u16string_view::npos) lineEnd = text.size();
    // Greedy: take words while the line still fits.
    std::size_t start = lineStart, fitted = lineStart;
    std::size_t at = lineStart;
    while (at < lineEnd) {
      std::size_t wordEnd = text.find(u' ', at);
      if (wordEnd == std::u16string_view::npos || wordEnd > lineEnd) wordEnd = lineEnd;
      if (fitted > start && measure(text.substr(start, wordEnd - start)) > widthOf(lines.size())) {
        emit(start, fitted);
        start = at;
      }
      fitted = wordEnd;
      at = wordEnd;
      while (at < lineEnd && text[at] == u' ') ++at;
    }
    emit(start, std::max(fitted, start));
    if (lineEnd == text.size()) break;
    lineStart = lineEnd + (text.compare(lineEnd, 2, u"\r\n") == 0 ? 2 : 1);
  }
  if (text.empty()) lines.clear();
  return lines;
}

// Every line with the same room.
inline std::vector<TextLine> WrapText(std::u16string_view text, int width,
                                      const std::function<int(std::u16string_view)>& measure) {
  return WrapText(
      text, [width](std::size_t) { return width; }, measure);
}

}  // namespace kestal
