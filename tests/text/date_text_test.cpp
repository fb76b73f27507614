#include <gtest/gtest.h>

#include <climits>

#include "services/Clock.h"
#include "text/DateText.h"

namespace kestal {
namespace {

TEST(MakeDate, DaysAndMonthsRollOver) {
  const struct {
    int year, month, day;
    CivilDate date;
  } cases[] = {
      {2002, 6, 15, {2002, 6, 15}},  {2002, 2, 29, {2002, 3, 1}},
      {2000, 2, 29, {2000, 2, 29}},  {1900, 2, 29, {1900, 3, 1}},
      {2002, 13, 1, {2003, 1, 1}},   {2002, 1, 0, {2001, 12, 31}},
      {2002, 0, 1, {2001, 12, 1}},   {2002, -11, 1, {2001, 1, 1}},
      {2002, 25, 1, {2004, 1, 1}},   {2002, 1, 366, {2003, 1, 1}},
      {2002, 3, -1, {2002, 2, 27}},  {99, 12, 32, {100, 1, 1}},
      {10000, 1, 0, {9999, 12, 31}}, {2000, 1, 2000000, {7475, 10, 24}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeDate(c.year, c.month, c.day), c.date) << c.year << "/" << c.month << "/" << c.day;
  }
}

TEST(MakeDate, YearsOutside100To9999Fail) {
  const struct {
    int year, month, day;
  } cases[] = {
      {9999, 12, 32},
      {100, 1, 0},
      {99, 12, 31},
      {10000, 1, 1},
      {0, 1, 1},
      {-5, 6, 1},
      {2002, 1, INT_MAX},
      {2002, 1, INT_MIN},
      {INT_MAX, INT_MAX, INT_MAX},
      {INT_MIN, INT_MIN, INT_MIN},
      {2002, INT_MAX, 1},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(MakeDate(c.year, c.month, c.day), DateError)
        << c.year << "/" << c.month << "/" << c.day;
  }
}

TEST(DateForms, ShortAndLongDates) {
  const struct {
    CivilDate date;
    const char* shortDate;
    const char* longDate;
    int weekday;
  } cases[] = {
      {{2002, 6, 15}, "15/06/2002", "sabato 15 giugno 2002", 6},
      {{1967, 7, 26}, "26/07/1967", "mercoledì 26 luglio 1967", 3},
      {{800, 1, 1}, "01/01/0800", "sabato 1 gennaio 800", 6},
      {{100, 1, 1}, "01/01/0100", "venerdì 1 gennaio 100", 5},
      {{9999, 12, 31}, "31/12/9999", "venerdì 31 dicembre 9999", 5},
      {{2322, 12, 31}, "31/12/2322", "domenica 31 dicembre 2322", 0},
      {{2002, 6, 17}, "17/06/2002", "lunedì 17 giugno 2002", 1},
      {{2002, 6, 18}, "18/06/2002", "martedì 18 giugno 2002", 2},
      {{2002, 6, 20}, "20/06/2002", "giovedì 20 giugno 2002", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shortDate);
    EXPECT_EQ(ShortDateText(c.date), c.shortDate);
    EXPECT_EQ(LongDateText(c.date), c.longDate);
    EXPECT_EQ(Weekday(c.date), c.weekday);
    EXPECT_EQ(TryReadDate(c.shortDate), c.date);
    EXPECT_EQ(TryReadDate(c.longDate), c.date);
  }
}

TEST(DateForms, TodayComesFromTheClockWithoutTheTime) {
  struct FixedClock : Clock {
    LocalDateTime now;
    Instant NowUtc() const override { return 0; }
    LocalDateTime LocalTimeAt(Instant) const override { return now; }
  } clock;
  const LocalDateTime times[] = {{2002, 6, 15, 23, 59, 59, 999}, {1999, 12, 31, 0, 0, 0, 0}};
  for (const LocalDateTime& t : times) {
    clock.now = t;
    const CivilDate today = Today(clock);
    EXPECT_EQ(today, (CivilDate{t.year, t.month, t.day}));
    EXPECT_EQ(TryReadDate(ShortDateText(today)), today);
  }
}

// Wall-clock times and their milliseconds, either side of 1970 and at the ends of the years a
// clock shows; the millisecond before each is the one before it on the clock.
TEST(WallClock, MillisecondsCountEveryDayAs24Hours) {
  const struct {
    LocalDateTime time;
    long long milliseconds;
    LocalDateTime before;
  } cases[] = {
      {{1970, 1, 1, 0, 0, 0, 0}, 0, {1969, 12, 31, 23, 59, 59, 999}},
      {{1601, 1, 1, 0, 0, 0, 0}, -11'644'473'600'000LL, {1600, 12, 31, 23, 59, 59, 999}},
      {{2000, 3, 1, 0, 0, 0, 0}, 951'868'800'000LL, {2000, 2, 29, 23, 59, 59, 999}},
      {{2002, 6, 15, 10, 30, 0, 0}, 1'024'137'000'000LL, {2002, 6, 15, 10, 29, 59, 999}},
      {{10000, 1, 1, 0, 0, 0, 0}, 253'402'300'800'000LL, {9999, 12, 31, 23, 59, 59, 999}},
  };
  const auto same = [](const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.milliseconds);
    EXPECT_EQ(WallMilliseconds(c.time), c.milliseconds);
    EXPECT_TRUE(same(WallTime(c.milliseconds), c.time));
    EXPECT_TRUE(same(WallTime(c.milliseconds - 1), c.before));
    EXPECT_EQ(WallMilliseconds(c.before), c.milliseconds - 1);
  }
}

}  // namespace
}  // namespace kestal
