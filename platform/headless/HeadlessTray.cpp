#include "platform/headless/Headless.h"
#include "text/Utf8.h"

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
    case kNimSetFocus:
      return same;
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
  const std::u16string_view field(current_.szTip, std::size(current_.szTip));
  return Utf16ToUtf8(field.substr(0, field.find(u'\0')));
}

}  // namespace kestal::headless
