#include "tray/TrayIcon.h"

#include <algorithm>
#include <iterator>

#include "engine/Stardate.h"
#include "services/Clock.h"
#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

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

void PutTipText(TrayIconRecord& record, std::string_view text) {
  const std::u16string wide = Utf8ToUtf16(text);
  constexpr size_t kField = std::size(TrayIconRecord{}.szTip);
  size_t count = std::min(wide.size(), kField);
  // Never leave half of a surrogate pair at the end of the field.
  if (count == kField && count < wide.size() && wide[count - 1] >= 0xD800 &&
      wide[count - 1] < 0xDC00)
    --count;
  std::fill(std::begin(record.szTip), std::end(record.szTip), u' ');
  std::copy_n(wide.begin(), count, std::begin(record.szTip));
}

void TrayIcon::Compose() {
  PutTipText(TrayIconData, nextGeneration_ ? NGTipText(clock_) : ClassicTipText(clock_));
}

void TrayIcon::Show(bool nextGeneration) {
  nextGeneration_ = nextGeneration;
  Compose();
  Send(kNimModify);
}

}  // namespace kestal
