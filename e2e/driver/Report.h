#pragma once
// The driver's verdicts: one line a check, "ok" or "FAIL", and a count that gives the exit code.
#include <string>
#include <string_view>

namespace e2e {

class Report {
 public:
  // Records one check; prints what was expected and what was found when they differ.
  bool Check(bool passed, std::string_view what, std::string_view detail = {});
  bool Equal(std::string_view what, std::string_view expected, std::string_view actual);
  void Note(std::string_view text);
  // While quiet, passed checks are counted but not printed (the endurance rounds repeat the same
  // checks hundreds of times); failures always print.
  void SetQuiet(bool quiet) { quiet_ = quiet; }
  int Failures() const { return failures_; }
  int Checks() const { return checks_; }

 private:
  int failures_ = 0;
  int checks_ = 0;
  bool quiet_ = false;
};

}  // namespace e2e
