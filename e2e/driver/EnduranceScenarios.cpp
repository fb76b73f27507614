// Endurance: hundreds of rounds of what a user does (each window opened from the menu and closed
// again, the tooltip switched through About's pictures, conversions good and bad) must leave the
// program as it was: private bytes within noise, no more GDI objects or windows than before, no
// window left open, the icon still in the tray.
//
// --cycles N: N rounds of the three windows, N tooltip changes and 2N/5 conversions.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "AnimationSwitch.h"
#include "ConversionCases.h"
#include "FormActions.h"
#include "Scenarios.h"
#include "TrayIcon.h"
#include "measure/ProcessMeter.h"

namespace e2e {

namespace {

// Growth of the lowest private bytes that is not yet a leak.
constexpr uint64_t kPrivateBytesNoise = 256 * 1024;

struct Usage {
  uint64_t privateBytes = 0;
  uint64_t hostHeapBytes = 0;  // of which Wine's Unix side (see MemoryFigures)
  uint64_t stackBytes = 0;     // and of which the threads' stacks
  int gdiObjects = 0;
  int windows = 0;
  // What the program's own code can leak: its private bytes less Wine's Unix side, whose heap
  // creeps by itself by about a kilobyte a window under Wine 8 (that is what the system would
  // keep in its kernel on Windows), and less the stacks of the threads alive at that moment
  // (the system's workers come and go).
  uint64_t ProgramBytes() const { return privateBytes - hostHeapBytes - stackBytes; }
};

std::optional<Usage> ReadUsage(ProcessMeter& meter) {
  const auto memory = meter.Memory();
  const auto gdi = meter.GdiObjects();
  if (!memory || !gdi) return std::nullopt;
  return Usage{memory->privateBytes, memory->hostHeapBytes, memory->threadStackBytes, *gdi,
               meter.Windows()};
}

std::string Describe(const Usage& usage) {
  return std::to_string(usage.privateBytes / 1024) + " KiB private (" +
         std::to_string(usage.hostHeapBytes / 1024) + " KiB of it Wine's Unix heap, " +
         std::to_string(usage.stackBytes / 1024) + " KiB threads' stacks), " +
         std::to_string(usage.gdiObjects) + " GDI objects, " + std::to_string(usage.windows) +
         " windows";
}

bool WindowRounds(Session& session, RunningProgram& program, int rounds) {
  const int failures = session.report.Failures();
  for (int round = 0; round < rounds && session.report.Failures() == failures; ++round)
    ForEachMenuWindow(session, program, [](const MenuWindow&, HWND) {});
  return session.report.Failures() == failures;
}

// Alternates About's two pictures; each click changes the tooltip at once. Ends on the classic
// one, which "&Ok" then stores as it was.
bool TooltipChanges(Session& session, RunningProgram& program, int changes) {
  HWND form = OpenFromTrayMenu(session, program, MenuItem::Informazioni, about::kForm);
  if (!form) return false;
  for (int change = changes % 2; change < changes + changes % 2; ++change) {
    const bool nextGeneration = change % 2 == 0;
    ClickControl(form, nextGeneration ? about::Image3 : about::Image2);
    const char* caption = nextGeneration ? "Next Generation" : "Velorn Classic";
    if (!session.report.Check(WaitForText(form, about::StarDate, caption, kWindowMs) == caption,
                              "the picture switches the convention"))
      return false;
  }
  return session.report.Check(program.CloseWithButton(form, about::Command1, kWindowMs),
                              "\"&Ok\" closes the About window");
}

bool Conversions(Session& session, RunningProgram& program, int count) {
  HWND form = OpenFromTrayMenu(session, program, MenuItem::CalcoloData, conversion::kForm);
  if (!form) return false;
  const auto cases = ConversionCases();
  for (int k = 0; k < count; ++k) {
    const int failuresBefore = session.report.Failures();
    PlayConversion(session, program, form, cases[static_cast<size_t>(k) % cases.size()], false);
    if (session.report.Failures() != failuresBefore) return false;
  }
  return session.report.Check(program.CloseWithButton(form, conversion::Command3, kWindowMs),
                              "\"&Esci\" closes the conversion window");
}

struct Part {
  const char* name;
  bool (*play)(Session&, RunningProgram&, int);
  int fifthsOfCycles;  // how many a run plays, in fifths of --cycles
};

const Part kParts[] = {
    {"rounds of the three windows", WindowRounds, 5},
    {"tooltip changes", TooltipChanges, 5},
    {"conversions", Conversions, 2},
};

constexpr int kChunks = 16;

// Readings of the same state over a long run, the first one the warm-up's. Objects must not
// exceed the most the second warm-up pass held (`warm`): what a first use loads for good may
// come with any part of that pass, a pointer over a button for one, not only with this part;
// private bytes must not creep.
void CheckNoGrowth(Session& session, const std::vector<Usage>& readings, const Usage& warm,
                   const std::string& what) {
  Report& report = session.report;
  int mostGdi = 0, mostWindows = 0;
  for (const Usage& u : readings) {
    mostGdi = std::max(mostGdi, u.gdiObjects);
    mostWindows = std::max(mostWindows, u.windows);
  }
  report.Check(mostGdi <= warm.gdiObjects, what + ": no more GDI objects",
               std::to_string(mostGdi - warm.gdiObjects) + " more");
  report.Check(mostWindows <= warm.windows, what + ": no more windows",
               std::to_string(mostWindows - warm.windows) + " more");
  // The heap swings with what was freed last, and the highs tell nothing:
  // a leak raises the lows. The lowest reading of the later half is held against the lowest of
  // the earlier half.
  const size_t half = readings.size() / 2;
  uint64_t lowestEarly = UINT64_MAX, lowestLate = UINT64_MAX;
  for (size_t k = 0; k < readings.size(); ++k) {
    uint64_t& lowest = k < half ? lowestEarly : lowestLate;
    lowest = std::min(lowest, readings[k].ProgramBytes());
  }
  report.Check(lowestLate <= lowestEarly + kPrivateBytesNoise,
               what + ": private bytes do not creep (256 KiB at most)",
               "lowest in the later half " + std::to_string(lowestLate / 1024) +
                   " KiB, in the earlier half " + std::to_string(lowestEarly / 1024) + " KiB");
}

// Plays a part quietly and counts what the program holds afterwards.
std::optional<Usage> PlayAndCount(Session& session, RunningProgram& program, ProcessMeter& meter,
                                  const Part& part, int count, const std::string& what) {
  session.report.SetQuiet(true);
  const bool played = part.play(session, program, count);
  session.report.SetQuiet(false);
  if (!session.report.Check(played, what)) return std::nullopt;
  program.WaitForIdle(kWindowMs);
  const auto usage = ReadUsage(meter);
  if (session.report.Check(usage.has_value(), what + ": memory and objects counted"))
    session.report.Note("after " + what + ": " + Describe(*usage));
  return usage;
}

void Endurance(Session& session) {
  Report& report = session.report;
  // The test run plays it without the zoom's quarter seconds (--animations off): the zoom's own
  // objects are counted by the random round and the frames check.
  const AnimationSwitch animations(session.animations);
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ProcessMeter meter(program, session.exePath);

    // All parts are first played twice over, a few times each, every conversion case among them:
    // what the first use of a window or a message box loads for good (the system's icons and
    // fonts) is not growth. The long run of each part is then compared with its short run of the
    // second pass, which ends in the same state (the window closed last, the sound played last).
    const int warmUpCount = std::max<int>(2, static_cast<int>(ConversionCases().size()));
    std::vector<Usage> warmedUp;
    for (int pass = 1; pass <= 2; ++pass) {
      warmedUp.clear();
      for (const Part& part : kParts) {
        const auto usage = PlayAndCount(session, program, meter, part, warmUpCount,
                                        std::to_string(warmUpCount) + " " + part.name +
                                            " (warm-up " + std::to_string(pass) + ")");
        if (!usage) return;
        warmedUp.push_back(*usage);
      }
    }
    Usage warm = warmedUp.front();
    for (const Usage& u : warmedUp) {
      warm.gdiObjects = std::max(warm.gdiObjects, u.gdiObjects);
      warm.windows = std::max(warm.windows, u.windows);
    }
    // The long run of each part goes in chunks, counted after each.
    for (size_t k = 0; k < std::size(kParts); ++k) {
      const Part& part = kParts[k];
      const int count = std::max(1, session.cycles * part.fifthsOfCycles / 5);
      const int chunks = std::min(count, kChunks);
      std::vector<Usage> readings{warmedUp[k]};
      for (int chunk = 0; chunk < chunks; ++chunk) {
        const int size = count / chunks + (chunk < count % chunks ? 1 : 0);
        const auto usage =
            PlayAndCount(session, program, meter, part, size,
                         std::to_string(size) + " " + part.name + " (" + std::to_string(chunk + 1) +
                             " of " + std::to_string(chunks) + ")");
        if (!usage) return;
        readings.push_back(*usage);
      }
      CheckNoGrowth(session, readings, warm, std::to_string(count) + " " + part.name);
    }
    report.Check(program.VisibleWindowCount() == 0, "no window is left open");
    report.Check(TrayIconExists(program.Form1()), "the icon is still in the tray");
  });
}

const RegisteredScenarios kEndurance{
    {"endurance", "rounds of windows, tooltip changes and conversions leak nothing", Endurance},
};

}  // namespace

}  // namespace e2e
