#include "platform/headless/Headless.h"

namespace kestal::headless {

bool HeadlessTray::Show(WindowHandle window, std::string_view tooltip) {
  log_.Add("NotifyIcon(Show)");
  if (!available) return false;
  shown_ = true;
  window_ = window;
  tooltip_ = std::string(tooltip);
  return true;
}

bool HeadlessTray::SetTooltip(std::string_view tooltip) {
  log_.Add("NotifyIcon(Tooltip)");
  if (!available || !shown_) return false;
  tooltip_ = std::string(tooltip);
  return true;
}

void HeadlessTray::GiveFocusBack() {
  log_.Add("NotifyIcon(FocusBack)");
}

void HeadlessTray::Remove() {
  log_.Add("NotifyIcon(Remove)");
  shown_ = false;
}

std::string HeadlessTray::Tooltip() const {
  return shown_ ? tooltip_.substr(0, tooltip_.find('\0')) : std::string();
}

}  // namespace kestal::headless
