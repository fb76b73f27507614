#include "platform/headless/CodePoints.h"
#include "platform/headless/Headless.h"

namespace kestal::headless {

bool HeadlessTray::NotifyIcon(unsigned message, const TrayIconRecord& record) {
  log_.Add("NotifyIcon(" + std::to_string(message) + ")");
  sent_.push_back({message, record});
  if (!available) return false;
  // The shell knows an icon by its window and id.
  const bool same = shown_ && current_.hWnd == record.hWnd && current_.uID == record.uID;
  switch (message) {
    case kNimAdd:
      if (shown_) return false;
      current_ = TrayIconRecord{};
      current_.hWnd = record.hWnd;
      current_.uID = record.uID;
      shown_ = true;
      break;
    case kNimModify:
      if (!same) return false;
      break;
    case kNimDelete:
      if (!same) return false;
      shown_ = false;
      current_ = TrayIconRecord{};
      return true;
    default:
      return false;
  }
  // An add or a change takes the fields that the flags name.
  current_.uFlags |= record.uFlags;
  if (record.uFlags & kNifMessage) current_.uCallbackMessage = record.uCallbackMessage;
  if (record.uFlags & kNifIcon) current_.hIcon = record.hIcon;
  if (record.uFlags & kNifTip)
    std::copy(std::begin(record.szTip), std::end(record.szTip), current_.szTip);
  return true;
}

std::string HeadlessTray::Tooltip() const {
  if (!shown_) return {};
  std::u32string chars;
  const char16_t* tip = current_.szTip;
  const std::size_t size = std::size(current_.szTip);
  for (std::size_t i = 0; i < size && tip[i] != 0; ++i) {
    char32_t c = tip[i];
    // A surrogate pair makes one character; a lone half stands as it is.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < size && tip[i + 1] >= 0xDC00 &&
        tip[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (tip[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    chars.push_back(c);
  }
  return EncodeCodePoints(chars);
}

}  // namespace kestal::headless
