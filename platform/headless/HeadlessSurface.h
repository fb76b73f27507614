#pragma once
// One loaded window in memory: its place, colour and visibility, and per control the text,
// value, enabled state, colour, top, selection and focus; the window's timers.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "forms/FormSurface.h"

namespace kestal::headless {

class CallLog;
class HeadlessWindowSystem;

class HeadlessSurface : public FormSurface {
 public:
  // `density`: the window's monitor's (only its twips a pixel count).
  HeadlessSurface(HeadlessWindowSystem& windows, CallLog& log, Form& form, WindowHandle handle,
                  const ScreenMetrics& density);
  ~HeadlessSurface() override;
  HeadlessSurface(const HeadlessSurface&) = delete;
  HeadlessSurface& operator=(const HeadlessSurface&) = delete;

  WindowHandle Handle() const override { return handle_; }
  void Show() override;
  void Hide() override;
  bool Visible() const override { return visible_; }
  void Destroy() override;
  ScreenMetrics Screen() const override;
  void Move(int leftTwips, int topTwips) override;
  void SetBackColor(Color color) override;
  void RoundCorners(int cornerTwips) override;
  void Refresh() override;
  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Value(int id) const override;
  void SetValue(int id, bool value) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  void SetFocus(int id) override;
  int FocusedControl() const override { return focus_; }
  int SelStart(int id) const override;
  int SelLength(int id) const override;
  void SetSelection(int id, int start, int length) override;
  void SetControlBackColor(int id, Color color) override;
  // The design holds the place, and the rectangles are read from it.
  void ControlMoved(int /*id*/) override {}
  void SetTimer(int timerId, long milliseconds) override;
  void KillTimer(int timerId) override;

  // --- What the test and the headless platform read ------------------------------------------
  Form& Owner() const { return form_; }
  bool Destroyed() const { return destroyed_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  Color BackColor() const { return backColor_; }
  Color ControlBackColor(int id) const;
  // Whether the control can take the focus now: it is enabled and made to hold it.
  bool CanFocus(int id) const;
  // The controls that Tab stops at, in tab order: those that can take the focus, an option
  // group counting once (its selected button, or its first when none is selected).
  std::vector<int> TabStops() const;
  // Timers that are running, by id, with their interval in milliseconds.
  const std::map<int, long>& Timers() const { return timers_; }

  // The user's edits of a text box. Each returns whether the text changed; none raises events.
  // Puts one character where the selection is (replacing it), or for 8 deletes the selection or
  // the character before the caret.
  bool TypeCharacter(int id, char32_t c);
  // Replaces the whole text, the caret after it.
  bool ReplaceAll(int id, std::string_view text);

 private:
  struct ControlState {
    std::string text;  // caption, or the text of a text box; positions count characters
    bool value = false;
    bool enabled = true;
    Color backColor;
    int selStart = 0, selLength = 0;
  };
  ControlState& At(int id);
  const ControlState& At(int id) const;

  HeadlessWindowSystem& windows_;
  CallLog& log_;
  Form& form_;
  WindowHandle handle_;
  std::vector<ControlState> controls_;
  std::map<int, long> timers_;
  int focus_ = -1;
  int left_ = 0, top_ = 0;
  double twipsPerPixelX_, twipsPerPixelY_;
  Color backColor_{192, 192, 192};
  bool visible_ = false;
  bool destroyed_ = false;
};

}  // namespace kestal::headless
