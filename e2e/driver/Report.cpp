#include "Report.h"

#include <cstdio>

namespace e2e {

bool Report::Check(bool passed, std::string_view what, std::string_view detail) {
  ++checks_;
  if (!passed) ++failures_;
  if (passed && quiet_) return true;
  std::printf("%s %.*s", passed ? "ok  " : "FAIL", static_cast<int>(what.size()), what.data());
  if (!passed && !detail.empty())
    std::printf(": %.*s", static_cast<int>(detail.size()), detail.data());
  std::printf("\n");
  std::fflush(stdout);
  return passed;
}

namespace {

// Control characters written out, so that a difference in line breaks shows.
std::string Visible(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

bool Report::Equal(std::string_view what, std::string_view expected, std::string_view actual) {
  std::string detail = "expected \"";
  detail.append(Visible(expected)).append("\", got \"").append(Visible(actual)).append("\"");
  return Check(expected == actual, what, detail);
}

void Report::Note(std::string_view text) {
  std::printf("     %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stdout);
}

}  // namespace e2e
