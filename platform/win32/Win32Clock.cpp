#include "platform/win32/Win32Services.h"

namespace kestal::win32 {
namespace {

// FILETIME counts 100-nanosecond ticks since 1 January 1601, UTC.
constexpr long long kTicksPerMs = 10'000;
constexpr long long kMsFrom1601To1970 = 11'644'473'600'000LL;
// Far enough for any clock (the year 30000), near enough that the ticks fit their 64 bits.
constexpr long long kLastMs = 884'000'000'000'000LL;

LocalDateTime FromSystemTime(const SYSTEMTIME& time) {
  return {time.wYear,   time.wMonth,  time.wDay,         time.wHour,
          time.wMinute, time.wSecond, time.wMilliseconds};
}

// The local time of a UTC time by the zone's rules for its year (the rules of the present year
// alone may be wrong for another), else by the zone's present rules.
bool ToLocal(const SYSTEMTIME& utc, SYSTEMTIME& local) {
  DYNAMIC_TIME_ZONE_INFORMATION zone{};
  TIME_ZONE_INFORMATION ofYear{};
  if (GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID &&
      GetTimeZoneInformationForYear(utc.wYear, &zone, &ofYear) &&
      SystemTimeToTzSpecificLocalTime(&ofYear, &utc, &local)) {
    return true;
  }
  return SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) != FALSE;
}

}  // namespace

Instant Win32Clock::NowUtc() const {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto ticks = static_cast<long long>(
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return ticks / kTicksPerMs - kMsFrom1601To1970;
}

LocalDateTime Win32Clock::LocalTimeAt(Instant instant) const {
  SYSTEMTIME utc{}, local{};
  if (instant >= -kMsFrom1601To1970 && instant < kLastMs) {
    const auto unsignedTicks =
        static_cast<unsigned long long>((instant + kMsFrom1601To1970) * kTicksPerMs);
    const FILETIME file{static_cast<DWORD>(unsignedTicks & 0xFFFFFFFFu),
                        static_cast<DWORD>(unsignedTicks >> 32)};
    if (FileTimeToSystemTime(&file, &utc) && ToLocal(utc, local)) return FromSystemTime(local);
  }
  // Outside what the system can convert: the time in UTC.
  return WallTime(instant);
}

}  // namespace kestal::win32
