#include "Report.h"

#include <cstdio>

namespace e2e {

bool Report::Check(bool passed, std::string_view what, std::string_view detail) {
  ++checks_;
  if (!passed) ++failures_;
  std::printf("%s %.*s", passed ? "ok  " : "FAIL", static_cast<int>(what.size()), what.data());
  if (!passed && !detail.empty())
    std::printf(": %.*s", static_cast<int>(detail.size()), detail.data());
  std::printf("\n");
  std::fflush(stdout);
  return passed;
}

bool Report::Equal(std::string_view what, std::string_view expected, std::string_view actual) {
  std::string detail = "expected \"";
  detail.append(expected).append("\", got \"").append(actual).append("\"");
  return Check(expected == actual, what, detail);
}

void Report::Note(std::string_view text) {
  std::printf("     %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stdout);
}

}  // namespace e2e
