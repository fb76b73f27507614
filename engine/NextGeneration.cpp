// Next Generation stardates: 1000 units to a year, 31 December of year Y being (Y - 2322) * 1000.
#include <cmath>

#include "engine/Stardate.h"
#include "text/DateText.h"
#include "text/NumberText.h"

namespace kestal {
namespace {

void AppendSmallNumber(std::string& out, int value) {
  if (value >= 10) out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

// The engine's calendar procedures, on the calendar of the date texts, failing as the engine does.
int DayOfYear(CivilDate date) {
  if (date.year < 0 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > 31) {
    throw EngineError(date.year < 0 || date.year > 9999 ? "year out of range" : "not a date");
  }
  return OrdinalDay(date.year, date.month, date.day);
}

int DayOfYear(std::string_view dateText) {
  const std::optional<CivilDate> date = TryReadDate(dateText);
  if (!date) throw EngineError("not a date");
  return DayOfYear(*date);
}

bool IsLeapYear(CivilDate date) {
  if (date.year < 0 || date.year > 9999) throw EngineError("year out of range");
  return IsGregorianLeapYear(date.year);
}

bool IsLeapYear(double year) {
  // Rounded to the nearest whole year, a half to the even neighbour.
  const double whole = std::nearbyint(year);
  if (!(whole >= 0 && whole <= 9999)) throw EngineError("year out of range");
  return IsGregorianLeapYear(static_cast<int>(whole));
}

double NGStardate(std::string_view dateText) {
  const std::optional<CivilDate> date = TryReadDate(dateText);
  if (!date) throw EngineError("not a date");
  const double daysInYear = IsLeapYear(*date) ? 366.0 : 365.0;
  const int day = DayOfYear(*date);
  const double stardate = ((date->year - 2323) + day / daysInYear) * 1000;
  // Rounded to one decimal. d / N * 10000 is never an odd multiple of one half, so there is no
  // tie to break and this matches writing the number with one decimal and reading it back.
  return std::round(stardate * 10) / 10;
}

std::string StardateToDateText(std::string_view stardateText) {
  if (stardateText.find('.') == std::string_view::npos) throw EngineError("not a stardate");
  const std::optional<double> stardate = ReadPointNumber(stardateText);
  if (!stardate) throw EngineError("not a number");

  const double x = *stardate / 1000;
  const double yearNumber = std::floor(x) + 2323;  // rounds down, negative stardates too
  // The leap-year test fails outside 0 to 9999; the year is whole, so test it as a whole number.
  if (!(yearNumber >= 0 && yearNumber <= 9999)) throw EngineError("year out of range");
  const int year = static_cast<int>(yearNumber);
  const double daysInYear = IsLeapYear(CivilDate{year, 1, 1}) ? 366.0 : 365.0;
  const double position = ((x - year) + 2323) * daysInYear;
  const int wholeDays = static_cast<int>(std::floor(position));
  const int hour = static_cast<int>(std::floor((position - wholeDays) * 24 + 0.5));

  // Day 1 is 1 January, day 0 the 31 December before; 24 h moves on to the next day.
  CivilDate date;
  try {
    date = MakeDate(year, 1, wholeDays + (hour == 24 ? 1 : 0));
  } catch (const DateError&) {
    throw EngineError("year out of range");
  }
  std::string text = LongDateText(date);
  CapitalizeWordsInPlace(text);
  if (hour != 0 && hour != 24) {
    text += ", ore ";
    AppendSmallNumber(text, hour);
  }
  return text;
}

}  // namespace kestal
