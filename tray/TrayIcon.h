#pragma once
// The tray icon's record and its tooltip: today's stardate in one of the two conventions. One
// for the whole run, shared by the tray window and the About window; the one place that knows
// which convention the tooltip shows.
#include <string>
#include <string_view>

#include "services/Clock.h"
#include "services/Tray.h"

namespace kestal {

// "Velorn NG - Data stellare: " and today's Next Generation stardate, then a NUL.
std::string NGTipText(const Clock& clock);
// "Velorn - Data astrale: " and today's classic stardate, then a NUL.
std::string ClassicTipText(const Clock& clock);

// Copies a composed text into szTip from the left: a shorter text is filled up with blanks to
// the field's 64 characters, a longer one is cut there.
void PutTipText(TrayIconRecord& record, std::string_view text);

class TrayIcon {
 public:
  TrayIcon(TrayArea& tray, const Clock& clock) : tray_(tray), clock_(clock) {}

  TrayIconRecord TrayIconData;

  bool ShowsNextGeneration() const { return nextGeneration_; }
  // Which convention the tooltip shows from now on; nothing is composed or sent yet.
  void Choose(bool nextGeneration) { nextGeneration_ = nextGeneration; }
  // Composes today's tooltip in the convention shown into TrayIconData; sends nothing.
  void Compose();
  // The tooltip shows today's stardate in this convention from now on: composed and sent with
  // NIM_MODIFY. Day changes and shell restarts keep the convention.
  void Show(bool nextGeneration);
  // Sends the record as it is with the shell's message (add, modify, delete).
  bool Send(unsigned message) { return tray_.NotifyIcon(message, TrayIconData); }

 private:
  TrayArea& tray_;
  const Clock& clock_;
  bool nextGeneration_ = false;
};

}  // namespace kestal
