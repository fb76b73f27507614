#pragma once
// The platform's window calls behind the zoom, the rounded outline and the topmost placement.
// They mirror the Win32 functions of the same names; results the program ignores return void.
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/WindowHandle.h"

namespace kestal {

inline constexpr int kGwHwndNext = 2;
inline constexpr int kGwChild = 5;
inline constexpr int kIdAniCaption = 3;
inline constexpr WindowHandle kHwndTopmost = static_cast<WindowHandle>(-1);
inline constexpr unsigned kSwpNoSize = 1;
inline constexpr unsigned kSwpNoMove = 2;

class WindowEffects {
 public:
  virtual ~WindowEffects() = default;
  virtual WindowHandle GetDesktopWindow() = 0;
  // Leaves `rect` as it was when the window doesn't exist.
  virtual void GetWindowRect(WindowHandle window, PixelRect& rect) = 0;
  virtual void DrawAnimatedRects(WindowHandle window, int idAni, const PixelRect& from,
                                 const PixelRect& to) = 0;
  virtual WindowHandle FindWindow(std::string_view className) = 0;
  virtual WindowHandle GetWindow(WindowHandle window, int command) = 0;
  // Copies at most maxCount - 1 characters of the class name; returns how many.
  virtual int GetClassName(WindowHandle window, std::string& buffer, int maxCount) = 0;
  virtual void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                            int cy, unsigned flags) = 0;
  virtual RegionHandle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) = 0;
  // The window owns the region afterwards.
  virtual void SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) = 0;
};

}  // namespace kestal
