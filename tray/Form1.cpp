#include "tray/Form1.h"

#include "app/Program.h"
#include "platform/Geometry.h"
#include "resources/ResourceIds.h"
#include "tray/TrayTooltip.h"

namespace kestal {

namespace {
constexpr uint32_t kTrayIconId = 1;
constexpr uint32_t kTrayCallbackMessage = 512;  // the pointer-move message
}  // namespace

Form1::Form1(Program& program)
    : Form(program, FormSpec{"Form1", "Velorn", 0, 0, IDI_KESTAL, true}) {}

const std::vector<MenuItem>& Form1::MenuItems() {
  static const std::vector<MenuItem> items{
      {"Convenzioni"}, {"Calcolo data"}, {"-"}, {"Informazioni"}, {"-"}, {"Chiudi"}};
  return items;
}

void Form1::Form_Load() {
  Program& p = program();
  const std::string setting = p.platform.settings.Get("KestalDate", "Impostazioni", "Data");

  NotifyIconRecord& record = p.TrayIconData;
  record.cbSize = kNotifyIconRecordSize;
  record.hWnd = hWnd();
  record.uID = kTrayIconId;
  record.uFlags = kNifMessage | kNifIcon | kNifTip;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = Surface() ? Surface()->Icon() : 0;

  // Any stored text, not only the one the program writes, selects the Next Generation tooltip.
  p.TrayShowsNextGeneration = !setting.empty();
  AddIconOrRetry();
  p.platform.windows.Hide(*this);
  WaitForMidnight();
}

void Form1::Form_Unload() {
  Program& p = program();
  KillTimer(kMidnightTimer);
  StopRetrying();
  NotifyIconRecord& record = p.TrayIconData;
  record.cbSize = kNotifyIconRecordSize;
  record.hWnd = hWnd();
  record.uID = kTrayIconId;
  p.platform.tray.NotifyIcon(kNimDelete, record);
}

// Adds the icon with today's tooltip in the convention it shows. A refusal may also mean that
// the icon is there already (the shell announces itself for other reasons too): a change that
// the shell takes says so.
bool Form1::TryAddIcon() {
  Program& p = program();
  ComposeTrayTooltip(p);
  return p.platform.tray.NotifyIcon(kNimAdd, p.TrayIconData) ||
         p.platform.tray.NotifyIcon(kNimModify, p.TrayIconData);
}

// At start with Windows, or while the shell restarts, the taskbar may not be there yet: try
// again every two seconds for two minutes, then give up.
void Form1::AddIconOrRetry() {
  if (TryAddIcon()) {
    StopRetrying();
    return;
  }
  addIconRetriesLeft_ = kAddIconRetries;
  SetTimer(kAddIconTimer, kAddIconRetryMilliseconds);
}

void Form1::StopRetrying() {
  addIconRetriesLeft_ = 0;
  KillTimer(kAddIconTimer);
}

// One timer to the next local midnight, recomputed each time it fires, so that a timer that
// comes a little early or late never loses a day.
void Form1::WaitForMidnight() {
  KillTimer(kMidnightTimer);
  SetTimer(kMidnightTimer, MillisecondsToMidnight(program().platform.clock.Now()));
}

// The day may have changed: today's stardate in the convention shown, and a new wait.
void Form1::FollowTheDate() {
  Program& p = program();
  SetTrayTooltip(p, p.TrayShowsNextGeneration);
  WaitForMidnight();
}

void Form1::Form_Timer(int timerId) {
  if (timerId == kMidnightTimer) {
    FollowTheDate();
  } else if (timerId == kAddIconTimer) {
    if (TryAddIcon() || --addIconRetriesLeft_ <= 0) StopRetrying();
  }
}

void Form1::Form_SystemEvent(SystemEvent event) {
  Program& p = program();
  switch (event) {
    case SystemEvent::TaskbarCreated:
      // The shell restarted and forgot the icon (or the taskbar has just come up).
      AddIconOrRetry();
      break;
    case SystemEvent::TimeChanged:
    case SystemEvent::Resumed:
      FollowTheDate();
      break;
    case SystemEvent::IconChanged:
      // The tray shows the icon at the size of the new density.
      p.TrayIconData.hIcon = Surface() ? Surface()->Icon() : 0;
      p.platform.tray.NotifyIcon(kNimModify, p.TrayIconData);
      break;
  }
}

void Form1::Form_MouseMove(int /*button*/, int /*shift*/, double x, double /*y*/) {
  // The tray puts its event code where a pointer message carries the horizontal position, which
  // the window layer hands over in twips.
  TrayMessage =
      static_cast<int>(RoundHalfEven(x / program().platform.windows.Screen().twipsPerPixelX));
  // Nested message processing (the menu's own loop, a window's opening effects) can bring
  // another notification while one is handled: it is ignored.
  if (TrayBusy) return;
  TrayBusy = true;
  struct Done {
    bool& busy;
    ~Done() { busy = false; }
  } done{TrayBusy};
  Program& p = program();
  switch (TrayMessage) {
    case kLeftDoubleClick:
      p.Show(p.about);
      break;
    case kRightButtonUp: {
      const int chosen = p.platform.windows.PopupMenu(*this, MenuItems(), kMenuAbout);
      if (chosen >= 0) mnuMain_Click(chosen);
      break;
    }
    default:
      break;
  }
}

void Form1::mnuMain_Click(int index) {
  Program& p = program();
  // At most one of the three windows is open after a command, and a chosen one starts afresh.
  p.Unload(p.about);
  p.Unload(p.news);
  p.Unload(p.dataAstrale);
  switch (index) {
    case kMenuConventions:
      p.Show(p.news);
      break;
    case kMenuConversion:
      p.Show(p.dataAstrale);
      break;
    case kMenuAbout:
      p.Show(p.about);
      break;
    case kMenuClose:
      p.Unload(p.form1);
      break;
    default:
      break;
  }
}

}  // namespace kestal
