// The keyboard on a form window: Tab by the shared tab-order rules, and the links and pictures
// that take the focus. These are drawn by the window, so while one of them has the focus the
// window itself holds the keyboard focus and draws a focus rectangle around it.
#include <algorithm>

#include "platform/win32/FormLayout.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

bool Held(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool Win32Surface::CanFocusNow(int id) const {
  if (!ValidId(id) || !window_ || !TakesFocus(DefinitionOf(id))) return false;
  const ControlState& state = controls_[static_cast<size_t>(id)];
  // Its own style, not IsWindowVisible: while the window is being shown it is not visible yet,
  // and its first control must take the focus all the same (as the dialog manager does it).
  if (state.window) {
    return IsWindowEnabled(state.window) &&
           (GetWindowLongPtrW(state.window, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  return state.enabled;
}

std::vector<int> Win32Surface::CurrentTabStops() const {
  return TabStops(
      form_.Controls(), [this](int id) { return CanFocusNow(id); },
      [this](int id) { return Value(id); });
}

void Win32Surface::FocusStop(int id) {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child) {
    FocusDrawn(id);
    return;
  }
  // As the dialog manager does: a text box reached by Tab has its whole text selected.
  if (DefinitionOf(id).kind == ControlKind::TextBox) SendMessageW(child, EM_SETSEL, 0, -1);
  ::SetFocus(child);  // may raise got-focus: nothing after this
}

void Win32Surface::FocusDrawn(int id) {
  if (GetFocus() == window_ && keyFocus_ == id) return;
  InvalidateFocus();
  keyFocus_ = id;
  if (GetFocus() == window_) {
    OnSetFocus();
  } else {
    ::SetFocus(window_);  // OnSetFocus draws and announces it
  }
  form_.RaiseGotFocus(id);  // nothing after this
}

bool Win32Surface::HandleKey(const MSG& message) {
  if (!window_) return false;
  const auto hold = form_.Hold();  // a click may unload the window
  const WPARAM key = message.wParam;
  if (message.message == WM_KEYDOWN && key == VK_TAB && !Held(VK_CONTROL) && !Held(VK_MENU)) {
    // A control that wants Tab for itself keeps it (none of ours does today).
    const LRESULT wants =
        SendMessageW(message.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
    if (wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
    // The keyboard is in use: focus rectangles show from now on, as the dialog manager has it.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    const int next =
        NextTabStop(form_.Controls(), CurrentTabStops(), FocusedControl(), Held(VK_SHIFT));
    if (next >= 0) FocusStop(next);
    return true;
  }
  // Space and Enter on a focused link or picture: a click (WM_CHAR carries ' ' and '\r', the
  // same codes as their keys).
  if (message.hwnd != window_ || GetFocus() != window_ || keyFocus_ < 0) return false;
  if (key != VK_SPACE && key != VK_RETURN) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP && message.message != WM_CHAR) {
    return false;
  }
  const bool repeated = (message.lParam & (1 << 30)) != 0;
  const int id = keyFocus_;
  if (message.message == WM_KEYDOWN && !repeated && controls_[static_cast<size_t>(id)].enabled &&
      KeyClicks(DefinitionOf(id), key == VK_SPACE ? Key::Space : Key::Enter)) {
    form_.RaiseClick(id);  // nothing after this
  }
  return true;
}

PixelRect Win32Surface::FocusRectOf(HDC dc, int id) {
  const int margin = std::max(2, dpi_ / 48);  // 2 pixels at 96 dpi
  PixelRect r = PixelRectOf(id);
  if (DefinitionOf(id).kind == ControlKind::Label && dc) {
    // Round the text, not its box: a link's box may be far wider than its address.
    const Selected font(dc, ControlFont(id));
    const LabelText label = LayOutLabel(dc, id, controls_[static_cast<size_t>(id)].dense);
    int width = 0;
    for (const TextLine& line : label.lines) width = std::max(width, line.width);
    if (!label.lines.empty()) {
      r.right = std::min<int32_t>(r.right, r.left + width);
      r.bottom = r.top + label.pitch * static_cast<int>(label.lines.size() - 1) + label.lineHeight;
    }
  }
  // Clear of a link's underline and of a picture's edge.
  return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

void Win32Surface::InvalidateFocus() {
  if (!window_ || keyFocus_ < 0) return;
  const WindowDc windowDc(window_);
  const PixelRect r = FocusRectOf(windowDc.get(), keyFocus_);
  // The rectangle's own pixels lie on its edge: a pixel more round it.
  RECT area{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
  InvalidateRect(window_, &area, FALSE);
}

void Win32Surface::OnSetFocus() {
  if (keyFocus_ < 0) return;
  InvalidateFocus();
  // A screen reader says which part now has the keyboard: the part has no window to say so.
  NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, keyFocus_ + 1);
}

void Win32Surface::OnKillFocus(HWND next) {
  InvalidateFocus();
  // The focus went to one of the window's own controls: no link or picture holds it any more.
  // (Gone to another window, it comes back here when this one is active again.)
  if (next && IdOfChild(next) >= 0) keyFocus_ = -1;
}

}  // namespace kestal::win32
