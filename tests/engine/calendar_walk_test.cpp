// One walk over every supported day, 1 January 100 to 31 December 9999, checking the engine's
// promises that hold for every date. Mismatches are counted, and the first few reported, so the
// walk stays cheap when everything is right.
#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <sstream>

#include "engine/Stardate.h"

namespace kestal {
namespace {

namespace chr = std::chrono;

// The stardate as the conversion window's user types it back: one decimal, "." as point.
std::string OneDecimal(double stardate) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, stardate, std::chars_format::fixed, 1);
  return std::string(text, end.ptr);
}

class Mismatches {
 public:
  void Add(const std::string& date, const std::string& what) {
    if (count_++ < 10) report_ << date << ": " << what << "\n";
  }
  int Count() const { return count_; }
  std::string Report() const { return report_.str(); }

 private:
  int count_ = 0;
  std::ostringstream report_;
};

TEST(CalendarWalk, EveryDayFromYear100To9999) {
  const chr::sys_days first = chr::year(100) / 1 / 1;
  const chr::sys_days last = chr::year(9999) / 12 / 31;
  Mismatches bad;
  double previousStardate = -1e300;
  int previousWeekday = -1;
  long days = 0;
  for (chr::sys_days day = first; day <= last; day += chr::days(1), ++days) {
    const chr::year_month_day ymd(day);
    const CivilDate date{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                         static_cast<int>(unsigned(ymd.day()))};
    const std::string text = ShortDateText(date);
    std::string longDate = LongDateText(date);
    CapitalizeWordsInPlace(longDate);

    const double stardate = NGStardate(text);
    if (!(stardate > previousStardate)) bad.Add(text, "stardate doesn't grow");
    previousStardate = stardate;

    const std::string typed = OneDecimal(stardate);
    if (day != last) {
      const std::string back = StardateToDateText(typed);
      if (back != longDate) bad.Add(text, typed + " gives " + back);
    } else {
      EXPECT_THROW(StardateToDateText(typed), EngineError) << typed;
    }

    const std::string code = ClassicStardate(text, true);
    const std::string codeBack = ClassicStardate(code, false);
    if (codeBack != longDate) bad.Add(text, code + " gives " + codeBack);

    const int weekday = Weekday(date);
    if (previousWeekday >= 0 && weekday != (previousWeekday + 1) % 7) bad.Add(text, "weekday");
    previousWeekday = weekday;
  }
  EXPECT_EQ(days, 3615900);
  EXPECT_EQ(bad.Count(), 0) << bad.Report();
}

}  // namespace
}  // namespace kestal
