#pragma once
// One loaded window as the platform shows it. Each platform implements it; the windows reach it
// only through Form and the control classes. Controls are named by their id (their place in the
// form's list of controls).
#include <string>
#include <string_view>

#include "forms/Geometry.h"
#include "forms/WindowHandle.h"

namespace kestal {

class FormSurface {
 public:
  virtual ~FormSurface() = default;

  virtual WindowHandle Handle() const = 0;

  virtual void Show() = 0;  // visible, then painted (Form_Paint)
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Destroys the platform window at once. The object itself is deleted later, so a surface may
  // be destroyed from inside one of its own event handlers.
  virtual void Destroy() = 0;

  // The screen in this window's twips: its pixels counted at the density of the window's
  // monitor, which may differ from the system's.
  virtual ScreenMetrics Screen() const = 0;
  virtual void Move(int leftTwips, int topTwips) = 0;  // keeps the size
  virtual void SetBackColor(Color color) = 0;
  // Cuts the window to its designed size with corners rounded by an ellipse `cornerTwips` wide
  // and high, turned into pixels at the window's density, and again whenever that changes.
  virtual void RoundCorners(int cornerTwips) = 0;
  virtual void Refresh() = 0;  // repaints before it returns

  // Text of a text box, caption of any other control. Setting a text box's text raises its
  // change event.
  virtual std::string Text(int id) const = 0;
  virtual void SetText(int id, std::string_view text) = 0;
  // Option button selected / check box ticked, this control alone (Form::SelectOption keeps a
  // frame's options exclusive). Raises no click.
  virtual bool Value(int id) const = 0;
  virtual void SetValue(int id, bool value) = 0;
  virtual bool Enabled(int id) const = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;  // keeps an option's selection
  // Moves the focus; the control gets its got-focus event when the focus was elsewhere.
  virtual void SetFocus(int id) = 0;
  virtual int FocusedControl() const = 0;  // id, or -1
  // Selection of a text box, in characters.
  virtual int SelStart(int id) const = 0;
  virtual int SelLength(int id) const = 0;
  virtual void SetSelection(int id, int start, int length) = 0;
  virtual void SetControlBackColor(int id, Color color) = 0;
  // The control's place in the form's design changed: the window shows it there now.
  virtual void ControlMoved(int id) = 0;

  // One timer per id; the form gets Form_Timer(id) until it is killed.
  virtual void SetTimer(int timerId, long milliseconds) = 0;
  virtual void KillTimer(int timerId) = 0;
};

}  // namespace kestal
