#pragma once
// The headless platform: a real implementation of every platform interface, in memory. It
// behaves like the window system (load once, unload once, option groups, change and focus
// events, modal boxes answered at once with OK, a popup menu choice given by the test, a screen
// of a size the test sets, an in-memory registry and settings store that can refuse writes) and
// records what the program asked of the platform, so a test reads like a user's session.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/TabOrder.h"
#include "services/Platform.h"

namespace kestal::headless {

// What a test reads of some calls beyond their line (CallLog::Records).
struct MessageBoxRecord {
  std::string text;
  MsgBoxIcon icon;
  std::string title;
};

struct MenuRecord {
  std::string owner;
  std::vector<MenuItem> items;
  int defaultIndex;
  std::optional<PixelPoint> at;  // none: at the pointer
};

struct AnimationRecord {
  WindowHandle window;
  PixelRect from, to;
};

struct SoundRecord {
  std::vector<uint8_t> bytes;
  unsigned flags;
};

struct OpenRecord {
  std::string target;
  WindowHandle owner;  // the window it was opened for
};

// Every platform call, in order, as one line of text. Handles are written as signed decimal
// numbers (std::to_string of the handle as intptr_t: HWND_TOPMOST is -1).
//   windows:  "Form_Load(<name>)", "Form_Unload(<name>)" (just before the handler runs),
//             "ShowWindow(<name>)", "HideWindow(<name>)", "DestroyWindow(<name>)",
//             "Move(<name>,<left>,<top>)", "SetBackColor(<name>)", "Refresh(<name>)",
//             "SetTimer(<name>,<id>,<ms>)", "KillTimer(<name>,<id>)", "DoEvents",
//             "MsgBox(<title>)", "PopupMenu", "SetMousePointer(11)" (hourglass) / "(0)",
//             "NameChanged(<name>,<control>)" (a windowless text changed on a shown window),
//             "AcceptOtherPrograms(<name>)"
//   effects:  "AnimateOutline(<hwnd>,(l,t,r,b),(l,t,r,b))", "MakeTopmost(<hwnd>)",
//             "RoundOutline(<hwnd>,348,324,20)"
//   tray:     "NotifyIcon(Show)", "NotifyIcon(Tooltip)", "NotifyIcon(FocusBack)",
//             "NotifyIcon(Remove)"
//   registry: "GetRegValue(HKLM|HKCU,<path>,<name>)",
//             "SetRegValue(HKLM|HKCU,<path>,<name>,<text>)",
//             "DeleteRegValue(HKLM|HKCU,<path>,<name>)", "DeleteRegKey(HKLM|HKCU,<path>)"
//   settings: "GetSetting(<app>,<section>,<key>)", "SaveSetting(<app>,<section>,<key>,<text>)",
//             "DeleteSetting(<app>,<section>)"
//   shell:    "OpenWithShell(<target>)"
//   sound:    "PlaySound(<id>)" (the STD_SOUND resource whose bytes were played, "?" for other
//             bytes), "StopSound"
// A message box, a popup menu, an outline drawn, a sound started and a target handed to the
// shell also keep what was asked in full, with their line.
class CallLog {
 public:
  using Detail = std::variant<std::monostate, MessageBoxRecord, MenuRecord, AnimationRecord,
                              SoundRecord, OpenRecord>;
  struct Call {
    std::string text;
    Detail detail;
  };
  void Add(std::string text, Detail detail = {}) {
    calls_.push_back({std::move(text), std::move(detail)});
  }
  const std::vector<Call>& Calls() const { return calls_; }
  std::vector<std::string> Entries() const { return Matching(""); }  // the lines, in order
  // The lines that begin with the prefix, in order.
  std::vector<std::string> Matching(std::string_view prefix) const;
  // The details of one kind, in order.
  template <class Record>
  std::vector<Record> Records() const {
    std::vector<Record> found;
    for (const Call& call : calls_) {
      if (const Record* record = std::get_if<Record>(&call.detail)) found.push_back(*record);
    }
    return found;
  }
  void Clear() { calls_.clear(); }

 private:
  std::vector<Call> calls_;
};

class HeadlessResources;
class HeadlessSurface;  // one loaded window in memory (HeadlessSurface.h)

class HeadlessWindowSystem : public WindowSystem {
 public:
  explicit HeadlessWindowSystem(CallLog& log) : log_(log) {}

  ScreenMetrics screen{15360, 11520, 15, 15};  // 1024 x 768 pixels at 15 twips a pixel
  // The density of the monitor the windows open on, in twips a pixel, where it differs from the
  // system's (0: the system's).
  double monitorTwipsPerPixel = 0;

  Color highlight{10, 36, 106};
  // High contrast is off unless a test turns it on; the colours are Windows' ordinary ones.
  SystemColors systemColors{.highContrast = false,
                            .window = {255, 255, 255},
                            .windowText = {0, 0, 0},
                            .hotLight = {0, 102, 204},
                            .buttonFace = {240, 240, 240},
                            .buttonText = {0, 0, 0}};

  ScreenMetrics Screen() const override { return screen; }
  Color HighlightColor() const override { return highlight; }
  SystemColors Colors() const override { return systemColors; }
  void DoEvents() override;
  void MsgBox(std::string_view text, MsgBoxIcon icon, std::string_view title) override;
  int PopupMenu(Form& owner, const std::vector<MenuItem>& items, int defaultIndex,
                std::optional<PixelPoint> at) override;
  void SetMousePointer(MousePointer pointer) override;
  void AcceptOtherPrograms(Form& form) override;

  // --- What the test sees and does -----------------------------------------------------------
  // Messages that the next DoEvents (or a popup menu's own loop) handles, in order.
  void Post(std::function<void()> message) { pending_.push_back(std::move(message)); }
  // Runs every pending message, as the platform's message loop would between two events.
  void RunPending();
  // The next popup menus choose these indexes (-1: dismissed); with none queued, dismissed.
  void QueueMenuChoice(int index) { menuChoices_.push_back(index); }
  // Called while each message box is open (it is modal), before it is answered with OK.
  std::function<void(const MessageBoxRecord&)> onMessageBox;
  // Called while each popup menu is open, before the queued choice is taken.
  std::function<void(const MenuRecord&)> onPopupMenu;
  // Called as a click of the user's (the mouse, a key that presses, an access key) reaches a
  // control's handler, and again, `done`, once the handler has returned.
  std::function<void(Form& form, int control, bool done)> onClick;
  // The user's click reaching the control's handler, between the two calls of onClick.
  void Click(Form& form, int control);

  MousePointer Pointer() const { return pointer_; }
  bool Ended() const { return ended_; }  // no window was left loaded
  int ExitCode() const { return exitCode_; }
  bool refuseWindows = false;  // the next windows can't be made

  // The loaded window's surface, or null.
  HeadlessSurface* SurfaceOf(const Form& form) const;
  // A surface's window handle names it in the log and in the effects' window tree.
  Form* FormOf(WindowHandle handle) const;

  // The interval of a loaded window's running timer elapses: Form_Timer(timerId) runs. False
  // (and nothing runs) when the window isn't loaded or the timer isn't running.
  bool FireTimer(Form& form, int timerId);
  // The interval of a running timer, or 0 when it isn't running.
  long TimerInterval(const Form& form, int timerId) const;
  // An event of the tray icon reaching the window it was shown for, with the icon's anchor
  // (the bottom-right corner's icon, as Windows' notification area has it). Nothing happens
  // when the window isn't loaded.
  void NotifyTray(Form& form, int event, PixelPoint anchor = {1010, 758});
  // A system event (taskbar created, time changed, resumed) reaches every loaded window.
  void Broadcast(SystemEvent event);

  // What the platform handed out and has not had back: windows made and not destroyed, window
  // objects not yet freed (a destroyed window's object goes with its form), and timers running
  // on any of them. A closed window gives back its window and its timers at once.
  struct Outstanding {
    std::size_t windows = 0, objects = 0, timers = 0;
  };
  Outstanding Held() const;
  // Every window object not yet freed, destroyed or not, oldest first.
  const std::vector<HeadlessSurface*>& Objects() const { return objects_; }

 protected:
  std::unique_ptr<FormSurface> CreateSurface(Form& form) override;
  void Quit(int exitCode) override {
    ended_ = true;
    exitCode_ = exitCode;
  }
  void Loading(Form& form) override;
  void Unloading(Form& form) override;

 private:
  friend class HeadlessSurface;
  CallLog& log_;
  std::deque<std::function<void()>> pending_;
  std::deque<int> menuChoices_;
  // The surfaces belong to their forms.
  std::vector<HeadlessSurface*> surfaces_;
  std::vector<HeadlessSurface*> objects_;
  MousePointer pointer_ = MousePointer::Default;
  bool ended_ = false;
  int exitCode_ = 0;
  WindowHandle nextHandle_ = 0x1000;
};

// The window effects, recorded: the desktop and the notification area are what the test sets,
// a loaded window's rectangle comes from its place and size.
class HeadlessEffects : public WindowEffects {
 public:
  HeadlessEffects(CallLog& log, HeadlessWindowSystem& windows) : log_(log), windows_(windows) {}

  PixelRect desktop{0, 0, 1024, 768};
  std::optional<PixelRect> notificationArea = PixelRect{951, 748, 1020, 768};  // none: no taskbar
  std::optional<PixelRect> trayIcon;  // the program's icon, when the shell tells where it is
  std::optional<PixelRect> taskbar = PixelRect{0, 738, 1024, 768};  // none: no taskbar
  bool animationsOn = true;  // the system's animation effects

  PixelRect DesktopRect() override { return desktop; }
  std::optional<PixelRect> WindowRect(WindowHandle window) override;
  std::optional<PixelRect> NotificationArea() override { return notificationArea; }
  std::optional<PixelRect> TrayIconRect(WindowHandle window) override;
  std::optional<PixelRect> TaskbarRect() override { return taskbar; }
  bool AnimationsOn() override { return animationsOn; }
  void AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) override;
  void MakeTopmost(WindowHandle window) override;
  void EndTopmost(WindowHandle window) override;

  // Called inside each animation, as the zoom would let messages through.
  std::function<void()> onAnimate;
  bool IsTopmost(WindowHandle window) const { return topmost_.contains(window); }

  // A loaded window's outer rectangle in pixels.
  PixelRect RectOf(const Form& form) const;

 private:
  CallLog& log_;
  HeadlessWindowSystem& windows_;
  std::set<WindowHandle> topmost_;
};

// The notification area: the icon as the shell would show it.
class HeadlessTray : public TrayArea {
 public:
  explicit HeadlessTray(CallLog& log) : log_(log) {}
  bool Show(WindowHandle window, std::string_view tooltip) override;
  bool SetTooltip(std::string_view tooltip) override;
  void GiveFocusBack() override;
  void Remove() override;

  bool available = true;  // false: the taskbar isn't there, nothing is shown
  bool IconShown() const { return shown_; }
  std::string Tooltip() const;                     // the shown tooltip, up to its NUL
  WindowHandle Window() const { return window_; }  // the window its events go to
  // The shell restarts: the icon is gone until it is shown again.
  void RestartShell() { shown_ = false; }

 private:
  CallLog& log_;
  bool shown_ = false;
  std::string tooltip_;
  WindowHandle window_ = 0;
};

// The text in lower case: registry keys and values, settings and paths compare that way.
std::string Lower(std::string_view text);

// The registry in memory: key paths and value names compare without regard to letter case, as
// in the registry; the autostart keys exist from the start, as on every Windows machine.
class HeadlessRegistry : public Registry {
 public:
  explicit HeadlessRegistry(CallLog& log);
  std::optional<std::string> GetString(RegistryRoot root, std::string_view path,
                                       std::string_view name) override;
  bool SetString(RegistryRoot root, std::string_view path, std::string_view name,
                 std::string_view text) override;
  std::optional<std::vector<uint8_t>> GetBinary(RegistryRoot root, std::string_view path,
                                                std::string_view name) override;
  bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
  bool DeleteKey(RegistryRoot root, std::string_view path) override;

  // Writes and removals under this root are refused (an ordinary user on the machine's root).
  void RefuseWrites(RegistryRoot root, bool refuse = true) { refused_[root] = refuse; }
  // A value as stored: a string's characters with their terminating NUL (REG_SZ, or
  // REG_EXPAND_SZ), a number, or the bytes of a binary value.
  enum class Type { String, ExpandString, Number, Binary };
  struct Value {
    Type type = Type::String;
    std::string text;  // a string's characters or a binary value's bytes
    uint32_t number = 0;
  };
  static Value String(std::string_view stored) { return {Type::String, std::string(stored), 0}; }
  static Value ExpandString(std::string_view stored) {
    return {Type::ExpandString, std::string(stored), 0};
  }
  // The environment variables a REG_EXPAND_SZ value is expanded with, by lower-case name.
  std::map<std::string, std::string> environment{
      {"localappdata", "C:\\Users\\utente\\AppData\\Local"}, {"programfiles", "C:\\Program Files"}};
  static Value Number(uint32_t number) { return {Type::Number, {}, number}; }
  static Value Binary(std::string_view bytes) { return {Type::Binary, std::string(bytes), 0}; }
  // What the test puts in place and reads back, without a call being logged.
  void Put(RegistryRoot root, std::string_view path, std::string_view name, Value value);
  std::optional<Value> Get(RegistryRoot root, std::string_view path, std::string_view name) const;
  bool KeyExists(RegistryRoot root, std::string_view path) const;

 private:
  std::string Expanded(std::string_view text) const;
  CallLog& log_;
  std::map<RegistryRoot, bool> refused_;
  // root -> lower-case key path -> lower-case value name -> (name as written, value)
  std::map<RegistryRoot,
           std::map<std::string, std::map<std::string, std::pair<std::string, Value>>>>
      keys_;
};

class HeadlessSettings : public SettingsStore {
 public:
  explicit HeadlessSettings(CallLog& log) : log_(log) {}
  std::string Get(std::string_view app, std::string_view section, std::string_view key) override;
  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  void DeleteSection(std::string_view app, std::string_view section) override;
  bool SectionExists(std::string_view app, std::string_view section) const;
  // The stored text without logging a call, or none when the key is missing.
  std::optional<std::string> Peek(std::string_view app, std::string_view section,
                                  std::string_view key) const;
  // Writes are refused (the store can't be written): Save and DeleteSection change nothing.
  bool refuseWrites = false;

 private:
  CallLog& log_;
  // Application, section and key compare without regard to letter case, as in the registry
  // that holds them on Windows.
  std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> store_;
};

class HeadlessShell : public Shell {
 public:
  explicit HeadlessShell(CallLog& log) : log_(log) {}
  std::intptr_t Open(std::string_view target, WindowHandle owner) override;
  std::string ExecutablePath() override { return executablePath; }
  // By the folders below, letter case aside.
  FolderKind FolderOf(std::string_view path) override;
  // The executable and the files listed, letter case aside.
  bool FileExists(std::string_view path) override;
  // Letter case aside.
  bool SamePath(std::string_view a, std::string_view b) override;

  std::string executablePath = "C:\\Programmi\\KestalDate\\KestalDate.exe";
  std::string temporaryFolder = "C:\\Users\\utente\\AppData\\Local\\Temp";
  std::string userFolder = "C:\\Users\\utente";
  std::vector<std::string> files;  // the files that exist besides the executable
  std::intptr_t result = 42;       // what the shell answers
  std::function<void()> onOpen;    // called inside each request

 private:
  CallLog& log_;
};

// Plays nothing; records each image started, and can tell whether the one still playing holds
// the bytes it was started with.
class HeadlessSound : public SoundPlayer {
 public:
  explicit HeadlessSound(CallLog& log) : log_(log) {}
  bool PlaySound(const uint8_t* image, std::size_t size, unsigned flags) override;
  void StopSound() override;

  bool deviceAvailable = true;  // false: nothing can be played (the call fails, silently)
  // Checks that the image now playing still holds the bytes it was started with.
  bool PlayingImageIntact() const;
  bool Playing() const { return playing_ != nullptr; }
  // Names the images in the log: "PlaySound(16)" for the bytes of the STD_SOUND resource 16.
  void IdentifyImagesFrom(HeadlessResources& resources) { resources_ = &resources; }

 private:
  CallLog& log_;
  HeadlessResources* resources_ = nullptr;
  const uint8_t* playing_ = nullptr;
  std::vector<uint8_t> started_;  // the bytes the one playing was started with
};

// The program's resources, read from the committed files under resources/ of a source tree:
// "STD_SOUND" 16 and 24 are sound16.wav and sound24.wav. An empty folder name means the
// resources/ folder of the source tree this layer was built from.
class HeadlessResources : public Resources {
 public:
  explicit HeadlessResources(std::string resourceDir);
  std::vector<uint8_t> Load(std::string_view type, int id) override;

  // The resources handed out, latest last.
  struct Loaded {
    std::string type;
    int id;
    std::vector<uint8_t> bytes;
  };
  const std::vector<Loaded>& Loads() const { return loads_; }

 private:
  std::string dir_;
  std::vector<Loaded> loads_;
};

// The machine's clock: an instant the test sets or moves, and the time zone's rules.
class ManualClock : public Clock {
 public:
  ManualClock() { SetLocal({2002, 6, 15, 10, 30, 0, 0}); }
  Instant NowUtc() const override { return now; }
  LocalDateTime LocalTimeAt(Instant instant) const override;
  // Sets the clock to a wall-clock time by the zone's rules: the first instant that shows it; a
  // time the clocks skip, as the clock before the change would have counted it.
  void SetLocal(const LocalDateTime& local);

  Instant now = 0;
  // Minutes that local time is ahead of UTC at an instant: the zone. A test may give it changes.
  std::function<int(Instant)> utcOffset = [](Instant) { return 60; };
};

// Central European time: UTC+1, and UTC+2 from the last Sunday of March to the last Sunday of
// October, changing at 01:00 UTC (2:00 local in spring, 3:00 in autumn).
int CentralEuropeanOffset(Instant utc);

// All of it together.
class HeadlessPlatform {
 public:
  explicit HeadlessPlatform(std::string resourceDir = "");
  CallLog log;
  HeadlessWindowSystem windows{log};
  HeadlessEffects effects{log, windows};
  HeadlessTray tray{log};
  HeadlessRegistry registry{log};
  HeadlessShell shell{log};
  HeadlessSound sound{log};
  HeadlessResources resources;
  HeadlessSettings settings{log};
  ManualClock clock;
  Platform& platform() { return platform_; }

 private:
  Platform platform_;
};

}  // namespace kestal::headless
