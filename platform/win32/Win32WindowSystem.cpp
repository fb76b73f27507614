#include "platform/win32/Win32WindowSystem.h"

#include <algorithm>

#include "platform/win32/AutomationQuery.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FormWindowIds.h"
#include "platform/win32/OneCopy.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Trace.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32TrayIcon.h"

namespace kestal::win32 {

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance)
    : instance_(instance),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      anotherStart_(RegisterWindowMessageW(kAnotherStartMessage)) {}

void Win32WindowSystem::AnswerAutomation() {
  automationQuery_ = RegisterWindowMessageW(kAutomationQueryMessage);
}

Win32WindowSystem::~Win32WindowSystem() {
  // Forms own their surfaces and normally go first; any window still open is closed while it
  // can still sign off here.
  const std::vector<Win32Surface*> live = live_;
  for (Win32Surface* surface : live) surface->Destroy();
}

ScreenMetrics Win32WindowSystem::Screen() const {
  return ScreenInTwips(1440.0 / SystemDpi());
}

// An elevated copy's windows hear only what the system's message filter lets through from
// programs with fewer rights: Explorer's taskbar (the icon's events, and its coming back), the
// installer and a second start of the program are such programs.
void Win32WindowSystem::AcceptOtherPrograms(Form& form) {
  auto* surface = form.Surface() ? static_cast<Win32Surface*>(form.Surface()) : nullptr;
  HWND window = surface ? surface->Window() : nullptr;
  if (!window) return;
  for (const UINT message : {taskbarCreated_, anotherStart_, static_cast<UINT>(WM_CLOSE),
                             Win32TrayIcon::kCallbackMessage}) {
    if (message != 0 && !ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr)) {
      TraceFailure(L"ChangeWindowMessageFilterEx");
    }
  }
}

Color Win32WindowSystem::HighlightColor() const {
  return FromColorRef(GetSysColor(COLOR_HIGHLIGHT));
}

SystemColors Win32WindowSystem::Colors() const {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  SystemColors colors;
  colors.highContrast =
      SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  colors.window = FromColorRef(GetSysColor(COLOR_WINDOW));
  colors.windowText = FromColorRef(GetSysColor(COLOR_WINDOWTEXT));
  colors.hotLight = FromColorRef(GetSysColor(COLOR_HOTLIGHT));
  colors.buttonFace = FromColorRef(GetSysColor(COLOR_BTNFACE));
  colors.buttonText = FromColorRef(GetSysColor(COLOR_BTNTEXT));
  return colors;
}

bool Win32WindowSystem::PreTranslate(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  Win32Surface* surface = Win32Surface::FromWindow(root);
  if (!surface) return false;
  // The arrow keys keep to a frame's options; the dialog manager does the rest (Tab, Space,
  // Escape becomes IDCANCEL, Enter IDOK, access keys click).
  if (surface->HandleOptionArrow(message)) return true;
  return IsDialogMessageW(root, &message) != FALSE;
}

int Win32WindowSystem::Run() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);  // the code Quit posted
    if (got < 0) {
      TraceFailure(L"GetMessageW");
      return 1;
    }
    Dispatch(message);
  }
}

void Win32WindowSystem::Dispatch(MSG& message) {
  if (PreTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32WindowSystem::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The outer loop must still see it, or the program would not end.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

HWND Win32WindowSystem::MessageBoxOwner() const {
  HWND active = GetActiveWindow();
  if (Win32Surface::FromWindow(active) && IsWindowVisible(active)) {
    return active;
  }
  if (lastShown_ && IsWindowVisible(lastShown_->Window())) return lastShown_->Window();
  for (auto it = live_.rbegin(); it != live_.rend(); ++it) {
    if (IsWindowVisible((*it)->Window())) return (*it)->Window();
  }
  return OwnerWindow();
}

void Win32WindowSystem::MsgBox(std::string_view text, MsgBoxIcon icon, std::string_view title) {
  HWND owner = MessageBoxOwner();
  UINT flags = MB_OK | MB_SETFOREGROUND |
               (icon == MsgBoxIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
  // A box owned by a hidden window, or by a topmost one, must not open beneath a topmost window.
  const bool ownerTopmost = owner && (GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (!owner || !IsWindowVisible(owner) || ownerTopmost) flags |= MB_TOPMOST;
  if (!owner) flags |= MB_TASKMODAL;
  const std::wstring wideText = WideWithLineBreaks(text);
  const std::wstring wideTitle = Wide(title);
  MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(), flags);
}

int Win32WindowSystem::PopupMenu(Form& owner, const std::vector<MenuItem>& items, int defaultIndex,
                                 std::optional<PixelPoint> anchor) {
  HWND window = reinterpret_cast<HWND>(owner.hWnd());
  const UniqueMenu owned(CreatePopupMenu());
  HMENU menu = owned.get();
  if (!menu) {
    TraceFailure(L"CreatePopupMenu");
    return -1;
  }
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      const std::wstring caption = Wide(items[i].caption);
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i + 1), caption.c_str());
    }
  }
  if (defaultIndex >= 0) SetMenuDefaultItem(menu, static_cast<UINT>(defaultIndex), TRUE);
  // The notification area's rules: the owner comes to the foreground first, or the menu would
  // not close when the user clicks elsewhere; the posted message lets it close at once.
  if (window) SetForegroundWindow(window);
  POINT at{};
  if (anchor) {
    at = {anchor->x, anchor->y};
  } else {
    GetCursorPos(&at);
  }
  // Menus drop to the left of the pointer where the user's settings say so (right-handed pen).
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | align | TPM_TOPALIGN,
                                      at.x, at.y, 0, window, nullptr));
  if (window) PostMessageW(window, WM_NULL, 0, 0);
  return chosen > 0 ? chosen - 1 : -1;
}

void Win32WindowSystem::SetMousePointer(MousePointer pointer) {
  hourglass_ = pointer == MousePointer::Hourglass;
  SetCursor(LoadCursorW(nullptr, hourglass_ ? IDC_WAIT : IDC_ARROW));
}

std::wstring Win32WindowSystem::FormClass(const std::string& formName, WNDPROC procedure) {
  std::wstring name = std::wstring(kFormClassPrefix) + Wide(formName);
  if (std::find(classes_.begin(), classes_.end(), name) != classes_.end()) return name;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // No class icon: each shown window gets its own (the surface sets them), the hidden one none.
  windowClass.lpszClassName = name.c_str();
  if (!RegisterClassExW(&windowClass)) {
    TraceFailure(L"RegisterClassExW");  // the window that needs it then fails, and says so
    return name;
  }
  classes_.push_back(name);
  return name;
}

HWND Win32WindowSystem::OwnerWindow() const {
  for (Win32Surface* surface : live_) {
    if (surface->OwnerForm().Definition().topLevel) return surface->Window();
  }
  return nullptr;
}

void Win32WindowSystem::Attach(Win32Surface* surface) {
  live_.push_back(surface);
}

void Win32WindowSystem::Detach(Win32Surface* surface) {
  live_.erase(std::remove(live_.begin(), live_.end(), surface), live_.end());
  if (lastShown_ == surface) lastShown_ = nullptr;
}

void Win32WindowSystem::NoteShown(Win32Surface* surface) {
  lastShown_ = surface;
}

void Win32WindowSystem::ReleaseOwned(HWND owner) {
  for (Win32Surface* surface : live_) {
    if (surface->Window() != owner && GetWindow(surface->Window(), GW_OWNER) == owner) {
      SetWindowLongPtrW(surface->Window(), GWLP_HWNDPARENT, 0);
    }
  }
}

void Win32WindowSystem::CloseAll() {
  closing_ = true;
  UnloadAll();
}

std::unique_ptr<FormSurface> Win32WindowSystem::CreateSurface(Form& form) {
  auto surface = std::make_unique<Win32Surface>(*this, form);
  if (!surface->Window()) return nullptr;  // traced where it failed
  return surface;
}

void Win32WindowSystem::Quit(int exitCode) {
  PostQuitMessage(exitCode);
}

}  // namespace kestal::win32
