#pragma once
// What the command line asks for: the help, the version, today's stardate, or the conversion of
// the inputs it names (or of the standard input's lines, for a single "-").
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/ConvertInput.h"

namespace kestal {

enum class Request {
  Help,
  Version,
  Today,    // in the convention stored for the tooltip
  Convert,  // `conversion` of the inputs, or of today's date when there are none
  Usage,    // a command line it does not understand: `fault` says why
};

struct CommandLine {
  Request request = Request::Today;
  Conversion conversion = Conversion::ToClassic;
  std::vector<std::string_view> inputs;
  bool standardInput = false;
  std::string fault;
};

// The words after the program's name. An option is a word of "-" and a letter, or "--" and
// more; any other word (a negative stardate too) is an input, and so is every word after "--".
CommandLine ReadCommandLine(std::span<const std::string> words);

}  // namespace kestal
