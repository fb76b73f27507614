#pragma once
// Time as the machine keeps it: the universal time the wall clock shows in Central European time
// (daylight saving from the last Sunday of March at 2:00 to the last Sunday of October at 3:00),
// and the milliseconds that really pass, which timers count. Setting the clock moves the first
// only; sleep moves the wall clock while the timers' count stands.
#include "platform/text/Clock.h"

namespace kestal::fuzzing {

// Minutes that Central European local time is ahead of UTC at that local time.
int CentralEuropeanOffset(const LocalDateTime& local);

class PassingTime {
 public:
  explicit PassingTime(const LocalDateTime& local) { SetLocal(local); }

  LocalDateTime Local() const;
  long long Ticks() const { return ticks_; }
  // The user sets the clock.
  void SetLocal(const LocalDateTime& local);
  void MoveClock(long long milliseconds);
  // Time passes: the wall clock and the timers' count move on together.
  void Pass(long long milliseconds);
  // The most that can pass before the calendar's last day ends.
  long long Left() const;
  // Milliseconds to the next local midnight, as time really passes.
  long long ToNextMidnight() const;

 private:
  long long utc_ = 0;  // milliseconds since 1 January 1970, UTC
  long long ticks_ = 0;
};

}  // namespace kestal::fuzzing
