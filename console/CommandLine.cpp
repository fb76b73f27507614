#include "console/CommandLine.h"

#include <optional>

#include "console/Messages.h"

namespace kestal {
namespace {

struct Option {
  std::string_view shortName, longName;
  Request request;
  Conversion conversion;
};

constexpr Option kOptions[] = {
    {"-c", "--classic", Request::Convert, Conversion::ToClassic},
    {"-n", "--ng", Request::Convert, Conversion::ToNextGeneration},
    {"-d", "--date", Request::Convert, Conversion::ToDate},
    {"-h", "--help", Request::Help, Conversion::ToClassic},
    {"", "--version", Request::Version, Conversion::ToClassic},
};

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool LooksLikeOption(std::string_view word) {
  return word.size() >= 2 && word[0] == '-' && (word[1] == '-' || IsLetter(word[1]));
}

const Option* FindOption(std::string_view word) {
  for (const Option& option : kOptions) {
    if (word == option.shortName || word == option.longName) return &option;
  }
  return nullptr;
}

CommandLine Usage(std::string fault) {
  CommandLine line;
  line.request = Request::Usage;
  line.fault = std::move(fault);
  return line;
}

}  // namespace

CommandLine ReadCommandLine(std::span<const std::string> words) {
  CommandLine line;
  std::optional<std::string_view> modeWord;  // the option that chose the conversion
  bool optionsEnded = false;
  for (const std::string& word : words) {
    if (word == "-") {
      if (line.standardInput || !line.inputs.empty()) {
        return Usage("\"-\" va da solo, al posto delle date");
      }
      line.standardInput = true;
    } else if (!optionsEnded && word == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && LooksLikeOption(word)) {
      const Option* option = FindOption(word);
      if (!option) return Usage("opzione sconosciuta " + QuotedInput(word));
      if (option->request != Request::Convert) {
        line.request = option->request;
        return line;
      }
      if (modeWord && line.conversion != option->conversion) {
        return Usage(QuotedInput(word) + " dopo " + QuotedInput(*modeWord) +
                     ": un comando alla volta");
      }
      modeWord = word;
      line.conversion = option->conversion;
    } else {
      if (line.standardInput) return Usage("\"-\" va da solo, al posto delle date");
      line.inputs.push_back(word);
    }
  }
  const bool anyInput = line.standardInput || !line.inputs.empty();
  if (!modeWord) {
    if (!anyInput) return line;  // today's stardate
    const std::string_view first = line.inputs.empty() ? "-" : line.inputs.front();
    return Usage(QuotedInput(first) + " senza -c, -n o -d");
  }
  if (line.conversion == Conversion::ToDate && !anyInput) {
    return Usage(QuotedInput(*modeWord) + " vuole almeno una data stellare");
  }
  line.request = Request::Convert;
  return line;
}

}  // namespace kestal
