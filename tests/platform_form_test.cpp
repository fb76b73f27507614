#include <gtest/gtest.h>

#include "forms/FormSlot.h"
#include "forms/Geometry.h"

namespace kestal {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    long expected;
  } cases[] = {{985.5, 986}, {984.5, 984}, {347.5, 348}, {348.4, 348},
               {-0.5, 0},    {-1.5, -2},   {2.6, 3}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace kestal
