// The form window's messages, turned into the window's events.
#include "platform/win32/AutomationQuery.h"
#include "platform/win32/Dpi.h"
#include "forms/FormLayout.h"
#include "platform/win32/FormWindowIds.h"
#include "platform/win32/OneCopy.h"
#include "platform/win32/Trace.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32TrayIcon.h"
#include "platform/win32/Win32WindowSystem.h"

namespace kestal::win32 {

LRESULT CALLBACK Win32Surface::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* surface = static_cast<Win32Surface*>(create->lpCreateParams);
    SetPropW(window, kSurfaceProperty, surface);
    surface->window_ = window;
  }
  Win32Surface* surface = FromWindow(window);
  if (!surface) return DefWindowProcW(window, message, wParam, lParam);
  // The form (and this surface with it) lives until the message is handled, whatever its
  // handlers unload.
  const auto hold = surface->form_.Hold();
  try {
    return surface->Handle(window, message, wParam, lParam);
  } catch (...) {
    // An event handler failed: said, and the program carries on (no exception may cross the
    // system). A paint has ended all the same: its scope ends it.
    Trace(L"a window's handler failed");
    return 0;
  }
}

LRESULT Win32Surface::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint draws the whole background
    case WM_PAINT:
      OnPaint();
      form_.RaisePaint();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case Win32TrayIcon::kCallbackMessage:
      // The hidden start-up window, never under the pointer, hears the icon's events this way:
      // the event in lParam's low word, the icon's anchor point in wParam.
      if (!form_.Definition().topLevel) break;
      form_.RaiseTrayEvent(LOWORD(lParam), {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
      break;
    case WM_TIMER:
      form_.RaiseTimer(static_cast<int>(wParam));
      return 0;
    case WM_GETOBJECT:
      // Screen readers ask for the window's own part only; the system answers the rest.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerReader(window, wParam);
      break;
    case WM_DPICHANGED:
      if (form_.Definition().topLevel) {
        FollowDensityInTray();
      } else {
        ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      }
      return 0;
    case WM_SYSCOLORCHANGE:
      // The controls learn of the new colours only from their window.
      for (const ControlState& control : controls_) {
        if (control.window) SendMessageW(control.window, WM_SYSCOLORCHANGE, wParam, lParam);
      }
      RepaintForColors();
      break;
    case WM_SETTINGCHANGE: {
      // High contrast turned on or off, or the colour scheme changed: the windows take the
      // system's colours, or their own again. Other settings leave the colours as they are.
      const auto* area = reinterpret_cast<const wchar_t*>(lParam);
      if (wParam == SPI_SETHIGHCONTRAST ||
          (area && CompareStringOrdinal(area, -1, L"ImmersiveColorSet", -1, TRUE) == CSTR_EQUAL) ||
          system_.Colors() != colors_) {
        RepaintForColors();
      }
      [[fallthrough]];
    }
    case WM_THEMECHANGED:
    case WM_DISPLAYCHANGE:
      // The small-icon size may have changed with the settings or the theme.
      if (form_.Definition().topLevel) FollowDensityInTray();
      break;
    case WM_TIMECHANGE:
      form_.RaiseSystemEvent(SystemEvent::TimeChanged);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        form_.RaiseSystemEvent(SystemEvent::Resumed);
      }
      return TRUE;
    case WM_CLOSE:
      // Closing the hidden start-up window closes the program: the windows it owns first.
      if (form_.Definition().topLevel) {
        system_.CloseAll();
      } else {
        system_.Unload(form_);
      }
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) system_.EndSession();
      return 0;
    case WM_DESTROY:
      // From here on no message reaches this surface, nor a reader's question its objects.
      RemovePropW(window, kSurfaceProperty);
      ForgetReaderWindow(window);
      return 0;
    default:
      if (message != 0 && message == system_.TaskbarCreatedMessage()) {
        form_.RaiseSystemEvent(SystemEvent::TaskbarCreated);
        return 0;
      }
      if (message != 0 && message == system_.AnotherStartMessage()) {
        // The answer tells a new start whether this copy showed itself or is ending.
        const bool shown = !system_.Closing() && form_.RaiseSystemEvent(SystemEvent::AnotherStart);
        return shown ? kAnotherStartShown : 0;
      }
      if (message != 0 && message == system_.AutomationQueryMessage()) {
        return OnAutomationQuery(wParam, lParam);
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Surface::FollowDensityInTray() {
  if (Win32TrayIcon* icon = system_.TrayIcon()) icon->FollowDensity();
}

void Win32Surface::OnCommand(int id, int code, HWND child) {
  if (creating_) return;
  if (id == IDOK && code == BN_CLICKED && !child) {
    // Enter outside a text box (sent by the dialog manager): the focused button is pressed.
    const int focused = FocusedControl();
    if (focused >= 0 && KeyClicks(DefinitionOf(focused), Key::Enter) && Enabled(focused)) {
      form_.RaiseClick(focused);
    }
    return;
  }
  if (id == IDCANCEL && code == BN_CLICKED && !child) {
    // Escape (turned into IDCANCEL by the dialog manager) closes the window as any other close
    // does; the hidden start-up window has no keys of its own.
    if (!form_.Definition().topLevel) system_.Unload(form_);
    return;
  }
  const int control = id - kControlIdBase;
  if (!ValidId(control) || controls_[static_cast<size_t>(control)].window != child) return;
  const ControlKind kind = DefinitionOf(control).kind;
  if (kind == ControlKind::TextBox) {
    if (code == EN_CHANGE) form_.RaiseChange(control);
    if (code == EN_SETFOCUS) form_.RaiseGotFocus(control);
    return;
  }
  // BM_CLICK from another program reaches a disabled button too; a disabled one never clicks.
  if (code != BN_CLICKED || !IsWindowEnabled(child)) return;
  if (kind == ControlKind::OptionButton) form_.SelectOption(control);
  if (kind == ControlKind::CheckBox) {
    const bool ticked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(child, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
  }
  form_.RaiseClick(control);
}

LRESULT Win32Surface::OnControlColor(HDC dc, HWND child, UINT message) {
  const int id = IdOfChild(child);
  // A disabled text box keeps the system's colours.
  if (id < 0 || (DefinitionOf(id).kind == ControlKind::TextBox && !IsWindowEnabled(child))) {
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(child));
  }
  const ControlDefinition& design = DefinitionOf(id);
  colors_ = system_.Colors();
  if (design.kind == ControlKind::Button) {
    // A push button ignores colours; its corners take the window's background.
    return reinterpret_cast<LRESULT>(gdi_.Brush(FormBackColor()));
  }
  // A control without a colour of its own has the system's.
  const int systemBack = design.kind == ControlKind::TextBox ? COLOR_WINDOW : COLOR_BTNFACE;
  const Color own =
      controls_[static_cast<size_t>(id)].backColor.value_or(FromColorRef(GetSysColor(systemBack)));
  const COLORREF back = ToColorRef(ShownBack(design, own, colors_));
  SetTextColor(dc, ToColorRef(ShownFore(design, design.foreColor, colors_)));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(gdi_.Brush(back));
}

void Win32Surface::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (HWND focus = GetFocus(); IdOfChild(focus) >= 0) savedFocus_ = focus;
    return;
  }
  if (HIWORD(wParam)) return;  // minimised
  // As a dialog does: the control that had the keyboard gets it back, or the first in tab order.
  if (savedFocus_ && IdOfChild(savedFocus_) >= 0 && IsWindowEnabled(savedFocus_) &&
      IsWindowVisible(savedFocus_)) {
    ::SetFocus(savedFocus_);  // may raise got-focus: nothing after this
    return;
  }
  HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
  ::SetFocus(first ? first : window_);  // may raise got-focus: nothing after this
}

bool Win32Surface::OnSetCursor(HWND over, LPARAM lParam) {
  if (system_.HourglassPointer()) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
  }
  // The links and pictures show the hand while they can be clicked, as links do.
  const int id = IdOfChild(over);
  if (LOWORD(lParam) == HTCLIENT && id >= 0 && IsOwnerDrawn(DefinitionOf(id)) &&
      IsWindowEnabled(over)) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
  }
  return false;
}

bool Win32Surface::HandleOptionArrow(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const WPARAM key = message.wParam;
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return false;
  const int id = IdOfChild(message.hwnd);
  if (id < 0 || DefinitionOf(id).kind != ControlKind::OptionButton) return false;

  const std::vector<int> group =
      OptionGroup(form_.Controls(), creationOrder_, DefinitionOf(id).container, [&](int other) {
        HWND child = controls_[static_cast<size_t>(other)].window;
        return child && IsWindowEnabled(child);
      });
  const int next = NextOption(group, id, key == VK_LEFT || key == VK_UP);
  if (next < 0 || next == id) return true;
  form_.SelectOption(next);
  ::SetFocus(controls_[static_cast<size_t>(next)].window);
  form_.RaiseClick(next);  // nothing after this
  return true;
}

LRESULT CALLBACK Win32Surface::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR /*subclassId*/, DWORD_PTR refData) {
  const int id = static_cast<int>(refData);
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
      // Enter belongs to the text box's key press, not to the dialog manager.
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending && ((pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) ||
                      (pending->message == WM_CHAR && pending->wParam == '\r'))) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_CHAR: {
      Win32Surface* surface = FromWindow(GetParent(edit));
      if (!surface || surface->creating_ || wParam > 0xFFFF) break;
      const auto hold = surface->form_.Hold();
      int keyAscii = static_cast<int>(wParam);
      try {
        surface->form_.RaiseKeyPress(id, keyAscii);
      } catch (...) {
        Trace(L"a key press handler failed");
        return 0;
      }
      // The handler may have closed the window, or consumed the key.
      if (!IsWindow(edit) || surface->destroyed_ || keyAscii == 0) return 0;
      return DefSubclassProc(edit, message, static_cast<WPARAM>(keyAscii), lParam);
    }
    case WM_GETOBJECT:
      // The text box as the system describes it, named by its label.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = AnswerReaderForTextBox(GetParent(edit), id, wParam)) {
          return answer;
        }
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, &Win32Surface::EditProc, kEditSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace kestal::win32
