// The date reading on arbitrary bytes: what it accepts is a real date that the engine converts,
// and the date test agrees with it.
#include <cstdint>
#include <string>

#include "engine/Stardate.h"
#include "fuzz/Check.h"
#include "text/DateText.h"
#include "text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<kestal::CivilDate> date = kestal::TryReadDate(text);
  CHECK(kestal::IsDate(text) == date.has_value());
  if (!date) return 0;
  CHECK(kestal::IsValidDate(*date));
  const std::string shortDate = kestal::ShortDateText(*date);
  const std::string longDate = kestal::LongDateText(*date);
  CHECK(kestal::IsValidUtf8(longDate));
  CHECK(kestal::TryReadDate(shortDate) == *date);
  CHECK(kestal::TryReadDate(longDate) == *date);
  // Every text the date test accepts converts in the engine without an error.
  CHECK(kestal::NGStardate(text) == kestal::NGStardate(shortDate));
  CHECK(kestal::ClassicStardate(text, true) == kestal::ClassicStardate(shortDate, true));
  return 0;
}
