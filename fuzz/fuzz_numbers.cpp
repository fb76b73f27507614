// The number readings on arbitrary bytes: the leading-number reading never fails, the point
// reading gives the nearest double as the C library reads it, a whole number's digits are its
// own, and a stardate's text reads back to the value rounded to one decimal.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/Check.h"
#include "text/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CHECK(!std::isnan(kestal::LeadingNumber(text)));

  if (const std::optional<double> number = kestal::ReadPointNumber(text)) {
    const std::string copy(text);
    CHECK(*number == std::strtod(copy.c_str(), nullptr));
    if (std::fabs(*number) < 9999999) {
      const std::optional<double> back =
          kestal::ReadPointNumber(kestal::StardateNumberText(*number));
      CHECK(back && *back == std::round(*number * 10) / 10);
    }
  }
  if (const std::optional<std::string> whole = kestal::ReadWholeNumber(text)) {
    const std::string_view digits = std::string_view(*whole).substr(whole->starts_with('-'));
    CHECK(!digits.empty() && (digits == "0" || digits.front() != '0'));
    CHECK(digits.find_first_not_of("0123456789") == std::string_view::npos);
    CHECK(text.find(digits) != std::string_view::npos);
  }
  return 0;
}
