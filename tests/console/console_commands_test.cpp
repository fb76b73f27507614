// The console converter as a script or a user at a terminal meets it: command lines and
// standard input, what goes to standard output and to standard error, and the exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/Console.h"
#include "platform/headless/Headless.h"

namespace kestal {
namespace {

using namespace std::string_literals;

constexpr const char* kM1 = "Il valore immesso non è una data valida!";
constexpr const char* kM2 = "Il valore immesso non è una data Velorn valida!";
constexpr const char* kM4 = "Il valore immesso non è una data Velorn valida! (Mese errato)";
constexpr const char* kM6 = "Il valore immesso non è una data Velorn Next Generation valida!";
constexpr const char* kM7 =
    "Il valore immesso non è una data Velorn valida! (La cifra dopo il punto deve essere unica)";

struct ConsoleCase {
  std::vector<std::string> words;
  std::string output;       // standard output
  std::string errors = "";  // standard error
  int status = 0;
  std::string input = "";       // standard input
  bool nextGeneration = false;  // the convention stored for today's stardate
};

struct Ran {
  std::string output, errors;
  int status;
};

// The console on a clock at 15 June 2002, its input given out `piece` bytes at a time.
Ran RunWith(const ConsoleCase& c, std::size_t piece = 65536) {
  headless::ManualClock clock;
  TextSource input(c.input, piece);
  TextSink output, errors;
  ConsoleSystem system{input, output, errors, clock, c.nextGeneration};
  const int status = RunConsole(c.words, system);
  return {output.text, errors.text, status};
}

std::string Message(const std::string& what, const char* message) {
  return "kestaldate: " + what + ": " + message + "\n";
}

// What a command line it does not understand gets: the fault, and where the commands are told.
std::string Misused(const std::string& fault) {
  return "kestaldate: " + fault + " (i comandi: kestaldate --help)\n";
}

TEST(ConsoleCommands, EachCommandLineGivesItsLinesAndStatus) {
  const std::string longLine = std::string(200000, '1') + "/";  // the "/" lies past the limit
  const std::string shown = "\"" + std::string(60, '1') + "...\"";
  const ConsoleCase cases[] = {
      // Today: the stored convention without an option, the chosen one with it.
      {{}, "0/0206.15\n"},
      {{}, "-320545.2\n", "", 0, "", true},
      {{"-c"}, "0/0206.15\n", "", 0, "", true},
      {{"--ng"}, "-320545.2\n"},
      // Dates: one line each, in order; no blank before a Next Generation value of 0 or more.
      {{"-c", "26/07/1967", "15 giugno 2002", "1967-07-26"}, "-1/6707.26\n0/0206.15\n-1/6707.26\n"},
      {{"-n", "31/12/2323", "29/2/2324", "1/1/2323", "31/12/2001"}, "1000\n1163.9\n2.7\n-321000\n"},
      {{"26/07/1967", "--classic"}, "-1/6707.26\n"},
      // Stardates: a "/" makes a classic one; a leading "-" is no option.
      {{"-d", "-1/6707.26", "-320545.0", " 1000.0", "-1/6702.31"},
       "Mercoledì 26 Luglio 1967\nSabato 15 Giugno 2002, ore 2\nLunedì 31 Dicembre 2323\n"
       "31/02/1967\n"},
      // Refused inputs: an empty line in their place, the window's message naming them.
      {{"-c", "abc", "26/07/1967"}, "\n-1/6707.26\n", Message("\"abc\"", kM1), 1},
      {{"-d", "1/0213.06", "56789", "56789.35", "12/34.5", "x/0212.06", "7677000.0"},
       "\n\n\n\n\n\n",
       Message("\"1/0213.06\"", kM4) + Message("\"56789\"", kM6) + Message("\"56789.35\"", kM7) +
           Message("\"12/34.5\"", kM2) + Message("\"x/0212.06\"", "Errore nella data!") +
           Message("\"7677000.0\"", "Errore nella data!"),
       1},
      {{"-c", "--", "-x"}, "\n", Message("\"-x\"", kM1), 1},
      // Standard input: CR LF, a byte order mark, a last line without its end, empty lines.
      {{"-c", "-"},
       "0/0206.15\n\n\n-1/6707.26\n",
       Message("riga 2: \"abc\"", kM1) + Message("riga 3: \"\"", kM1),
       1,
       "\xEF\xBB\xBF"
       "15/06/2002\r\nabc\n\n1967-07-26"},
      // NUL, bytes that are no UTF-8 and control characters are refused and never echoed.
      {{"-d", "-"},
       "\n\n\nSabato 15 Giugno 2002\n",
       Message("riga 1: \"1\xEF\xBF\xBD.5\"", kM6) + Message("riga 2: \"\xEF\xBF\xBD.5\"", kM6) +
           Message("riga 3: \"\xEF\xBF\xBD[2J.5\"", "Errore nella data!"),
       1,
       "1\0.5\n\xff.5\n\x1b[2J.5\n-320545.2\n"s},
      // A line past the limit is cut, yet still told classic by its "/"; the next still pairs.
      {{"-d", "-"},
       "\nSabato 15 Giugno 2002\n",
       Message("riga 1: " + shown, kM2),
       1,
       longLine + "\n-320545.2\n"},
      {{"-n", "-"},
       "\n",
       Message("riga 1: \"" + std::string(60, 'x') + "...\"", kM1),
       1,
       std::string(300000, 'x')},
      {{"-n", "-"}, ""},
      // Command lines it does not understand.
      {{"-x"}, "", Misused("opzione sconosciuta \"-x\""), 2},
      {{"--classic", "--ngx"}, "", Misused("opzione sconosciuta \"--ngx\""), 2},
      {{"15/06/2002"}, "", Misused("\"15/06/2002\" senza -c, -n o -d"), 2},
      {{"-d"}, "", Misused("\"-d\" vuole almeno una data stellare"), 2},
      {{"-c", "1/1/2000", "-n"}, "", Misused("\"-n\" dopo \"-c\": un comando alla volta"), 2},
      {{"-c", "-", "1/1/2000"}, "", Misused("\"-\" va da solo, al posto delle date"), 2},
  };
  for (const ConsoleCase& c : cases) {
    std::string trace;
    for (const std::string& word : c.words) trace += "[" + word.substr(0, 20) + "]";
    SCOPED_TRACE(trace);
    // Whatever pieces the input comes in, the same lines.
    for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{65536}}) {
      if (piece == 1 && c.input.size() > 1000) continue;
      const Ran ran = RunWith(c, piece);
      EXPECT_EQ(ran.output, c.output) << "pieces of " << piece;
      EXPECT_EQ(ran.errors, c.errors) << "pieces of " << piece;
      EXPECT_EQ(ran.status, c.status) << "pieces of " << piece;
    }
  }
}

TEST(ConsoleCommands, HelpAndVersionGoToStandardOutput) {
  for (const char* word : {"-h", "--help", "--version"}) {
    const Ran ran = RunWith({{"-c", word, "-x"}, ""});
    EXPECT_EQ(ran.status, 0) << word;
    EXPECT_EQ(ran.errors, "") << word;
    EXPECT_TRUE(ran.output.starts_with("kestaldate")) << word;
  }
  EXPECT_NE(RunWith({{"--help"}, ""}).output.find("Esempi:"), std::string::npos);
}

// A message follows the results before it, as a terminal that shows both streams needs.
TEST(ConsoleCommands, MessagesComeAfterTheLinesBeforeThem) {
  headless::ManualClock clock;
  TextSource input("26/07/1967\nabc\n15/06/2002\n");
  TextSink both;
  ConsoleSystem system{input, both, both, clock};
  EXPECT_EQ(RunConsole(std::vector<std::string>{"-c", "-"}, system), 1);
  EXPECT_EQ(both.text, "-1/6707.26\n\n" + Message("riga 2: \"abc\"", kM1) + "0/0206.15\n");
}

class BrokenSource : public ByteSource {
 public:
  std::optional<std::size_t> Read(char* into, std::size_t most) override {
    if (given_) return std::nullopt;
    given_ = true;
    const std::string_view text = "26/07/1967\n15/06";
    std::copy_n(text.data(), std::min(most, text.size()), into);
    return std::min(most, text.size());
  }

 private:
  bool given_ = false;
};

class FullSink : public ByteSink {
 public:
  bool Write(std::string_view) override { return false; }
};

// A stream that fails is a failure: status 1 and a message, never a silent success.
TEST(ConsoleCommands, StreamsThatFailEndInFailure) {
  headless::ManualClock clock;
  BrokenSource broken;
  TextSink output, errors;
  ConsoleSystem reading{broken, output, errors, clock};
  EXPECT_EQ(RunConsole(std::vector<std::string>{"-c", "-"}, reading), 1);
  EXPECT_EQ(output.text, "-1/6707.26\n");
  EXPECT_EQ(errors.text, "kestaldate: impossibile leggere lo standard input\n");

  TextSource input("26/07/1967\n");
  FullSink full;
  TextSink writingErrors;
  ConsoleSystem writing{input, full, writingErrors, clock};
  EXPECT_EQ(RunConsole(std::vector<std::string>{"-c", "-"}, writing), 1);
  EXPECT_EQ(writingErrors.text, "kestaldate: impossibile scrivere sullo standard output\n");
}

}  // namespace
}  // namespace kestal
