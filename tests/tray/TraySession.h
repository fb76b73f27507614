#pragma once
// The program started on a headless machine, with Form1 and its icon in the tray.
#include <string>
#include <string_view>

#include "app/Program.h"
#include "tests/driver/User.h"
#include "tray/TrayWindow.h"

namespace kestal::testing {

struct TraySession {
  headless::HeadlessPlatform hp{KESTAL_SOURCE_DIR "/resources"};
  Program program{hp.platform()};

  // Starts the program with that convention setting stored ("" stores nothing) on that day.
  TrayWindow& Start(std::string_view setting = "",
                    LocalDateTime now = {2002, 6, 15, 10, 30, 0, 0}) {
    if (!setting.empty()) hp.settings.Save("KestalDate", "Impostazioni", "Data", setting);
    hp.clock.SetLocal(now);
    program.Start();
    return form1();
  }
  TrayWindow& form1() { return dynamic_cast<TrayWindow&>(*program.trayWindow.Current()); }
  const headless::HeadlessTray::Sent& LastSent() const { return hp.tray.Records().back(); }
};

// The field as the shell receives it: the text, then blanks up to 64 characters.
inline std::u16string FieldOf(std::string_view text) {
  std::u16string field(text.begin(), text.end());
  field.resize(64, u' ');
  return field;
}

inline std::u16string FieldIn(const TrayIconRecord& record) {
  return std::u16string(std::begin(record.szTip), std::end(record.szTip));
}

}  // namespace kestal::testing
