#include "services/Clock.h"

#include <chrono>

namespace kestal {
namespace {

namespace chr = std::chrono;

constexpr long long kDayMs = 86'400'000;

}  // namespace

long long WallMilliseconds(const LocalDateTime& time) {
  const chr::sys_days day = chr::year(time.year) / time.month / time.day;
  return day.time_since_epoch().count() * kDayMs +
         ((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

LocalDateTime WallTime(long long milliseconds) {
  const chr::sys_time<chr::milliseconds> wall{chr::milliseconds(milliseconds)};
  const chr::sys_days day = chr::floor<chr::days>(wall);
  const chr::year_month_day date(day);
  const long long inDay = (wall - day).count();
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(inDay / 3'600'000),
          static_cast<int>(inDay / 60'000 % 60),
          static_cast<int>(inDay / 1000 % 60),
          static_cast<int>(inDay % 1000)};
}

CivilDate Today(const Clock& clock) {
  const LocalDateTime now = clock.Now();
  return {now.year, now.month, now.day};
}

}  // namespace kestal
