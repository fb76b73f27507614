// The date forms: the short and long texts of a date.
#include "text/DateText.h"

#include <cstring>

namespace kestal {
namespace {

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

std::string ShortDateText(CivilDate date) {
  ShortText text;
  text.Number(date.day, 2);
  text.Add('/');
  text.Number(date.month, 2);
  text.Add('/');
  text.Number(date.year, 4);
  return text.Text();
}

std::string LongDateText(CivilDate date) {
  if (date.month < 1 || date.month > 12) throw DateError("not a date");
  ShortText text;
  text.Add(WeekdayName(Weekday(date)));
  text.Add(' ');
  text.Number(date.day);
  text.Add(' ');
  text.Add(MonthName(date.month));
  text.Add(' ');
  text.Number(date.year);
  // Room for the hour that the stardate conversion appends.
  return text.Text(8);
}

}  // namespace kestal
