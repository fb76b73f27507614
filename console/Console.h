#pragma once
// The console converter, kestaldate, whole: given its command line, its three streams and what
// the system says of today, it writes its lines and gives its exit status: 0 when all went
// well, 1 when an input could not be converted (or a stream failed), 2 for a command line it
// does not understand.
#include <span>
#include <string>

#include "console/Streams.h"
#include "services/Clock.h"

namespace kestal {

struct ConsoleSystem {
  ByteSource& input;
  ByteSink& output;
  ByteSink& errors;
  const Clock& clock;
  // The convention of today's stardate without an option: the tooltip's on Windows.
  bool todayNextGeneration = false;
};

// `words`: the command line without the program's name.
int RunConsole(std::span<const std::string> words, ConsoleSystem& system);

}  // namespace kestal
