// Dates: today, construction with roll-over, weekday and the short and long date forms.
#include "platform/DateText.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace kestal {
namespace {

namespace chr = std::chrono;

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "domenica", "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

chr::sys_days DaysOf(CivilDate date) {
  return chr::sys_days(chr::year(date.year) / chr::month(static_cast<unsigned>(date.month)) /
                       chr::day(static_cast<unsigned>(date.day)));
}

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

constexpr long long Serial(chr::year_month_day date) {
  return chr::sys_days(date).time_since_epoch().count();
}

// Appends a number in decimal, at least `width` digits.
void AppendNumber(std::string& out, long long value, int width = 1) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* begin = end;
  const bool negative = value < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value);
  do {
    *--begin = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (end - begin < width) *--begin = '0';
  if (negative) *--begin = '-';
  out.append(begin, end);
}

}  // namespace

CivilDate Today(const Clock& clock) {
  const LocalDateTime now = clock.Now();
  return {now.year, now.month, now.day};
}

bool IsValidDate(CivilDate date) {
  if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) {
    return false;
  }
  const chr::year_month_day_last last(
      chr::year(date.year), chr::month_day_last(chr::month(static_cast<unsigned>(date.month))));
  return static_cast<unsigned>(date.day) <= static_cast<unsigned>(last.day());
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
  return static_cast<int>(chr::weekday(DaysOf(date)).c_encoding());
}

std::string FormatDdMmYyyy(CivilDate date) {
  std::string text;
  text.reserve(10);
  AppendNumber(text, date.day, 2);
  text += '/';
  AppendNumber(text, date.month, 2);
  text += '/';
  AppendNumber(text, date.year, 4);
  return text;
}

std::string ShortDateText(CivilDate date) {
  return FormatDdMmYyyy(date);
}

std::string LongDateText(CivilDate date) {
  if (date.month < 1 || date.month > 12) throw DateError("not a date");
  const std::string_view weekday = kWeekdayNames[static_cast<std::size_t>(Weekday(date))];
  const std::string_view month = kMonthNames[static_cast<std::size_t>(date.month - 1)];
  // Room for the stardate's hour suffix too, which the engine appends to this text.
  std::string text;
  text.reserve(48);
  text += weekday;
  text += ' ';
  AppendNumber(text, date.day);
  text += ' ';
  text += month;
  text += ' ';
  AppendNumber(text, date.year);
  return text;
}

std::string LongDateOfText(std::string_view text) {
  const std::optional<CivilDate> date = TryReadDate(text);
  return date ? LongDateText(*date) : std::string(text);
}

}  // namespace kestal
