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

HeadlessEffects::HeadlessEffects(CallLog& log, HeadlessWindowSystem& windows)
    : log_(log), windows_(windows) {}

PixelRect HeadlessEffects::RectOf(const Form& form) const {
  const HeadlessSurface* surface = windows_.SurfaceOf(form);
  const ScreenMetrics screen = surface ? surface->Screen() : windows_.Screen();
  const int left = static_cast<int>(
      RoundHalfEven((surface ? surface->Left() : form.PlacedLeft()) / screen.twipsPerPixelX));
  const int top = static_cast<int>(
      RoundHalfEven((surface ? surface->Top() : form.PlacedTop()) / screen.twipsPerPixelY));
  return {left, top, left + static_cast<int>(RoundHalfEven(form.DesignWidth() / screen.twipsPerPixelX)),
          top + static_cast<int>(RoundHalfEven(form.DesignHeight() / screen.twipsPerPixelY))};
}

PixelRect HeadlessEffects::DesktopRect() {
  return desktop;
}

std::optional<PixelRect> HeadlessEffects::WindowRect(WindowHandle window) {
  if (const Form* form = windows_.FormOf(window)) return RectOf(*form);
  return std::nullopt;
}

std::optional<PixelRect> HeadlessEffects::NotificationArea() {
  return notificationArea;
}

void HeadlessEffects::AnimateOutline(WindowHandle window, const PixelRect& from,
                                     const PixelRect& to) {
  log_.Add("AnimateOutline(" + Number(window) + "," + RectText(from) + "," + RectText(to) + ")");
  animations_.push_back({window, from, to});
  if (onAnimate) onAnimate();
}

void HeadlessEffects::MakeTopmost(WindowHandle window) {
  log_.Add("MakeTopmost(" + Number(window) + ")");
  if (windows_.FormOf(window)) topmost_[window] = true;
}

void HeadlessEffects::EndTopmost(WindowHandle window) {
  log_.Add("EndTopmost(" + Number(window) + ")");
  topmost_.erase(window);
}

bool HeadlessEffects::IsTopmost(WindowHandle window) const {
  auto it = topmost_.find(window);
  return it != topmost_.end() && it->second;
}

void HeadlessEffects::RoundOutline(WindowHandle window, int widthTwips, int heightTwips,
                                   int cornerTwips) {
  outlineTwips_.erase(window);
  if (windows_.FormOf(window)) outlineTwips_[window] = {widthTwips, heightTwips, cornerTwips};
  const Outline pixels = OutlineOf(window).value_or(Outline{widthTwips, heightTwips, cornerTwips});
  log_.Add("RoundOutline(" + Number(window) + "," + std::to_string(pixels.width) + "," +
           std::to_string(pixels.height) + "," + std::to_string(pixels.corner) + ")");
}

// Kept in twips, as asked, and turned into pixels at the window's density of now, as the
// platform cuts it again whenever that changes.
std::optional<HeadlessEffects::Outline> HeadlessEffects::OutlineOf(WindowHandle window) const {
  auto it = outlineTwips_.find(window);
  const Form* form = windows_.FormOf(window);
  const HeadlessSurface* surface = form ? windows_.SurfaceOf(*form) : nullptr;
  if (it == outlineTwips_.end() || !surface) return std::nullopt;
  const double x = surface->TwipsPerPixelX(), y = surface->TwipsPerPixelY();
  const Outline& t = it->second;
  return Outline{static_cast<int>(RoundHalfEven(t.width / x)),
                 static_cast<int>(RoundHalfEven(t.height / y)),
                 static_cast<int>(RoundHalfEven(t.corner / x))};
}

}  // namespace kestal::headless
