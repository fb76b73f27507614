// The end-to-end driver: plays one scenario against the real KestalDate.exe under the same
// desktop, prints one line a check and exits with 0 only when every check passed.
//
//   driver.exe SCENARIO [--exe PATH] [--shots FOLDER] [--floor PATH] [--runs N]
//              [--idle-seconds N] [--cycles N] [--installer PATH] [--seed N]
//              [--frames FOLDER] [--animations on|off]
//   driver.exe list
#include <windows.h>

#include <cstdio>
#include <string>

#include "Scenarios.h"
#include "Screenshot.h"
#include "Text.h"

namespace {

int Usage() {
  std::printf(
      "usage: driver SCENARIO [--exe PATH] [--shots FOLDER] [--floor PATH] [--runs N]\n"
      "              [--idle-seconds N] [--cycles N] [--installer PATH] [--seed N]\n"
      "              [--frames FOLDER] [--animations on|off]\n"
      "scenarios:\n");
  for (const auto& scenario : e2e::AllScenarios())
    std::printf("  %-24s %s\n", scenario.name, scenario.what);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Pixels as they are at every density: the windows' sizes and the screenshots are checked.
  SetProcessDPIAware();
  if (argc < 2) return Usage();
  const std::string name = e2e::ToUtf8(argv[1]);
  e2e::Session session;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::wstring option = argv[i];
    if (option == L"--exe") {
      session.exePath = argv[i + 1];
    } else if (option == L"--shots") {
      e2e::SetScreenshotFolder(argv[i + 1]);
    } else if (option == L"--floor") {
      session.floorPath = argv[i + 1];
    } else if (option == L"--installer") {
      session.installerPath = argv[i + 1];
    } else if (option == L"--frames") {
      session.framesFolder = argv[i + 1];
    } else if (option == L"--animations") {
      const std::wstring value = argv[i + 1];
      if (value != L"on" && value != L"off") return Usage();
      session.animations = value == L"on";
    } else if (option == L"--seed") {
      session.seed = static_cast<unsigned>(wcstoul(argv[i + 1], nullptr, 10));
    } else if (option == L"--runs" || option == L"--idle-seconds" || option == L"--cycles") {
      const int value = _wtoi(argv[i + 1]);
      if (value <= 0) return Usage();
      (option == L"--runs"     ? session.runs
       : option == L"--cycles" ? session.cycles
                               : session.idleSeconds) = value;
    } else {
      return Usage();
    }
  }
  for (const auto& scenario : e2e::AllScenarios()) {
    if (name != scenario.name) continue;
    std::printf("scenario %s: %s\n", scenario.name, scenario.what);
    scenario.play(session);
    const auto& report = session.report;
    std::printf("%d checks, %d failed\n", report.Checks(), report.Failures());
    // A scenario that checked nothing has not shown anything.
    return report.Failures() == 0 && report.Checks() > 0 ? 0 : 1;
  }
  return Usage();
}
