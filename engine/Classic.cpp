// Classic reference stardates, "X/YYYY.ZZ": century number minus 20, year in the century and
// month, day.
#include <algorithm>

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

// A whole number's digits, as the number reading reads it; an error otherwise.
std::string WholeNumber(std::string_view text) {
  std::optional<std::string> digits = ReadWholeNumber(text);
  if (!digits) throw EngineError("not a number");
  return std::move(*digits);
}

// The value of a whole number's digits of at most `most` digits; `otherwise` when it has more.
int SmallNumber(std::string_view digits, std::size_t most, int otherwise) {
  const bool negative = digits.starts_with('-');
  if (negative) digits.remove_prefix(1);
  if (digits.size() > most) return otherwise;
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

int TwoDigits(std::string_view text) {
  return (text[0] - '0') * 10 + (text[1] - '0');
}

bool IsTwoDigits(std::string_view text) {
  return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

// The date text "day/mm/year" of a code, the day without leading zeros.
std::string DateText(std::string_view day, std::string_view mm, int century, std::string_view yy) {
  std::string text(day);
  text += '/';
  text += mm;
  text += '/';
  text += std::to_string(century + 20);
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
  // Outside -19 to 79 the year would leave 100 to 9999 and be misread as another century.
  const std::string centuryDigits = WholeNumber(code.substr(0, slash));
  const int century = SmallNumber(centuryDigits, 2, 100);
  if (century < -19 || century > 79) throw EngineError("year out of range");
  const std::string day = WholeNumber(code.substr(point + 1));
  // Only a day of one or two digits can be a day of a month.
  const int dayNumber = SmallNumber(day, 2, 0);
  // Two characters of year and two of month; counted in bytes when they are ASCII.
  const std::string_view afterSlash = code.substr(slash + 1);
  const bool ascii = afterSlash.size() >= 4 &&
                     std::all_of(afterSlash.begin(), afterSlash.begin() + 4,
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string_view yy = ascii ? afterSlash.substr(0, 2) : CharSlice(afterSlash, 0, 2);
  const std::string_view mm = ascii ? afterSlash.substr(2, 2) : CharSlice(afterSlash, 2, 2);

  std::optional<CivilDate> date;
  if (IsTwoDigits(yy)) {  // a year of three or four digits, read as it stands
    const int year = (century + 20) * 100 + TwoDigits(yy);
    if (IsTwoDigits(mm)) {
      // What the date reading makes of "day/mm/year", without writing the text.
      const CivilDate candidate{year, TwoDigits(mm), dayNumber};
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
