#include "console/Console.h"

#include "console/CommandLine.h"
#include "console/ConvertInput.h"
#include "console/HelpText.h"
#include "console/InputLines.h"
#include "console/Messages.h"
#include "console/OutputLines.h"
#include "input/SourceShape.h"
#include "services/Clock.h"

namespace kestal {
namespace {

// Every line of more bytes than this has more characters than any input may have.
constexpr std::size_t kLineLimit = 4 * kMaxSourceChars;

enum ExitStatus { kDone = 0, kFailed = 1, kUsage = 2 };

// The results wait in their buffer until the input would keep the program waiting, so that
// whoever types or pipes lines one by one sees each answer at once.
class FlushingSource : public ByteSource {
 public:
  FlushingSource(ByteSource& source, OutputLines& output) : source_(source), output_(output) {}
  std::optional<std::size_t> Read(char* into, std::size_t most) override {
    output_.Flush();
    return source_.Read(into, most);
  }

 private:
  ByteSource& source_;
  OutputLines& output_;
};

class Run {
 public:
  explicit Run(ConsoleSystem& system)
      : system_(system), output_(system.output), errors_(system.errors, 0) {}

  int Today(bool nextGeneration) {
    Answer(TodayStardate(system_.clock, nextGeneration, result_), [](std::string_view message) {
      return ProgramMessage("oggi: " + std::string(message));
    });
    return Finish();
  }

  int Words(Conversion conversion, std::span<const std::string_view> words) {
    for (const std::string_view word : words) {
      Answer(ConvertInput(conversion, InputLine{word}, result_),
             [word](std::string_view message) { return InputMessage(word, message); });
    }
    return Finish();
  }

  int Lines(Conversion conversion) {
    FlushingSource source(system_.input, output_);
    LineReader reader(source, kLineLimit);
    std::uint64_t number = 0;
    while (const std::optional<InputLine> line = reader.Next()) {
      ++number;
      Answer(ConvertInput(conversion, *line, result_),
             [&](std::string_view message) { return LineMessage(number, line->text, message); });
      if (output_.Failed()) break;
    }
    if (reader.Failed()) Error(ProgramMessage("impossibile leggere lo standard input"));
    return Finish();
  }

  int Text(std::string_view text) {
    output_.Line(text);
    return Finish();
  }

  int Usage(std::string_view fault) {
    Error(UsageMessage(fault));
    return kUsage;
  }

 private:
  // One line for each input, empty when it failed, and then its message.
  template <typename Describe>
  void Answer(const std::optional<std::string_view>& fault, Describe describe) {
    output_.Line(result_);
    if (fault) Error(describe(*fault));
  }

  void Error(std::string_view message) {
    failed_ = true;
    output_.Flush();  // what came before it first, in a terminal that shows both
    errors_.Line(message);
    errors_.Flush();
  }

  int Finish() {
    if (!output_.Flush()) {
      Error(ProgramMessage("impossibile scrivere sullo standard output"));
      return kFailed;
    }
    return failed_ ? kFailed : kDone;
  }

  ConsoleSystem& system_;
  OutputLines output_;
  OutputLines errors_;
  std::string result_;
  bool failed_ = false;
};

}  // namespace

int RunConsole(std::span<const std::string> words, ConsoleSystem& system) {
  const CommandLine line = ReadCommandLine(words);
  Run run(system);
  switch (line.request) {
    case Request::Help:
      return run.Text(HelpText());
    case Request::Version:
      return run.Text(VersionText());
    case Request::Usage:
      return run.Usage(line.fault);
    case Request::Today:
      return run.Today(system.todayNextGeneration);
    case Request::Convert:
      break;
  }
  if (line.standardInput) return run.Lines(line.conversion);
  if (line.inputs.empty()) return run.Today(line.conversion == Conversion::ToNextGeneration);
  return run.Words(line.conversion, line.inputs);
}

}  // namespace kestal
