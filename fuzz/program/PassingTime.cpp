#include "fuzz/program/PassingTime.h"

#include <algorithm>

namespace kestal::fuzzing {
namespace {

constexpr long long kDayMs = 86'400'000;

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

LocalDateTime FromLocalMs(long long ms) {
  long long days = ms / kDayMs;
  long long rest = ms % kDayMs;
  if (rest < 0) {
    rest += kDayMs;
    --days;
  }
  const long long z = days + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  LocalDateTime t;
  t.year = y;
  t.month = m;
  t.day = d;
  t.hour = static_cast<int>(rest / 3'600'000);
  t.minute = static_cast<int>(rest / 60'000 % 60);
  t.second = static_cast<int>(rest / 1000 % 60);
  t.millisecond = static_cast<int>(rest % 1000);
  return t;
}

long long LocalMs(const LocalDateTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kDayMs +
         ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

// The day of the month of the last Sunday of that month.
int LastSunday(int year, int month, int daysInMonth) {
  const long long days = DaysFromCivil(year, month, daysInMonth);
  const int weekday = static_cast<int>(((days % 7) + 7 + 4) % 7);  // 1 January 1970: Thursday
  return daysInMonth - weekday;
}

// The first and last moments the machine's clock shows.
const LocalDateTime kFirst{1601, 1, 1, 0, 0, 0, 0};
const LocalDateTime kLast{9999, 12, 31, 23, 59, 59, 999};

long long ToUtc(const LocalDateTime& local) {
  return LocalMs(local) - CentralEuropeanOffset(local) * 60'000LL;
}

}  // namespace

int CentralEuropeanOffset(const LocalDateTime& t) {
  const int spring = LastSunday(t.year, 3, 31), autumn = LastSunday(t.year, 10, 31);
  const auto key = [](int month, int day, int hour) { return (month * 100 + day) * 100 + hour; };
  const int now = key(t.month, t.day, t.hour);
  return now >= key(3, spring, 2) && now < key(10, autumn, 3) ? 120 : 60;
}

LocalDateTime PassingTime::Local() const {
  // The hour the clocks go back comes twice: the second time in winter time.
  for (const int offset : {60, 120}) {
    const LocalDateTime local = FromLocalMs(utc_ + offset * 60'000LL);
    if (CentralEuropeanOffset(local) == offset) return local;
  }
  return FromLocalMs(utc_ + 60 * 60'000LL);
}

void PassingTime::SetLocal(const LocalDateTime& local) {
  utc_ = std::clamp(ToUtc(local), ToUtc(kFirst), ToUtc(kLast));
}

void PassingTime::MoveClock(long long milliseconds) {
  utc_ = std::clamp(utc_ + milliseconds, ToUtc(kFirst), ToUtc(kLast));
}

void PassingTime::Pass(long long milliseconds) {
  const long long step = std::clamp(milliseconds, 0LL, Left());
  utc_ += step;
  ticks_ += step;
}

long long PassingTime::Left() const {
  return ToUtc(kLast) - utc_;
}

long long PassingTime::ToNextMidnight() const {
  const LocalDateTime now = Local();
  long long day = LocalMs(now) / kDayMs;
  if (LocalMs(now) % kDayMs < 0) --day;  // before 1970
  const LocalDateTime midnight = FromLocalMs((day + 1) * kDayMs);
  return ToUtc(midnight) - utc_;
}

}  // namespace kestal::fuzzing
