#pragma once
// The number texts: decimal digits only, so what the user sees is what is read. UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace kestal {

// Number reading: decimal digits only, "," or "." as decimal separator, optional sign and
// surrounding blanks. No "inf", "nan", hexadecimal, exponent overflow or grouping: empty.
std::optional<double> TryReadNumber(std::string_view text);
// The same reading with "." as the only decimal point, whatever the locale.
std::optional<double> TryReadPointNumber(std::string_view text);
// The number that begins the text, "." as decimal point, leading blanks skipped; 0 when the text
// doesn't begin with a number. Never fails.
double LeadingNumber(std::string_view text) noexcept;

// Invariant number text: a blank for zero or more or "-" for a negative value, then the digits
// with "." as decimal point, at most 15 significant digits, no grouping, and no point for a whole
// value: " 1163.9", "-320545.2", "-321000", " 1000".
std::string InvariantNumberText(double value);
// A number rounded to a whole one (ties to even) with all its digits, however many, and "-"
// before a negative one: 1e20 -> "100000000000000000000".
std::string WholeNumberText(double value);

}  // namespace kestal
