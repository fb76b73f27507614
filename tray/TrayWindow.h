#pragma once
// The hidden start-up window (Form1): it puts the icon in the tray, keeps its tooltip on today's
// stardate, turns the icon's mouse events into the program's commands, and removes the icon
// when it is unloaded.
#include <optional>
#include <vector>

#include "forms/Controls.h"
#include "forms/FormSlot.h"
#include "services/Platform.h"
#include "tray/TrayIcon.h"

namespace kestal {

class TrayWindow : public Form {
 public:
  // The three windows the menu opens: About, conventions, conversion.
  TrayWindow(Platform& platform, TrayIcon& trayIcon, FormSlot& about, FormSlot& conventionsWindow,
             FormSlot& conversionWindow);

  // The popup menu mnuMain, and the index of each command.
  static const std::vector<MenuItem>& MenuItems();
  static constexpr int kMenuConventions = 0;
  static constexpr int kMenuConversion = 1;
  static constexpr int kMenuAbout = 3;
  static constexpr int kMenuClose = 5;

  // Timers of the window: the next local midnight, and adding the icon again while the taskbar
  // isn't there yet.
  static constexpr int kMidnightTimer = 1;
  static constexpr int kAddIconTimer = 2;
  static constexpr long kAddIconRetryMilliseconds = 2000;
  static constexpr int kAddIconRetries = 60;  // two minutes

  int TrayMessage = 0;    // event code of the last notification
  bool TrayBusy = false;  // a notification is being handled

  void mnuMain_Click(int index);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  // The icon's events: a double click shows About, a right click or the keyboard the menu.
  void Form_TrayEvent(int event, PixelPoint anchor) override;
  void Form_Timer(int timerId) override;
  bool Form_SystemEvent(SystemEvent event) override;

 private:
  bool TryAddIcon();
  void AddIconOrRetry();
  void StopRetrying();
  void GiveUpAddingIcon();
  void WaitForMidnight();
  void FollowTheDate();
  void ShowAbout();
  // The popup menu, at the pointer or, opened by the keyboard, at the icon's anchor; a menu the
  // keyboard opened and left without a choice gives the keyboard back to the notification area.
  void OpenMenu(std::optional<PixelPoint> anchor);

  Platform& platform_;
  TrayIcon& trayIcon_;
  FormSlot& about_;
  FormSlot& conventionsWindow_;
  FormSlot& conversionWindow_;
  int addIconRetriesLeft_ = 0;
  bool iconAdded_ = false;  // the shell took the icon the last time it was added
  bool closing_ = false;    // "Chiudi" was chosen: the program is ending
};

}  // namespace kestal
