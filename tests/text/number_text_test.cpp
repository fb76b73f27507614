#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "text/CaseMapping.h"
#include "text/Failure.h"
#include "text/NumberText.h"

namespace kestal {
namespace {

TEST(StardateNumberText, BlankOrMinusDigitsAndPointOnlyForATenth) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {1163.9, " 1163.9"},
      {-320545.2, "-320545.2"},
      {-321000.0, "-321000"},
      {1000.0, " 1000"},
      {0.0, " 0"},
      {-0.0, " 0"},
      {2.7, " 2.7"},
      {-2.7, "-2.7"},
      {0.1 + 0.2, " 0.3"},
      {7677000.0, " 7677000"},
      {-2222997.3, "-2222997.3"},
      {9999999.9, " 9999999.9"},
      {-0.04, " 0"},
      {1234.56, " 1234.6"},
  };
  for (const auto& c : cases) EXPECT_EQ(StardateNumberText(c.value), c.text) << c.text;
  for (const double outside : {1e7, -1e7, 1e20, double{NAN}, double{INFINITY}}) {
    EXPECT_THROW(StardateNumberText(outside), Failure) << outside;
  }
}

TEST(ReadNumber, TheFormsThatAreReadAndNoOthers) {
  const struct {
    const char* text;
    std::optional<double> point;       // ReadPointNumber
    std::optional<std::string> whole;  // ReadWholeNumber
    double leading;                    // LeadingNumber
  } cases[] = {
      {"-320545.2", -320545.2, std::nullopt, -320545.2},
      {" 56789.3 ", 56789.3, std::nullopt, 56789.3},
      {"1000.", 1000, "1000", 1000},
      {"+1000.0", 1000, "1000", 1000},
      {"-320545.20000", -320545.2, std::nullopt, -320545.2},
      {"0.0", 0, "0", 0},
      {"007", 7, "7", 7},
      {" -1 ", -1, "-1", -1},
      {"-0", -0.0, "0", -0.0},
      {"3,0", std::nullopt, "3", 3},
      {",0", std::nullopt, "0", 0},
      {"1,5", std::nullopt, std::nullopt, 1},
      {"0.5", 0.5, std::nullopt, 0.5},
      {".5", 0.5, std::nullopt, 0.5},
      {"12345678901234567890", std::nullopt, "12345678901234567890", HUGE_VAL},
      {"123456789012345.6", std::nullopt, std::nullopt, HUGE_VAL},
      {"99999999999999.9", 99999999999999.9, std::nullopt, 99999999999999.9},
      {"6x", std::nullopt, std::nullopt, 6},
      {"x6", std::nullopt, std::nullopt, 0},
      {"", std::nullopt, std::nullopt, 0},
      {"  -", std::nullopt, std::nullopt, 0},
      {"- 1", std::nullopt, std::nullopt, 0},
      {"1e3", std::nullopt, std::nullopt, 1},
      {"1.2.3", std::nullopt, std::nullopt, 1.2},
      {"1 2", std::nullopt, std::nullopt, 1},
      {"inf", std::nullopt, std::nullopt, 0},
      {"nan.0", std::nullopt, std::nullopt, 0},
      {"0x10", std::nullopt, std::nullopt, 0},
      {"--1", std::nullopt, std::nullopt, 0},
      {"١", std::nullopt, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadPointNumber(c.text), c.point) << c.text;
    EXPECT_EQ(ReadWholeNumber(c.text), c.whole) << c.text;
    EXPECT_EQ(LeadingNumber(c.text), c.leading) << c.text;
  }
}

TEST(UpperCaseChar, AccentedLettersIncluded) {
  const struct {
    char32_t c, upper;
  } cases[] = {
      {U'a', U'A'}, {U'z', U'Z'}, {U'A', U'A'}, {U'1', U'1'}, {U'ì', U'Ì'}, {U'Ì', U'Ì'},
      {U'é', U'É'}, {U'à', U'À'}, {U'þ', U'Þ'}, {U'ÿ', U'Ÿ'}, {U'µ', U'Μ'}, {U'ß', U'ß'},
      {U'×', U'×'}, {U'÷', U'÷'}, {U'ā', U'Ā'}, {U'Ā', U'Ā'}, {U'ı', U'I'}, {U'ł', U'Ł'},
      {U'Ł', U'Ł'}, {U'ž', U'Ž'}, {U'ŉ', U'ŉ'}, {U'ĸ', U'ĸ'}, {U'ſ', U'S'}, {U'ő', U'Ő'},
      {U'α', U'Α'}, {U'ω', U'Ω'}, {U'ς', U'Σ'}, {U'ά', U'Ά'}, {U'ί', U'Ί'}, {U'ώ', U'Ώ'},
      {U'ϊ', U'Ϊ'}, {U'я', U'Я'}, {U'ё', U'Ё'}, {U'ѣ', U'Ѣ'}, {U'ӂ', U'Ӂ'}, {U'ӏ', U'Ӏ'},
      {U'ә', U'Ә'}, {U'ẽ', U'Ẽ'}, {U'ḁ', U'Ḁ'}, {U'😀', U'😀'}, {U'ь', U'Ь'},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UpperCaseChar(c.c), c.upper) << std::hex << static_cast<unsigned>(c.c);
}

}  // namespace
}  // namespace kestal
