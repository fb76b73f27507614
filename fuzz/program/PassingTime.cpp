#include "fuzz/program/PassingTime.h"

#include <algorithm>

namespace kestal::fuzzing {
namespace {

constexpr long long kMinuteMs = 60'000;
constexpr long long kDayMs = 86'400'000;

// The first and last moments the machine's clock shows, both in winter time.
const Instant kFirst = WallMilliseconds({1601, 1, 1, 0, 0, 0, 0}) - 60 * kMinuteMs;
const Instant kLast = WallMilliseconds({9999, 12, 31, 23, 59, 59, 999}) - 60 * kMinuteMs;

}  // namespace

PassingTime::PassingTime(headless::ManualClock& clock, const LocalDateTime& local) : clock_(clock) {
  clock_.utcOffset = headless::CentralEuropeanOffset;
  SetLocal(local);
}

void PassingTime::SetLocal(const LocalDateTime& local) {
  clock_.SetLocal(local);
  clock_.now = std::clamp(clock_.now, kFirst, kLast);
}

void PassingTime::MoveClock(long long milliseconds) {
  clock_.now = std::clamp(clock_.now + milliseconds, kFirst, kLast);
}

void PassingTime::Pass(long long milliseconds) {
  const long long step = std::clamp(milliseconds, 0LL, Left());
  clock_.now += step;
  ticks_ += step;
}

long long PassingTime::Left() const {
  return kLast - clock_.now;
}

// In Central European time midnight is never skipped nor repeated: the next one is tomorrow's
// 0:00 in winter or in summer time, whichever the zone has then.
long long PassingTime::ToNextMidnight() const {
  const LocalDateTime now = Local();
  const long long midnight = WallMilliseconds({now.year, now.month, now.day}) + kDayMs;
  for (const int offset : {60, 120}) {
    const Instant instant = midnight - offset * kMinuteMs;
    if (headless::CentralEuropeanOffset(instant) == offset) return instant - clock_.now;
  }
  return midnight - 60 * kMinuteMs - clock_.now;
}

}  // namespace kestal::fuzzing
