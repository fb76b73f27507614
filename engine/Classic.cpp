// Classic reference stardates, "X/YYYY.ZZ": century number minus 20, year in the century and
// month, day.
#include <algorithm>
#include <cmath>

#include "engine/Stardate.h"
#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

namespace kestal {
namespace {

void AppendTwoDigits(std::string& out, int value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

// A whole number, as the number reading reads it; an error otherwise. Plain digits, the usual
// case, are read at once.
double WholeNumber(std::string_view text) {
  std::size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  const bool negative = i < end && text[i] == '-';
  if (negative || (i < end && text[i] == '+')) ++i;
  if (end > i && end - i <= 15) {
    long long value = 0;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    if (i == end) return static_cast<double>(negative ? -value : value);
  }
  const std::optional<double> value = TryReadNumber(text);
  if (!value || *value != std::trunc(*value)) throw EngineError("not a number");
  return *value;
}

int TwoDigits(std::string_view text) {
  return (text[0] - '0') * 10 + (text[1] - '0');
}

bool IsTwoDigits(std::string_view text) {
  return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

// The date text "day/mm/year" of a code, the day without leading zeros.
std::string DateText(double day, std::string_view mm, double century, std::string_view yy) {
  std::string text;
  text += WholeNumberText(day);
  text += '/';
  text += mm;
  text += '/';
  text += std::to_string(static_cast<int>(century) + 20);
  text += yy;
  return text;
}

std::string ToStardate(std::string_view dateText) {
  const std::optional<CivilDate> date = TryReadDate(dateText);
  if (!date) throw EngineError("not a date");
  std::string code = std::to_string(date->year / 100 - 20);
  code += '/';
  AppendTwoDigits(code, date->year % 100);
  AppendTwoDigits(code, date->month);
  code += '.';
  AppendTwoDigits(code, date->day);
  return code;
}

std::string ToLongDate(std::string_view code) {
  const std::size_t slash = code.find('/');
  const std::size_t point = code.find('.');
  if (slash == std::string_view::npos || point == std::string_view::npos) {
    throw EngineError("not a stardate");
  }
  const double century = WholeNumber(code.substr(0, slash));
  // Outside -19 to 79 the year would leave 100 to 9999 and be misread as another century.
  if (century < -19 || century > 79) throw EngineError("year out of range");
  const double day = WholeNumber(code.substr(point + 1));
  // Two characters of year and two of month; counted in bytes when they are ASCII.
  const std::string_view afterSlash = code.substr(slash + 1);
  const bool ascii = afterSlash.size() >= 4 &&
                     std::all_of(afterSlash.begin(), afterSlash.begin() + 4,
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string_view yy = ascii ? afterSlash.substr(0, 2) : CharSlice(afterSlash, 0, 2);
  const std::string_view mm = ascii ? afterSlash.substr(2, 2) : CharSlice(afterSlash, 2, 2);

  std::optional<CivilDate> date;
  if (IsTwoDigits(yy)) {  // a year of three or four digits, read as it stands
    const int year = (static_cast<int>(century) + 20) * 100 + TwoDigits(yy);
    if (IsTwoDigits(mm)) {
      // What the date reading makes of "day/mm/year", without writing the text.
      const CivilDate candidate{year, TwoDigits(mm),
                                day >= 1 && day <= 31 ? static_cast<int>(day) : 0};
      if (IsValidDate(candidate)) date = candidate;
    } else {
      date = TryReadDate(DateText(day, mm, century, yy));
    }
  }
  std::string text = date ? LongDateText(*date) : DateText(day, mm, century, yy);
  CapitalizeWordsInPlace(text);
  return text;
}

}  // namespace

std::string ClassicStardate(std::string_view text, bool toStardate) {
  return toStardate ? ToStardate(text) : ToLongDate(text);
}

}  // namespace kestal
