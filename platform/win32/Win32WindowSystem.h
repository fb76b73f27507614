#pragma once
// The window layer on Win32: form windows, the message loop with dialog-style keyboard
// navigation, message boxes, the tray's popup menu, the screen and the mouse pointer.
#include <memory>
#include <string>
#include <vector>

#include "forms/WindowSystem.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

class Win32Surface;
class Win32TrayIcon;

class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(HINSTANCE instance);
  ~Win32WindowSystem() override;

  ScreenMetrics Screen() const override;
  Color HighlightColor() const override;
  SystemColors Colors() const override;
  void DoEvents() override;
  void MsgBox(std::string_view text, MsgBoxIcon icon, std::string_view title) override;
  int PopupMenu(Form& owner, const std::vector<MenuItem>& items, int defaultIndex,
                std::optional<PixelPoint> at) override;
  void SetMousePointer(MousePointer pointer) override;
  void AcceptOtherPrograms(Form& form) override;

  // The test driver's questions about controls get answers from now on (AutomationQuery.h).
  void AnswerAutomation();
  // Runs the message loop until no window is left; returns the exit code.
  int Run();
  // Tab, the arrow keys, access keys, Space, Enter and Escape for the program's windows; true
  // when the message was handled here and must not be dispatched again.
  bool PreTranslate(MSG& message);

  // --- For the form windows -----------------------------------------------------------------
  HINSTANCE Instance() const { return instance_; }
  bool HourglassPointer() const { return hourglass_; }
  UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
  UINT AnotherStartMessage() const { return anotherStart_; }
  UINT AutomationQueryMessage() const { return automationQuery_; }
  // Registers the window class of a form ("KestalDate_<name>") once; returns its name.
  std::wstring FormClass(const std::string& formName, WNDPROC procedure);
  // The hidden start-up window, owner of every other window; null when it isn't loaded.
  HWND OwnerWindow() const;
  void Attach(Win32Surface* surface);
  void Detach(Win32Surface* surface);
  void NoteShown(Win32Surface* surface);
  // The program's icon in the notification area, which hears the hidden window's changes of
  // density; null before it is set.
  void SetTrayIcon(Win32TrayIcon* icon) { trayIcon_ = icon; }
  Win32TrayIcon* TrayIcon() const { return trayIcon_; }
  // The program ends: every window is unloaded (UnloadAll).
  void CloseAll();
  bool Closing() const { return closing_ || SessionEnding(); }
  // The windows owned by this one lose their owner, so they outlive its window.
  void ReleaseOwned(HWND owner);

 protected:
  std::unique_ptr<FormSurface> CreateSurface(Form& form) override;
  void Quit(int exitCode) override;

 private:
  // The message handled: by PreTranslate, or translated and sent to its window.
  void Dispatch(MSG& message);
  HWND MessageBoxOwner() const;

  HINSTANCE instance_;
  UINT taskbarCreated_ = 0;
  UINT anotherStart_ = 0;
  UINT automationQuery_ = 0;  // 0: no question is answered
  bool hourglass_ = false;
  Win32TrayIcon* trayIcon_ = nullptr;
  bool closing_ = false;             // every window is being closed: the program ends
  std::vector<Win32Surface*> live_;  // surfaces whose window exists, oldest first
  Win32Surface* lastShown_ = nullptr;
  std::vector<std::wstring> classes_;
};

}  // namespace kestal::win32
