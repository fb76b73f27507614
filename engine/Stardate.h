#pragma once
// The stardate engine: pure conversions between calendar dates and the two stardate conventions.
// Every failure is an EngineError (a Failure) with a short message.
#include <string>
#include <string_view>

#include "text/DateText.h"

namespace kestal {

class EngineError : public Failure {
 public:
  using Failure::Failure;
};

// Next Generation stardate of a date text, rounded to one decimal.
double NGStardate(std::string_view dateText);

// Ordinal day of the date within its year, 1 to 366.
int DayOfYear(CivilDate date);
int DayOfYear(std::string_view dateText);

// True when 29 February exists in the year (a year number is first rounded to a whole number;
// below 0 or above 9999 throws EngineError).
bool IsLeapYear(CivilDate date);
bool IsLeapYear(double year);

// toStardate true: date text -> "X/YYYY.ZZ". false: "X/YYYY.ZZ" -> capitalised long date.
std::string ClassicStardate(std::string_view text, bool toStardate);

// Next Generation stardate text ("." as decimal point) -> capitalised long date, with ", ore h"
// when the rounded hour is not midnight.
std::string StardateToDateText(std::string_view stardateText);

// Upper-cases the first character and every character that follows a blank or a hyphen.
std::string CapitalizeWords(std::string_view text);
// The same, on the text itself.
void CapitalizeWordsInPlace(std::string& text);

}  // namespace kestal
