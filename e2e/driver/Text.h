#pragma once
// UTF-8 inside the driver, UTF-16 at the Win32 calls.
#include <string>
#include <string_view>

namespace e2e {

std::string ToUtf8(std::wstring_view text);
std::wstring ToWide(std::string_view text);

}  // namespace e2e
