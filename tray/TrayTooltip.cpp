#include "tray/TrayTooltip.h"

#include <algorithm>
#include <iterator>

#include "app/Program.h"
#include "engine/Stardate.h"
#include "platform/DateText.h"

namespace kestal {

namespace {

// Today as the user's short date text: what the engine is given, without a time of day.
std::string TodayText(const Clock& clock) {
  return ShortDateText(Today(clock));
}

// UTF-16 form of a UTF-8 text; a byte that starts no valid character stands for U+FFFD.
std::u16string Utf16Of(std::string_view text) {
  std::u16string out;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 0;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (valid && (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)))
      valid = false;
    if (!valid) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

}  // namespace

std::string NGTipText(const Clock& clock) {
  std::string text =
      "Velorn NG - Data stellare: " + InvariantNumberText(NGStardate(TodayText(clock)));
  text.push_back('\0');
  return text;
}

std::string NGTipText(const Program& program) {
  return NGTipText(program.platform.clock);
}

std::string ClassicTipText(const Clock& clock) {
  std::string text = "Velorn - Data astrale: " + ClassicStardate(TodayText(clock), true);
  text.push_back('\0');
  return text;
}

std::string ClassicTipText(const Program& program) {
  return ClassicTipText(program.platform.clock);
}

void PutTipText(NotifyIconRecord& record, std::string_view text) {
  const std::u16string wide = Utf16Of(text);
  constexpr size_t kField = std::size(NotifyIconRecord{}.szTip);
  size_t count = std::min(wide.size(), kField);
  // Never leave half of a surrogate pair at the end of the field.
  if (count == kField && count < wide.size() && wide[count - 1] >= 0xD800 &&
      wide[count - 1] < 0xDC00)
    --count;
  std::fill(std::begin(record.szTip), std::end(record.szTip), u' ');
  std::copy_n(wide.begin(), count, std::begin(record.szTip));
}

void ComposeTrayTooltip(Program& program) {
  PutTipText(program.TrayIconData,
             program.TrayShowsNextGeneration ? NGTipText(program) : ClassicTipText(program));
}

void SetTrayTooltip(Program& program, bool nextGeneration) {
  program.TrayShowsNextGeneration = nextGeneration;
  ComposeTrayTooltip(program);
  program.platform.tray.NotifyIcon(kNimModify, program.TrayIconData);
}

}  // namespace kestal
