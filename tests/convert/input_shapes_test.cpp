// Which typed texts the window accepts for each source kind, and the message each rejected one
// gets. A rejection leaves the text exactly as typed, focused and wholly selected.
#include <string>

#include "ConversionWindowSession.h"

namespace kestal::testing {
namespace {

constexpr const char* kM1 = "Il valore immesso non è una data valida!";
constexpr const char* kM2 = "Il valore immesso non è una data Velorn valida!";
constexpr const char* kM3 =
    "Il valore immesso non è una data Velorn valida! (Le cifre dopo il punto devono essere due)";
constexpr const char* kM4 = "Il valore immesso non è una data Velorn valida! (Mese errato)";
constexpr const char* kM5 = "Il valore immesso non è una data Velorn valida! (Giorno errato)";
constexpr const char* kM6 = "Il valore immesso non è una data Velorn Next Generation valida!";
constexpr const char* kM7 =
    "Il valore immesso non è una data Velorn valida! (La cifra dopo il punto deve essere unica)";
constexpr const char* kM8 =
    "Il valore immesso non è una data Velorn Next Generation valida!(/ in eccesso)";

struct ShapeCase {
  const char* source;     // the source option chosen
  std::string input;      // pasted into the box
  const char* message;    // the rejection's message; null when the shape is accepted
  const char* rewritten;  // the box after an accepted calendar date; null: as typed
};

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

using InputShapes = ConversionWindowSession;

TEST_F(InputShapes, EachTextGetsItsMessageOrPasses) {
  const ShapeCase cases[] = {
      // Calendar dates: whatever the date reading accepts, rewritten day first.
      {"Option1", "1/2/2003", nullptr, "01/02/2003"},
      {"Option1", "1/2/2003 10:30", nullptr, "01/02/2003"},
      {"Option1", "15 giugno 2002", nullptr, "15/06/2002"},
      {"Option1", "31/12/2323", nullptr, "31/12/2323"},
      {"Option1", "abc", kM1, nullptr},
      {"Option1", "", kM1, nullptr},
      {"Option1", "31/02/2003", kM1, nullptr},
      {"Option1", "1/1/10000", kM1, nullptr},
      {"Option1", "0/0206.15", kM1, nullptr},
      {"Option1", "ééé", kM1, nullptr},
      {"Option1", Repeat("1", 32001), kM1, nullptr},
      // Classic stardates: the first "/", the point five places on, two characters after it,
      // then month before day.
      {"Option2", "0212.06", kM2, nullptr},
      {"Option2", "1/212.06", kM2, nullptr},
      {"Option2", "1/02", kM2, nullptr},
      {"Option2", "/", kM2, nullptr},
      {"Option2", "", kM2, nullptr},
      {"Option2", "15/06/2002", kM2, nullptr},
      {"Option2", "1/0212.6", kM3, nullptr},
      {"Option2", "1/0212.061", kM3, nullptr},
      {"Option2", "1/0212.", kM3, nullptr},
      {"Option2", "1/0212.06/", kM3, nullptr},
      {"Option2", "1/0213.06", kM4, nullptr},
      {"Option2", "1/0212.32", kM5, nullptr},
      {"Option2", "1/0213.32", kM4, nullptr},
      {"Option2", "1/0212.06", nullptr, nullptr},
      {"Option2", "-3/9901.31", nullptr, nullptr},
      {"Option2", "0/0200.00", nullptr, nullptr},
      {"Option2", "1/0200.00", nullptr, nullptr},
      {"Option2", "x/yy00.00", nullptr, nullptr},
      // Positions count characters: these pass only when an accented letter is one character.
      {"Option2", "1/éé12.06", nullptr, nullptr},
      {"Option2", "1/0212.0é", nullptr, nullptr},
      {"Option2", "é/0212.06", nullptr, nullptr},
      {"Option2", "1/0212.é", kM3, nullptr},
      // Pasted control characters are characters like any other.
      {"Option2", "1/02\t2.06", nullptr, nullptr},
      {"Option2", "1/0212.06\r\n", kM3, nullptr},
      {"Option2", std::string("1/0212.0\0", 9), nullptr, nullptr},
      // Too long to be typed: rejected whatever it holds.
      {"Option2", Repeat("x", 31994) + "/0212.06", kM2, nullptr},
      {"Option2", Repeat("x", 31992) + "/0212.06", nullptr, nullptr},
      {"Option2", Repeat("é", 40000), kM2, nullptr},
      // Next Generation stardates: a point, exactly one character after it, no "/".
      {"Option3", "56789", kM6, nullptr},
      {"Option3", "", kM6, nullptr},
      {"Option3", " 1000", kM6, nullptr},
      {"Option3", "56789.35", kM7, nullptr},
      {"Option3", "56789.", kM7, nullptr},
      {"Option3", ".", kM7, nullptr},
      {"Option3", "1.2.3", kM7, nullptr},
      {"Option3", "1/0212.06", kM7, nullptr},
      {"Option3", "12/34.5", kM8, nullptr},
      {"Option3", "/.5", kM8, nullptr},
      {"Option3", "56789.3", nullptr, nullptr},
      {"Option3", " 56789.3", nullptr, nullptr},
      {"Option3", "-321000.0", nullptr, nullptr},
      {"Option3", "abc.d", nullptr, nullptr},
      {"Option3", "1.é", nullptr, nullptr},
      {"Option3", "56789.😀", nullptr, nullptr},
      {"Option3", "\x1b\r\n56789.3", nullptr, nullptr},
      {"Option3", Repeat("x", 31999) + ".5", kM6, nullptr},
      {"Option3", Repeat("x", 31998) + ".5", nullptr, nullptr},
      {"Option3", Repeat("😀", 50000) + ".5", kM6, nullptr},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " \"" + c.input.substr(0, 40) + "\" (" +
                 std::to_string(c.input.size()) + " bytes)");
    hp.log.Clear();
    ConvertWithEnter(c.source, c.input);

    std::vector<headless::MessageBoxRecord> shapeBoxes;
    for (const auto& box : Boxes()) {
      if (box.title == "datasource.text") shapeBoxes.push_back(box);
    }
    if (c.message == nullptr) {
      EXPECT_TRUE(shapeBoxes.empty()) << shapeBoxes.front().text;
      EXPECT_EQ(user->Text("DataSource"), c.rewritten ? c.rewritten : c.input);
      continue;
    }
    ASSERT_EQ(shapeBoxes.size(), 1u);
    EXPECT_EQ(Boxes().size(), 1u) << "nothing is converted after a rejection";
    EXPECT_EQ(shapeBoxes[0].text, c.message);
    EXPECT_EQ(shapeBoxes[0].icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(user->Text("DataSource"), c.input);
    EXPECT_EQ(user->Text("VelornDate"), "");
    ExpectWholeInputSelected(c.input);
  }
}

}  // namespace
}  // namespace kestal::testing
