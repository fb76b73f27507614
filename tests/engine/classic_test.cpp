#include <gtest/gtest.h>

#include "engine/Stardate.h"

namespace kestal {
namespace {

// Dates to codes and back, and codes that were never made from a date read back.
TEST(ClassicStardate, DatesToCodesAndCodesBack) {
  const struct {
    const char* code;
    const char* result;
    const char* date = nullptr;  // the date the code is made from; none: only read back
  } cases[] = {
      {"0/0001.01", "Sabato 1 Gennaio 2000", "01/01/2000"},
      {"-1/6707.26", "Mercoledì 26 Luglio 1967", "26/07/1967"},
      {"0/0206.15", "Sabato 15 Giugno 2002", "15/06/2002"},
      {"-1/9912.31", "Venerdì 31 Dicembre 1999", "31/12/1999"},
      {"1/5003.05", "Giovedì 5 Marzo 2150", "05/03/2150"},
      {"-6/9210.12", "Mercoledì 12 Ottobre 1492", "12/10/1492"},
      {"-12/0001.01", "Sabato 1 Gennaio 800", "01/01/0800"},
      {"1/0001.01", "Venerdì 1 Gennaio 2100", "01/01/2100"},
      {"-19/0001.01", "Venerdì 1 Gennaio 100", "01/01/0100"},
      {"79/9912.31", "Venerdì 31 Dicembre 9999", "31/12/9999"},
      {"0/0001.1", "Sabato 1 Gennaio 2000"},  // leading zeros of the day don't matter
      {"0/0001.001", "Sabato 1 Gennaio 2000"},
      {"-1/6702.31", "31/02/1967"},  // no such day: the date text, unchanged
      {"0/0200.00", "0/00/2002"},
      {"0/0213.06", "6/13/2002"},
      {"0/0206.-1", "-1/06/2002"},
      {"0/0a06.15", "15/06/200a"},   // no two-digit year: never read as a date
      {"-19/5 06.15", "15/06/15 "},  // ... so never as a two-digit year either
      {"0/02ab.15", "15/ab/2002"},
      {"0/02ì6.15", "15/ì6/2002"},  // positions count characters, not bytes
      {"+1/0001.01", "Venerdì 1 Gennaio 2100"},
      {" -1 /6707.26", "Mercoledì 26 Luglio 1967"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    if (c.date) {
      EXPECT_EQ(ClassicStardate(c.date, true), c.code);
    }
    EXPECT_EQ(ClassicStardate(c.code, false), c.result);
  }
}

TEST(ClassicStardate, FailuresGoBackToTheCaller) {
  const char* codes[] = {
      "0206.15",    // no "/"
      "0/020615",   // no "."
      "/0206.15",   // no century number
      "a/0206.15",  // century isn't a number
      "x/yy00.00",
      "0.5/0206.15",  // nor a whole one
      "0/0206.ab",    // day isn't a number
      "0/0206.",     "0/0206.1.5",  "inf/0206.15",
      "80/0001.01",   // year 10000
      "-20/9912.31",  // year 99, would be read in another century
      "-21/0001.01", "1e3/0001.01",
  };
  for (const char* code : codes) EXPECT_THROW(ClassicStardate(code, false), EngineError) << code;
  for (const char* date : {"", "abc", "31/02/2002", "0/0206.15"}) {
    EXPECT_THROW(ClassicStardate(date, true), EngineError) << date;
  }
}

}  // namespace
}  // namespace kestal
