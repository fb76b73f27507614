#include "platform/headless/Headless.h"
#include "platform/headless/HeadlessSurface.h"

namespace kestal::headless {
namespace {

std::string Number(std::uintptr_t handle) {
  return std::to_string(static_cast<std::intptr_t>(handle));
}

std::string RectText(const PixelRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

}  // namespace

PixelRect HeadlessEffects::RectOf(const Form& form) const {
  // A window that is not loaded lies at the screen's corner.
  const HeadlessSurface* surface = windows_.SurfaceOf(form);
  const ScreenMetrics screen = surface ? surface->Screen() : windows_.Screen();
  const int left = surface ? TwipsToPixels(surface->Left(), screen.twipsPerPixelX) : 0;
  const int top = surface ? TwipsToPixels(surface->Top(), screen.twipsPerPixelY) : 0;
  return {left, top, left + TwipsToPixels(form.DesignWidth(), screen.twipsPerPixelX),
          top + TwipsToPixels(form.DesignHeight(), screen.twipsPerPixelY)};
}

std::optional<PixelRect> HeadlessEffects::WindowRect(WindowHandle window) {
  if (const Form* form = windows_.FormOf(window)) return RectOf(*form);
  return std::nullopt;
}

std::optional<PixelRect> HeadlessEffects::TrayIconRect(WindowHandle window) {
  return windows_.FormOf(window) ? trayIcon : std::nullopt;
}

void HeadlessEffects::AnimateOutline(WindowHandle window, const PixelRect& from,
                                     const PixelRect& to) {
  log_.Add("AnimateOutline(" + Number(window) + "," + RectText(from) + "," + RectText(to) + ")",
           AnimationRecord{window, from, to});
  if (onAnimate) onAnimate();
}

void HeadlessEffects::MakeTopmost(WindowHandle window) {
  log_.Add("MakeTopmost(" + Number(window) + ")");
  if (windows_.FormOf(window)) topmost_.insert(window);
}

void HeadlessEffects::EndTopmost(WindowHandle window) {
  topmost_.erase(window);
}

}  // namespace kestal::headless
