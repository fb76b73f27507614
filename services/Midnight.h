#pragma once
// When the day changes: the wait for the tray's tooltip to follow the calendar.
#include "services/Clock.h"

namespace kestal {

// Milliseconds from now to the next local midnight: the first instant whose local date is no
// longer today's (a midnight the clocks repeat counts at its first coming, one they skip at the
// instant the new day begins). At least 1.
long MillisecondsToMidnight(const Clock& clock);

}  // namespace kestal
