#pragma once
// What the tooltip must say today, worked out here on its own from the system clock, so that
// the program's arithmetic is checked against a second reckoning.
#include <string>

namespace e2e {

struct Day {
  int year = 0, month = 0, day = 0;
};

Day Today();
// "dd/mm/yyyy", as the conversion window writes a date.
std::string DayText(Day day);
// "X/YYMM.DD": the year's hundreds minus 20, the year within the century and the month, the day.
std::string ClassicCode(Day day);
// The year's thousandth count from 2323, rounded to tenths, in the invariant form with its
// leading "-" or blank and no ".0".
std::string NextGenerationNumber(Day day);

std::string ClassicTooltip(Day day);
std::string NextGenerationTooltip(Day day);

}  // namespace e2e
