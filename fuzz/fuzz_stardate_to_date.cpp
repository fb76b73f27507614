// StardateToDateText on arbitrary bytes: only the engine's own error escapes, and a result is a
// capitalised long date that the date reading reads back, with at most an hour after it.
#include <cstdint>
#include <string>

#include "engine/Stardate.h"
#include "fuzz/Check.h"
#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string result;
  try {
    result = kestal::StardateToDateText(text);
  } catch (const kestal::EngineError&) {
    return 0;
  }
  CHECK(kestal::IsValidUtf8(result));
  const std::size_t hour = result.find(", ore ");
  const std::string date = result.substr(0, hour);
  CHECK(kestal::IsDate(date));
  if (hour != std::string::npos) {
    const double h = kestal::LeadingNumber(result.substr(hour + 6));
    CHECK(h >= 1 && h <= 23);
  }
  return 0;
}
