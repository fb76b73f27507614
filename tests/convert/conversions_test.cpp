// What a conversion shows for each kind of input, and the one message for input that has the
// right shape but can't be converted.
#include <string>
#include <string_view>

#include "ConversionWindowSession.h"
#include "engine/Stardate.h"

namespace kestal::testing {
namespace {

constexpr std::string_view kFailed = "Errore nella data!";
// The result is whatever the classic conversion returns for the input, shown as it is.
constexpr std::string_view kEngineText = "<what the classic conversion returns>";

struct ConversionCase {
  const char* source;  // source option
  const char* target;  // target option for a calendar date, "" otherwise
  const char* input;
  const char* result;  // VelornDate afterwards, kFailed for the failure message, or kEngineText
  const char* shown;   // DataSource afterwards; null: as typed
};

std::string ExpectedResult(const ConversionCase& c) {
  if (c.result != kEngineText) return std::string(c.result);
  try {
    return ClassicStardate(c.input, false);
  } catch (const std::exception&) {
    return std::string(kFailed);
  }
}

using Conversions = ConversionWindowSession;

TEST_F(Conversions, EachInputShowsItsResult) {
  const ConversionCase cases[] = {
      // Calendar date to Next Generation: the invariant number text, the input rewritten.
      {"Option1", "Option5", "15/6/2002", "-320545.2", "15/06/2002"},
      {"Option1", "Option5", "31/12/2323", " 1000", nullptr},
      {"Option1", "Option5", "29/02/2324", " 1163.9", nullptr},
      {"Option1", "Option5", "31/12/2001", "-321000", nullptr},
      {"Option1", "Option5", "1/1/2323", " 2.7", "01/01/2323"},
      {"Option1", "Option5", "1/1/100", "-2222997.3", "01/01/0100"},
      // Calendar date to classic.
      {"Option1", "Option4", "26/07/1967", "-1/6707.26", nullptr},
      {"Option1", "Option4", "15/6/2002", "0/0206.15", "15/06/2002"},
      {"Option1", "Option4", "5/3/2150", "1/5003.05", "05/03/2150"},
      {"Option1", "Option4", "1/1/0800", "-12/0001.01", "01/01/0800"},
      // Classic to calendar date.
      {"Option2", "", "-1/6707.26", "Mercoledì 26 Luglio 1967", nullptr},
      {"Option2", "", "0/0001.01", "Sabato 1 Gennaio 2000", nullptr},
      {"Option2", "", "-19/0001.01", "Venerdì 1 Gennaio 100", nullptr},
      {"Option2", "", "79/9912.31", "Venerdì 31 Dicembre 9999", nullptr},
      // A day its month hasn't, or month and day 00: the engine's text, not a failure.
      {"Option2", "", "-1/6702.31", "31/02/1967", nullptr},
      {"Option2", "", "0/0200.00", kEngineText.data(), nullptr},
      {"Option2", "", "1/yy12.06", kEngineText.data(), nullptr},
      // Shapes that pass the checks but that the engine can't convert.
      {"Option2", "", "x/0212.06", kFailed.data(), nullptr},
      {"Option2", "", "1/0212.0x", kFailed.data(), nullptr},
      // Years outside 100 to 9999 are an error, never a date in the wrong century.
      {"Option2", "", "-20/0001.01", kFailed.data(), nullptr},
      {"Option2", "", "-25/0001.01", kFailed.data(), nullptr},
      {"Option2", "", "80/0001.01", kFailed.data(), nullptr},
      {"Option2", "", "99999999999999999999/0001.01", kFailed.data(), nullptr},
      // Next Generation to calendar date, with the hour when it isn't midnight.
      {"Option3", "", "-320545.0", "Sabato 15 Giugno 2002, ore 2", nullptr},
      {"Option3", "", "-320545.2", "Sabato 15 Giugno 2002", nullptr},
      {"Option3", "", "-321000.0", "Lunedì 31 Dicembre 2001", nullptr},
      {"Option3", "", " 1000.0", "Lunedì 31 Dicembre 2323", nullptr},
      {"Option3", "", "56789.3", "Lunedì 15 Ottobre 2379, ore 2", nullptr},
      {"Option3", "", "-2222997.3", "Venerdì 1 Gennaio 100", nullptr},
      {"Option3", "", "abc.d", kFailed.data(), nullptr},
      {"Option3", "", "1.é", kFailed.data(), nullptr},
      {"Option3", "", "\x1b\r\n56789.3", kFailed.data(), nullptr},
      {"Option3", "", "7677000.0", kFailed.data(), nullptr},
      {"Option3", "", "-2223000.1", kFailed.data(), nullptr},
      {"Option3", "", "-2300000.0", kFailed.data(), nullptr},
      {"Option3", "", "-2323000.5", kFailed.data(), nullptr},
      {"Option3", "", "99999999999999999999999999999.5", kFailed.data(), nullptr},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(std::string(c.source) + c.target + " \"" + c.input + "\"");
    const size_t before = Boxes().size();
    ConvertWithButton(c.source, c.input, c.target);

    const std::string shown = c.shown ? c.shown : c.input;
    EXPECT_EQ(user->Text("DataSource"), shown);
    ExpectWholeInputSelected(shown);
    if (ExpectedResult(c) == kFailed) {
      ASSERT_EQ(Boxes().size(), before + 1);
      EXPECT_EQ(Boxes().back().text, kFailed);
      EXPECT_EQ(Boxes().back().title, "KestalDate");
      EXPECT_EQ(Boxes().back().icon, MsgBoxIcon::Exclamation);
      EXPECT_EQ(user->Text("VelornDate"), "");
    } else {
      EXPECT_EQ(Boxes().size(), before) << Boxes().back().title << ": " << Boxes().back().text;
      EXPECT_EQ(user->Text("VelornDate"), ExpectedResult(c));
    }
    EXPECT_TRUE(user->Visible()) << "no failure closes the window";
  }
}

}  // namespace
}  // namespace kestal::testing
