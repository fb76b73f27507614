#include "platform/text/Clock.h"

#include "platform/text/CivilDate.h"

namespace kestal {

long MillisecondsToMidnight(const Clock& clock) {
  const LocalDateTime now = clock.Now();
  const long elapsed = ((now.hour * 60L + now.minute) * 60L + now.second) * 1000L + now.millisecond;
  long left = 24L * 60 * 60 * 1000 - elapsed;  // by the wall clock
  try {
    const CivilDate next = MakeDate(now.year, now.month, now.day + 1);
    const LocalDateTime midnight{next.year, next.month, next.day, 0, 0, 0, 0};
    // An hour that the clocks skip is not waited for; one they repeat is waited for twice.
    left -= (clock.UtcOffsetMinutes(midnight) - clock.UtcOffsetMinutes(now)) * 60L * 1000L;
  } catch (const DateError&) {
    // The last day of year 9999: no day after it, the wall clock's count stands.
  }
  return left > 0 ? left : 1;
}

}  // namespace kestal
