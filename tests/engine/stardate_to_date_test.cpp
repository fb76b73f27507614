#include <gtest/gtest.h>

#include "engine/Stardate.h"

namespace kestal {
namespace {

TEST(StardateToDateText, WorkedValuesAndEdgeCases) {
  const struct {
    const char* stardate;
    const char* result;
  } cases[] = {
      {"-320545.2", "Sabato 15 Giugno 2002"},
      {"-320545.0", "Sabato 15 Giugno 2002, ore 2"},
      {"-320544.0", "Sabato 15 Giugno 2002, ore 11"},
      {"-321000.0", "Lunedì 31 Dicembre 2001"},
      {"-322997.3", "Sabato 1 Gennaio 2000"},
      {"-322500.0", "Sabato 1 Luglio 2000"},
      {"-320016.4", "Mercoledì 25 Dicembre 2002"},
      {"500.0", "Domenica 1 Luglio 2323, ore 12"},
      {"1000.0", "Lunedì 31 Dicembre 2323"},
      // Edge cases.
      {"0.0", "Domenica 31 Dicembre 2322"},
      {"-0.0", "Domenica 31 Dicembre 2322"},
      {"-2222997.3", "Venerdì 1 Gennaio 100"},    // first supported day
      {"7676997.3", "Giovedì 30 Dicembre 9999"},  // last day that reads back
      {" 56789.3", "Lunedì 15 Ottobre 2379, ore 2"},
      {"+1000.0", "Lunedì 31 Dicembre 2323"},
      {"1000.", "Lunedì 31 Dicembre 2323"},
      {"-320545.20000", "Sabato 15 Giugno 2002"},
      {"-321000.1", "Domenica 30 Dicembre 2001, ore 23"},
      {"-320998.7", "Lunedì 31 Dicembre 2001, ore 11"},
  };
  for (const auto& c : cases) EXPECT_EQ(StardateToDateText(c.stardate), c.result) << c.stardate;
}

TEST(StardateToDateText, FailuresGoBackToTheCaller) {
  const char* texts[] = {
      "",
      "1000",
      "abc.d",
      ".",
      "-.",
      "1.2.3",
      "1000.0x",
      "1 000.0",
      // digits only: none of these is a number, though a C library would read them
      "inf.0",
      "nan.0",
      "0x1p3.0",
      "1e999.0",
      "1e3.0",
      "1,5.0",
      // years beyond 9999 or below 100
      "7677000.0",
      "9999999.9",
      "-2223000.0",
      "-2323000.0",
      "-2400000.0",
      "-2300000.0",
      "99999999999999999999999999999999999999999.0",
  };
  for (const char* text : texts) EXPECT_THROW(StardateToDateText(text), EngineError) << text;
}

}  // namespace
}  // namespace kestal
