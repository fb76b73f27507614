#include <algorithm>

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

constexpr std::string_view kTaskbarClass = "Shell_TrayWnd";
constexpr std::string_view kTrayClass = "TrayNotifyWnd";
constexpr std::string_view kDesktopClass = "#32769";
constexpr std::string_view kWindowClass = "KestalWindow";

}  // namespace

HeadlessEffects::HeadlessEffects(CallLog& log, HeadlessWindowSystem& windows)
    : log_(log), windows_(windows) {}

PixelRect HeadlessEffects::RectOf(const Form& form) const {
  const HeadlessSurface* surface = windows_.SurfaceOf(form);
  const ScreenMetrics screen = windows_.Screen();
  const int left = static_cast<int>(
      RoundHalfEven((surface ? surface->Left() : form.Left()) / screen.twipsPerPixelX));
  const int top = static_cast<int>(
      RoundHalfEven((surface ? surface->Top() : form.Top()) / screen.twipsPerPixelY));
  return {left, top, left + static_cast<int>(RoundHalfEven(form.Width() / screen.twipsPerPixelX)),
          top + static_cast<int>(RoundHalfEven(form.Height() / screen.twipsPerPixelY))};
}

std::optional<PixelRect> HeadlessEffects::Find(WindowHandle window) const {
  if (window == 0) return std::nullopt;
  if (window == kDesktopHandle) return desktop;
  const PixelRect bar{desktop.left, trayNotifyRect.top, desktop.right, desktop.bottom};
  if (taskbar && window == kTaskbarHandle) return bar;
  if (taskbar) {
    for (std::size_t i = 0; i < taskbarChildren.size(); ++i) {
      if (window != TaskbarChild(i)) continue;
      return taskbarChildren[i] == kTrayClass ? trayNotifyRect : bar;
    }
  }
  if (const Form* form = windows_.FormOf(window)) return RectOf(*form);
  return std::nullopt;
}

WindowHandle HeadlessEffects::GetDesktopWindow() {
  log_.Add("GetDesktopWindow");
  return kDesktopHandle;
}

void HeadlessEffects::GetWindowRect(WindowHandle window, PixelRect& rect) {
  log_.Add("GetWindowRect(" + Number(window) + ")");
  if (auto found = Find(window)) rect = *found;
}

void HeadlessEffects::DrawAnimatedRects(WindowHandle window, int idAni, const PixelRect& from,
                                        const PixelRect& to) {
  log_.Add("DrawAnimatedRects(" + Number(window) + "," + std::to_string(idAni) + "," +
           RectText(from) + "," + RectText(to) + ")");
  animations_.push_back({window, idAni, from, to});
  if (onAnimate) onAnimate();
}

WindowHandle HeadlessEffects::FindWindow(std::string_view className) {
  log_.Add("FindWindow(" + std::string(className) + ")");
  return taskbar && className == kTaskbarClass ? kTaskbarHandle : 0;
}

WindowHandle HeadlessEffects::GetWindow(WindowHandle window, int command) {
  log_.Add("GetWindow(" + Number(window) + "," + std::to_string(command) + ")");
  if (!taskbar) return 0;
  if (command == kGwChild && window == kTaskbarHandle) {
    return taskbarChildren.empty() ? 0 : TaskbarChild(0);
  }
  if (command == kGwHwndNext) {
    for (std::size_t i = 0; i + 1 < taskbarChildren.size(); ++i) {
      if (window == TaskbarChild(i)) return TaskbarChild(i + 1);
    }
  }
  return 0;
}

int HeadlessEffects::GetClassName(WindowHandle window, std::string& buffer, int maxCount) {
  log_.Add("GetClassName(" + Number(window) + ")");
  std::string_view name;
  if (window == kDesktopHandle) {
    name = kDesktopClass;
  } else if (taskbar && window == kTaskbarHandle) {
    name = kTaskbarClass;
  } else if (windows_.FormOf(window)) {
    name = kWindowClass;
  } else {
    for (std::size_t i = 0; taskbar && i < taskbarChildren.size(); ++i) {
      if (window == TaskbarChild(i)) name = taskbarChildren[i];
    }
  }
  if (name.empty() || maxCount <= 0) return 0;
  // As the platform does: at most maxCount - 1 characters, the rest of the buffer kept.
  const std::size_t count = std::min(name.size(), static_cast<std::size_t>(maxCount - 1));
  if (buffer.size() < count) buffer.resize(count);
  buffer.replace(0, count, name.substr(0, count));
  return static_cast<int>(count);
}

void HeadlessEffects::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                   int cx, int cy, unsigned flags) {
  log_.Add("SetWindowPos(" + Number(window) + "," + Number(insertAfter) + "," + std::to_string(x) +
           "," + std::to_string(y) + "," + std::to_string(cx) + "," + std::to_string(cy) + "," +
           std::to_string(flags) + ")");
  if (!windows_.FormOf(window)) return;
  if (insertAfter == kHwndTopmost) topmost_[window] = true;
  if (insertAfter == static_cast<WindowHandle>(-2)) topmost_[window] = false;  // HWND_NOTOPMOST
}

bool HeadlessEffects::IsTopmost(WindowHandle window) const {
  auto it = topmost_.find(window);
  return it != topmost_.end() && it->second;
}

RegionHandle HeadlessEffects::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  log_.Add("CreateRoundRectRgn(" + std::to_string(x1) + "," + std::to_string(y1) + "," +
           std::to_string(x2) + "," + std::to_string(y2) + "," + std::to_string(w) + "," +
           std::to_string(h) + ")");
  const RegionHandle region = nextRegion_++;
  regions_[region] = {x1, y1, x2, y2, w, h};
  return region;
}

void HeadlessEffects::SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) {
  log_.Add("SetWindowRgn(" + Number(window) + "," + Number(region) + "," + (redraw ? "1" : "0") +
           ")");
  if (windows_.FormOf(window) && regions_.contains(region)) windowRegions_[window] = region;
}

std::optional<HeadlessEffects::RoundRegion> HeadlessEffects::RegionOf(WindowHandle window) const {
  auto it = windowRegions_.find(window);
  if (it == windowRegions_.end()) return std::nullopt;
  return regions_.at(it->second);
}

}  // namespace kestal::headless
