#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "text/CaseMapping.h"
#include "text/DateText.h"
#include "text/NumberText.h"

namespace kestal {
namespace {

TEST(InvariantNumberText, BlankOrMinusDigitsAndPointOnlyForAFraction) {
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
      {0.05, " 0.05"},
      {0.1 + 0.2, " 0.3"},
      {7677000.0, " 7677000"},
      {-2222997.3, "-2222997.3"},
      {1e20, " 100000000000000000000"},
      {123456789012345678.0, " 123456789012346000"},
      {1.0 / 3, " 0.333333333333333"},
      {2.0 / 3 * 1000, " 666.666666666667"},
      {1234567.891, " 1234567.891"},
      // Exact halves at the sixteenth digit round to the even digit.
      {100000000000000.5, " 100000000000000"},
      {100000000000001.5, " 100000000000002"},
      {999999999999999.5, " 1000000000000000"},
      {0.00001, " 0.00001"},
  };
  for (const auto& c : cases) EXPECT_EQ(InvariantNumberText(c.value), c.text) << c.text;
  // The ends of the double range: 15 digits, then zeros up to the point or after it.
  EXPECT_EQ(InvariantNumberText(1.7976931348623157e308),
            " 179769313486232" + std::string(294, '0'));
  EXPECT_EQ(InvariantNumberText(-5e-324), "-0." + std::string(323, '0') + "494065645841247");
  EXPECT_EQ(InvariantNumberText(1e-7 / 3), " 0.0000000333333333333333");
}

TEST(LeadingNumber, TheNumberThatBeginsTheText) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12", 12},
      {" 06", 6},
      {"\t7", 7},
      {"6x", 6},
      {"x6", 0},
      {"", 0},
      {"-3.5abc", -3.5},
      {"1,5", 1},
      {".5", 0.5},
      {"+2", 2},
      {"1e3", 1},
      {"inf", 0},
      {"nan", 0},
      {"0x10", 0},
      {"  -", 0},
      {"3.", 3},
      {"1.2.3", 1.2},
      {"-.", 0},
      {"- 1", 0},
      {"12/", 12},
      {"00", 0},
      {"31", 31},
      {"1 2", 1},
      {"0.00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "00000000000000000000000000000000000000"
       "1",
       0},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), INFINITY);
  EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -INFINITY);
}

TEST(ReadNumber, DecimalDigitsOnly) {
  const struct {
    const char* text;
    double value;
  } accepted[] = {
      {"1,5", 1.5},
      {"1.5", 1.5},
      {" -2 ", -2},
      {",3", 0.3},
      {"3,", 3},
      {"+4", 4},
      {"-320545,2", -320545.2},
      {"0", 0},
      {"007", 7},
      {"1163.9", 1163.9},
  };
  for (const auto& c : accepted) EXPECT_EQ(TryReadNumber(c.text), c.value) << c.text;
  const char* rejected[] = {"inf",  "nan",   "-inf",  "infinity", "0x1p3",   "0x10",
                            "1e5",  "1E5",   "1e999", "1.000,5",  "1,000.5", "",
                            " ",    ",",     "-",     "1 2",      "--1",     "1,5,",
                            "1.5.", "1_000", "١",     "½"};
  for (const char* text : rejected) EXPECT_FALSE(TryReadNumber(text).has_value()) << text;
  EXPECT_FALSE(TryReadNumber(std::string(400, '9')).has_value());
  EXPECT_EQ(TryReadNumber("0," + std::string(400, '0') + "1"), 0.0);
}

TEST(ReadNumber, ManyDigitsGiveTheNearestDouble) {
  // Halfway between 0.1 and the next double up.
  const std::string half = "0.100000000000000012490009027033011079765856266021728515625";
  // Halfway between the largest double and 2^1024.
  const std::string top =
      "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017"
      "977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273"
      "854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704"
      "342711559699508093042880177904174497792";
  const struct {
    std::string text;
    std::optional<double> value;
  } cases[] = {
      {"9007199254740993", 9007199254740992.0},  // halfway: to the even neighbour
      {"9007199254740995", 9007199254740996.0},
      {"9007199254740993.0000000000000000000001", 9007199254740994.0},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {half, 0.1},
      {half + std::string(800, '0') + "1", 0.10000000000000002},  // decided past 800 digits
      {"-" + half + "1", -0.10000000000000002},
      {top, std::nullopt},  // halfway rounds to the even 2^1024: too large
      {"0" + top.substr(0, top.size() - 1) + "1.9", 1.7976931348623157e308},
      {"0." + std::string(307, '0') + "22250738585072014", 2.2250738585072014e-308},
      {"0." + std::string(307, '0') + "2225073858507201", 0.0},  // below the smallest normal
  };
  for (const auto& c : cases) EXPECT_EQ(TryReadPointNumber(c.text), c.value) << c.text;
}

TEST(WholeNumberText, EveryDigitOfTheWholeNumber) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {31, "31"},
      {-5, "-5"},
      {2.5, "2"},
      {3.5, "4"},
      {1e20, "100000000000000000000"},
      {0x1p70, "1180591620717411303424"},
      {-1e23, "-99999999999999991611392"},
      {1.7976931348623157e308,
       "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558"
       "632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245"
       "490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168"
       "738177180919299881250404026184124858368"},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumberText(c.value), c.text) << c.text;
}

TEST(ReadNumber, PointReadingTakesOnlyThePoint) {
  EXPECT_EQ(TryReadPointNumber("-320545.2"), -320545.2);
  EXPECT_EQ(TryReadPointNumber(" 56789.3 "), 56789.3);
  for (const char* text : {"1,5", "1,5.0", "inf.0", "nan.0", "0x1p3.0", "1e999.0", "1.2.3"}) {
    EXPECT_FALSE(TryReadPointNumber(text).has_value()) << text;
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
