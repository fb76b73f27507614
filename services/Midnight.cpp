// The next local midnight, when today's stardate changes.
#include "services/Midnight.h"

#include <climits>

namespace kestal {
namespace {

constexpr long long kDayMs = 86'400'000;
// The clocks change months apart: the day to midnight sees one change, two in a zone that
// moves twice in a night.
constexpr int kMostChanges = 4;

bool SameDate(const LocalDateTime& a, const LocalDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

// Measured between instants: the wall clock's midnight is found by the offset that holds at it,
// never by the offset of a local time, which the clocks may have shown twice.
long MillisecondsToMidnight(const Clock& clock) {
  const Instant now = clock.NowUtc();
  const LocalDateTime today = clock.LocalTimeAt(now);
  const long long midnight = WallMilliseconds({today.year, today.month, today.day}) + kDayMs;
  // How far the wall clock is ahead of UTC at an instant.
  const auto ahead = [&clock](Instant t) { return WallMilliseconds(clock.LocalTimeAt(t)) - t; };
  Instant from = now;  // still today
  Instant next = midnight - ahead(now);
  for (int change = 0; change < kMostChanges; ++change) {
    const long long offset = ahead(from);
    // Midnight comes here, unless the clocks change before it.
    next = midnight - offset;
    if (ahead(next) == offset) break;
    // They do: the first instant after the change lies between `from` and `next`.
    Instant before = from, after = next;
    while (after - before > 1) {
      const Instant middle = before + (after - before) / 2;
      (ahead(middle) == offset ? before : after) = middle;
    }
    next = after;
    // A change that jumps over midnight begins the new day itself.
    if (!SameDate(clock.LocalTimeAt(after), today)) break;
    from = after;
  }
  const long long wait = next - now;
  return wait < 1 ? 1 : wait > LONG_MAX ? LONG_MAX : static_cast<long>(wait);
}

}  // namespace kestal
