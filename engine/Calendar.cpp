// The calendar procedures the engine shares: day of the year and the leap-year test.
#include <cmath>

#include "engine/Stardate.h"

namespace kestal {

int DayOfYear(CivilDate date) {
  // Days before the first of each month in a common year.
  static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = IsLeapYear(date);
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
    throw EngineError("not a date");
  }
  return kDaysBefore[date.month - 1] + (leap && date.month > 2 ? 1 : 0) + date.day;
}

int DayOfYear(std::string_view dateText) {
  const std::optional<CivilDate> date = TryReadDate(dateText);
  if (!date) throw EngineError("not a date");
  return DayOfYear(*date);
}

namespace {

// The Gregorian rule, which is what building 29 February and looking at its day gives for
// every year that the date construction accepts.
bool IsLeapYearNumber(int year) {
  if (year < 0 || year > 9999) throw EngineError("year out of range");
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace

bool IsLeapYear(CivilDate date) {
  return IsLeapYearNumber(date.year);
}

bool IsLeapYear(double year) {
  // Rounded to the nearest whole year, a half to the even neighbour.
  const double whole = std::nearbyint(year);
  if (!(whole >= 0 && whole <= 9999)) throw EngineError("year out of range");
  return IsLeapYearNumber(static_cast<int>(whole));
}

}  // namespace kestal
