// The whole program on the headless platform, worked by the sequence of user and system actions
// the bytes decode to (fuzz/program/Actions.h); after each action the checks of what must always
// hold. With KESTAL_FUZZ_TRACE set, every action is printed as it is played.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/program/ProgramPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* const trace = std::getenv("KESTAL_FUZZ_TRACE") ? stderr : nullptr;
  kestal::fuzzing::PlayProgram(data, size, trace);
  return 0;
}
