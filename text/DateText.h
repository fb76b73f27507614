#pragma once
// The date texts: fixed Italian forms on every machine, whatever the host locale. UTF-8.
#include <optional>
#include <string>
#include <string_view>

#include "text/CivilDate.h"

namespace kestal {

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

}  // namespace kestal
