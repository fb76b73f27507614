#include "TodayStardate.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace e2e {

Day Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::string DayText(Day day) {
  char text[32];
  std::snprintf(text, sizeof(text), "%02d/%02d/%04d", day.day, day.month, day.year);
  return text;
}

std::string ClassicCode(Day day) {
  char text[32];
  std::snprintf(text, sizeof(text), "%d/%02d%02d.%02d", day.year / 100 - 20, day.year % 100,
                day.month, day.day);
  return text;
}

namespace {

bool Leap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayOfYear(Day day) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int ordinal = day.day;
  for (int month = 1; month < day.month; ++month)
    ordinal += kDays[month - 1] + (month == 2 && Leap(day.year) ? 1 : 0);
  return ordinal;
}

}  // namespace

std::string NextGenerationNumber(Day day) {
  const double length = Leap(day.year) ? 366.0 : 365.0;
  const double stardate = ((day.year - 2323) + DayOfYear(day) / length) * 1000.0;
  const long long tenths = std::llround(stardate * 10.0);
  const long long magnitude = std::llabs(tenths);
  char text[48];
  if (magnitude % 10 == 0)
    std::snprintf(text, sizeof(text), "%c%lld", tenths < 0 ? '-' : ' ', magnitude / 10);
  else
    std::snprintf(text, sizeof(text), "%c%lld.%lld", tenths < 0 ? '-' : ' ', magnitude / 10,
                  magnitude % 10);
  return text;
}

std::string ClassicTooltip(Day day) {
  return "Velorn - Data astrale: " + ClassicCode(day);
}

std::string NextGenerationTooltip(Day day) {
  return "Velorn NG - Data stellare: " + NextGenerationNumber(day);
}

}  // namespace e2e
