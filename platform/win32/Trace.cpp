#include "platform/win32/Trace.h"

#include <string>

namespace kestal::win32 {

namespace {

void Write(const wchar_t* what, const wchar_t* detail) {
  std::wstring line = L"KestalDate: ";
  line += what;
  line += detail;
  line += L'\n';
  OutputDebugStringW(line.c_str());
}

}  // namespace

void TraceFailure(const wchar_t* what) {
  // The decimal digits by hand: the wide formatting of the C library would double its size.
  DWORD error = GetLastError();
  wchar_t digits[16];
  wchar_t* at = digits + 15;
  *at = L'\0';
  do {
    *--at = static_cast<wchar_t>(L'0' + error % 10);
    error /= 10;
  } while (error != 0);
  Write(what, (std::wstring(L" (error ") + at + L")").c_str());
}

void Trace(const wchar_t* what) {
  Write(what, L"");
}

}  // namespace kestal::win32
