#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDateTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                       now.wMinute, now.wSecond, now.wMilliseconds};
}

int Win32Clock::UtcOffsetMinutes(const LocalDateTime& local) const {
  SYSTEMTIME localTime{};
  localTime.wYear = static_cast<WORD>(local.year);
  localTime.wMonth = static_cast<WORD>(local.month);
  localTime.wDay = static_cast<WORD>(local.day);
  localTime.wHour = static_cast<WORD>(local.hour);
  localTime.wMinute = static_cast<WORD>(local.minute);
  localTime.wSecond = static_cast<WORD>(local.second);
  SYSTEMTIME utc{};
  FILETIME localFile{}, utcFile{};
  // The time zone's own rules for that day, daylight saving time included.
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc) ||
      !SystemTimeToFileTime(&localTime, &localFile) || !SystemTimeToFileTime(&utc, &utcFile)) {
    return 0;
  }
  const auto ticks = [](const FILETIME& t) {
    return static_cast<long long>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                  t.dwLowDateTime);
  };
  return static_cast<int>((ticks(localFile) - ticks(utcFile)) / (10'000'000LL * 60));
}

}  // namespace kestal::win32
