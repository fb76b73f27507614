#include "platform/headless/HeadlessSurface.h"

#include <algorithm>

#include "forms/TabOrder.h"
#include "platform/headless/Headless.h"
#include "text/Utf8.h"

namespace kestal::headless {

HeadlessSurface::HeadlessSurface(HeadlessWindowSystem& windows, CallLog& log, Form& form,
                                 WindowHandle handle, const ScreenMetrics& density)
    : windows_(windows),
      log_(log),
      form_(form),
      handle_(handle),
      twipsPerPixelX_(density.twipsPerPixelX),
      twipsPerPixelY_(density.twipsPerPixelY) {
  for (const ControlDefinition& design : form.Controls()) {
    ControlState state;
    state.text = design.caption;
    state.value = design.value;
    state.enabled = design.enabled;
    // A control whose design gives no colour has the system's.
    state.backColor =
        design.backColor.value_or(design.kind == ControlKind::TextBox ? kWhite : kLightGrey);
    controls_.push_back(std::move(state));
  }
}

HeadlessSurface::ControlState& HeadlessSurface::At(int id) {
  return controls_.at(static_cast<std::size_t>(id));
}

const HeadlessSurface::ControlState& HeadlessSurface::At(int id) const {
  return controls_.at(static_cast<std::size_t>(id));
}

bool HeadlessSurface::CanFocus(int id) const {
  const ControlDefinition& design = form_.Controls().at(static_cast<std::size_t>(id));
  return IsRealControl(design) && design.tabIndex >= 0 && At(id).enabled;
}

std::vector<int> HeadlessSurface::TabStops() const {
  return kestal::TabStops(
      form_.Controls(), [&](int id) { return CanFocus(id); }, [&](int id) { return At(id).value; });
}

void HeadlessSurface::Show() {
  log_.Add("ShowWindow(" + form_.Name() + ")");
  if (visible_) return;
  visible_ = true;
  const auto hold = form_.Hold();
  Form& form = form_;
  HeadlessWindowSystem& windows = windows_;
  // Activating a window puts the focus on its first control unless a handler placed it already.
  if (focus_ < 0) {
    const std::vector<int> stops = TabStops();
    if (!stops.empty()) SetFocus(stops.front());
  }
  // The got-focus handler may have closed the window: paint only a window still shown.
  HeadlessSurface* self = windows.SurfaceOf(form);
  if (self == this && visible_) form.RaisePaint();
}

void HeadlessSurface::Hide() {
  log_.Add("HideWindow(" + form_.Name() + ")");
  visible_ = false;
}

HeadlessSurface::~HeadlessSurface() {
  std::erase(windows_.surfaces_, this);
  std::erase(windows_.objects_, this);
}

void HeadlessSurface::Destroy() {
  log_.Add("DestroyWindow(" + form_.Name() + ")");
  visible_ = false;
  destroyed_ = true;
  focus_ = -1;
  timers_.clear();
  std::erase(windows_.surfaces_, this);
}

ScreenMetrics HeadlessSurface::Screen() const {
  const ScreenMetrics system = windows_.screen;
  return {
      static_cast<int>(RoundHalfEven(system.widthTwips / system.twipsPerPixelX * twipsPerPixelX_)),
      static_cast<int>(RoundHalfEven(system.heightTwips / system.twipsPerPixelY * twipsPerPixelY_)),
      twipsPerPixelX_, twipsPerPixelY_};
}

void HeadlessSurface::Move(int leftTwips, int topTwips) {
  log_.Add("Move(" + form_.Name() + "," + std::to_string(leftTwips) + "," +
           std::to_string(topTwips) + ")");
  left_ = leftTwips;
  top_ = topTwips;
}

void HeadlessSurface::SetBackColor(Color color) {
  log_.Add("SetBackColor(" + form_.Name() + ")");
  backColor_ = color;
}

// Logged in pixels at the window's density.
void HeadlessSurface::RoundCorners(int cornerTwips) {
  log_.Add("RoundOutline(" + std::to_string(static_cast<std::intptr_t>(handle_)) + "," +
           std::to_string(TwipsToPixels(form_.DesignWidth(), twipsPerPixelX_)) + "," +
           std::to_string(TwipsToPixels(form_.DesignHeight(), twipsPerPixelY_)) + "," +
           std::to_string(TwipsToPixels(cornerTwips, twipsPerPixelX_)) + ")");
}

void HeadlessSurface::Refresh() {
  log_.Add("Refresh(" + form_.Name() + ")");
  if (visible_) form_.RaisePaint();
}

std::string HeadlessSurface::Text(int id) const {
  return At(id).text;
}

void HeadlessSurface::SetText(int id, std::string_view text) {
  ControlState& state = At(id);
  if (text == state.text) return;
  state.text = text;
  const ControlDefinition& design = form_.Controls().at(static_cast<std::size_t>(id));
  if (design.kind == ControlKind::TextBox) {
    // Setting the text puts the caret at the start, with nothing selected.
    state.selStart = state.selLength = 0;
    form_.RaiseChange(id);
  } else if (visible_ && !IsRealControl(design)) {
    // A screen reader hears of a changed text that has no window of its own to say so.
    log_.Add("NameChanged(" + form_.Name() + "," + std::to_string(id) + ")");
  }
}

bool HeadlessSurface::Value(int id) const {
  return At(id).value;
}

void HeadlessSurface::SetValue(int id, bool value) {
  At(id).value = value;
}

bool HeadlessSurface::Enabled(int id) const {
  return At(id).enabled;
}

void HeadlessSurface::SetEnabled(int id, bool enabled) {
  At(id).enabled = enabled;
}

void HeadlessSurface::SetFocus(int id) {
  if (!CanFocus(id) || focus_ == id) return;
  focus_ = id;
  form_.RaiseGotFocus(id);
}

int HeadlessSurface::SelStart(int id) const {
  return At(id).selStart;
}

int HeadlessSurface::SelLength(int id) const {
  return At(id).selLength;
}

void HeadlessSurface::SetSelection(int id, int start, int length) {
  ControlState& state = At(id);
  const int size = static_cast<int>(CharCount(state.text));
  state.selStart = std::clamp(start, 0, size);
  state.selLength = std::clamp(length, 0, size - state.selStart);
}

void HeadlessSurface::SetControlBackColor(int id, Color color) {
  At(id).backColor = color;
}

void HeadlessSurface::SetTimer(int timerId, long milliseconds) {
  log_.Add("SetTimer(" + form_.Name() + "," + std::to_string(timerId) + "," +
           std::to_string(milliseconds) + ")");
  timers_[timerId] = milliseconds;
}

void HeadlessSurface::KillTimer(int timerId) {
  log_.Add("KillTimer(" + form_.Name() + "," + std::to_string(timerId) + ")");
  timers_.erase(timerId);
}

Color HeadlessSurface::ControlBackColor(int id) const {
  return At(id).backColor;
}

// Positions count characters; a byte that is not well-formed UTF-8 is a character of its own
// and stays as it is, so editing never damages text it doesn't touch.
bool HeadlessSurface::TypeCharacter(int id, char32_t c) {
  ControlState& state = At(id);
  const std::string before = state.text;
  auto replace = [&](int from, int count, std::string_view with) {
    const std::size_t begin = ByteOffsetOfChar(state.text, static_cast<std::size_t>(from));
    const std::size_t end = ByteOffsetOfChar(state.text, static_cast<std::size_t>(from + count));
    state.text.replace(begin, end - begin, with);
  };
  if (c == 8) {
    if (state.selLength > 0) {
      replace(state.selStart, state.selLength, {});
    } else if (state.selStart > 0) {
      replace(state.selStart - 1, 1, {});
      state.selStart -= 1;
    }
    state.selLength = 0;
  } else if (c >= 32 && c != 127) {
    std::string typed;
    AppendUtf8(typed, c);
    replace(state.selStart, state.selLength, typed);
    state.selStart += 1;
    state.selLength = 0;
  }
  // Enter and the other control characters put nothing into a single-line box.
  return state.text != before;
}

bool HeadlessSurface::ReplaceAll(int id, std::string_view text) {
  ControlState& state = At(id);
  const bool changed = text != state.text;
  state.text = text;
  state.selStart = static_cast<int>(CharCount(state.text));
  state.selLength = 0;
  return changed;
}

}  // namespace kestal::headless
