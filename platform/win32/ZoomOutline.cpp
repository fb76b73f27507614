#include "platform/win32/ZoomOutline.h"

#include <dwmapi.h>

#include <algorithm>

#include "platform/win32/Dpi.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Trace.h"
#include "services/OutlineFrame.h"

namespace kestal::win32 {

namespace {

constexpr wchar_t kOutlineClass[] = L"KestalDate_ZoomOutline";
constexpr double kDurationMs = 250;
// About 15 steps in the quarter second where no compositor paces them.
constexpr double kStepMs = 16;
// A compositor's frame that came sooner than this was not waited for.
constexpr double kShortestStepMs = 4;
// Two pixels at 96 dpi: a dark line outside a light one, so that one of them shows on any
// desktop, light or dark.
constexpr int kWidthAt96Dpi = 2;
constexpr COLORREF kDark = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(255, 255, 255);

// Above everything and never activated; owned, so without a taskbar button or a place in
// Alt+Tab. Layered and transparent: the system's hit testing passes over it, so the few pixels
// of the line never take a click, whatever program lies beneath (HTTRANSPARENT would hand a
// click on to windows of this thread only). Layered by SetLayeredWindowAttributes, opaque: it
// paints as any window and its region shapes it, under Wine as under Windows. Never by
// UpdateLayeredWindow, whose picture would have to hold what lies beneath, or see-through
// pixels, which Wine's X desktop, without a compositor, has nothing to blend with.
constexpr DWORD kOutlineStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;

// What the outline's window paints: the outline's rectangle in its own coordinates, and how
// wide the dark line is. The window's region leaves only the line's pixels to paint.
struct OutlineLook {
  RECT outer{};
  int dark = 1;
};

RECT ToRect(const PixelRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void Paint(HWND window) {
  const PaintScope paint(window);
  const auto* look = reinterpret_cast<const OutlineLook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!paint.get() || !look) return;
  const RECT& outer = look->outer;
  FillSolid(paint.get(), outer, kDark);
  FillSolid(paint.get(),
            {outer.left + look->dark, outer.top + look->dark, outer.right - look->dark,
             outer.bottom - look->dark},
            kLight);
}

LRESULT CALLBACK OutlineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel the region shows
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DPICHANGED:
      return 0;  // its place and size are the zoom's, in screen pixels, whatever the monitor
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool RegisterOutlineClass(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &OutlineProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kOutlineClass;
    if (RegisterClassExW(&windowClass)) return true;
    TraceFailure(L"RegisterClassExW (the zoom's outline)");
    return false;
  }();
  return registered;
}

PixelRect VirtualScreen() {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The window's region made the line alone, in the window's own coordinates (its top-left at
// `origin` on the screen). One call changes what shows, so no frame has a step half made.
bool Reshape(HWND outline, const FrameBands& bands, const PixelRect& origin, bool redraw) {
  GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  for (int i = 0; region && i < bands.count; ++i) {
    const PixelRect& r = bands.rects[static_cast<std::size_t>(i)];
    const GdiObject<HRGN> band(CreateRectRgn(r.left - origin.left, r.top - origin.top,
                                             r.right - origin.left, r.bottom - origin.top));
    if (!band || CombineRgn(region.get(), region.get(), band.get(), RGN_OR) == ERROR) {
      region.reset();
    }
  }
  if (!region) {
    TraceFailure(L"CreateRectRgn (the zoom's outline)");
    return false;
  }
  if (!SetWindowRgn(outline, region.get(), redraw)) {
    TraceFailure(L"SetWindowRgn (the zoom's outline)");
    return false;
  }
  region.release();  // the window's now
  return true;
}

// Shows the step now and lets the windows beneath take back what it uncovered. Where the system
// keeps no picture of each window (Wine's X desktop), a window's pixels reach the screen only
// when its thread waits for messages, and what the outline uncovered on the program's own
// windows comes back from their pictures only then. A wait that ends at once: no message is
// taken from the queue or handled, and elsewhere it does nothing.
void ShowNow() {
  MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_PAINT, 0);
}

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{}, start_{};
};

// Waits between steps: where the compositor draws the desktop, for its next frame, so that each
// step is one frame; elsewhere, or when it fails, a fixed sleep.
class StepPace {
 public:
  StepPace() {
    BOOL composed = FALSE;
    composed_ = SUCCEEDED(DwmIsCompositionEnabled(&composed)) && composed;
  }
  void Wait(const Clock& clock) {
    const double begun = clock.Milliseconds();
    if (composed_) {
      composed_ = SUCCEEDED(DwmFlush());
      if (!composed_) TraceFailure(L"DwmFlush (the zoom's outline)");
    }
    const double waited = clock.Milliseconds() - begun;
    if (!composed_ || waited < kShortestStepMs) {
      Sleep(static_cast<DWORD>(std::max(0.0, kStepMs - waited)));
    }
  }

 private:
  bool composed_ = false;
};

}  // namespace

void PlayZoomOutline(HWND window, const PixelRect& from, const PixelRect& to) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterOutlineClass(instance)) return;
  // One window over the outline's whole path, never moved: only its region changes.
  const PixelRect path = OutlinePath(from, to, VirtualScreen());
  if (IsEmpty(path)) return;
  const int width = std::max(1, MulDiv(kWidthAt96Dpi, WindowDpi(window), 96));
  OutlineLook look;
  look.dark = (width + 1) / 2;

  // Owned by the window's owner, the hidden start-up window, as the program's windows are.
  HWND owner = GetWindow(window, GW_OWNER);
  const UniqueWindow outline(CreateWindowExW(
      kOutlineStyle, kOutlineClass, L"", WS_POPUP, path.left, path.top, path.right - path.left,
      path.bottom - path.top, owner ? owner : window, nullptr, instance, nullptr));
  if (!outline) {
    TraceFailure(L"CreateWindowExW (the zoom's outline)");
    return;
  }
  SetWindowLongPtrW(outline.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&look));
  if (!SetLayeredWindowAttributes(outline.get(), 0, 255, LWA_ALPHA)) {
    TraceFailure(L"SetLayeredWindowAttributes (the zoom's outline)");
    return;
  }

  const Clock clock;
  StepPace pace;
  // Steps by the clock: a slow machine shows fewer of them, never a longer zoom.
  for (bool shown = false;;) {
    const double t = std::min(1.0, clock.Milliseconds() / kDurationMs);
    const PixelRect outer = OutlineAt(from, to, t);
    look.outer = ToRect({outer.left - path.left, outer.top - path.top, outer.right - path.left,
                         outer.bottom - path.top});
    // The first step's shape is given before the window shows, so it never shows whole.
    if (!Reshape(outline.get(), FrameOf(outer, width, path), path, shown)) return;
    if (!shown) {
      SetWindowPos(outline.get(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      shown = true;
    }
    // Painted whole each step: where the line crosses its last place, the two tones change.
    InvalidateRect(outline.get(), nullptr, FALSE);
    UpdateWindow(outline.get());
    ShowNow();
    pace.Wait(clock);
    if (t >= 1.0) break;
  }
}

}  // namespace kestal::win32
