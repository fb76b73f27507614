// The date reading: day first, Italian names, two-digit years, an optional time that is ignored.
#include <array>
#include <cstdint>

#include "text/CivilDate.h"
#include "text/DateText.h"

namespace kestal {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A cursor over the text; every step either consumes what it reads or leaves the cursor alone.
// Plain pointers: this runs for every typed date and for every day of the engine's tests.
class Reader {
 public:
  explicit Reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  bool AtEnd() const { return p_ == end_; }
  char Peek() const { return p_ == end_ ? '\0' : *p_; }

  std::size_t SkipBlanks() {
    const char* start = p_;
    while (p_ != end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
    return static_cast<std::size_t>(p_ - start);
  }

  bool Take(char c) {
    if (p_ == end_ || *p_ != c) return false;
    ++p_;
    return true;
  }

  // A run of at most `maxDigits` decimal digits (longer runs fail); the count goes to `digits`.
  bool Number(int maxDigits, int& value, int& digits) {
    value = 0, digits = 0;
    while (p_ != end_ && *p_ >= '0' && *p_ <= '9') {
      if (++digits > maxDigits) return false;
      value = value * 10 + (*p_++ - '0');
    }
    return digits > 0;
  }

  // A word of letters folded to lower case, "ì" and "Ì" folded to "i"; at most 16 letters.
  bool Word(std::array<char, 16>& word, std::size_t& length) {
    length = 0;
    while (p_ != end_) {
      const char c = *p_;
      char folded;
      int width = 1;
      if (IsAsciiLetter(c)) {
        folded = static_cast<char>(c | 0x20);
      } else if (c == '\xC3' && end_ - p_ >= 2 && (p_[1] == '\xAC' || p_[1] == '\x8C')) {
        folded = 'i', width = 2;
      } else {
        break;
      }
      if (length == word.size()) return false;
      word[length++] = folded;
      p_ += width;
    }
    return length > 0;
  }

  // Between two fields: one of "/", "-", "." with blanks on either side, or blanks alone (" ").
  // Returns which, or '\0' when there is none.
  char Separator() {
    const std::size_t blanks = SkipBlanks();
    for (const char c : {'/', '-', '.'}) {
      if (Take(c)) {
        SkipBlanks();
        return c;
      }
    }
    return blanks > 0 ? ' ' : '\0';
  }

 private:
  const char* p_;
  const char* end_;
};

// Index (from 0) of the name that the folded word spells out in full or by its first three
// letters; -1 when none. The names' one non-ASCII letter, "ì" (C3 AC), is compared as "i", as
// typed words are folded.
template <std::size_t N>
int NameIndex(std::string_view word, const std::array<std::string_view, N>& names) {
  for (std::size_t i = 0; i < N; ++i) {
    std::array<char, 16> letters;
    std::size_t length = 0;
    for (std::size_t at = 0; at < names[i].size(); ++at) {
      const bool accented = names[i][at] == '\xC3';
      letters[length++] = accented ? 'i' : names[i][at];
      if (accented) ++at;
    }
    const std::string_view name(letters.data(), length);
    if (word == name || (word.size() == 3 && name.substr(0, 3) == word)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int WindowedYear(int year, int digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

// A time of day after the date: h:mm or h:mm:ss, within the day. Its value is not kept.
bool TimeOfDay(Reader& in) {
  int hour, minute, second, digits;
  if (!in.Number(2, hour, digits) || !in.Take(':')) return false;
  if (!in.Number(2, minute, digits) || digits != 2) return false;
  if (in.Take(':') && (!in.Number(2, second, digits) || digits != 2 || second > 59)) return false;
  return hour <= 23 && minute <= 59;
}

// What may follow the date: nothing but blanks, or blanks and a time of day.
bool Tail(Reader& in) {
  if (in.SkipBlanks() == 0) return in.AtEnd();
  if (in.AtEnd()) return true;
  if (!TimeOfDay(in)) return false;
  in.SkipBlanks();
  return in.AtEnd();
}

}  // namespace

std::optional<CivilDate> TryReadDate(std::string_view text) {
  Reader in(text);
  in.SkipBlanks();

  int weekday = -1;
  std::array<char, 16> word;
  std::size_t wordLength;
  if (IsAsciiLetter(in.Peek())) {
    if (!in.Word(word, wordLength)) return std::nullopt;
    weekday = NameIndex({word.data(), wordLength}, kWeekdayNames);
    if (weekday < 0) return std::nullopt;
    const bool comma = in.Take(',');
    if (in.SkipBlanks() == 0 && !comma) return std::nullopt;
  }

  CivilDate date;
  int first, firstDigits, digits;
  if (!in.Number(4, first, firstDigits)) return std::nullopt;
  if (firstDigits >= 3) {
    // Year first, as in 2002-06-15.
    if (weekday >= 0 || firstDigits != 4 || !in.Take('-')) return std::nullopt;
    date.year = first;
    if (!in.Number(2, date.month, digits) || !in.Take('-')) return std::nullopt;
    if (!in.Number(2, date.day, digits)) return std::nullopt;
  } else {
    date.day = first;
    // Both separators alike: "15/06-2002" is more likely a slip than a date.
    const char separator = in.Separator();
    if (separator == '\0') return std::nullopt;
    if (IsAsciiLetter(in.Peek())) {
      if (!in.Word(word, wordLength)) return std::nullopt;
      const int month = NameIndex({word.data(), wordLength}, kMonthNames);
      if (month < 0) return std::nullopt;
      date.month = month + 1;
    } else if (!in.Number(2, date.month, digits)) {
      return std::nullopt;
    }
    if (in.Separator() != separator) return std::nullopt;
    int year;
    if (!in.Number(4, year, digits)) return std::nullopt;
    date.year = WindowedYear(year, digits);
  }
  if (!Tail(in) || !IsValidDate(date)) return std::nullopt;
  // A weekday that contradicts the date is a typing mistake, not something to guess around.
  if (weekday >= 0 && weekday != Weekday(date)) return std::nullopt;
  return date;
}

bool IsDate(std::string_view text) {
  return TryReadDate(text).has_value();
}

}  // namespace kestal
