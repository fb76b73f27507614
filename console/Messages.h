#pragma once
// The lines the console writes on standard error, in Italian, each naming what it concerns.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestal {

// The input between quotes as a message shows it: its first 60 characters, and each control
// character or byte that is no UTF-8 as U+FFFD, so that nothing reaches the terminal that it
// would act on.
std::string QuotedInput(std::string_view text);

// "kestaldate: "abc": message" for a word of the command line.
std::string InputMessage(std::string_view input, std::string_view message);
// "kestaldate: riga 3: "abc": message" for a line of the standard input.
std::string LineMessage(std::uint64_t line, std::string_view input, std::string_view message);
// A command line it does not understand: what is wrong with which word, and where the help is.
std::string UsageMessage(std::string_view fault);
// "kestaldate: what", for what concerns no input: a stream that failed, today's stardate.
std::string ProgramMessage(std::string_view what);

}  // namespace kestal
