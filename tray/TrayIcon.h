#pragma once
// The tray icon's tooltip: today's stardate in one of the two conventions. One for the whole
// run, shared by the tray window and the About window; the one place that knows which
// convention the tooltip shows.
#include <string>

#include "services/Clock.h"
#include "services/Tray.h"

namespace kestal {

// "Velorn NG - Data stellare: " and today's Next Generation stardate, then a NUL.
std::string NGTipText(const Clock& clock);
// "Velorn - Data astrale: " and today's classic stardate, then a NUL.
std::string ClassicTipText(const Clock& clock);

class TrayIcon {
 public:
  TrayIcon(TrayArea& tray, const Clock& clock) : tray_(tray), clock_(clock) {}

  bool ShowsNextGeneration() const { return nextGeneration_; }
  // Which convention the tooltip shows from now on; nothing is composed or sent yet.
  void Choose(bool nextGeneration) { nextGeneration_ = nextGeneration; }
  // Today's tooltip in the convention shown.
  std::string Tooltip() const {
    return nextGeneration_ ? NGTipText(clock_) : ClassicTipText(clock_);
  }
  // Puts the icon in the notification area for the window, with today's tooltip: true when
  // the shell shows it.
  bool Add(WindowHandle window) { return tray_.Show(window, Tooltip()); }
  // The tooltip shows today's stardate in this convention from now on. Day changes and shell
  // restarts keep the convention.
  void Show(bool nextGeneration) {
    nextGeneration_ = nextGeneration;
    tray_.SetTooltip(Tooltip());
  }

 private:
  TrayArea& tray_;
  const Clock& clock_;
  bool nextGeneration_ = false;
};

}  // namespace kestal
