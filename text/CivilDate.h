#pragma once
// The calendar the date texts stand on: dates of the Gregorian calendar from year 100 to 9999,
// their validity and weekday, construction with roll-over, and the Italian names of the months
// and weekdays. Both the date forms and the date reading use it.
#include <array>
#include <string_view>

#include "text/Failure.h"

namespace kestal {

struct CivilDate {
  int year = 0, month = 0, day = 0;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

class DateError : public Failure {
 public:
  using Failure::Failure;
};

// True when the date exists in the calendar and its year lies within 100 to 9999.
bool IsValidDate(CivilDate date);

// Date construction: a day or month past its end rolls over into the next month or year;
// a resulting year outside 100 to 9999 throws DateError.
CivilDate MakeDate(int year, int month, int day);

// 0 = Sunday ... 6 = Saturday.
int Weekday(CivilDate date);

// The Gregorian rule: every fourth year, but not the centuries that 400 does not divide.
constexpr bool IsGregorianLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Ordinal day within the year, 1 to 366, of a month 1 to 12 and a day 1 to 31 (not checked
// against the month's length).
constexpr int OrdinalDay(int year, int month, int day) {
  // Days before the first of each month in a common year.
  constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return kDaysBefore[month - 1] + (IsGregorianLeapYear(year) && month > 2 ? 1 : 0) + day;
}

// The names as the program writes them, with their accents ("lunedì"); the reading walks them.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"};
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

// "gennaio" ... "dicembre" for 1 to 12; "domenica" ... "sabato" for 0 to 6.
inline std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : "";
}
inline std::string_view WeekdayName(int weekday) {
  return weekday >= 0 && weekday <= 6 ? kWeekdayNames[static_cast<std::size_t>(weekday)] : "";
}

}  // namespace kestal
