// Dates: today, construction with roll-over, weekday and the short and long date forms.
#include "platform/DateText.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>

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

// A short text composed on the stack, so that a date text costs one allocation at most. Room
// for any two int fields and the longest names.
class ShortText {
 public:
  void Add(std::string_view part) {
    std::memcpy(data_ + size_, part.data(), part.size());
    size_ += part.size();
  }
  void Add(char c) { data_[size_++] = c; }
  // A number in decimal, at least `width` digits.
  void Number(long long value, int width = 1) {
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
    Add(std::string_view(begin, static_cast<std::size_t>(end - begin)));
  }
  // The text, with room for `extra` more bytes without a second allocation.
  std::string Text(std::size_t extra = 0) const {
    std::string text;
    text.reserve(size_ + extra);
    text.assign(data_, size_);
    return text;
  }

 private:
  char data_[64];
  std::size_t size_ = 0;
};

}  // namespace

CivilDate Today(const Clock& clock) {
  const LocalDateTime now = clock.Now();
  return {now.year, now.month, now.day};
}

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
  return static_cast<int>(chr::weekday(DaysOf(date)).c_encoding());
}

std::string FormatDdMmYyyy(CivilDate date) {
  ShortText text;
  text.Number(date.day, 2);
  text.Add('/');
  text.Number(date.month, 2);
  text.Add('/');
  text.Number(date.year, 4);
  return text.Text();
}

std::string ShortDateText(CivilDate date) {
  return FormatDdMmYyyy(date);
}

std::string LongDateText(CivilDate date) {
  if (date.month < 1 || date.month > 12) throw DateError("not a date");
  ShortText text;
  text.Add(kWeekdayNames[static_cast<std::size_t>(Weekday(date))]);
  text.Add(' ');
  text.Number(date.day);
  text.Add(' ');
  text.Add(kMonthNames[static_cast<std::size_t>(date.month - 1)]);
  text.Add(' ');
  text.Number(date.year);
  // Room for the hour that the stardate conversion appends.
  return text.Text(8);
}

std::string LongDateOfText(std::string_view text) {
  const std::optional<CivilDate> date = TryReadDate(text);
  return date ? LongDateText(*date) : std::string(text);
}

}  // namespace kestal
