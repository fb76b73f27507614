#pragma once
#include <cstdint>

namespace kestal {

// A platform window handle, as a number; 0 is none.
using WindowHandle = std::uintptr_t;

}  // namespace kestal
