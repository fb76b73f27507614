#include <algorithm>
#include <chrono>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

namespace chr = std::chrono;

constexpr long long kMinuteMs = 60'000;
constexpr long long kHourMs = 60 * kMinuteMs;
// Every zone's offset lies within a day of UTC, and no zone changes twice within a day: around
// a wall-clock time, these instants see every offset it may have.
constexpr long long kAround = 26 * kHourMs;

Instant LastSundayAtOneUtc(int year, unsigned month) {
  const chr::sys_days day = chr::year(year) / chr::month(month) / chr::Sunday[chr::last];
  return day.time_since_epoch().count() * 24 * kHourMs + kHourMs;
}

}  // namespace

LocalDateTime ManualClock::LocalTimeAt(Instant instant) const {
  return WallTime(instant + utcOffset(instant) * kMinuteMs);
}

void ManualClock::SetLocal(const LocalDateTime& local) {
  const long long wall = WallMilliseconds(local);
  const int before = utcOffset(wall - kAround);
  bool found = false;
  for (const int offset : {before, utcOffset(wall), utcOffset(wall + kAround)}) {
    const Instant instant = wall - offset * kMinuteMs;
    if (utcOffset(instant) != offset) continue;
    now = found ? std::min(now, instant) : instant;
    found = true;
  }
  if (!found) now = wall - before * kMinuteMs;
}

int CentralEuropeanOffset(Instant utc) {
  const int year = static_cast<int>(WallTime(utc).year);
  return utc >= LastSundayAtOneUtc(year, 3) && utc < LastSundayAtOneUtc(year, 10) ? 120 : 60;
}

}  // namespace kestal::headless
