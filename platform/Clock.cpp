#include "platform/Clock.h"

namespace kestal {

long MillisecondsToMidnight(const LocalDateTime& now) {
  const long elapsed = ((now.hour * 60L + now.minute) * 60L + now.second) * 1000L + now.millisecond;
  const long left = 24L * 60 * 60 * 1000 - elapsed;
  return left > 0 ? left : 1;
}

}  // namespace kestal
