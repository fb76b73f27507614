#pragma once
// Time as the machine keeps it: the headless clock, an instant shown in Central European time,
// and the milliseconds that really pass, which timers count. Setting the clock moves the first
// only; sleep moves the wall clock while the timers' count stands.
#include "platform/headless/Headless.h"

namespace kestal::fuzzing {

class PassingTime {
 public:
  PassingTime(headless::ManualClock& clock, const LocalDateTime& local);

  LocalDateTime Local() const { return clock_.Now(); }
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
  headless::ManualClock& clock_;
  long long ticks_ = 0;
};

}  // namespace kestal::fuzzing
