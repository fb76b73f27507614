#pragma once
// The About window: what the program is, and its two options (the convention the tray tooltip
// shows, and starting with Windows).
#include <string>
#include <string_view>

#include "effects/WindowSequence.h"
#include "forms/Controls.h"
#include "services/Platform.h"
#include "tray/TrayIcon.h"

namespace kestal {

class AboutWindow : public Form {
 public:
  AboutWindow(Platform& platform, WindowSequence& sequence, TrayIcon& trayIcon);

  // The tooltip texts of the two choices, as StarDate shows them and "&Ok" reads them.
  static constexpr std::string_view kClassicCaption = "Velorn Classic";
  static constexpr std::string_view kNextGenerationCaption = "Next Generation";
  static std::string HintText();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void Image2_Click();
  void Image3_Click();
  void Command1_Click();
  void Label4_Click();
  void Label5_Click();
  void OpenLink(const std::string& target);

  CheckBox Check1;
  Button Command1;
  Line Line2;
  Line Line1_2;
  Label StarDate;
  Label Label10;
  Label Label9;
  Label Label8;
  Label Label7;
  Picture Image3;
  Picture Image2;
  Label Label5;
  Label Label4;
  Label Label3_1;
  Label Label3_0;
  Line Line1_1;
  Line Line1_0;
  Label Label2_2;
  Label Label2_1;
  Label Label2_0;
  Label Label1_0;
  Picture Image1;
  Label Label1_1;
  Line Line1_3;

  Platform& platform_;
  WindowSequence& sequence_;
  TrayIcon& trayIcon_;
};

}  // namespace kestal
