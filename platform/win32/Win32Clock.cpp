#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDateTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                       now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace kestal::win32
