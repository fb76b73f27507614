#pragma once
// The system's clock and time zone on a POSIX system.
#include "services/Clock.h"

namespace kestal::posix {

class SystemClock : public Clock {
 public:
  Instant NowUtc() const override;
  LocalDateTime LocalTimeAt(Instant instant) const override;
};

}  // namespace kestal::posix
