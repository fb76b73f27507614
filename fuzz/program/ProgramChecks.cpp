// What must hold after every action, whatever came before.
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>

#include "engine/Stardate.h"
#include "fuzz/program/ProgramPlayer.h"
#include "platform/headless/HeadlessSurface.h"
#include "services/Clock.h"
#include "tests/driver/LogLines.h"
#include "text/DateText.h"
#include "text/NumberText.h"

namespace kestal::fuzzing {
namespace {

// Windows whose handlers acted after the program ended would show in these entries.
constexpr std::string_view kAfterEnd[] = {"Form_Load(", "ShowWindow(",   "MsgBox(",
                                          "PopupMenu",  "PlaySound(",    "NotifyIcon(",
                                          "SetTimer(",  "OpenWithShell("};

bool IsDigits(std::string_view text) {
  return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// "X/YYYY.ZZ": a century number (maybe negative), two digits of the year and two of the month,
// then the day in two digits.
bool HasClassicShape(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos || text.size() != slash + 8 || text[slash + 5] != '.') {
    return false;
  }
  std::string_view century = text.substr(0, slash);
  if (!century.empty() && century[0] == '-') century.remove_prefix(1);
  return IsDigits(century) && IsDigits(text.substr(slash + 1, 4)) &&
         IsDigits(text.substr(slash + 6, 2));
}

// A number with at most one decimal, a blank or a minus before it.
bool HasNextGenerationShape(std::string_view text) {
  if (text.empty() || (text[0] != ' ' && text[0] != '-')) return false;
  text.remove_prefix(1);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return IsDigits(text);
  return IsDigits(text.substr(0, point)) && text.size() == point + 2 &&
         IsDigits(text.substr(point + 1));
}

}  // namespace

void ProgramPlayer::Fail(const std::string& what) {
  const std::string line = "*** after action " + std::to_string(actionNumber_) + ": " + what;
  Say(0, line);
  if (trace_ != stderr) std::fprintf(stderr, "%s\n", line.c_str());
  std::abort();
}

void ProgramPlayer::ReadLog() {
  const auto& calls = hp_.log.Calls();
  for (; logRead_ < calls.size(); ++logRead_) {
    const std::string& entry = calls[logRead_].text;
    if (ended_ &&
        std::ranges::any_of(kAfterEnd, [&](auto call) { return entry.starts_with(call); })) {
      Fail("after the program ended, something reached a window: " + entry);
    }
    if (entry.starts_with("SetTimer(") || entry.starts_with("KillTimer(")) {
      const std::size_t open = entry.find('('), comma = entry.find(',');
      const std::string name = entry.substr(open + 1, comma - open - 1);
      const int id = std::atoi(entry.c_str() + comma + 1);
      if (entry[0] == 'K') {
        timers_.erase({name, id});
      } else {
        const long interval = std::atol(entry.c_str() + entry.find(',', comma + 1) + 1);
        timers_[{name, id}] = {time_.Ticks() + interval, interval};
      }
    } else if (headless::IsKeptWrite(entry)) {
      keptWritten_ = true;
      // Only the handling of "&Ok" writes, and not what a nested action does meanwhile.
      if (oks_.empty() || playing_.empty() || oks_.back().action != playing_.back()) {
        Fail("written without the user's \"&Ok\": " + entry);
      }
    } else if (entry == "Form_Unload(Form1)" && !endAsked_) {
      // Only the taskbar that never came may end the program unasked, and it says so first.
      if (giveUpBoxes_ == 0) Fail("the start-up window went without being asked to");
      form1GoneUnasked_ = true;
    }
  }
}

void ProgramPlayer::CheckAlways() {
  ReadLog();
  CheckWindows();
  CheckKept();
  CheckReleased();
  CheckConversionWindow();
}

void ProgramPlayer::CheckAfterAction() {
  CheckAlways();
  CheckTooltip();
  if (hp_.windows.Pointer() != MousePointer::Default) Fail("the hourglass stays after the action");
  // A closed window's object stays only while its slot holds it, until the next opening.
  const auto closed =
      std::ranges::count_if(hp_.windows.Objects(), &headless::HeadlessSurface::Destroyed);
  if (closed > 4) Fail(std::to_string(closed) + " closed windows are still held");
  if (endAsked_ && !hp_.windows.Ended()) Fail("the program was asked to end and goes on");
  if (hp_.windows.Ended()) CheckEnded();
  hp_.log.Clear();
  logRead_ = 0;
}

void ProgramPlayer::CheckWindows() {
  const std::vector<Form*> loaded = hp_.windows.LoadedForms();
  for (auto form = loaded.begin(); form != loaded.end(); ++form) {
    for (auto other = loaded.begin(); other != form; ++other) {
      if ((*other)->Name() == (*form)->Name()) Fail("two windows " + (*form)->Name() + " are open");
    }
  }
}

void ProgramPlayer::CheckAfterMenuChoice() {
  int open = 0;
  std::string names;
  for (const std::string_view name : kWindowNames) {
    const Form* form = SlotOf(name).Current();
    if (!form) continue;
    const FormState state = form->State();
    if (state == FormState::Loading || state == FormState::Loaded) {
      ++open;
      names += " " + form->Name();
    }
  }
  if (open > 1) Fail("after a menu choice more than one window is open:" + names);
}

void ProgramPlayer::CheckTooltip() {
  if (program_->trayIcon.ShowsNextGeneration() != expectNextGeneration_) {
    Fail(std::string("the tooltip shows the ") +
         (expectNextGeneration_ ? "classic" : "Next Generation") +
         " convention, not the one chosen last");
  }
  if (!hp_.tray.IconShown()) return;
  const std::string tooltip = hp_.tray.Tooltip();
  const std::string prefix =
      expectNextGeneration_ ? "Velorn NG - Data stellare: " : "Velorn - Data astrale: ";
  if (!tooltip.starts_with(prefix)) Fail("the tooltip reads \"" + tooltip + "\"");
  const std::string stardate = tooltip.substr(prefix.size());
  if (!(expectNextGeneration_ ? HasNextGenerationShape(stardate) : HasClassicShape(stardate))) {
    Fail("the tooltip's stardate is not in its shape: \"" + tooltip + "\"");
  }
  // The engine's stardate of today, worked out again when the day or the convention changed.
  const std::string today = ShortDateText(Today(hp_.clock));
  if (today != tipDay_ || expectNextGeneration_ != tipNextGeneration_) {
    tipDay_ = today;
    tipNextGeneration_ = expectNextGeneration_;
    tipStardate_ = expectNextGeneration_ ? StardateNumberText(NGStardate(today))
                                         : ClassicStardate(today, true);
  }
  if (stardate != tipStardate_) {
    Fail("the tooltip shows \"" + stardate + "\" on " + today + ", not \"" + tipStardate_ + "\"");
  }
}

// Between two "&Ok"s nothing the user keeps changes; while one is handled, it checks itself.
void ProgramPlayer::CheckKept() {
  if (!oks_.empty() || !keptWritten_) return;
  keptWritten_ = false;
  const KeptState now = ReadKeptState(hp_);
  if (!(now == kept_)) {
    Fail("what the user keeps changed without \"&Ok\": " + now.Text() + "; was " + kept_.Text());
  }
}

void ProgramPlayer::Confirming(Form& about) {
  ReadLog();  // what the log holds so far came before the press
  const headless::User user(hp_.windows, about);
  PendingOk ok;
  ok.action = playing_.empty() ? 0 : playing_.back();
  // "&Ok" stores the classic convention only when the caption reads exactly so.
  ok.asked.nextGeneration = user.Text("StarDate") != "Velorn Classic";
  ok.asked.ticked = user.Value("Check1");
  ok.asked.before = ReadKeptState(hp_);
  ok.asked.settingsRefused = hp_.settings.refuseWrites;
  std::ranges::copy(refusedRoots_, ok.asked.rootRefused);
  ok.asked.executable = hp_.shell.executablePath;
  ok.asked.folder = hp_.shell.FolderOf(ok.asked.executable);
  ok.boxesBefore = hp_.log.Records<headless::MessageBoxRecord>().size();
  Say(depth_ + 1,
      std::string("(\"&Ok\" keeps ") +
          (ok.asked.nextGeneration ? "Next Generation" : "the classic convention") +
          (ok.asked.ticked ? ", started with Windows)" : ", not started with Windows)"));
  oks_.push_back(std::move(ok));
  CheckKept();
}

void ProgramPlayer::Confirmed() {
  ReadLog();  // what the log holds now came from "&Ok"
  const PendingOk ok = std::move(oks_.back());
  oks_.pop_back();
  for (PendingOk& outer : oks_) outer.overtaken = true;
  const KeptState now = ReadKeptState(hp_);
  kept_ = now;
  keptWritten_ = false;
  Say(depth_ + 1, "(kept: " + now.Text() + ")");
  // A store that began or stopped refusing while "&Ok" was handled leaves either outcome.
  const bool refusalsMoved = ok.asked.settingsRefused != hp_.settings.refuseWrites ||
                             !std::ranges::equal(ok.asked.rootRefused, refusedRoots_);
  if (ok.overtaken || refusalsMoved) return;
  const KeptState expected = KeptAfter(ok.asked);
  if (!(now == expected)) {
    Fail("\"&Ok\" left " + now.Text() + "; it should leave " + expected.Text());
  }
  // What the box asked and did not come about, the user is told, and nothing else.
  std::vector<Told> told;
  const auto boxes = hp_.log.Records<headless::MessageBoxRecord>();
  for (std::size_t i = ok.boxesBefore; i < boxes.size(); ++i) {
    if (const Told said = ToldBy(boxes[i].text); said != Told::Nothing) told.push_back(said);
  }
  const Told must = MustTell(ok.asked, now);
  if (told.size() != (must == Told::Nothing ? 0u : 1u) || (!told.empty() && told[0] != must)) {
    Fail(std::string("\"&Ok\" should tell ") + ToldText(must) + ", and told " +
         (told.empty() ? "nothing" : ToldText(told[0])) + "; it left " + now.Text());
  }
}

void ProgramPlayer::CheckReleased() {
  for (const headless::HeadlessSurface* object : hp_.windows.Objects()) {
    if (!object->Destroyed()) continue;
    const std::string name = object->Owner().Name();
    if (!object->Timers().empty()) Fail("the closed window " + name + " keeps a timer");
    if (object->Visible() || object->FocusedControl() >= 0) {
      Fail("the closed window " + name + " is still shown or focused");
    }
    if (object->Owner().State() != FormState::Released) {
      Fail("the window " + name + " was destroyed without being released");
    }
  }
  for (const Form* form : hp_.windows.LoadedForms()) {
    if (form->State() == FormState::Released || form->State() == FormState::NotLoaded) {
      Fail("the window " + form->Name() + " is released and still has its platform window");
    }
  }
}

void ProgramPlayer::CheckConversionWindow() {
  FormSlot& slot = program_->conversionWindow;
  Form* form = slot.Current();
  if (!form || form->State() != FormState::Loaded || !hp_.windows.SurfaceOf(*form)) return;
  const std::shared_ptr<Form> held = form->Hold();
  if (conversion_.lock() != held) {
    // Another window: what the checks knew went with the last one.
    conversion_ = held;
    result_.clear();
    resultSource_.clear();
    resultTyped_ = false;
  }
  headless::User user(hp_.windows, *form);
  const std::string source = user.Text("DataSource"), result = user.Text("VelornDate");
  if (user.Enabled("Command1") == source.empty()) {
    Fail(std::string("\"Converti\" is ") + (source.empty() ? "enabled" : "disabled") +
         " while the input holds \"" + source.substr(0, 40) + "\"");
  }
  if (result.empty()) {
    result_.clear();
    resultTyped_ = false;
    return;
  }
  if (resultTyped_) {
    result_ = result;
    resultSource_ = source;
    return;
  }
  if (result == result_) {
    if (source != resultSource_) {
      Fail("the result \"" + result + "\" of \"" + resultSource_.substr(0, 40) +
           "\" stays beside the input \"" + source.substr(0, 40) + "\"");
    }
    return;
  }
  // A new result: the conversion of the input as the options ask for it.
  std::optional<std::string> expected;
  try {
    if (user.Value("Option1")) {
      if (user.Value("Option4")) expected = ClassicStardate(source, true);
      if (user.Value("Option5")) expected = StardateNumberText(NGStardate(source));
    } else if (user.Value("Option2")) {
      expected = ClassicStardate(source, false);
    } else if (user.Value("Option3")) {
      expected = StardateToDateText(source);
    }
  } catch (const std::exception&) {
  }
  if (expected != result) {
    Fail("the result box shows \"" + result + "\" for \"" + source.substr(0, 40) + "\", not \"" +
         expected.value_or("(no result)") + "\"");
  }
  result_ = result;
  resultSource_ = source;
}

void ProgramPlayer::CheckEnded() {
  ended_ = true;
  const int exitCode = form1GoneUnasked_ ? 1 : 0;
  if (hp_.windows.ExitCode() != exitCode) {
    Fail("the program ended with code " + std::to_string(hp_.windows.ExitCode()) + ", not " +
         std::to_string(exitCode));
  }
  const auto held = hp_.windows.Held();
  if (hp_.windows.AnyLoaded() || held.windows > 0) Fail("the program ended with a window open");
  if (held.timers > 0) Fail("the program ended with a timer running");
  if (hp_.tray.IconShown()) Fail("the program ended with its icon in the tray");
}

void ProgramPlayer::CheckLetGo() {
  if (hp_.windows.Held().objects > 0) Fail("window objects outlive the program");
  if (hp_.sound.Playing()) Fail("a sound still plays from memory the program has let go");
}

}  // namespace kestal::fuzzing
