#pragma once
// The window layer: loading, showing and unloading windows (the same rules on every platform,
// kept here once), and the platform's screen, message, message-box, menu and pointer services.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "forms/FormSlot.h"
#include "forms/ShownColors.h"

namespace kestal {

enum class MsgBoxIcon { Exclamation, Information };
enum class MousePointer { Default, Hourglass };

struct MenuItem {
  std::string caption;  // "-" is a separator
};

class WindowSystem {
 public:
  virtual ~WindowSystem();

  // Creates the window hidden and runs its Form_Load, once; a loaded window runs nothing.
  void Load(Form& form);
  // Loads the window when needed, then makes it visible (not modal).
  void Show(Form& form);
  // The slot's window: a fresh one once the last was released.
  void Show(FormSlot& slot) { Show(slot.Get()); }
  // Runs Form_Unload once, then destroys its platform window; a window that is not loaded, or
  // already unloading (a second close while it closes), is left alone. No window left: the
  // program ends.
  void Unload(Form& form);
  // The slot's window, when it is loaded.
  void Unload(FormSlot& slot) {
    if (slot.IsLoaded()) Unload(*slot.Current());
  }
  void Hide(Form& form);
  // Every loaded window is unloaded once, the hidden start-up window last, as the system's close
  // of the program does (the start-up window is closed).
  void UnloadAll();
  // The user signs out or the machine shuts down: every window is unloaded at once, as
  // UnloadAll does; their closing plays no sound and no zoom (SessionEnding).
  void EndSession() {
    sessionEnding_ = true;
    UnloadAll();
  }
  bool SessionEnding() const { return sessionEnding_; }
  bool AnyLoaded() const { return !loaded_.empty(); }
  // The loaded windows, oldest first.
  const std::vector<Form*>& LoadedForms() const { return loaded_; }
  // Runs the action once the window is released: right after its unload ends when it is
  // unloading now, at once otherwise. One action a window; a later one takes its place.
  void AfterRelease(Form& form, std::function<void()> action);
  // The code the program ends with once no window is left (0 unless a failure set another).
  void SetExitCode(int exitCode) { exitCode_ = exitCode; }

  // The screen at the system's density. A window measures with its own (Form::Screen).
  virtual ScreenMetrics Screen() const = 0;
  // The system highlight colour (COLOR_HIGHLIGHT), the background of the program's windows.
  virtual Color HighlightColor() const = 0;
  // Whether high contrast is on, and the system's colours that the windows then show.
  virtual SystemColors Colors() const = 0;
  // Handles every queued message before it returns; handlers may run nested.
  virtual void DoEvents() = 0;
  // Modal, with one OK button; CR and CR LF break lines, TAB aligns.
  virtual void MsgBox(std::string_view text, MsgBoxIcon icon, std::string_view title) = 0;
  // Pops up the menu with the default item in bold, at that point of the screen (the tray
  // icon's anchor, for a menu the keyboard opened) or, without one, at the mouse pointer;
  // returns the chosen index, or -1 when the menu was dismissed.
  virtual int PopupMenu(Form& owner, const std::vector<MenuItem>& items, int defaultIndex,
                        std::optional<PixelPoint> at) = 0;
  virtual void SetMousePointer(MousePointer pointer) = 0;
  // The window hears the shell, the installer and another start of the program even when this
  // copy runs with more rights than they have (started elevated): its system events and close
  // are let through.
  virtual void AcceptOtherPrograms(Form& form) = 0;

 protected:
  // A new hidden platform window for the form, with all its controls; null when the platform
  // could not make it (the form then stays not loaded).
  virtual std::unique_ptr<FormSurface> CreateSurface(Form& form) = 0;
  // No window is left loaded: the program ends with that code.
  virtual void Quit(int exitCode) = 0;
  // Told just before a window's Form_Load and Form_Unload run (the headless layer logs them).
  virtual void Loading(Form& /*form*/) {}
  virtual void Unloading(Form& /*form*/) {}

 private:
  std::vector<Form*> loaded_;
  std::vector<std::pair<Form*, std::function<void()>>> afterRelease_;
  int exitCode_ = 0;
  bool sessionEnding_ = false;
};

}  // namespace kestal
