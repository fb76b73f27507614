#pragma once
// The program's icon in the notification area, on Win32: the one object that holds what the
// shell is given (window, id, callback message, icon, tooltip), asks for the icon's current form
// after every add, shows it again when the taskbar comes back, and gives the shell the icon at
// the size of each density.
#include "platform/win32/Owned.h"
#include "services/TrayIconRules.h"
#include "platform/win32/Win32Api.h"
#include "services/Tray.h"

namespace kestal::win32 {

class Win32TrayIcon : public TrayArea {
 public:
  // The icon's events come to its window as this message (the pointer-move message number,
  // as the program has always registered it): the event in lParam's low word, the icon's
  // anchor point in wParam.
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
  // The program's one icon, known to the shell by its window and this id.
  static constexpr UINT kIconId = 1;

  explicit Win32TrayIcon(HINSTANCE instance);
  ~Win32TrayIcon() override;
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  bool Show(WindowHandle window, std::string_view tooltip) override;
  bool SetTooltip(std::string_view tooltip) override;
  void GiveFocusBack() override;
  void Remove() override;

  // The density or the system's metrics may have changed: the shell gets the icon at its new
  // size, when that changed.
  void FollowDensity();
  // The side of the icon the shell holds, in pixels (0 before the icon is shown).
  int IconSize() const { return iconSize_; }

 private:
  bool Call(DWORD message);
  void LoadIcon();

  HINSTANCE instance_;
  NOTIFYICONDATAW data_{};
  UniqueIcon icon_;
  UniqueIcon oldIcon_;  // the shell may still show it until it takes the new one
  int iconSize_ = 0;
  bool shown_ = false;
  IconCalls calls_;
};

}  // namespace kestal::win32
