#pragma once
// The number texts the program reads and writes: whole numbers (a classic stardate's century and
// day), one-decimal stardates, and the month and day fields the input checks look at. Decimal
// digits only, so what the user sees is what is read; every value is exact.
#include <optional>
#include <string>
#include <string_view>

namespace kestal {

// A whole number: blanks, an optional sign, digits, blanks; a separator ("." or ",") followed
// only by zeros may end the digits ("3,0" is 3). Its digits without leading zeros, after "-" when
// it is negative ("-0" is "0"); none for any other text.
std::optional<std::string> ReadWholeNumber(std::string_view text);

// A decimal number with "." as the only decimal point: blanks, an optional sign, digits and at
// most one point, blanks. None for any other text, and for one with more significant digits
// than a double holds exactly (15) or more than 22 after the point: no stardate has them.
std::optional<double> ReadPointNumber(std::string_view text);

// The number that begins a short field (the month or day of a classic stardate), "." as decimal
// point, leading blanks skipped; 0 when the field doesn't begin with a number. Never fails.
double LeadingNumber(std::string_view field) noexcept;

// A stardate as the program writes it: a blank for zero or more or "-" for a negative value,
// the digits of the value rounded to one decimal, and "." with the tenth only when it is not 0:
// " 1163.9", "-320545.2", "-321000", " 1000". Stardates lie below ten million either way; any
// other value throws a Failure.
std::string StardateNumberText(double value);

}  // namespace kestal
