#include "tray/TrayWindow.h"

#include "resources/ResourceIds.h"
#include "services/Midnight.h"
#include "settings/ConventionSetting.h"

namespace kestal {

TrayWindow::TrayWindow(Platform& platform, TrayIcon& trayIcon, FormSlot& about,
                       FormSlot& conventionsWindow, FormSlot& conversionWindow)
    : Form(FormDefinition{"Form1", "Velorn", 0, 0, IDI_KESTAL, true}),
      platform_(platform),
      trayIcon_(trayIcon),
      about_(about),
      conventionsWindow_(conventionsWindow),
      conversionWindow_(conversionWindow) {}

const std::vector<MenuItem>& TrayWindow::MenuItems() {
  static const std::vector<MenuItem> items{
      {"Convenzioni"}, {"Calcolo data"}, {"-"}, {"Informazioni"}, {"-"}, {"Chiudi"}};
  return items;
}

void TrayWindow::Form_Load() {
  const std::string setting = ReadConventionSetting(platform_.settings);
  // Any stored text, not only the one the program writes, selects the Next Generation tooltip.
  trayIcon_.Choose(!setting.empty());
  platform_.windows.AcceptOtherPrograms(*this);
  AddIconOrRetry();
  platform_.windows.Hide(*this);
  WaitForMidnight();
}

void TrayWindow::Form_Unload() {
  KillTimer(kMidnightTimer);
  StopRetrying();
  platform_.tray.Remove();
}

// Adds the icon with today's tooltip in the convention it shows.
bool TrayWindow::TryAddIcon() {
  iconAdded_ = trayIcon_.Add(hWnd());
  return iconAdded_;
}

// At start with Windows, or while the shell restarts, the taskbar may not be there yet: try
// again every two seconds for two minutes, then give up (GiveUpAddingIcon).
void TrayWindow::AddIconOrRetry() {
  if (TryAddIcon()) {
    StopRetrying();
    return;
  }
  addIconRetriesLeft_ = kAddIconRetries;
  SetTimer(kAddIconTimer, kAddIconRetryMilliseconds);
}

void TrayWindow::StopRetrying() {
  addIconRetriesLeft_ = 0;
  KillTimer(kAddIconTimer);
}

// Without its icon the program could not be reached: the user is told, and it ends with a
// failure code, unless the taskbar came up while the message was read.
void TrayWindow::GiveUpAddingIcon() {
  platform_.windows.MsgBox(
      "Kestal Date non riesce a mettere la sua icona nell'area di notifica: la barra delle "
      "applicazioni non risponde. Il programma si chiude.",
      MsgBoxIcon::Exclamation, "KestalDate");
  if (iconAdded_) return;
  platform_.windows.SetExitCode(1);
  platform_.windows.Unload(*this);
}

// One timer to the next local midnight, recomputed each time it fires, so that a timer that
// comes a little early or late never loses a day.
void TrayWindow::WaitForMidnight() {
  KillTimer(kMidnightTimer);
  SetTimer(kMidnightTimer, MillisecondsToMidnight(platform_.clock));
}

// The day may have changed: today's stardate in the convention shown, and a new wait.
void TrayWindow::FollowTheDate() {
  trayIcon_.Show(trayIcon_.ShowsNextGeneration());
  WaitForMidnight();
}

void TrayWindow::Form_Timer(int timerId) {
  if (timerId == kMidnightTimer) {
    FollowTheDate();
  } else if (timerId == kAddIconTimer) {
    if (TryAddIcon()) {
      StopRetrying();
    } else if (--addIconRetriesLeft_ <= 0) {
      StopRetrying();
      GiveUpAddingIcon();
    }
  }
}

bool TrayWindow::Form_SystemEvent(SystemEvent event) {
  switch (event) {
    case SystemEvent::TaskbarCreated:
      // The shell restarted and forgot the icon (or the taskbar has just come up).
      AddIconOrRetry();
      break;
    case SystemEvent::TimeChanged:
    case SystemEvent::Resumed:
      FollowTheDate();
      break;
    case SystemEvent::AnotherStart:
      // Started again from the Start menu or at sign-in: the one copy shows what a double click
      // on its icon shows. A copy that is ending says no, and the new start waits for its end.
      if (closing_ || State() != FormState::Loaded) return false;
      ShowAbout();
      break;
  }
  return true;
}

void TrayWindow::Form_TrayEvent(int event, PixelPoint anchor) {
  const int previous = TrayMessage;
  TrayMessage = event;
  // Nested message processing (the menu's own loop, a window's opening effects) can bring
  // another notification while one is handled: it is ignored.
  if (TrayBusy) return;
  TrayBusy = true;
  struct Done {
    bool& busy;
    ~Done() { busy = false; }
  } done{TrayBusy};
  switch (TrayMessage) {
    case kTrayLeftDoubleClick:
      ShowAbout();
      break;
    case kTrayRightButtonUp:
      OpenMenu(std::nullopt);
      break;
    case kTrayKeySelect:
      // Enter or Space on the icon reached with the keyboard.
      OpenMenu(anchor);
      break;
    case kTrayContextMenu:
      // The menu key; the shell sends the same right after a right button release, whose menu
      // has opened already.
      if (previous != kTrayRightButtonUp) OpenMenu(anchor);
      break;
    default:
      break;
  }
}

void TrayWindow::OpenMenu(std::optional<PixelPoint> anchor) {
  const int chosen = platform_.windows.PopupMenu(*this, MenuItems(), kMenuAbout, anchor);
  if (chosen >= 0) {
    mnuMain_Click(chosen);
  } else if (anchor && State() == FormState::Loaded) {
    platform_.tray.GiveFocusBack();
  }
}

// A double click while About plays its closing opens it afresh once the closing ends.
void TrayWindow::ShowAbout() {
  Form* closing = about_.Current();
  if (!closing || closing->State() != FormState::Unloading) {
    platform_.windows.Show(about_);
    return;
  }
  platform_.windows.AfterRelease(*closing, [this, tray = weak_from_this()] {
    // Not once the program is ending.
    if (const auto hold = tray.lock(); hold && State() == FormState::Loaded)
      platform_.windows.Show(about_);
  });
}

void TrayWindow::mnuMain_Click(int index) {
  // At most one of the three windows is open after a command, and a chosen one starts afresh:
  // an opening of About that a double click asked for while it closes is the earlier command.
  if (Form* closing = about_.Current(); closing && closing->State() == FormState::Unloading) {
    platform_.windows.AfterRelease(*closing, [] {});
  }
  if (index == kMenuClose) closing_ = true;
  platform_.windows.Unload(about_);
  platform_.windows.Unload(conventionsWindow_);
  platform_.windows.Unload(conversionWindow_);
  // Their closing lets messages through: the program may have been closed meanwhile (the
  // session ended), and then nothing opens.
  if (State() != FormState::Loaded) return;
  switch (index) {
    case kMenuConventions:
      platform_.windows.Show(conventionsWindow_);
      break;
    case kMenuConversion:
      platform_.windows.Show(conversionWindow_);
      break;
    case kMenuAbout:
      ShowAbout();
      break;
    case kMenuClose:
      platform_.windows.Unload(*this);
      break;
    default:
      break;
  }
}

}  // namespace kestal
