// kestaldate on Linux and other POSIX systems: today's stardate is classic, there being no
// tooltip setting to follow.
#include <string>
#include <vector>

#include "console/Console.h"
#include "console/posix/FileStreams.h"
#include "console/posix/SystemClock.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  kestal::posix::FileSource input(0);
  kestal::posix::FileSink output(1), errors(2);
  const kestal::posix::SystemClock clock;
  kestal::ConsoleSystem system{input, output, errors, clock, false};
  return kestal::RunConsole(words, system);
}
