#include "platform/win32/ZoomOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/win32/Dpi.h"
#include "platform/win32/GdiCache.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Trace.h"

namespace kestal::win32 {

namespace {

constexpr wchar_t kOutlineClass[] = L"KestalDate_ZoomOutline";
constexpr double kDurationMs = 250;
// About 15 steps in the quarter second.
constexpr DWORD kStepMs = 16;
// Two pixels at 96 dpi: a dark line outside a light one, so that one of them shows on any
// desktop, light or dark.
constexpr int kWidthAt96Dpi = 2;
constexpr COLORREF kDark = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(255, 255, 255);

LRESULT CALLBACK OutlineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
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

int32_t Between(int32_t a, int32_t b, double t) {
  return static_cast<int32_t>(std::lround(a + (b - a) * t));
}

PixelRect Between(const PixelRect& a, const PixelRect& b, double t) {
  return {Between(a.left, b.left, t), Between(a.top, b.top, t), Between(a.right, b.right, t),
          Between(a.bottom, b.bottom, t)};
}

bool Empty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// The rectangle moved in by `by` on every side (out, for a negative `by`).
RECT Inset(const RECT& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Every rectangle between the two lies in the smallest one that holds both (an empty one, a
// point or a line, counts too), on the screen.
RECT Crossed(const PixelRect& a, const PixelRect& b) {
  RECT area{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const RECT screen{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  area = {std::max(area.left, screen.left), std::max(area.top, screen.top),
          std::min(area.right, screen.right), std::min(area.bottom, screen.bottom)};
  return Empty(area) ? RECT{} : area;
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// A picture of the screen under the outline's path, and the outline drawn over it.
class Canvas {
 public:
  Canvas(HDC screen, const RECT& area)
      : area_(area),
        width_(area.right - area.left),
        height_(area.bottom - area.top),
        screenDc_(CreateCompatibleDC(screen)),
        drawnDc_(CreateCompatibleDC(screen)),
        screenBitmap_(CreateCompatibleBitmap(screen, width_, height_)),
        drawnBitmap_(PixelBitmap(width_, height_, drawnPixels_)) {}

  // Takes the picture of the screen; false when it cannot be had.
  bool Take(HDC screen) {
    if (!screenDc_ || !drawnDc_ || !screenBitmap_ || !drawnBitmap_ || !drawnPixels_) return false;
    screenSelected_.emplace(screenDc_.get(), screenBitmap_.get());
    drawnSelected_.emplace(drawnDc_.get(), drawnBitmap_.get());
    // Without CAPTUREBLT, which makes the pointer flicker: the compositor's picture holds the
    // layered windows anyway.
    return BitBlt(screenDc_.get(), 0, 0, width_, height_, screen, area_.left, area_.top, SRCCOPY) !=
           FALSE;
  }

  // The screen with the outline on `r` (screen pixels): the dark line `dark` wide outside, the
  // light one inside up to `width`.
  HDC Draw(const PixelRect& r, int width, int dark) {
    HDC dc = drawnDc_.get();
    BitBlt(dc, 0, 0, width_, height_, screenDc_.get(), 0, 0, SRCCOPY);
    RECT frame{r.left - area_.left, r.top - area_.top, r.right - area_.left, r.bottom - area_.top};
    RECT inside = Inset(frame, dark);
    if (!Empty(frame)) FillSolid(dc, frame, kDark);
    if (!Empty(frame) && !Empty(inside)) {
      FillSolid(dc, inside, kLight);
      inside = Inset(inside, width - dark);
      if (!Empty(inside)) {
        BitBlt(dc, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top,
               screenDc_.get(), inside.left, inside.top, SRCCOPY);
      }
    }
    // GDI leaves the alpha bytes at 0; every pixel is opaque.
    GdiFlush();
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    for (size_t k = 0; k < count; ++k) drawnPixels_[k] |= 0xFF000000u;
    return dc;
  }

  POINT Origin() const { return {area_.left, area_.top}; }
  SIZE Size() const { return {width_, height_}; }

 private:
  RECT area_;
  int width_, height_;
  MemoryDc screenDc_, drawnDc_;
  uint32_t* drawnPixels_ = nullptr;  // the drawn bitmap's, top row first
  GdiObject<HBITMAP> screenBitmap_, drawnBitmap_;
  // Declared last: the bitmaps are put back out of the device contexts before either goes.
  std::optional<Selected> screenSelected_, drawnSelected_;
};

double MillisecondsSince(const LARGE_INTEGER& start, const LARGE_INTEGER& frequency) {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

void PlayZoomOutline(HWND window, const PixelRect& from, const PixelRect& to) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterOutlineClass(instance)) return;
  const RECT area = Crossed(from, to);
  if (Empty(area)) return;
  const int width = std::max(1, MulDiv(kWidthAt96Dpi, WindowDpi(window), 96));
  const int dark = (width + 1) / 2;

  // The outline is drawn over a picture of the screen under its whole path, in one window that
  // stays where it is: a window that moved would leave the screen behind it to be repainted
  // by others meanwhile, which a desktop without a compositor (Wine's) shows as trails, and
  // nothing of it needs to be see-through, which Wine's desktop cannot show.
  std::optional<Canvas> canvas;
  {
    const WindowDc screen(nullptr);
    if (!screen) return;
    canvas.emplace(screen.get(), area);
    if (!canvas->Take(screen.get())) {
      TraceFailure(L"BitBlt (the screen under the zoom)");
      return;
    }
  }
  // Owned by the window's owner, the hidden start-up window, as the program's windows are: no
  // taskbar button, not in Alt+Tab. Layered and transparent: clicks go through it.
  HWND owner = GetWindow(window, GW_OWNER);
  const UniqueWindow outline(CreateWindowExW(
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
      kOutlineClass, L"", WS_POPUP, area.left, area.top, area.right - area.left,
      area.bottom - area.top, owner ? owner : window, nullptr, instance, nullptr));
  if (!outline) {
    TraceFailure(L"CreateWindowExW (the zoom's outline)");
    return;
  }

  LARGE_INTEGER frequency{}, start{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  POINT origin = canvas->Origin(), source{0, 0};
  SIZE size = canvas->Size();
  // The picture's own alpha, all opaque: the one kind of layered window that Wine's desktop
  // and the compositor show alike.
  BLENDFUNCTION opaque{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // Steps by the clock: a slow machine shows fewer of them, never a longer zoom.
  for (bool shown = false;;) {
    const double t = std::min(1.0, MillisecondsSince(start, frequency) / kDurationMs);
    HDC drawn = canvas->Draw(Between(from, to, t), width, dark);
    // Place and picture in one step, so the window never shows anything else.
    if (!UpdateLayeredWindow(outline.get(), nullptr, &origin, &size, drawn, &source, 0, &opaque,
                             ULW_ALPHA)) {
      TraceFailure(L"UpdateLayeredWindow (the zoom's outline)");
      return;
    }
    if (!shown) {
      SetWindowPos(outline.get(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      shown = true;
    }
    Sleep(kStepMs);
    if (t >= 1.0) break;
  }
}

}  // namespace kestal::win32
