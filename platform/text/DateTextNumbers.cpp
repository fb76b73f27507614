// Number readings and number texts. Decimal digits only: no "inf", "nan", hexadecimal,
// exponents or digit grouping, so what the user sees is what is read.
#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>

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
  bool significantWhole = false;  // a non-zero digit before the separator
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
      if (c != '0' && span.separator == std::string_view::npos) span.significantWhole = true;
    } else if (span.separator == std::string_view::npos && (c == '.' || (comma && c == ','))) {
      span.separator = pos;
    } else {
      break;
    }
  }
  span.end = pos;
  return span;
}

// The value of a scanned span; empty only when it is too large for a double.
std::optional<double> ValueOf(std::string_view text, const NumberSpan& span) {
  const double sign = span.negative ? -1.0 : 1.0;
  if (!span.anyDigit) return 0.0 * sign;
  std::string_view digits = text.substr(span.begin, span.end - span.begin);
  // Up to 15 digits with up to 22 of them after the separator: the digits as a whole number are
  // exact in a double, and so is the power of ten, so one division gives the correctly rounded
  // value, the same that the full reading below gives.
  if (digits.size() <= 16) {
    long long whole = 0;
    int count = 0, fraction = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
      if (span.begin + i == span.separator) {
        fraction = static_cast<int>(digits.size() - i - 1);
        continue;
      }
      whole = whole * 10 + (digits[i] - '0');
      ++count;
    }
    if (count <= 15) {
      static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
      return static_cast<double>(whole) / kPowers[fraction] * sign;
    }
  }
  // The C library's reading, correctly rounded, wants "." as decimal point (the program never
  // changes the C locale) and a terminated text of digits only, as the scan ensured.
  std::string copy(digits);
  if (span.separator != std::string_view::npos) copy[span.separator - span.begin] = '.';
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) return std::nullopt;
  if (errno == ERANGE) {
    if (span.significantWhole) return std::nullopt;  // too large
    return 0.0 * sign;                               // too small to tell from zero
  }
  return value * sign;
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

// A 128-bit product, in two halves, written out so that every compiler takes it.
struct Wide {
  std::uint64_t high = 0, low = 0;
};

Wide Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow, highHigh = aHigh * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// Bit `i` (0 to 127) of a wide number, and whether any bit below it is set.
bool BitOf(Wide n, int i) {
  return ((i >= 64 ? n.high >> (i - 64) : n.low >> i) & 1u) != 0;
}
bool AnyBitBelow(Wide n, int i) {
  if (i >= 64) {
    return n.low != 0 || (i > 64 && (n.high & ((std::uint64_t{1} << (i - 64)) - 1)) != 0);
  }
  return i > 0 && (n.low & ((std::uint64_t{1} << i) - 1)) != 0;
}

constexpr std::uint64_t kFifteenDigits = 100000000000000;  // the smallest number of 15 digits

// The value (finite, above zero) times 10^(14 - exponent), correctly rounded to a whole number
// of 15 digits, by exact integer arithmetic: the value is a whole number times a power of two,
// so the product is exact and the rounding ties to even like the C library's. Only for values
// from 1e-5 to 1e15, where the power of ten fits in 64 bits; empty elsewhere.
std::optional<std::uint64_t> ExactDigits(double value, int& exponent) {
  if (!(value >= 1e-5 && value < 1e15)) return std::nullopt;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t whole = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);  // value = whole / 2^shift
  // log10(2) is 78913 / 2^18 closely enough for these exponents: this is the power of ten of
  // the first digit or one less.
  exponent = ((52 - shift) * 78913) >> 18;
  static constexpr auto kPowers = [] {
    std::array<std::uint64_t, 20> powers{1};  // 10^19 is the last that fits
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  for (int attempt = 0; attempt < 2; ++attempt, ++exponent) {
    const int scale = 14 - exponent;
    if (scale < 0 || scale > 19 || shift <= 0 || shift >= 128) return std::nullopt;
    const Wide product = Multiply(whole, kPowers[static_cast<std::size_t>(scale)]);
    // More than 15 digits: the first digit is one place further up.
    if (shift < 64 && (product.high >> shift) != 0) continue;
    std::uint64_t digits = shift >= 64 ? product.high >> (shift - 64)
                                       : (product.high << (64 - shift)) | (product.low >> shift);
    if (digits >= 10 * kFifteenDigits) continue;
    if (digits < kFifteenDigits) return std::nullopt;
    if (BitOf(product, shift - 1) && (AnyBitBelow(product, shift - 1) || (digits & 1u) != 0)) {
      ++digits;
    }
    if (digits == 10 * kFifteenDigits) {
      digits = kFifteenDigits;
      ++exponent;
    }
    return digits;
  }
  return std::nullopt;
}

Decimal ToDecimal(double value) {
  Decimal decimal;
  decimal.negative = std::signbit(value) && value != 0;
  std::fill(std::begin(decimal.digits), std::end(decimal.digits), '0');
  if (value == 0) return decimal;
  if (const std::optional<std::uint64_t> digits = ExactDigits(std::fabs(value), decimal.exponent)) {
    std::uint64_t rest = *digits;
    for (int i = 14; i >= 0; --i, rest /= 10) {
      decimal.digits[i] = static_cast<char>('0' + rest % 10);
    }
    return decimal;
  }
  // Elsewhere the C library's "d.dddddddddddddde+XX": the value correctly rounded to 15
  // significant digits.
  char text[40];
  const int length = std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
  const char* end = text + std::clamp(length, 0, static_cast<int>(sizeof text) - 1);
  const char* e = std::find(static_cast<const char*>(text), end, 'e');
  int count = 0;
  for (const char* p = text; p < e; ++p) {
    if (*p != '.' && count < 15) decimal.digits[count++] = *p;
  }
  const int exponent = e < end ? std::atoi(e + 2) : 0;
  decimal.exponent = e < end && e[1] == '-' ? -exponent : exponent;
  return decimal;
}

}  // namespace

std::optional<double> TryReadNumber(std::string_view text) {
  return ReadWholeText(text, true);
}

std::optional<double> TryReadPointNumber(std::string_view text) {
  return ReadWholeText(text, false);
}

double ReadNumber(std::string_view text) {
  const std::optional<double> value = TryReadNumber(text);
  if (!value) throw NumberError("not a number");
  return *value;
}

double LeadingNumber(std::string_view text) noexcept {
  const NumberSpan span = ScanNumber(text, 0, false);
  const std::optional<double> value = ValueOf(text, span);
  if (value) return *value;
  return span.negative ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity();
}

std::string FormatOneDecimal(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  // Rounded half away from zero on the decimal digits, as the user reads the number.
  const Decimal decimal = ToDecimal(value);
  const int kept = decimal.exponent + 2;  // digits up to and including the first decimal
  std::string digits;                     // the value in tenths
  if (kept > 0) {
    for (int i = 0; i < kept; ++i) digits += i < 15 ? decimal.digits[i] : '0';
    if (kept < 15 && decimal.digits[kept] >= '5') {
      int i = kept - 1;
      for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
        digits[static_cast<std::size_t>(i)] = '0';
      }
      if (i >= 0) {
        ++digits[static_cast<std::size_t>(i)];
      } else {
        digits.insert(digits.begin(), '1');
      }
    }
  } else if (kept == 0 && decimal.digits[0] >= '5') {
    digits = "1";
  }
  while (!digits.empty() && digits.front() == '0') digits.erase(digits.begin());
  std::string text = decimal.negative && !digits.empty() ? "-" : "";
  if (digits.size() > 1) text.append(digits, 0, digits.size() - 1);
  text += ',';
  text += digits.empty() ? '0' : digits.back();
  return text;
}

std::string InvariantNumberText(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? " NaN" : (value < 0 ? "-Inf" : " Inf");
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

}  // namespace kestal
