#include "platform/win32/Trace.h"

#include <string>

namespace kestal::win32 {

void TraceFailure(const wchar_t* what) {
  const DWORD error = GetLastError();
  const std::wstring line =
      std::wstring(L"KestalDate: ") + what + L" (error " + std::to_wstring(error) + L")\n";
  OutputDebugStringW(line.c_str());
}

void Trace(const wchar_t* what) {
  const std::wstring line = std::wstring(L"KestalDate: ") + what + L"\n";
  OutputDebugStringW(line.c_str());
}

}  // namespace kestal::win32
