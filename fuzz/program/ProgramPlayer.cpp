#include "fuzz/program/ProgramPlayer.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "forms/TabOrder.h"
#include "platform/headless/HeadlessSurface.h"
#include "text/Utf8.h"
#include "tray/TrayWindow.h"

namespace kestal::fuzzing {
namespace {

// Timer firings one action plays one by one; beyond them the time left passes at once and each
// timer still due fires once, as the system coalesces a timer's late messages.
constexpr int kMostFirings = 200;

const char* const kStoredAtStart[] = {"", "Next Generation", "Velorn Classic", " "};
constexpr double kTwipsPerPixel[] = {15, 12, 10, 7.5};  // 96, 120, 144 and 192 dpi
const LocalDateTime kStartDays[] = {
    {2002, 6, 15, 10, 30, 0, 0},   {2001, 12, 31, 23, 59, 59, 250}, {2026, 3, 28, 23, 59, 59, 0},
    {2026, 10, 24, 23, 59, 59, 0}, {2324, 2, 29, 0, 0, 0, 0},       {1999, 12, 31, 23, 59, 59, 990},
    {9999, 12, 30, 23, 59, 59, 0}, {2002, 6, 15, 23, 59, 59, 999},
};

// What the machine holds of the autostart at start (by the day byte's upper bits), and where the
// program lies: a shared folder unless it says otherwise.
constexpr const char* kSpaced = "C:\\Program Files\\Kestal Date\\KestalDate.exe";
constexpr const char* kInUserFolder =
    "C:\\Users\\utente\\AppData\\Local\\Programs\\Kestal Date\\KestalDate.exe";
constexpr const char* kInZip =
    "C:\\Users\\utente\\AppData\\Local\\Temp\\Temp1_KestalDate.zip\\KestalDate.exe";
const struct AutostartSetup {
  const char* what;
  const char* executable;  // null: the machine's default, in a shared folder
  bool machineStarts, userStarts, userTurnedOff, machineRefuses;
} kAutostartSetups[] = {
    {"", nullptr, false, false, false, false},
    {", started from the machine's Run key", nullptr, true, false, false, false},
    {", started from the user's Run key", kSpaced, false, true, false, false},
    {", the user's start turned off in Startup Apps", nullptr, false, true, true, false},
    {", started from both Run keys", kSpaced, true, true, false, false},
    {", in the user's folder with an old machine-wide start", kInUserFolder, true, false, false,
     false},
    {", opened from a zip", kInZip, false, false, false, false},
    {", an ordinary user's, started machine-wide", kSpaced, true, false, false, true},
};

std::string TimeText(const LocalDateTime& t) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  return text;
}

}  // namespace

void PlayProgram(const std::uint8_t* data, std::size_t size, std::FILE* trace) {
  ActionReader reader(data, size);
  const std::uint8_t setup = reader.Byte();
  const std::uint8_t day = reader.Byte();
  ProgramPlayer player(setup, day, trace);
  player.Play(reader);
}

ProgramPlayer::ProgramPlayer(std::uint8_t setup, std::uint8_t day, std::FILE* trace)
    : trace_(trace), time_(hp_.clock, kStartDays[day % std::size(kStartDays)]) {
  const std::string storedAtStart = kStoredAtStart[setup % 4];
  const double tpp = kTwipsPerPixel[(setup >> 2) % 4];
  hp_.windows.screen = {static_cast<int>(1024 * tpp), static_cast<int>(768 * tpp), tpp, tpp};
  if (!storedAtStart.empty())
    hp_.settings.Save("KestalDate", "Impostazioni", "Data", storedAtStart);
  if ((setup >> 4) % 8 == 7) hp_.tray.available = false;  // started with Windows, no taskbar yet
  KeptState before;
  if (setup >> 7) {
    before.roots[kUserRoot].run = headless::HeadlessRegistry::String("C:\\KestalDate.exe");
  }
  const AutostartSetup& autostart = kAutostartSetups[(day >> 3) % std::size(kAutostartSetups)];
  if (autostart.executable) hp_.shell.executablePath = autostart.executable;
  const auto started =
      headless::HeadlessRegistry::String(RunCommand(hp_.shell.executablePath) + '\0');
  if (autostart.machineStarts) before.roots[kMachineRoot].run = started;
  if (autostart.userStarts) before.roots[kUserRoot].run = started;
  if (autostart.userTurnedOff) {
    const std::string turnedOff("\x03\0\0\0\0\0\0\0\0\0\0\0", 12);  // an odd first byte
    before.roots[kUserRoot].mark = headless::HeadlessRegistry::Binary(turnedOff);
  }
  PutRunValues(hp_, before);
  if (autostart.machineRefuses) {
    refusedRoots_[kMachineRoot] = true;
    hp_.registry.RefuseWrites(RegistryRoot::LocalMachine);
  }
  kept_ = ReadKeptState(hp_);
  hp_.log.Clear();
  expectNextGeneration_ = !storedAtStart.empty();

  hp_.effects.onAnimate = [this] { Fire(Nesting::Zoom); };
  hp_.windows.onMessageBox = [this](const headless::MessageBoxRecord& box) { OnMessageBox(box); };
  hp_.windows.onPopupMenu = [this](const headless::MenuRecord&) { OnMenu(); };
  hp_.shell.onOpen = [this] { Fire(Nesting::ShellOpen); };
  hp_.windows.onClick = [this](Form& form, int control, bool done) {
    OnClick(form, control, done);
  };
  program_ = std::make_unique<Program>(hp_.platform());

  char density[16];
  std::snprintf(density, sizeof density, "%g", tpp);
  Say(0, "start: setting \"" + storedAtStart + "\", " + density + " twips a pixel, " +
             TimeText(time_.Local()) + (hp_.tray.available ? "" : ", no taskbar yet") +
             (setup >> 7 ? ", another program's start in the user's Run key" : "") +
             autostart.what);
}

ProgramPlayer::~ProgramPlayer() = default;

void ProgramPlayer::Play(ActionReader& reader) {
  try {
    if (!program_->Start()) Fail("the program did not start");
    CheckAfterAction();
    while (!reader.AtEnd()) {
      const Action action = reader.Next();
      ++actionNumber_;
      Say(0, std::to_string(actionNumber_) + ". " + Describe(action));
      Run(action, 0);
      // A nested action waits for the next action of the user's own.
      if (action.nesting != Nesting::None) continue;
      // The action as it left things, before the message loop handles what was queued and
      // never let through meanwhile.
      CheckAlways();
      hp_.windows.RunPending();
      if (choiceAt_ > doubleClickAt_) CheckAfterMenuChoice();
      events_ = choiceAt_ = doubleClickAt_ = 0;
      for (const auto& [nesting, armed] : armed_) {
        for (const auto& dropped : armed) Say(1, "(never came: " + Describe(*dropped) + ")");
      }
      armed_.clear();
      CheckAfterAction();
    }
    if (!hp_.windows.Ended()) {
      Say(0, "end of the actions: the session ends");
      EndSession();
      CheckAfterAction();
    }
    if (!ended_) Fail("the session ended and the program goes on");
  } catch (const std::exception& e) {
    Fail(std::string("a failure escaped the program's handlers: ") + e.what());
  }
  program_.reset();
  CheckLetGo();
}

void ProgramPlayer::Say(int depth, const std::string& line) {
  if (trace_) std::fprintf(trace_, "%*s%s\n", depth * 4, "", line.c_str());
  if (trace_) std::fflush(trace_);
}

void ProgramPlayer::Run(const Action& action, int depth) {
  if (action.nesting != Nesting::None) {
    Arm(action, depth);
    return;
  }
  // What the log holds so far came from the action this one interrupts.
  if (depth > 0) ReadLog();
  const int outer = depth_;
  depth_ = depth;
  playing_.push_back(++played_);
  struct Restore {
    int& depth;
    int outer;
    std::vector<int>& playing;
    ~Restore() {
      depth = outer;
      playing.pop_back();
    }
  } restore{depth_, outer, playing_};
  switch (action.code) {
    case 'X':
      Tray(OtherTrayCode(action.a));
      break;
    case 'M':
      ChooseFromMenu(MenuChoice(action.a));
      break;
    case 'F': {
      ReadLog();
      if (timers_.empty()) {
        Say(depth + 1, "(no timer runs)");
        break;
      }
      long long next = timers_.begin()->second.first;
      for (const auto& [key, timer] : timers_) next = std::min(next, timer.first);
      PassTime(std::max(0LL, next - time_.Ticks()));
      break;
    }
    case 'W':
      PassTime(TimePassing(action.a));
      break;
    case 'N':
      PassTime(time_.ToNextMidnight() + 5);
      break;
    case 'C': {
      const ClockSetting& setting = ClockSettingOf(action.a);
      if (setting.relative) {
        time_.MoveClock(setting.moveMs);
      } else {
        time_.SetLocal(setting.at);
      }
      ClockChanged(SystemEvent::TimeChanged);
      break;
    }
    case 'Z':
      time_.MoveClock(8 * 3600 * 1000LL);
      ClockChanged(SystemEvent::Resumed);
      break;
    case 'G':
      // The taskbar announces itself with the icon still there, as it does when its density
      // changes.
      hp_.windows.Broadcast(SystemEvent::TaskbarCreated);
      break;
    case 'H':
    case 'h':
      hp_.tray.available = action.code == 'H';
      hp_.tray.RestartShell();
      if (hp_.tray.available) hp_.windows.Broadcast(SystemEvent::TaskbarCreated);
      break;
    case 'I':
      hp_.settings.refuseWrites = !hp_.settings.refuseWrites;
      break;
    case 'J': {
      bool& refused = refusedRoots_[action.a % 2];
      refused = !refused;
      hp_.registry.RefuseWrites(static_cast<RegistryRoot>(action.a % 2), refused);
      break;
    }
    case 'O':
      hp_.shell.result = hp_.shell.result > 32 ? 2 : 42;  // 2: the file was not found
      break;
    case 'Q':
      EndSession();
      break;
    default:
      // The tray icon's own codes, and the windows'.
      if (const int event = PlainTrayEvent(action.code); event >= 0) {
        Tray(event);
      } else {
        OnWindow(action, depth);
      }
      break;
  }
  if (depth > 0) CheckAlways();
}

void ProgramPlayer::Arm(const Action& action, int depth) {
  if (action.nesting == Nesting::Queued) {
    std::shared_ptr<const Action> inner = action.inner;
    hp_.windows.Post([this, inner, depth] {
      Say(depth + 1, "> now: " + Describe(*inner));
      Run(*inner, depth + 1);
    });
    return;
  }
  armed_[action.nesting].push_back(action.inner);
}

void ProgramPlayer::Fire(Nesting nesting) {
  for (const auto& action : std::exchange(armed_[nesting], {})) {
    Say(depth_ + 1, "> now: " + Describe(*action));
    Run(*action, depth_ + 1);
  }
}

void ProgramPlayer::OnMessageBox(const headless::MessageBoxRecord& box) {
  if (box.text.find("area di notifica") != std::string::npos) ++giveUpBoxes_;
  Say(depth_ + 1, "(message box \"" + box.title + "\": " + box.text.substr(0, 50) + ")");
  // A modal box disables its owner, the window whose handler opened it.
  blocked_.push_back(acting_.empty() ? nullptr : acting_.back());
  Fire(Nesting::MessageBox);
  // Its own message loop handles what is queued.
  hp_.windows.RunPending();
  blocked_.pop_back();
  Say(depth_ + 1, "(message box answered)");
}

void ProgramPlayer::OnMenu() {
  Say(depth_ + 1, "(the menu is open)");
  ++menusOpen_;
  Fire(Nesting::Menu);
  // The menu's own loop handles what is queued before it returns.
  hp_.windows.RunPending();
  --menusOpen_;
  const int choice = menuChoice_.value_or(-1);
  menuChoice_.reset();
  if (choice == TrayWindow::kMenuClose) {
    ReadLog();
    endAsked_ = true;
  }
  lastMenuChoice_ = choice;
  if (choice >= 0) choiceAt_ = ++events_;
  hp_.windows.QueueMenuChoice(choice);
  Say(depth_ + 1, "(the menu returns " + std::to_string(choice) + ")");
}

void ProgramPlayer::Tray(int code) {
  Form* form1 = program_->trayWindow.Current();
  if (!form1 || !hp_.windows.SurfaceOf(*form1) || !hp_.tray.IconShown()) {
    Say(depth_ + 1, "(no icon to reach)");
    return;
  }
  const std::size_t menus = hp_.log.Matching("PopupMenu").size();
  lastMenuChoice_ = -1;
  if (code == kTrayLeftDoubleClick) doubleClickAt_ = ++events_;
  hp_.windows.NotifyTray(*form1, code);
  if (hp_.log.Matching("PopupMenu").size() > menus && lastMenuChoice_ >= 0) CheckAfterMenuChoice();
}

void ProgramPlayer::ChooseFromMenu(int choice) {
  // The choice goes to the menu open now, or to the one the right click opens.
  menuChoice_ = choice;
  if (menusOpen_ > 0) return;
  Tray(kTrayRightButtonUp);
  menuChoice_.reset();
}

FormSlot& ProgramPlayer::SlotOf(std::string_view name) const {
  if (name == "About") return program_->about;
  if (name == "News") return program_->conventionsWindow;
  return program_->conversionWindow;
}

Form* ProgramPlayer::Reachable(std::string_view name) const {
  FormSlot& slot = SlotOf(name);
  if (!slot.IsLoaded() || menusOpen_ > 0) return nullptr;
  Form* form = slot.Current();
  const headless::HeadlessSurface* surface = hp_.windows.SurfaceOf(*form);
  if (!surface || !surface->Visible()) return nullptr;
  if (std::find(blocked_.begin(), blocked_.end(), form) != blocked_.end()) return nullptr;
  return form;
}

void ProgramPlayer::OnWindow(const Action& action, int depth) {
  const std::string_view name = WindowOf(action.a);
  Form* form = Reachable(name);
  if (!form) {
    Say(depth + 1, "(no " + std::string(name) + " to reach)");
    return;
  }
  const auto hold = form->Hold();
  acting_.push_back(form);
  struct Done {
    std::vector<const Form*>& acting;
    ~Done() { acting.pop_back(); }
  } done{acting_};
  headless::User user(hp_.windows, *form);
  switch (action.code) {
    case 'K': {
      const int id = action.b % static_cast<int>(form->Controls().size());
      const ControlDefinition& design = form->Controls()[static_cast<std::size_t>(id)];
      Say(depth + 1, "(" + headless::NameOf(design) + ")");
      user.Click(design.name, design.index);
      break;
    }
    case 'T':
    case 't':
      user.Tab(action.code == 't');
      break;
    case 'A':
      user.AccessKey(AccessKeyOf(action.b));
      break;
    case 'E':
    case 'S':
    case 'B':
      Key(*form, action.code == 'E' ? 13 : action.code == 'S' ? ' ' : 8, depth);
      break;
    case '<':
    case '>':
      Arrow(*form, action.code == '<');
      break;
    case 'Y':
      Type(*form, action.text, depth);
      break;
    case 'P':
      Paste(*form, OddText(action.b));
      break;
    case 'p':
      Paste(*form, action.text);
      break;
    default:
      break;
  }
}

// The captains' pictures choose the tooltip's convention as they are clicked or pressed; "&Ok"
// keeps what About shows.
void ProgramPlayer::OnClick(Form& form, int control, bool done) {
  if (form.Name() != "About") return;
  const std::string& name = form.Controls().at(static_cast<std::size_t>(control)).name;
  if (name == "Image2") expectNextGeneration_ = false;
  if (name == "Image3") expectNextGeneration_ = true;
  if (name != "Command1") return;
  if (done) {
    Confirmed();
  } else {
    Confirming(form);
  }
}

// A key in the focused control, as the user's own key press; the clicks it makes are told.
void ProgramPlayer::Key(Form& form, int key, int depth) {
  headless::User user(hp_.windows, form);
  const ControlDefinition* focused = user.Visible() ? user.FocusedControl() : nullptr;
  if (!focused) return;
  if (focused->name == "VelornDate") resultTyped_ = true;
  if (focused->kind != ControlKind::TextBox && (key == 13 || key == ' ') &&
      KeyClicks(*focused, key == 13 ? kestal::Key::Enter : kestal::Key::Space)) {
    Say(depth + 1, "(presses " + headless::NameOf(*focused) + ")");
  }
  user.PressKey(key);
}

void ProgramPlayer::Type(Form& form, std::string_view text, int depth) {
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char decoded = DecodeUtf8At(text, at);
    at += decoded.length;
    const char32_t c = decoded.valid ? decoded.code : kReplacementChar;
    // Keys go to the window while it is there to take them.
    if (Reachable(form.Name()) != &form) return;
    if (c == 9) {
      headless::User(hp_.windows, form).Tab(false);
    } else if (c == 27) {
      Say(depth + 1, "(Escape)");
      headless::User(hp_.windows, form).PressKey(kestal::Key::Escape);
    } else {
      Key(form, static_cast<int>(c), depth);
    }
  }
}

// An arrow key: in an option, the next option of its group is selected and clicked; in a text
// box, the caret moves.
void ProgramPlayer::Arrow(Form& form, bool back) {
  headless::HeadlessSurface* surface = hp_.windows.SurfaceOf(form);
  if (!surface) return;
  const int id = surface->FocusedControl();
  if (id < 0) return;
  const ControlDefinition& design = form.Controls().at(static_cast<std::size_t>(id));
  if (design.kind == ControlKind::TextBox) {
    surface->SetSelection(id, surface->SelStart(id) + (back ? -1 : 1), 0);
    return;
  }
  if (design.kind != ControlKind::OptionButton) return;
  const std::vector<int> group =
      OptionGroup(form.Controls(), TabOrder(form.Controls()), design.container,
                  [&](int other) { return surface->Enabled(other); });
  const int next = NextOption(group, id, back);
  if (next < 0 || next == id) return;
  const ControlDefinition& chosen = form.Controls().at(static_cast<std::size_t>(next));
  headless::User(hp_.windows, form).Click(chosen.name, chosen.index);
}

// Ctrl+V over the whole text of the focused text box.
void ProgramPlayer::Paste(Form& form, std::string_view text) {
  headless::User user(hp_.windows, form);
  const ControlDefinition* focused = user.FocusedControl();
  if (!focused || focused->kind != ControlKind::TextBox) return;
  if (focused->name == "VelornDate") resultTyped_ = true;
  user.ReplaceText(focused->name, text);
}

void ProgramPlayer::ClockChanged(SystemEvent event) {
  Say(depth_ + 1, "(the clock shows " + TimeText(time_.Local()) + ")");
  hp_.windows.Broadcast(event);
}

void ProgramPlayer::EndSession() {
  ReadLog();
  endAsked_ = true;
  hp_.windows.EndSession();
}

void ProgramPlayer::PassTime(long long milliseconds) {
  ReadLog();
  FireDueTimers(time_.Ticks() + std::min(milliseconds, time_.Left()));
  Say(depth_ + 1, "(the clock shows " + TimeText(time_.Local()) + ")");
}

void ProgramPlayer::FireDueTimers(long long until) {
  const auto fire = [this](const std::pair<std::string, int>& key) {
    Form* form = nullptr;
    for (Form* loaded : hp_.windows.LoadedForms()) {
      if (loaded->Name() == key.first) form = loaded;
    }
    Say(depth_ + 1, "(timer " + std::to_string(key.second) + " of " + key.first + " at " +
                        TimeText(time_.Local()) + ")");
    if (!form || !hp_.windows.FireTimer(*form, key.second)) timers_.erase(key);
    ReadLog();
  };
  for (int fired = 0;; ++fired) {
    const auto due = std::min_element(
        timers_.begin(), timers_.end(),
        [](const auto& a, const auto& b) { return a.second.first < b.second.first; });
    if (due == timers_.end() || due->second.first > until) break;
    const auto key = due->first;
    if (fired == kMostFirings) {
      // Late: the rest of the time passes, and each timer still due fires once.
      time_.Pass(until - time_.Ticks());
      std::vector<std::pair<std::string, int>> late;
      for (auto& [lateKey, timer] : timers_) {
        if (timer.first > until) continue;
        late.push_back(lateKey);
        timer.first = until + std::max(1L, timer.second);
      }
      for (const auto& lateKey : late) fire(lateKey);
      break;
    }
    time_.Pass(std::max(0LL, due->second.first - time_.Ticks()));
    due->second.first += due->second.second;  // timers repeat until killed
    fire(key);
  }
  time_.Pass(std::max(0LL, until - time_.Ticks()));
}

}  // namespace kestal::fuzzing
