#include "text/CivilDate.h"

#include <chrono>

namespace kestal {
namespace {

namespace chr = std::chrono;

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

constexpr long long Serial(chr::year_month_day date) {
  return chr::sys_days(date).time_since_epoch().count();
}

}  // namespace

bool IsValidDate(CivilDate date) {
  if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > 31) {
    return false;
  }
  return chr::year_month_day(chr::year(date.year), chr::month(static_cast<unsigned>(date.month)),
                             chr::day(static_cast<unsigned>(date.day)))
      .ok();
}

CivilDate MakeDate(int year, int month, int day) {
  // Month 13 is January of the next year and month 0 December of the one before; the day then
  // counts from the first of that month, so day 0 is the last day of the month before.
  const long long monthIndex = static_cast<long long>(month) - 1;
  const long long wholeYear = year + FloorDiv(monthIndex, 12);
  const unsigned monthNumber =
      static_cast<unsigned>(monthIndex - FloorDiv(monthIndex, 12) * 12 + 1);
  // Whole 400-year cycles (146097 days each) keep the year within chrono's range.
  const long long cycles = FloorDiv(wholeYear, 400);
  const int yearInCycle = static_cast<int>(wholeYear - cycles * 400);
  const long long serial =
      Serial(chr::year(yearInCycle) / chr::month(monthNumber) / 1) + cycles * 146097 + (day - 1LL);
  constexpr long long first = Serial(chr::year(100) / 1 / 1);
  constexpr long long last = Serial(chr::year(9999) / 12 / 31);
  if (serial < first || serial > last) throw DateError("year out of range");
  const chr::year_month_day date{chr::sys_days(chr::days(serial))};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

int Weekday(CivilDate date) {
  const chr::sys_days days(chr::year(date.year) / chr::month(static_cast<unsigned>(date.month)) /
                           chr::day(static_cast<unsigned>(date.day)));
  return static_cast<int>(chr::weekday(days).c_encoding());
}

}  // namespace kestal
