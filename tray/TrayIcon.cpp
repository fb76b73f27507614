#include "tray/TrayIcon.h"

#include "engine/Stardate.h"
#include "services/Clock.h"
#include "text/DateText.h"
#include "text/NumberText.h"

namespace kestal {

namespace {

// Today as the user's short date text: what the engine is given, without a time of day.
std::string TodayText(const Clock& clock) {
  return ShortDateText(Today(clock));
}

}  // namespace

std::string NGTipText(const Clock& clock) {
  std::string text =
      "Velorn NG - Data stellare: " + StardateNumberText(NGStardate(TodayText(clock)));
  text.push_back('\0');
  return text;
}

std::string ClassicTipText(const Clock& clock) {
  std::string text = "Velorn - Data astrale: " + ClassicStardate(TodayText(clock), true);
  text.push_back('\0');
  return text;
}

}  // namespace kestal
