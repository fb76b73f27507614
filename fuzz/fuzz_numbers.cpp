// The number readings on arbitrary bytes: the leading-number reading never fails, the strict
// readings agree with one another, and the number texts read back to the value rounded.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

#define CHECK(condition) \
  if (!(condition)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double leading = kestal::LeadingNumber(text);
  CHECK(!std::isnan(leading));

  const std::optional<double> number = kestal::TryReadNumber(text);
  const std::optional<double> pointNumber = kestal::TryReadPointNumber(text);
  if (pointNumber) {
    CHECK(number == pointNumber);
    CHECK(leading == *pointNumber);
    // The nearest double, as the C library reads it; below the smallest normal double, 0.
    const std::string copy(text);
    const double reference = std::strtod(copy.c_str(), nullptr);
    CHECK(*pointNumber == (std::fabs(reference) < DBL_MIN ? 0.0 : reference));
  }
  if (number) {
    CHECK(std::isfinite(*number));
    const std::string invariant = kestal::InvariantNumberText(*number);
    const std::optional<double> back = kestal::TryReadPointNumber(invariant);
    CHECK(back.has_value());
    // The text is the value rounded to 15 significant digits, as the C library rounds it.
    char reference[40];
    std::snprintf(reference, sizeof reference, "%.14e", *number);
    CHECK(*back == std::strtod(reference, nullptr));
  }
  return 0;
}
