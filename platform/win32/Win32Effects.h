#pragma once
// The window effects on Win32: where the desktop, a window and the notification area are, the
// animation switch, the zoom's outline drawn over the live desktop, and topmost placement.
#include "services/WindowEffects.h"

namespace kestal::win32 {

class Win32Effects : public WindowEffects {
 public:
  PixelRect DesktopRect() override;
  std::optional<PixelRect> WindowRect(WindowHandle window) override;
  std::optional<PixelRect> NotificationArea() override;
  std::optional<PixelRect> TrayIconRect(WindowHandle window) override;
  std::optional<PixelRect> TaskbarRect() override;
  bool AnimationsOn() override;
  void AnimateOutline(WindowHandle window, const PixelRect& from, const PixelRect& to) override;
  void MakeTopmost(WindowHandle window) override;
  void EndTopmost(WindowHandle window) override;
};

}  // namespace kestal::win32
