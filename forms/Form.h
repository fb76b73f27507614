#pragma once
// The base of every window: its design (controls in order of definition), the handlers that
// the window layer raises, and the window operations the handlers use.
//
// Lifetime, the one rule that makes re-entrancy safe: a form, and the platform window object it
// owns, live while something holds the form: its slot, or a message being handled for it (each
// entry from the platform into a form takes a Hold() for as long as it runs). Unloading
// destroys the platform window at once; the objects go when the last holder lets go. So a
// handler may unload its own window, or have it replaced by a fresh one, and still return
// through living objects.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FormDesign.h"
#include "forms/FormSurface.h"

namespace kestal {

enum class FormState { NotLoaded, Loading, Loaded, Unloading, Released };

// TaskbarCreated: the shell (re)started. AnotherStart: the user started the program again while
// it runs; the running copy shows itself.
enum class SystemEvent { TaskbarCreated, TimeChanged, Resumed, AnotherStart };

class Form : public std::enable_shared_from_this<Form> {
 public:
  explicit Form(FormDefinition design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDefinition& Definition() const { return definition_; }
  const std::string& Name() const { return definition_.name; }
  const std::vector<ControlDefinition>& Controls() const { return controls_; }
  // Id of the control with that name (and array index), or -1.
  int FindControl(std::string_view name, int index = -1) const;

  // Window operations for the handlers. Before load and after release they do nothing.
  WindowHandle hWnd() const;
  bool Visible() const;
  // The size the window was designed at, in twips (the window itself has it at any density).
  int DesignWidth() const { return definition_.width; }
  int DesignHeight() const { return definition_.height; }
  void Move(int leftTwips, int topTwips);
  // The screen as this window measures it (see FormSurface::Screen); empty when not loaded.
  ScreenMetrics Screen() const;
  void SetBackColor(Color color);
  // The window's outline: its designed rectangle with rounded corners (see FormSurface).
  void RoundCorners(int cornerTwips);
  void Refresh();
  // Selects the option button and clears the other options of its frame: the one place that
  // keeps them exclusive, whether the program or the user selects. Raises no click.
  void SelectOption(int id);
  void SetTimer(int timerId, long milliseconds);
  void KillTimer(int timerId);

  // --- Used by the window layer -------------------------------------------------------------
  FormState State() const { return state_; }
  void SetState(FormState state) { state_ = state; }
  // The platform window while the form is loaded (or loading, or unloading); null otherwise.
  FormSurface* Surface() const {
    return state_ == FormState::NotLoaded || state_ == FormState::Released ? nullptr
                                                                           : surface_.get();
  }
  void Attach(std::unique_ptr<FormSurface> surface) { surface_ = std::move(surface); }
  // Keeps the form alive for as long as the holder lives (empty for a form that nothing
  // shares, such as one a test keeps on its stack: its owner keeps it alive).
  std::shared_ptr<Form> Hold() { return weak_from_this().lock(); }
  // Keeps the design in step when a control is moved.
  void SetDesignTop(int id, int topTwips) {
    controls_.at(static_cast<size_t>(id)).rect.top = topTwips;
  }

  void RaiseLoad();
  void RaiseUnload();
  void RaisePaint();
  // An event of the program's icon in the notification area (kTrayLeftDoubleClick ...) with
  // its anchor on the screen, as the shell gives both; only the window the icon was shown for
  // hears them.
  void RaiseTrayEvent(int event, PixelPoint anchor);
  void RaiseTimer(int timerId);
  // False when the window could not act on the event (the program is ending).
  bool RaiseSystemEvent(SystemEvent event);
  void RaiseClick(int id);
  void RaiseChange(int id);
  void RaiseGotFocus(int id);
  void RaiseKeyPress(int id, int& keyAscii);  // set keyAscii to 0 to consume the key

  // Event bindings of one control; the control classes fill them.
  struct Events {
    std::function<void()> click, change, gotFocus;
    std::function<void(int&)> keyPress;
  };
  int AddControl(ControlDefinition design);
  Events& EventsOf(int id) { return events_.at(static_cast<size_t>(id)); }

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_Paint() {}
  virtual void Form_TrayEvent(int /*event*/, PixelPoint /*anchor*/) {}
  virtual void Form_Timer(int /*timerId*/) {}
  virtual bool Form_SystemEvent(SystemEvent /*event*/) { return false; }

 private:
  FormDefinition definition_;
  std::vector<ControlDefinition> controls_;
  std::vector<Events> events_;
  std::unique_ptr<FormSurface> surface_;
  FormState state_ = FormState::NotLoaded;
};

}  // namespace kestal
