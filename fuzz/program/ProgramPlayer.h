#pragma once
// The whole program on the headless platform, worked by a sequence of actions (Actions.h), and
// after each action the checks of what must always hold (ProgramChecks.cpp). A failed check
// says what failed and aborts; with a trace, every action is printed as it is played.
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "fuzz/program/Actions.h"
#include "fuzz/program/KeptState.h"
#include "fuzz/program/PassingTime.h"
#include "tests/driver/User.h"

namespace kestal::fuzzing {

// The input's first two bytes choose the start: the first the stored convention (bits 0-1), the
// density (2-3), a taskbar that isn't there yet (4-6 all set) and another program's value in the
// user's Run key (7); the second the day (0-2) and what the registry holds of the autostart and
// where the program lies (3-5). The actions follow.
void PlayProgram(const std::uint8_t* data, std::size_t size, std::FILE* trace);

class ProgramPlayer {
 public:
  ProgramPlayer(std::uint8_t setup, std::uint8_t day, std::FILE* trace);
  ~ProgramPlayer();
  void Play(ActionReader& reader);

 private:
  // --- Playing (ProgramPlayer.cpp) ------------------------------------------------------------
  void Run(const Action& action, int depth);
  void Arm(const Action& action, int depth);
  void Fire(Nesting nesting);
  void OnMessageBox(const headless::MessageBoxRecord& box);
  void OnMenu();
  void Tray(int code);
  void ChooseFromMenu(int choice);
  void OnWindow(const Action& action, int depth);
  void OnClick(Form& form, int control, bool done);
  void Key(Form& form, int key, int depth);
  void Type(Form& form, std::string_view text, int depth);
  void Arrow(Form& form, bool back);
  void Paste(Form& form, std::string_view text);
  // The window of that kind as the user can reach it (shown, not behind a modal box, no menu
  // open); null otherwise.
  Form* Reachable(std::string_view name) const;
  FormSlot& SlotOf(std::string_view name) const;
  void PassTime(long long milliseconds);
  void FireDueTimers(long long until);
  void ClockChanged(SystemEvent event);
  void EndSession();
  void Say(int depth, const std::string& line);

  // --- Checks (ProgramChecks.cpp) -------------------------------------------------------------
  // Reads what the platform was asked since the last look: timers set and killed, settings
  // written, anything done after the program ended.
  void ReadLog();
  void CheckAlways();
  void CheckAfterAction();
  void CheckWindows();
  void CheckTooltip();
  void CheckKept();
  // About's "&Ok" is pressed, and has done what it does.
  void Confirming(Form& about);
  void Confirmed();
  void CheckReleased();
  void CheckConversionWindow();
  void CheckEnded();
  void CheckAfterMenuChoice();
  void CheckLetGo();
  [[noreturn]] void Fail(const std::string& what);

  std::FILE* trace_;
  headless::HeadlessPlatform hp_;
  std::unique_ptr<Program> program_;
  PassingTime time_;

  int actionNumber_ = 0;
  int depth_ = 0;  // of the action being played: 0 for the user's own, more for nested ones
  // The actions being played, innermost last, each by a number of its own: what the log shows
  // belongs to the innermost.
  std::vector<int> playing_;
  int played_ = 0;
  std::map<Nesting, std::vector<std::shared_ptr<const Action>>> armed_;
  std::vector<const Form*> acting_;   // windows the user is acting in, innermost last
  std::vector<const Form*> blocked_;  // owners of the open message boxes
  int menusOpen_ = 0;
  std::optional<int> menuChoice_;  // what the open (or next) menu returns
  int lastMenuChoice_ = -1;        // what the last menu returned
  // In the action being played, when the last menu choice and the last double click on the icon
  // came (0: none): a choice after the last double click leaves at most one window open.
  int events_ = 0, choiceAt_ = 0, doubleClickAt_ = 0;
  bool refusedRoots_[2] = {false, false};

  // Timers as the platform was asked for them: deadline in ticks and interval, by window name
  // and id.
  std::map<std::pair<std::string, int>, std::pair<long long, long>> timers_;
  std::size_t logRead_ = 0;

  // What the checks expect.
  bool expectNextGeneration_ = false;
  // What the user keeps, as the last "&Ok" left it (or as it was at start), and the "&Ok"s being
  // handled, innermost last, by the action that pressed them.
  KeptState kept_;
  struct PendingOk {
    int action = 0;
    Confirmation asked;
    std::size_t boxesBefore = 0;
    bool overtaken = false;  // another "&Ok" came while it was handled
  };
  std::vector<PendingOk> oks_;
  // Only the platform's writes change what is kept: it is read again after one.
  bool keptWritten_ = false;
  // The tooltip's stardate for a day in a convention, as the engine gives it.
  std::string tipDay_, tipStardate_;
  bool tipNextGeneration_ = false;
  bool endAsked_ = false;          // "Chiudi" chosen, or the session ended
  bool form1GoneUnasked_ = false;  // the start-up window went without being asked to
  int giveUpBoxes_ = 0;            // the message that the icon can't be added
  bool ended_ = false;             // seen ended: nothing may happen after
  // The conversion window: the object the checks know, its last result and the input it came
  // from, and whether the user wrote into the result box since.
  std::weak_ptr<Form> conversion_;
  std::string result_, resultSource_;
  bool resultTyped_ = false;
};

}  // namespace kestal::fuzzing
