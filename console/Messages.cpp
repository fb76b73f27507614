#include "console/Messages.h"

#include "text/Utf8.h"

namespace kestal {
namespace {

constexpr std::size_t kShownChars = 60;
constexpr std::string_view kProgram = "kestaldate: ";
constexpr char32_t kReplacement = 0xFFFD;

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string QuotedInput(std::string_view text) {
  std::string shown = "\"";
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++chars) {
    if (chars == kShownChars) {
      shown += "...";
      break;
    }
    const Utf8Char c = DecodeUtf8At(text, i);
    if (!c.valid || IsControl(c.code)) {
      AppendUtf8(shown, kReplacement);
    } else {
      shown.append(text.substr(i, c.length));
    }
    i += c.length;
  }
  shown += '"';
  return shown;
}

std::string InputMessage(std::string_view input, std::string_view message) {
  std::string line(kProgram);
  line += QuotedInput(input);
  line += ": ";
  line += message;
  return line;
}

std::string LineMessage(std::uint64_t line, std::string_view input, std::string_view message) {
  std::string text(kProgram);
  text += "riga ";
  text += std::to_string(line);
  text += ": ";
  text += QuotedInput(input);
  text += ": ";
  text += message;
  return text;
}

std::string UsageMessage(std::string_view fault) {
  std::string line(kProgram);
  line += fault;
  line += " (i comandi: kestaldate --help)";
  return line;
}

std::string ProgramMessage(std::string_view what) {
  std::string line(kProgram);
  line += what;
  return line;
}

}  // namespace kestal
