// ClassicStardate both ways on arbitrary bytes: only the engine's own error escapes, the output
// is valid UTF-8 when the input was, and a date read as a code comes back as its long date.
#include <cstdint>
#include <string>

#include "engine/Stardate.h"
#include "fuzz/Check.h"
#include "text/DateText.h"
#include "text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bool valid = kestal::IsValidUtf8(text);
  try {
    const std::string longDate = kestal::ClassicStardate(text, false);
    if (valid) CHECK(kestal::IsValidUtf8(longDate));
  } catch (const kestal::EngineError&) {
  }
  try {
    const std::string code = kestal::ClassicStardate(text, true);
    const std::optional<kestal::CivilDate> date = kestal::TryReadDate(text);
    CHECK(date.has_value());
    std::string expected = kestal::LongDateText(*date);
    kestal::CapitalizeWordsInPlace(expected);
    CHECK(kestal::ClassicStardate(code, false) == expected);
  } catch (const kestal::EngineError&) {
    CHECK(!kestal::IsDate(text));
  }
  return 0;
}
