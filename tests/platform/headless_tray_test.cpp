// The notification area takes, changes and removes the icon as the shell does.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

using namespace std::string_view_literals;

TrayIconRecord Record(WindowHandle window, uint32_t id, std::u16string_view tip,
                      uint32_t flags = kNifMessage | kNifIcon | kNifTip) {
  TrayIconRecord record;
  record.hWnd = window;
  record.uID = id;
  record.uFlags = flags;
  record.uCallbackMessage = 512;
  record.hIcon = 0x20001;
  // The field is filled with blanks after the text's NUL, as the program does.
  std::fill(std::begin(record.szTip), std::end(record.szTip), u' ');
  std::copy(tip.begin(), tip.end(), record.szTip);
  return record;
}

TEST(HeadlessTray, AddModifyDeleteFollowTheShell) {
  const struct {
    const char* name;
    bool available;
    bool startShown;
    unsigned message;
    WindowHandle window;
    uint32_t id;
    bool succeeds;
    bool shownAfter;
  } cases[] = {
      {"add", true, false, kNimAdd, 1, 1, true, true},
      {"add twice", true, true, kNimAdd, 1, 1, false, true},
      {"add without a taskbar", false, false, kNimAdd, 1, 1, false, false},
      {"modify", true, true, kNimModify, 1, 1, true, true},
      {"modify a missing icon", true, false, kNimModify, 1, 1, false, false},
      {"modify another window's icon", true, true, kNimModify, 2, 1, false, true},
      {"modify another id", true, true, kNimModify, 1, 2, false, true},
      {"delete", true, true, kNimDelete, 1, 1, true, false},
      {"delete a missing icon", true, false, kNimDelete, 1, 1, false, false},
      {"delete another id", true, true, kNimDelete, 1, 7, false, true},
      {"unknown message", true, true, 9, 1, 1, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CallLog log;
    HeadlessTray tray(log);
    if (c.startShown) {
      ASSERT_TRUE(tray.NotifyIcon(kNimAdd, Record(1, 1, u"Start\0"sv)));
    }
    tray.available = c.available;
    EXPECT_EQ(tray.NotifyIcon(c.message, Record(c.window, c.id, u"Next\0"sv)), c.succeeds);
    EXPECT_EQ(tray.IconShown(), c.shownAfter);
    EXPECT_EQ(log.Entries().back(), "NotifyIcon(" + std::to_string(c.message) + ")");
    EXPECT_EQ(tray.Records().back().message, c.message);  // recorded, taken or not
  }
}

TEST(HeadlessTray, TheTooltipEndsAtItsNulAndReadsAsUtf8) {
  CallLog log;
  HeadlessTray tray(log);
  EXPECT_EQ(tray.Tooltip(), "");
  ASSERT_TRUE(tray.NotifyIcon(kNimAdd, Record(1, 1, u"Velorn - Data astrale: -1/0206.15\0"sv)));
  EXPECT_EQ(tray.Tooltip(), "Velorn - Data astrale: -1/0206.15");
  ASSERT_TRUE(
      tray.NotifyIcon(kNimModify, Record(1, 1, u"Velorn NG - Data stellare: è \U0001F680\0"sv)));
  EXPECT_EQ(tray.Tooltip(), "Velorn NG - Data stellare: \u00e8 \U0001F680");
  // A change without the tip flag keeps the tooltip.
  ASSERT_TRUE(tray.NotifyIcon(kNimModify, Record(1, 1, u"Other\0"sv, kNifIcon)));
  EXPECT_EQ(tray.Tooltip(), "Velorn NG - Data stellare: \u00e8 \U0001F680");
  EXPECT_EQ(tray.Current().hIcon, 0x20001u);
  // A field filled to the end without a NUL shows all 64 characters.
  TrayIconRecord full = Record(1, 1, u""sv);
  ASSERT_TRUE(tray.NotifyIcon(kNimModify, full));
  EXPECT_EQ(tray.Tooltip(), std::string(64, ' '));
  ASSERT_TRUE(tray.NotifyIcon(kNimDelete, Record(1, 1, u""sv)));
  EXPECT_EQ(tray.Tooltip(), "");
}

TEST(HeadlessTray, AShellRestartForgetsTheIcon) {
  CallLog log;
  HeadlessTray tray(log);
  ASSERT_TRUE(tray.NotifyIcon(kNimAdd, Record(1, 1, u"Tip\0"sv)));
  tray.RestartShell();
  EXPECT_FALSE(tray.IconShown());
  EXPECT_FALSE(tray.NotifyIcon(kNimModify, Record(1, 1, u"Tip\0"sv)));
  EXPECT_TRUE(tray.NotifyIcon(kNimAdd, Record(1, 1, u"Again\0"sv)));
  EXPECT_EQ(tray.Tooltip(), "Again");
}

}  // namespace
}  // namespace kestal::headless
