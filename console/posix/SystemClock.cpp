#include "console/posix/SystemClock.h"

#include <chrono>
#include <ctime>

namespace kestal::posix {

Instant SystemClock::NowUtc() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

LocalDateTime SystemClock::LocalTimeAt(Instant instant) const {
  // Whole seconds, rounded down for instants before 1970 too.
  const Instant seconds = instant / 1000 - (instant % 1000 < 0 ? 1 : 0);
  const auto milliseconds = static_cast<int>(instant - seconds * 1000);
  const auto time = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (!localtime_r(&time, &local)) return WallTime(instant);  // beyond what the system converts
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
          local.tm_min,         local.tm_sec,     milliseconds};
}

}  // namespace kestal::posix
