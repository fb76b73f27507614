#pragma once
#include <cstdint>

namespace kestal {

// A platform window or icon handle, as a number; 0 is none.
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

}  // namespace kestal
