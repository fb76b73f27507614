// The console's standard-input reader on arbitrary bytes, in memory of a size its first bytes
// choose and in pieces of a size they choose: every line comes out as it went in (a line past
// the limit cut there, with whether its rest held a "/"), and the whole console gives one line
// for each, with messages that are UTF-8 without a control character.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "console/Console.h"
#include "console/InputLines.h"
#include "fuzz/Check.h"
#include "text/Utf8.h"

namespace {

class FixedClock : public kestal::Clock {
 public:
  kestal::Instant NowUtc() const override { return 1'024'000'000'000; }
  kestal::LocalDateTime LocalTimeAt(kestal::Instant instant) const override {
    return kestal::WallTime(instant);
  }
};

// The lines as they must come out: split at "\n", a byte order mark first dropped.
std::vector<std::string_view> RawLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void CheckReader(std::string_view text, std::size_t limit, std::size_t piece) {
  kestal::TextSource source(text, piece);
  kestal::LineReader reader(source, limit, piece);
  const std::vector<std::string_view> expected = RawLines(text);
  std::size_t count = 0;
  while (const std::optional<kestal::InputLine> line = reader.Next()) {
    CHECK(count < expected.size());
    std::string_view raw = expected[count++];
    if (raw.size() > limit) {
      CHECK(line->cut && line->text == raw.substr(0, limit));
      CHECK(line->slashCutOff == (raw.substr(limit).find('/') != std::string_view::npos));
    } else {
      if (raw.ends_with('\r')) raw.remove_suffix(1);
      CHECK(!line->cut && !line->slashCutOff && line->text == raw);
    }
  }
  CHECK(count == expected.size() && !reader.Failed());
}

bool IsShown(std::string_view text) {
  return kestal::IsValidUtf8(text) && std::ranges::none_of(text, [](char c) {
           return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F;
         });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t limit = 1 + data[0] % 64;
  const std::size_t piece = 1 + data[1] % 32;
  const char* option = data[2] % 3 == 0 ? "-c" : data[2] % 3 == 1 ? "-n" : "-d";
  const std::string_view text(reinterpret_cast<const char*>(data) + 3, size - 3);
  CheckReader(text, limit, piece);

  FixedClock clock;
  kestal::TextSource input(text, piece);
  kestal::TextSink output, errors;
  kestal::ConsoleSystem system{input, output, errors, clock};
  const int status = kestal::RunConsole(std::vector<std::string>{option, "-"}, system);
  const auto lines = static_cast<std::ptrdiff_t>(RawLines(text).size());
  const auto outputLines = std::ranges::count(output.text, '\n');
  const auto messages = std::ranges::count(errors.text, '\n');
  CHECK(outputLines == lines && messages <= lines);
  CHECK(status == (messages > 0 ? 1 : 0));
  CHECK(IsShown(errors.text));
  return 0;
}
