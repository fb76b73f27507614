#pragma once
// UTF-8 <-> wide strings at the Win32 calls.
#include <string>
#include <string_view>

#include "forms/Geometry.h"
#include "text/WideText.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 units");

inline std::wstring Wide(std::string_view text) {
  const std::u16string units = Utf8ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

// The same units, as the portable code takes them.
inline std::u16string_view Units(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::string Narrow(std::wstring_view text) {
  return Utf16ToUtf8(Units(text));
}

// Text with every CR, CR LF and LF breaking the line, for DrawText and MessageBox.
inline std::wstring WideWithLineBreaks(std::string_view text) {
  const std::u16string units = NormaliseLineBreaks(Utf8ToUtf16(text));
  return std::wstring(units.begin(), units.end());
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

inline COLORREF ToColorRef(Color color) {
  return RGB(color.r, color.g, color.b);
}
inline Color FromColorRef(COLORREF c) {
  return Color{GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace kestal::win32
