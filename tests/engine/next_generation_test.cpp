#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Stardate.h"

namespace kestal {
namespace {

TEST(NGStardate, WorkedValues) {
  const struct {
    const char* date;
    int dayOfYear;
    bool leap;
    double stardate;
  } cases[] = {
      {"01/01/2000", 1, true, -322997.3},    {"31/12/2001", 365, false, -321000.0},
      {"15/06/2002", 166, false, -320545.2}, {"26/07/1967", 207, false, -355432.9},
      {"01/01/2323", 1, false, 2.7},         {"31/12/2323", 365, false, 1000.0},
      {"29/02/2324", 60, true, 1163.9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(DayOfYear(c.date), c.dayOfYear);
    EXPECT_EQ(IsLeapYear(*TryReadDate(c.date)), c.leap);
    EXPECT_EQ(NGStardate(c.date), c.stardate);
  }
}

TEST(NGStardate, EdgeCases) {
  const struct {
    const char* date;
    double stardate;
  } cases[] = {
      {"01/03/2323", 164.4},            // day 60 of a common year
      {"31/12/2322", 0.0},              // the anchor
      {"30/12/2322", -2.7},             // the day before is negative
      {"01/01/1900", -422997.3},        // 1900 is a common year: 1000/365
      {"31/12/1900", -422000.0},        // ... and has 365 days
      {"31/12/2000", -322000.0},        // 2000 has 366
      {"15/06/2002 10:30", -320545.2},  // the time of day is ignored
      {"15/06/2002 23:59:59", -320545.2},
      {"1/6/02", -320583.6},       // any text the date reading accepts
      {"01/01/0100", -2222997.3},  // the first supported date
      {"31/12/9999", 7677000.0},   // the last one
  };
  for (const auto& c : cases) EXPECT_EQ(NGStardate(c.date), c.stardate) << c.date;
}

TEST(NGStardate, TextThatIsNoDateFails) {
  for (const char* text : {"", "abc", "31/02/2002", "15/06/10000", "1/1/0099", "-320545.2"}) {
    EXPECT_THROW(NGStardate(text), EngineError) << text;
    EXPECT_THROW(DayOfYear(text), EngineError) << text;
  }
}

TEST(IsLeapYear, YearNumbersAreRoundedHalfToEvenThenTested) {
  const struct {
    double year;
    bool leap;
  } cases[] = {
      {1900, false},   {2000, true},   {2100, false},  {2400, true},   {2004, true},
      {2002, false},   {1999.5, true}, {2000.5, true}, {2003.5, true}, {2002.5, false},
      {2001.6, false}, {2003.6, true}, {0, true},      {-0.4, true},   {9999, false},
      {9999.4, false}, {100, false},   {400, true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
}

TEST(IsLeapYear, YearsOutsideZeroTo9999Fail) {
  for (double year :
       {-1.0, -0.6, 9999.6, 10000.0, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(IsLeapYear(year), EngineError) << year;
  }
}

TEST(DayOfYear, CountsEarlierMonthsWithFebruaryOfTheYear) {
  const struct {
    CivilDate date;
    int day;
  } cases[] = {
      {{2002, 1, 1}, 1},     {{2002, 2, 28}, 59},   {{2002, 3, 1}, 60},
      {{2004, 3, 1}, 61},    {{2004, 2, 29}, 60},   {{2002, 12, 31}, 365},
      {{2000, 12, 31}, 366}, {{1900, 12, 31}, 365}, {{2004, 2, 1}, 32},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DayOfYear(c.date), c.day) << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
  EXPECT_THROW(DayOfYear(CivilDate{2002, 13, 1}), EngineError);
  EXPECT_THROW(DayOfYear(CivilDate{2002, 0, 1}), EngineError);
  EXPECT_THROW(DayOfYear(CivilDate{2002, 12, 2147483647}), EngineError);
}

}  // namespace
}  // namespace kestal
