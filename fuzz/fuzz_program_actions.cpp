// The whole program on the headless platform, worked by the sequence of user and system actions
// the bytes decode to (fuzz/program/Actions.h); after each action the checks of what must always
// hold. With KESTAL_FUZZ_TRACE set, every action is printed as it is played.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/program/ProgramPlayer.h"

// AddressSanitizer holds freed memory back for 256 MB by default before it reuses it: a whole
// program started and ended for every input cycles through that quickly, and it made most of
// the fuzzer's memory. A use after free is still caught while 32 MB of later frees go by, far
// more than one input frees.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=32";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* const trace = std::getenv("KESTAL_FUZZ_TRACE") ? stderr : nullptr;
  kestal::fuzzing::PlayProgram(data, size, trace);
  return 0;
}
