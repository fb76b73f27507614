#include <gtest/gtest.h>

#include <string>

#include "forms/TextFit.h"

namespace kestal {
namespace {

// A measurer of our own: each character is half the font's height wide, on one line.
auto OneLine(const std::string& text, int boxWidth) {
  return [=](int height) { return static_cast<int>(text.size()) * height / 2 <= boxWidth; };
}

TEST(TextFit, TooLongATextIsSteppedDownToTheLargestSizeThatFits) {
  const struct {
    const char* what;
    std::string text;
    int boxWidth, designed, floor, expected;
  } cases[] = {
      {"fits as designed: untouched", "Kestal", 100, 24, 8, 24},
      {"fits exactly at the designed size", "Kestal", 72, 24, 8, 24},
      {"one pixel too wide", "Kestal", 71, 24, 8, 23},
      {"the largest of the sizes that fit", "Kestal Date", 116, 24, 8, 21},
      {"nothing fits: the floor holds", "Kestal Date - Convenzioni adottate", 40, 24, 8, 8},
      {"a design below the floor is kept", "Kestal", 10, 6, 8, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FittedHeight(c.designed, c.floor, OneLine(c.text, c.boxWidth)), c.expected) << c.what;
  }
}

TEST(TextFit, TheFloorIsAboutSixPointsAtEveryDensity) {
  const struct {
    int dpi, floor, eightPoints;
  } cases[] = {{96, 8, 11}, {120, 10, 13}, {144, 12, 16}, {192, 16, 21}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadableFloorPixels(c.dpi), c.floor) << c.dpi;
    EXPECT_EQ(PointsToPixels(8, c.dpi), c.eightPoints) << c.dpi;
  }
}

}  // namespace
}  // namespace kestal
