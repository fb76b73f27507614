// The number texts: the few forms the program reads and writes, read and written exactly with
// plain whole-number arithmetic.
#include "text/NumberText.h"

#include <cmath>
#include <cstdint>

#include "text/Failure.h"

namespace kestal {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A decimal number in a text: its sign, the digits before the separator without leading zeros
// and those after it without trailing zeros. `end` is where the number stops.
struct Decimal {
  bool negative = false;
  bool anyDigit = false;
  std::string_view whole, fraction;
  std::size_t end = 0;
};

Decimal Scan(std::string_view text, bool comma) {
  Decimal number;
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) number.negative = text[at++] == '-';
  const auto digits = [&] {
    const std::size_t begin = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    number.anyDigit = number.anyDigit || at > begin;
    return text.substr(begin, at - begin);
  };
  number.whole = digits();
  if (at < text.size() && (text[at] == '.' || (comma && text[at] == ','))) {
    ++at;
    number.fraction = digits();
  }
  number.end = at;
  while (!number.whole.empty() && number.whole.front() == '0') number.whole.remove_prefix(1);
  while (!number.fraction.empty() && number.fraction.back() == '0')
    number.fraction.remove_suffix(1);
  return number;
}

// The whole text is the number, with blanks after it.
bool OnlyBlanksFrom(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at == text.size();
}

constexpr std::size_t kExactDigits = 15;  // every whole number of 15 digits is a double
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of a scanned number when it is exact: its digits as one whole number (below 2^53),
// divided by a power of ten that a double holds exactly, which rounds once, to the nearest.
std::optional<double> ExactValue(const Decimal& number) {
  if (number.whole.size() + number.fraction.size() > kExactDigits ||
      number.fraction.size() >= std::size(kPowersOfTen)) {
    return std::nullopt;
  }
  std::int64_t digits = 0;
  for (char c : number.whole) digits = digits * 10 + (c - '0');
  for (char c : number.fraction) digits = digits * 10 + (c - '0');
  const double value = static_cast<double>(digits) / kPowersOfTen[number.fraction.size()];
  return number.negative ? -value : value;
}

}  // namespace

std::optional<std::string> ReadWholeNumber(std::string_view text) {
  const Decimal number = Scan(text, true);
  if (!number.anyDigit || !number.fraction.empty() || !OnlyBlanksFrom(text, number.end)) {
    return std::nullopt;
  }
  if (number.whole.empty()) return "0";
  return (number.negative ? "-" : "") + std::string(number.whole);
}

std::optional<double> ReadPointNumber(std::string_view text) {
  const Decimal number = Scan(text, false);
  if (!number.anyDigit || !OnlyBlanksFrom(text, number.end)) return std::nullopt;
  return ExactValue(number);
}

double LeadingNumber(std::string_view field) noexcept {
  const Decimal number = Scan(field, false);
  if (!number.anyDigit) return 0;
  // A field longer than any month or day is still above either.
  return ExactValue(number).value_or(number.negative ? -HUGE_VAL : HUGE_VAL);
}

std::string StardateNumberText(double value) {
  // Ten million tenths and more would not be a stardate; below, tenths are exact in a double.
  const double tenths = std::round(value * 10);
  if (!(std::fabs(tenths) < 1e8)) throw Failure("not a stardate");
  auto count = static_cast<std::int64_t>(std::fabs(tenths));
  char digits[12];
  char* begin = digits + sizeof digits;
  const auto put = [&](char c) { *--begin = c; };
  if (count % 10 != 0) {
    put(static_cast<char>('0' + count % 10));
    put('.');
  }
  count /= 10;
  do {
    put(static_cast<char>('0' + count % 10));
    count /= 10;
  } while (count != 0);
  put(tenths < 0 ? '-' : ' ');
  return std::string(begin, static_cast<std::size_t>(digits + sizeof digits - begin));
}

}  // namespace kestal
