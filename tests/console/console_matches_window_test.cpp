// Whatever the conversion window shows for an input, the console writes for it: the same result
// (without the blank before a Next Generation value of 0 or more), or the same message.
#include <string>
#include <vector>

#include "../convert/ConversionWindowSession.h"
#include "console/Console.h"

namespace kestal::testing {
namespace {

struct Outcome {
  std::string result;   // the result, or empty
  std::string message;  // the message, or empty
};

struct Way {
  const char* option;  // of the console
  const char* source;  // the window's source option; for a stardate, by its "/"
  const char* target;
};

using ConsoleMatchesWindow = ConversionWindowSession;

TEST_F(ConsoleMatchesWindow, SameResultOrSameMessage) {
  const char* inputs[] = {
      "15/6/2002",
      "1/2/2003 10:30",
      "15 giugno 2002",
      "mercoledì 26 luglio 1967",
      "31/12/2323",
      "29/02/2324",
      "1/1/100",
      "31/02/2003",
      "1/1/10000",
      "abc",
      "",
      "ìèé",
      "-1/6707.26",
      "0/0001.01",
      "-1/6702.31",
      "0/0200.00",
      "x/0212.06",
      "1/0213.32",
      "1/0212.6",
      "-20/0001.01",
      "79/9912.31",
      "-320545.0",
      " 1000.0",
      "56789.3",
      "-2222997.3",
      "abc.d",
      "7677000.0",
      "56789",
      "1.2.3",
      "1.é",
      "0.0",
      "-0.0",
  };
  const Way ways[] = {
      {"-c", "Option1", "Option4"}, {"-n", "Option1", "Option5"}, {"-d", nullptr, nullptr}};
  for (const char* input : inputs) {
    for (const Way& way : ways) {
      SCOPED_TRACE(std::string(way.option) + " \"" + input + "\"");
      const bool classic = std::string_view(input).find('/') != std::string_view::npos;
      const char* source = way.source ? way.source : classic ? "Option2" : "Option3";
      const size_t before = Boxes().size();
      ConvertWithEnter(source, input, way.target ? way.target : "");
      Outcome window{user->Text("VelornDate"), ""};
      if (Boxes().size() > before) window.message = Boxes().back().text;
      if (window.result.starts_with(' ')) window.result.erase(0, 1);

      TextSource noInput("");
      TextSink output, errors;
      ConsoleSystem system{noInput, output, errors, hp.clock};
      const int status = RunConsole(std::vector<std::string>{way.option, input}, system);
      EXPECT_EQ(output.text, window.result + "\n");
      EXPECT_EQ(status, window.message.empty() ? 0 : 1);
      if (window.message.empty()) {
        EXPECT_EQ(errors.text, "");
      } else {
        EXPECT_TRUE(errors.text.ends_with("\": " + window.message + "\n")) << errors.text;
      }
    }
  }
}

}  // namespace
}  // namespace kestal::testing
