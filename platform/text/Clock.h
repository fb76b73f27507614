#pragma once
// The system clock, local time. The real one reads the platform; tests set their own.
namespace kestal {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
  // How far local time is ahead of UTC at that local time, in minutes: it changes when daylight
  // saving time begins or ends.
  virtual int UtcOffsetMinutes(const LocalDateTime& local) const = 0;
};

// Milliseconds from now to the next local midnight (at least 1), as time really passes: a day on
// which the clocks go forward has 23 hours, one on which they go back 25.
long MillisecondsToMidnight(const Clock& clock);

}  // namespace kestal
