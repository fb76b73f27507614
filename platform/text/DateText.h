#pragma once
// Date and text services: fixed Italian behaviour on every machine, whatever the host locale.
// Texts are UTF-8.
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/CivilDate.h"
#include "platform/text/Clock.h"

namespace kestal {

// Today's date from the clock, without the time of day.
CivilDate Today(const Clock& clock);

// The short date form, "dd/mm/yyyy" (two-digit day and month, four-digit year); the date
// reading reads it back to the same date.
std::string ShortDateText(CivilDate date);

// Date reading: day first; "/", "-", "." or blanks between the fields, the same both times;
// Italian month names and their three-letter forms in any letter case; an optional leading
// weekday, which must match the date; one- and two-digit years (00-29 are 2000-2029, 30-99 are
// 1930-1999); an optional time of day, ignored; ISO "yyyy-mm-dd"; years 100 to 9999 only.
std::optional<CivilDate> TryReadDate(std::string_view text);
bool IsDate(std::string_view text);  // true exactly when TryReadDate reads a date

// The long date, "sabato 15 giugno 2002" (weekday, day without leading zero, month, year).
std::string LongDateText(CivilDate date);

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

// Upper case of one character by the Unicode case mapping, accented letters included; a
// character without an upper-case form comes back unchanged.
char32_t UpperCaseChar(char32_t c);

}  // namespace kestal
