#include "platform/win32/Win32Surface.h"

#include <algorithm>

#include "forms/FormLayout.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FormWindowIds.h"
#include "platform/win32/Trace.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32WindowSystem.h"
#include "resources/ResourceIds.h"

namespace kestal::win32 {

namespace {
// Typed or pasted text may be as long as the edit control allows; the windows check lengths.
constexpr WPARAM kEditTextLimit = 0x7FFFFFFE;

// Registers the common controls' classes (version 6, through the manifest) once, before the
// first button or text box is made; the tray needs none of them.
void InitCommonControlsOnce() {
  static const bool done = [] {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}
}  // namespace

Win32Surface::Win32Surface(Win32WindowSystem& system, Form& form)
    : system_(system),
      form_(form),
      dpi_(SystemDpi()),
      gdi_(system.Instance(), dpi_, form.Definition().font) {
  tppX_ = tppY_ = 1440.0 / dpi_;
  colors_ = system_.Colors();
  const auto& definitions = form_.Controls();
  controls_.resize(definitions.size());
  for (size_t i = 0; i < definitions.size(); ++i) {
    controls_[i].caption = definitions[i].caption;
    controls_[i].backColor = definitions[i].backColor;
    controls_[i].enabled = definitions[i].enabled;
  }
  CreateWindowAndChildren();
  system_.Attach(this);
}

Win32Surface::~Win32Surface() {
  Destroy();
}

Win32Surface* Win32Surface::FromWindow(HWND window) {
  return window ? static_cast<Win32Surface*>(GetPropW(window, kSurfaceProperty)) : nullptr;
}

void Win32Surface::CreateWindowAndChildren() {
  const FormDefinition& design = form_.Definition();
  const std::wstring className = system_.FormClass(design.name, &Win32Surface::WindowProc);
  const std::wstring caption = Wide(design.caption);
  // Every window but the hidden start-up one is owned by it: no taskbar buttons, and they close
  // with it. No caption, no border: the windows draw their own look.
  HWND owner = design.topLevel ? nullptr : system_.OwnerWindow();
  CreateWindowExW(0, className.c_str(), caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                  TwipsToPixels(design.width, tppX_), TwipsToPixels(design.height, tppY_), owner,
                  nullptr, system_.Instance(), this);
  if (!window_) {
    TraceFailure(L"CreateWindowExW (a window)");
    return;
  }
  // The real controls' windows, made in tab order: the system's order of them is the same.
  for (int id : TabOrder(form_.Controls())) {
    if (IsRealControl(DefinitionOf(id))) creationOrder_.push_back(id);
  }
  if (!creationOrder_.empty()) InitCommonControlsOnce();
  const std::vector<bool> groupStarts = GroupStarts(form_.Controls(), creationOrder_);
  for (size_t k = 0; k < creationOrder_.size(); ++k) CreateChild(creationOrder_[k], groupStarts[k]);
  for (int id : creationOrder_) {
    if (DefinitionOf(id).kind == ControlKind::OptionButton)
      UpdateOptionTabStops(DefinitionOf(id).container);
  }
  ApplyDpi(WindowDpi(window_), nullptr);
  creating_ = false;
}

// The window's icons at the density; the hidden start-up window shows none (window icons cost
// start-up time; the tray's icon is the tray's own).
void Win32Surface::LoadIcons() {
  const FormDefinition& design = form_.Definition();
  if (design.topLevel) return;
  const int iconId = design.iconId ? design.iconId : IDI_KESTAL;
  const int small = SmallIconSize(dpi_);
  UniqueIcon icon(static_cast<HICON>(
      LoadImageW(system_.Instance(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, small, small, 0)));
  if (!icon) {
    TraceFailure(L"LoadImageW (the icon)");
    return;
  }
  const int big = MulDiv(GetSystemMetrics(SM_CXICON), dpi_, SystemDpi());
  UniqueIcon bigIcon(static_cast<HICON>(
      LoadImageW(system_.Instance(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, big, big, 0)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
  // The window held the old ones until now.
  smallIcon_ = std::move(icon);
  bigIcon_ = std::move(bigIcon);
}

void Win32Surface::RoundCorners(int cornerTwips) {
  if (!window_) return;
  cornerTwips_ = cornerTwips;
  const FormDefinition& design = form_.Definition();
  const int width = TwipsToPixels(design.width, tppX_),
            height = TwipsToPixels(design.height, tppY_);
  const int corner = TwipsToPixels(cornerTwips, tppX_);
  // The rounded region leaves out its right and bottom edges: one pixel more takes in the
  // window's last column and row.
  GdiObject<HRGN> region(CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner));
  // The window owns the region once it is set.
  if (region && SetWindowRgn(window_, region.get(), TRUE)) {
    region.release();
  } else {
    TraceFailure(L"SetWindowRgn");
  }
}

void Win32Surface::ApplyDpi(int dpi, const RECT* suggested) {
  if (!window_ || dpi <= 0) return;
  // A new window and its controls were made at the system's density: they move only when their
  // monitor's differs (each move costs start-up time, the hidden window's too).
  const bool resized = suggested || dpi != dpi_;
  dpi_ = dpi;
  tppX_ = tppY_ = 1440.0 / dpi;
  gdi_.SetDpi(dpi);
  if (suggested) {
    // The system's rectangle, whole: it keeps the window where the user moved it across monitors.
    SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (resized) {
    const FormDefinition& design = form_.Definition();
    SetWindowPos(window_, nullptr, 0, 0, TwipsToPixels(design.width, tppX_),
                 TwipsToPixels(design.height, tppY_), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  if (resized) {  // else made in place
    for (int id : creationOrder_) PlaceChild(id);
  }
  LoadIcons();
  FitCaptions();
  if (cornerTwips_ > 0) RoundCorners(cornerTwips_);
  // A window not shown yet is painted whole when it shows.
  if (!creating_) {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  // Every control now holds a font of the new density: the old ones can go.
  gdi_.FreeRetired();
}

void Win32Surface::CreateChild(int id, bool groupStart) {
  // By kind, the real ones first. Option buttons are not of the automatic kind: the dialog
  // manager would group options by z-order, not by frame. The window keeps one option of each
  // frame selected itself. Links and pictures are buttons the window draws in its own look.
  struct Child {
    const wchar_t* className;
    DWORD style, exStyle;
  };
  static constexpr Child kChildren[] = {{L"BUTTON", BS_PUSHBUTTON, 0},
                                        {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
                                        {L"BUTTON", BS_RADIOBUTTON, 0},
                                        {L"BUTTON", BS_CHECKBOX, 0}};
  static constexpr Child kOwnerDrawn{L"BUTTON", BS_OWNERDRAW, 0};
  const ControlDefinition& design = DefinitionOf(id);
  const PixelRect r = ChildRectOf(id);
  const Child& kind =
      IsOwnerDrawn(design) ? kOwnerDrawn : kChildren[static_cast<size_t>(design.kind)];
  DWORD style = WS_CHILD | WS_VISIBLE | (groupStart ? WS_GROUP : 0) | kind.style;
  if (design.tabIndex >= 0 && design.kind != ControlKind::OptionButton) style |= WS_TABSTOP;
  if (!design.enabled) style |= WS_DISABLED;

  const std::wstring text = Wide(design.caption);
  HWND child = CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + id)),
                               system_.Instance(), nullptr);
  if (!child) {
    TraceFailure(L"CreateWindowExW (a control)");
    return;
  }
  controls_[static_cast<size_t>(id)].window = child;
  if (design.kind == ControlKind::OptionButton || design.kind == ControlKind::CheckBox) {
    // Themed option buttons and check boxes ignore the text colour; the captions are coloured.
    SetWindowTheme(child, L"", L"");
    SendMessageW(child, BM_SETCHECK, design.value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (design.kind == ControlKind::TextBox) {
    SendMessageW(child, EM_SETLIMITTEXT, kEditTextLimit, 0);
    SetWindowSubclass(child, &Win32Surface::EditProc, kEditSubclassId, static_cast<DWORD_PTR>(id));
  }
}

bool Win32Surface::ValidId(int id) const {
  return id >= 0 && static_cast<size_t>(id) < controls_.size();
}

const ControlDefinition& Win32Surface::DefinitionOf(int id) const {
  return form_.Controls().at(static_cast<size_t>(id));
}

int Win32Surface::IdOfChild(HWND child) const {
  if (!child || !window_ || GetParent(child) != window_) return -1;
  const int id = GetDlgCtrlID(child) - kControlIdBase;
  return ValidId(id) && controls_[static_cast<size_t>(id)].window == child ? id : -1;
}

PixelRect Win32Surface::PixelRectOf(int id) const {
  PixelRect r = WindowRectPixels(form_.Controls(), id, tppX_, tppY_);
  if (controls_[static_cast<size_t>(id)].widenedRight > r.right) {
    r.right = controls_[static_cast<size_t>(id)].widenedRight;
  }
  return r;
}

// The focus rectangle lies two pixels (at 96 dpi) out from a link's text and a picture's edge,
// clear of the underline; the window round them holds it.
int Win32Surface::FocusMargin() const {
  return std::max(2, dpi_ / 48);
}

PixelRect Win32Surface::ChildRectOf(int id) const {
  PixelRect r = PixelRectOf(id);
  if (!IsOwnerDrawn(DefinitionOf(id))) return r;
  const int margin = FocusMargin();
  return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

void Win32Surface::PlaceChild(int id) {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child) return;
  const PixelRect r = ChildRectOf(id);
  SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Surface::InvalidateControl(int id) {
  if (!window_) return;
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (child) {
    InvalidateRect(child, nullptr, TRUE);
    return;
  }
  const PixelRect r = PixelRectOf(id);
  const RECT area{r.left, r.top, r.right, r.bottom};
  // A line's box is its end points, not its rect; a text that runs on shows below its box.
  const bool whole =
      DefinitionOf(id).kind == ControlKind::Line || controls_[static_cast<size_t>(id)].runsOn;
  InvalidateRect(window_, whole ? nullptr : &area, FALSE);
}

COLORREF Win32Surface::FormBackColor() const {
  return ToColorRef(
      ShownWindowBack(backColor_.value_or(FromColorRef(GetSysColor(COLOR_BTNFACE))), colors_));
}

void Win32Surface::RepaintForColors() {
  colors_ = system_.Colors();
  if (window_) {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void Win32Surface::UpdateOptionTabStops(int container) {
  // Tab reaches a frame's options at the selected one (or the first, when none is).
  const std::vector<int> group =
      OptionGroup(form_.Controls(), creationOrder_, container, [&](int id) {
        return DefinitionOf(id).tabIndex >= 0 && controls_[static_cast<size_t>(id)].window;
      });
  const int stop = OptionTabStop(group, [&](int id) { return Value(id); });
  for (int id : group) {
    HWND child = controls_[static_cast<size_t>(id)].window;
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    style = id == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(child, GWL_STYLE, style);
  }
}

// --- FormSurface ------------------------------------------------------------------------------

WindowHandle Win32Surface::Handle() const {
  return reinterpret_cast<WindowHandle>(window_);
}

void Win32Surface::Show() {
  if (!window_) return;
  HWND window = window_;
  system_.NoteShown(this);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  // Wine can draw a topmost window shown after a plain one beneath it until it is placed again.
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  UpdateWindow(window);  // paints now; Form_Paint may unload the window: nothing after this
}

void Win32Surface::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

bool Win32Surface::Visible() const {
  return window_ && IsWindowVisible(window_);
}

void Win32Surface::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  system_.Detach(this);
  HWND window = window_;
  window_ = nullptr;
  for (ControlState& state : controls_) state.window = nullptr;
  if (window && IsWindow(window)) {
    // Owned windows would go with this one, behind the backs of their forms.
    system_.ReleaseOwned(window);
    // No message reaches this surface from here on, and the readers' objects of the window say
    // it is gone: its handle may later be given to another window.
    RemovePropW(window, kSurfaceProperty);
    ForgetReaderWindow(window);
    DestroyWindow(window);
  }
}

ScreenMetrics Win32Surface::Screen() const {
  return ScreenInTwips(tppX_);  // in this window's twips (square pixels: tppX_ == tppY_)
}

void Win32Surface::Move(int leftTwips, int topTwips) {
  if (!window_) return;
  SetWindowPos(window_, nullptr, TwipsToPixels(leftTwips, tppX_), TwipsToPixels(topTwips, tppY_), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Surface::SetBackColor(Color color) {
  backColor_ = color;
  if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Surface::Refresh() {
  if (!window_) return;
  // Paints before it returns; Form_Paint may unload the window: nothing after this.
  RedrawWindow(window_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::string Win32Surface::Text(int id) const {
  const ControlState& state = controls_[static_cast<size_t>(id)];
  return state.window ? Narrow(WindowText(state.window)) : state.caption;
}

void Win32Surface::SetText(int id, std::string_view text) {
  ControlState& state = controls_[static_cast<size_t>(id)];
  if (!state.window) {
    if (state.caption == text) return;  // nothing to repaint
    InvalidateControl(id);  // where the old text was drawn, which may be wider than the new
    state.caption = std::string(text);
    FitCaption(id);
    InvalidateControl(id);
    FitRunningLabels();
    // A screen reader hears of it: the text has no window of its own to say so.
    if (window_ && IsWindowVisible(window_)) {
      NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, id + 1);
    }
    return;
  }
  const std::wstring wide = Wide(text);
  const bool textBox = DefinitionOf(id).kind == ControlKind::TextBox;
  // A text box's change event comes with each real change of its text, not with an equal one.
  if (textBox && WindowText(state.window) == wide) return;
  state.caption = std::string(text);
  if (!textBox) FitCaption(id);
  SetWindowTextW(state.window, wide.c_str());  // raises the change event: nothing after this
}

bool Win32Surface::Value(int id) const {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child) return DefinitionOf(id).value;
  return SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Surface::SetValue(int id, bool value) {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child) return;
  const ControlDefinition& design = DefinitionOf(id);
  if (design.kind != ControlKind::OptionButton && design.kind != ControlKind::CheckBox) return;
  SendMessageW(child, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (design.kind == ControlKind::OptionButton) UpdateOptionTabStops(design.container);
}

bool Win32Surface::Enabled(int id) const {
  const ControlState& state = controls_[static_cast<size_t>(id)];
  return state.window ? IsWindowEnabled(state.window) != FALSE : state.enabled;
}

void Win32Surface::SetEnabled(int id, bool enabled) {
  ControlState& state = controls_[static_cast<size_t>(id)];
  state.enabled = enabled;
  if (!state.window) {
    InvalidateControl(id);
    return;
  }
  const bool hadFocus = GetFocus() == state.window;
  EnableWindow(state.window, enabled ? TRUE : FALSE);
  if (!enabled && hadFocus) {
    // A disabled control can't keep the keyboard: the focus moves on, as Tab would move it.
    HWND next = GetNextDlgTabItem(window_, state.window, FALSE);
    ::SetFocus(next && next != state.window ? next : window_);  // may raise got-focus: last
  }
}

void Win32Surface::SetFocus(int id) {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (child && GetFocus() != child) ::SetFocus(child);  // raises got-focus: nothing after this
}

int Win32Surface::FocusedControl() const {
  return IdOfChild(GetFocus());
}

// The text box's selection in characters, [first, second); (0, 0) for any other control.
std::pair<int, int> Win32Surface::SelectionInChars(int id) const {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child || DefinitionOf(id).kind != ControlKind::TextBox) return {0, 0};
  DWORD start = 0, end = 0;
  SendMessageW(child, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = WindowText(child);
  return {static_cast<int>(CharsOfUnits(Units(text), start)),
          static_cast<int>(CharsOfUnits(Units(text), end))};
}

int Win32Surface::SelStart(int id) const {
  return SelectionInChars(id).first;
}

int Win32Surface::SelLength(int id) const {
  const auto [start, end] = SelectionInChars(id);
  return end - start;
}

void Win32Surface::SetSelection(int id, int start, int length) {
  HWND child = controls_[static_cast<size_t>(id)].window;
  if (!child || DefinitionOf(id).kind != ControlKind::TextBox) return;
  const std::wstring text = WindowText(child);
  const size_t first = UnitsOfChars(Units(text), static_cast<size_t>(std::max(start, 0)));
  const size_t last = UnitsOfChars(Units(text), static_cast<size_t>(std::max(start, 0)) +
                                                    static_cast<size_t>(std::max(length, 0)));
  SendMessageW(child, EM_SETSEL, first, static_cast<LPARAM>(last));
  SendMessageW(child, EM_SCROLLCARET, 0, 0);
}

void Win32Surface::SetControlBackColor(int id, Color color) {
  controls_[static_cast<size_t>(id)].backColor = color;
  InvalidateControl(id);
}

void Win32Surface::ControlMoved(int /*id*/) {
  // Every child window follows the design (a moved frame carries its controls along).
  if (!window_) return;
  for (int child : creationOrder_) PlaceChild(child);
  FitRunningLabels();
  InvalidateRect(window_, nullptr, FALSE);
}

void Win32Surface::SetTimer(int timerId, long milliseconds) {
  if (window_) {
    ::SetTimer(window_, static_cast<UINT_PTR>(timerId),
               static_cast<UINT>(std::max(milliseconds, 1L)), nullptr);
  }
}

void Win32Surface::KillTimer(int timerId) {
  if (window_) ::KillTimer(window_, static_cast<UINT_PTR>(timerId));
}

}  // namespace kestal::win32
