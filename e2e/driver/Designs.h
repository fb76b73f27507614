#pragma once
// Where the driver finds each control: its place in its window's design (the order in which
// the window defines its controls), which is also its window id less kControlIdBase.
namespace e2e {

namespace conversion {  // DataAstrale
inline constexpr wchar_t kForm[] = L"DataAstrale";
enum Control {
  Command3,  // "&Esci"
  Command2,  // "&Formati"
  Frame3,
  VelornDate,
  Label4,
  Frame2,
  Option5,  // target Next Generation
  Option4,  // target classic
  Frame1,
  DataSource,
  Option3,  // source Next Generation stardate
  Option2,  // source classic stardate
  Option1,  // source calendar date
  Label3,
  Command1,  // "&Converti"
  Label1_2,
  Label2,
  Label1_0,
  Image1,
  Label1_1,
  Label1_3,
};
}  // namespace conversion

namespace about {  // About
inline constexpr wchar_t kForm[] = L"About";
enum Control {
  Check1,    // autostart
  Command1,  // "&Ok"
  Line2,
  Line1_2,
  StarDate,
  Label10,
  Label9,
  Label8,
  Label7,  // the hint
  Image3,  // Next Generation captain
  Image2,  // classic captain
  Label5,  // web address
  Label4,  // mail address
  Label3_1,
  Label3_0,
  Line1_1,
  Line1_0,
  Label2_2,
  Label2_1,
  Label2_0,
  Label1_0,
  Image1,
  Label1_1,
  Line1_3,
};
}  // namespace about

namespace conventions {  // News
inline constexpr wchar_t kForm[] = L"News";
enum Control {
  Command1,  // "&Ok"
  Image2,
  msgDate2,
  msgDate1,
  msgDate,
  Label2_0,
  Label1_0,
  Image1,
  Label1_1,
};
}  // namespace conventions

// The tray menu's items, by the Down presses that reach them in a freshly opened menu (the
// separators are skipped).
enum class MenuItem { Convenzioni = 1, CalcoloData = 2, Informazioni = 3, Chiudi = 4 };

}  // namespace e2e

namespace e2e {

// The three windows the tray menu opens, the button that closes each, and its designed size.
struct MenuWindow {
  const char* name;
  MenuItem item;
  const wchar_t* form;
  int closeButton;
  int widthTwips, heightTwips;
};

inline constexpr MenuWindow kMenuWindows[] = {
    {"conversion window", MenuItem::CalcoloData, conversion::kForm, conversion::Command3, 5220,
     4860},
    {"conventions window", MenuItem::Convenzioni, conventions::kForm, conventions::Command1, 7725,
     5550},
    {"About window", MenuItem::Informazioni, about::kForm, about::Command1, 5220, 5025},
};

}  // namespace e2e
