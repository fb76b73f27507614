#include "forms/Geometry.h"

#include <cmath>

namespace kestal {

long RoundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which is to-nearest-even unless changed.
  return static_cast<long>(std::nearbyint(value));
}

}  // namespace kestal
