#pragma once
// The system clock: the present instant, and what the wall clock shows at any instant. The real
// one reads the platform; tests and the fuzz target keep time of their own.
#include "text/CivilDate.h"

namespace kestal {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// An instant: milliseconds since 1 January 1970, 00:00 UTC.
using Instant = long long;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Instant NowUtc() const = 0;
  // The wall clock at that instant, by the time zone's rules for that day. Only this way round
  // is a function: a local time in an hour the clocks repeat was shown at two instants, one in
  // an hour they skip at none.
  virtual LocalDateTime LocalTimeAt(Instant instant) const = 0;
  LocalDateTime Now() const { return LocalTimeAt(NowUtc()); }
};

// A wall-clock time as milliseconds since 1 January 1970, 00:00, every day 24 hours long (the
// scale of Instant, without a time zone), and back.
long long WallMilliseconds(const LocalDateTime& time);
LocalDateTime WallTime(long long milliseconds);

// Today's date from the clock, without the time of day.
CivilDate Today(const Clock& clock);

}  // namespace kestal
