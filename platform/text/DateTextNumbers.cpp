// Number readings and number texts. Decimal digits only: no "inf", "nan", hexadecimal,
// exponents or digit grouping, so what the user sees is what is read.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

#include "platform/text/BigNumber.h"
#include "platform/text/DateText.h"

namespace kestal {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where a decimal number lies in a text: optional sign, digits, optional separator and digits.
struct NumberSpan {
  bool negative = false;
  std::size_t begin = 0;  // first digit or separator
  std::size_t end = 0;    // one past the last digit or separator
  std::size_t separator = std::string_view::npos;
  bool anyDigit = false;
};

// Reads the number at `pos` (after blanks), accepting "." and, when `comma` is set, "," as
// decimal separator.
NumberSpan ScanNumber(std::string_view text, std::size_t pos, bool comma) {
  NumberSpan span;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    span.negative = text[pos] == '-';
    ++pos;
  }
  span.begin = pos;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      span.anyDigit = true;
    } else if (span.separator == std::string_view::npos && (c == '.' || (comma && c == ','))) {
      span.separator = pos;
    } else {
      break;
    }
  }
  span.end = pos;
  return span;
}

// The most significant digits that can decide a reading: a value halfway between two doubles
// has no more than 767 of them, so the digits after these only tell whether the value lies
// above the ones kept.
constexpr std::size_t kDecidingDigits = 800;

// Decimal digits (with one separator at `separator`, if any) as the nearest double, ties to
// even, by exact whole-number arithmetic; empty when the value is too large for a double, 0
// when it lies below the smallest normal double.
std::optional<double> ExactValue(std::string_view digits, std::size_t separator, double sign) {
  BigNumber number;      // the significant digits kept, as a whole number
  std::size_t kept = 0;  // how many
  long long place =
      static_cast<long long>(separator == std::string_view::npos ? digits.size() : separator);
  long long firstPlace = 0, lastPlace = 0;  // the powers of ten of the first and last kept
  bool above = false;                       // a digit other than 0 after those kept
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i == separator) continue;
    const int digit = digits[i] - '0';
    --place;  // the power of ten of this digit
    if (kept == 0 && digit == 0) continue;
    if (kept == kDecidingDigits) {
      above = above || digit != 0;
      continue;
    }
    if (kept++ == 0) firstPlace = place;
    number.MultiplyBy(10);
    number.Add(static_cast<std::uint32_t>(digit));
    lastPlace = place;
  }
  if (kept == 0) return 0.0 * sign;
  if (firstPlace > 308) return std::nullopt;  // 1e309 or more
  if (firstPlace < -308) return 0.0 * sign;   // below 1e-308
  // A last digit 1 stands for whatever lies beyond the digits kept.
  if (above) {
    number.MultiplyBy(10);
    number.Add(1);
    --lastPlace;
  }
  BigNumber divisor(1);
  if (lastPlace >= 0) {
    number.MultiplyByPowerOfTen(static_cast<int>(lastPlace));
  } else {
    divisor.MultiplyByPowerOfTen(static_cast<int>(-lastPlace));
  }
  // The value is number / divisor; scaled by 2^shift, its whole part has 54 or 55 bits.
  int shift = 54 - (number.BitLength() - divisor.BitLength());
  if (shift >= 0) {
    number.ShiftLeft(shift);
  } else {
    divisor.ShiftLeft(-shift);
  }
  std::uint64_t whole = DivideWhole(number, divisor);
  bool rest = !number.IsZero();
  if (whole >> 54 != 0) {
    rest = rest || (whole & 1u) != 0;
    whole >>= 1;
    --shift;
  }
  // 53 bits, and the one after them decides, ties to even.
  std::uint64_t mantissa = whole >> 1;
  if ((whole & 1u) != 0 && (rest || (mantissa & 1u) != 0)) ++mantissa;
  const double value = std::ldexp(static_cast<double>(mantissa), 1 - shift);
  if (std::isinf(value)) return std::nullopt;
  if (value < std::numeric_limits<double>::min()) return 0.0 * sign;
  return value * sign;
}

// The value of a scanned span; empty only when it is too large for a double.
std::optional<double> ValueOf(std::string_view text, const NumberSpan& span) {
  const std::size_t separator = span.separator == std::string_view::npos
                                    ? std::string_view::npos
                                    : span.separator - span.begin;
  return ExactValue(text.substr(span.begin, span.end - span.begin), separator,
                    span.negative ? -1.0 : 1.0);
}

// A whole text that is one number with optional blanks around it.
std::optional<double> ReadWholeText(std::string_view text, bool comma) {
  const NumberSpan span = ScanNumber(text, 0, comma);
  if (!span.anyDigit) return std::nullopt;
  std::size_t pos = span.end;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos != text.size()) return std::nullopt;
  return ValueOf(text, span);
}

// The decimal digits of a value rounded to 15 significant digits, and the power of ten of the
// first one: 1163.9 gives "116390000000000" and 3.
struct Decimal {
  bool negative = false;
  char digits[15] = {};
  int exponent = 0;
};

constexpr std::uint64_t kFifteenDigits = 100000000000000;  // the smallest number of 15 digits

// The value (finite, above zero) times 10^(14 - exponent), rounded to a whole number of 15
// digits, ties to even as the C library rounds, by exact arithmetic on whole numbers.
std::uint64_t RoundedDigits(double value, int& exponent) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t whole = bits & ((std::uint64_t{1} << 52) - 1);
  int power = -1074;  // value = whole * 2^power
  if (biased != 0) {
    whole |= std::uint64_t{1} << 52;
    power = biased - 1075;
  }
  // The power of ten of the first digit, or one off; corrected below.
  exponent = ((static_cast<int>(std::bit_width(whole)) - 1 + power) * 78913) >> 18;
  for (;;) {
    BigNumber number(whole), divisor(1);
    if (power >= 0) {
      number.ShiftLeft(power);
    } else {
      divisor.ShiftLeft(-power);
    }
    const int scale = 14 - exponent;
    if (scale >= 0) {
      number.MultiplyByPowerOfTen(scale);
    } else {
      divisor.MultiplyByPowerOfTen(-scale);
    }
    std::uint64_t digits = DivideWhole(number, divisor);
    if (digits >= 10 * kFifteenDigits) {
      ++exponent;
      continue;
    }
    if (digits < kFifteenDigits) {
      --exponent;
      continue;
    }
    number.ShiftLeft(1);  // twice the remainder against the divisor: below, at or above half
    const int half = Compare(number, divisor);
    if (half > 0 || (half == 0 && (digits & 1u) != 0)) ++digits;
    if (digits == 10 * kFifteenDigits) {
      digits = kFifteenDigits;
      ++exponent;
    }
    return digits;
  }
}

Decimal ToDecimal(double value) {
  Decimal decimal;
  decimal.negative = std::signbit(value) && value != 0;
  std::fill(std::begin(decimal.digits), std::end(decimal.digits), '0');
  if (value == 0) return decimal;
  std::uint64_t rest = RoundedDigits(std::fabs(value), decimal.exponent);
  for (int i = 14; i >= 0; --i, rest /= 10) decimal.digits[i] = static_cast<char>('0' + rest % 10);
  return decimal;
}

// The text of a whole number of tenths below 10^15 (every stardate is one): its digits, with a
// point before the last one unless that is 0. The value is the double nearest to the tenths,
// which lie on the grid of 15 significant digits, so rounding to those digits gives them back:
// the text is the one the exact way below writes, without its cost.
std::optional<std::string> TenthsText(double value) {
  const double tenths = std::nearbyint(value * 10);
  if (!(std::fabs(tenths) < 1e15) || tenths / 10 != value) return std::nullopt;
  std::uint64_t rest = static_cast<std::uint64_t>(std::fabs(tenths));
  char digits[20];
  char* first = std::end(digits);
  const bool point = rest % 10 != 0;
  if (point) {
    *--first = static_cast<char>('0' + rest % 10);
    *--first = '.';
  }
  rest /= 10;
  do {
    *--first = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  *--first = value < 0 ? '-' : ' ';
  return std::string(first, std::end(digits));
}

}  // namespace

std::optional<double> TryReadNumber(std::string_view text) {
  return ReadWholeText(text, true);
}

std::optional<double> TryReadPointNumber(std::string_view text) {
  return ReadWholeText(text, false);
}

double LeadingNumber(std::string_view text) noexcept {
  const NumberSpan span = ScanNumber(text, 0, false);
  const std::optional<double> value = ValueOf(text, span);
  if (value) return *value;
  return span.negative ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity();
}

std::string InvariantNumberText(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? " NaN" : (value < 0 ? "-Inf" : " Inf");
  if (std::optional<std::string> text = TenthsText(value)) return std::move(*text);
  const Decimal decimal = ToDecimal(value);
  int significant = 15;
  while (significant > 0 && decimal.digits[significant - 1] == '0') --significant;
  std::string text(1, decimal.negative ? '-' : ' ');
  if (significant == 0) return text + '0';
  const int wholeDigits = decimal.exponent + 1;
  if (wholeDigits <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-wholeDigits), '0');
    text.append(decimal.digits, static_cast<std::size_t>(significant));
    return text;
  }
  for (int i = 0; i < wholeDigits; ++i) text += i < significant ? decimal.digits[i] : '0';
  if (significant > wholeDigits) {
    text += '.';
    text.append(decimal.digits + wholeDigits, static_cast<std::size_t>(significant - wholeDigits));
  }
  return text;
}

std::string WholeNumberText(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  value = std::nearbyint(value);
  const std::string sign = value < 0 ? "-" : "";
  const double magnitude = std::fabs(value);
  if (magnitude < 0x1p63) return sign + std::to_string(static_cast<std::uint64_t>(magnitude));
  // From 2^63 up a double is a whole number of 53 bits times a power of two.
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  BigNumber number((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52));
  number.ShiftLeft(static_cast<int>(bits >> 52) - 1075);
  return sign + DecimalDigits(number);
}

}  // namespace kestal
