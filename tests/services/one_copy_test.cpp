#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "services/OneCopyClaim.h"

namespace kestal {
namespace {

// The system's answers, in the order the claim asks; time passes by each wait and pause.
struct ScriptedSystem {
  ScriptedSystem(std::vector<MutexOpen> o, std::vector<MutexWait> w, std::vector<bool> a)
      : opens(std::move(o)), waits(std::move(w)), answers(std::move(a)) {}
  std::vector<MutexOpen> opens;
  std::vector<MutexWait> waits;
  std::vector<bool> answers;  // the running copy showed itself
  unsigned elapsed = 0;
  std::string asked;  // o: open, w: wait, a: ask the running copy

  template <typename T>
  static T Next(std::vector<T>& answers, T otherwise) {
    if (answers.empty()) return otherwise;
    const T next = answers.front();
    answers.erase(answers.begin());
    return next;
  }
  MutexOpen Open() {
    asked += 'o';
    return Next(opens, MutexOpen::Opened);
  }
  MutexWait Wait(unsigned ms) {
    asked += 'w';
    elapsed += ms;
    return Next(waits, MutexWait::Held);
  }
  void Pause(unsigned ms) { elapsed += ms; }
  bool AskRunningCopy() {
    asked += 'a';
    return Next(answers, false);
  }
  unsigned Elapsed() const { return elapsed; }
};

TEST(OneCopy, WhenAStartRunsAndWhenItLeavesItToTheRunningCopy) {
  using O = MutexOpen;
  using W = MutexWait;
  const struct {
    const char* what;
    ScriptedSystem system;
    bool runs;
    const char* asked;
  } cases[] = {
      {"the first copy", {{O::Opened}, {W::Owned}, {}}, true, "ow"},
      {"a copy runs and shows itself", {{O::Opened}, {W::Held}, {true}}, false, "owa"},
      {"a copy is starting: asked again until its window answers",
       {{O::Opened}, {W::Held, W::Held, W::Held}, {false, false, true}},
       false,
       "owawawa"},
      {"a copy is ending: it says no, and its end makes this start the one copy",
       {{O::Opened}, {W::Held, W::Held, W::Owned}, {false, false}},
       true,
       "owawaw"},
      {"an elevated copy runs: denied counts as a copy", {{O::Denied}, {}, {true}}, false, "oa"},
      {"an elevated copy ends: the mutex is made anew",
       {{O::Denied, O::Denied, O::Opened}, {W::Owned}, {false, false}},
       true,
       "oaoaow"},
      {"nothing can tell: better two icons than none", {{O::Failed}, {}, {}}, true, "o"},
      {"a failed wait runs too", {{O::Opened}, {W::Failed}, {}}, true, "ow"},
  };
  for (auto c : cases) {
    EXPECT_EQ(ClaimOneCopy(c.system, 5000, 100), c.runs) << c.what;
    EXPECT_EQ(c.system.asked, c.asked) << c.what;
  }
}

TEST(OneCopy, ACopyThatNeverAnswersIsWaitedForAFewSecondsAndLeftAlone) {
  for (const MutexOpen open : {MutexOpen::Opened, MutexOpen::Denied}) {
    ScriptedSystem system(std::vector<MutexOpen>(100, open), {}, {});
    EXPECT_FALSE(ClaimOneCopy(system, 5000, 100));
    EXPECT_GE(system.elapsed, 5000u);
    EXPECT_LE(system.elapsed, 5100u);
  }
}

}  // namespace
}  // namespace kestal
