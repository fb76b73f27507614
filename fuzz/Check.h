#pragma once
// A fuzz target's check: one that fails aborts, and libFuzzer keeps the input that made it fail.
#include <cstdlib>

#define CHECK(condition) \
  if (!(condition)) std::abort()
