#include "convert/ConversionWindow.h"

#include <climits>
#include <exception>
#include <string>

#include "convert/FormatsText.h"
#include "engine/Stardate.h"
#include "forms/ControlDesign.h"
#include "input/SourceShape.h"
#include "resources/ResourceIds.h"
#include "services/Clock.h"
#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

namespace kestal {

namespace {

constexpr int kEnter = 13;

const FontDefinition kTitleFont = SansSerifFont(18, true);
const FontDefinition kSubtitleFont = SansSerifFont(13.5, true);

// Whole-text selection length; a text box never holds more than an int can count.
int CharLength(std::string_view text) {
  const std::size_t chars = CharCount(text);
  return chars > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(chars);
}

}  // namespace

ConversionWindow::ConversionWindow(Platform& platform, WindowSequence& sequence)
    : Form(BorderlessWindow("DataAstrale", 5220, 4860)),
      Command3(*this, Design("Command3", "&Esci", {3420, 4380, 1005, 330}, 17)),
      Command2(*this, Design("Command2", "&Formati", {2100, 4380, 1005, 330}, 16)),
      Frame3(*this,
             Design("Frame3", "Risultato conversione:", {255, 3390, 4785, 795}, 13).Fore(kYellow)),
      VelornDate(*this,
                 Design("VelornDate", "", {1620, 285, 2865, 330}, 15).In(Frame3).NamedBy("Label4")),
      Label4(*this,
             Design("Label4", "Data attuale:", {270, 345, 915, 195}, 14).In(Frame3).Fore(kYellow)),
      Frame2(*this,
             Design("Frame2", "Conversione in formato:", {240, 2430, 4800, 840}, 6).Fore(kYellow)),
      Option5(*this, Design("Option5", "Velorn Next Generation", {2265, 330, 2460, 315}, 12)
                         .In(Frame2)
                         .Fore(kYellow)),
      Option4(*this, Design("Option4", "Velorn Classic", {165, 330, 1530, 225}, 11)
                         .In(Frame2)
                         .Fore(kYellow)
                         .Selected()),
      Frame1(*this,
             Design("Frame1", "Data da convertire:", {240, 945, 4800, 1425}, 5).Fore(kYellow)),
      DataSource(*this,
                 Design("DataSource", "", {810, 885, 3075, 315}, 0).In(Frame1).NamedBy("Label3")),
      Option3(
          *this,
          Design("Option3", "Next Generation", {3165, 270, 1500, 210}, 9).In(Frame1).Fore(kYellow)),
      Option2(
          *this,
          Design("Option2", "Velorn Classic", {1515, 270, 1545, 240}, 8).In(Frame1).Fore(kYellow)),
      Option1(*this, Design("Option1", "Data attuale", {165, 270, 1215, 270}, 7)
                         .In(Frame1)
                         .Fore(kYellow)
                         .Selected()),
      Label3(*this,
             Design("Label3", "Insersci qui la data da convertire:", {1095, 585, 2340, 195}, 10)
                 .In(Frame1)
                 .Fore(kYellow)),
      Command1(*this, Design("Command1", "&Converti", {825, 4380, 1005, 330}, 3)),
      Label1_2(*this, Design("Label1", "- Conversioni", {3000, 180, 1875, 360}, 18)
                          .Element(2)
                          .Fore(kGreen)
                          .Font(kSubtitleFont)),
      Label2(*this, Design("Label2", "Conversione di date da attuali ad astrali e viceversa.",
                           {1170, 585, 3690, 195}, 2)
                        .Fore(kYellow)),
      Label1_0(*this, Design("Label1", "Kestal Date", {1125, 120, 1740, 435}, 1)
                          .Element(0)
                          .Fore(kGreen)
                          .Font(kTitleFont)),
      Image1(*this, Design("Image1", "", {450, 195, 480, 480}, -1).Icon(IDI_KESTAL)),
      Label1_1(*this, Design("Label1", "Kestal Date", {1110, 135, 1740, 435}, 4)
                          .Decorative()
                          .Element(1)
                          .Fore(kWhite)
                          .Font(kTitleFont)),
      Label1_3(*this, Design("Label1", "- Conversioni", {2985, 195, 1875, 360}, 19)
                          .Decorative()
                          .Element(3)
                          .Fore(kWhite)
                          .Font(kSubtitleFont)),
      platform_(platform),
      sequence_(sequence) {
  Command1.OnClick([this] { Command1_Click(); });
  Command2.OnClick([this] { Command2_Click(); });
  Command3.OnClick([this] { Command3_Click(); });
  DataSource.OnChange([this] { DataSource_Change(); });
  DataSource.OnGotFocus([this] { DataSource_GotFocus(); });
  DataSource.OnKeyPress([this](int& keyAscii) { DataSource_KeyPress(keyAscii); });
  Option1.OnClick([this] { Option1_Click(); });
  Option2.OnClick([this] { Option2_Click(); });
  Option3.OnClick([this] { Option3_Click(); });
  Option4.OnClick([this] { Option4_Click(); });
  Option5.OnClick([this] { Option5_Click(); });
  VelornDate.OnGotFocus([this] { VelornDate_GotFocus(); });
}

void ConversionWindow::Form_Load() {
  WindowOpening steps;
  steps.colourControls = [this](Color highlight) {
    for (Control* control : {static_cast<Control*>(&Frame1), static_cast<Control*>(&Frame2),
                             static_cast<Control*>(&Frame3), static_cast<Control*>(&Option1),
                             static_cast<Control*>(&Option2), static_cast<Control*>(&Option3),
                             static_cast<Control*>(&Option4), static_cast<Control*>(&Option5)}) {
      control->SetBackColor(highlight);
    }
  };
  // Today's date; its change event empties the result and enables Converti.
  steps.content = [this] { DataSource.SetText(ShortDateText(Today(platform_.clock))); };
  sequence_.OpenWindow(*this, steps);
}

void ConversionWindow::Form_Paint() {
  DataSource.SetFocus();
}

void ConversionWindow::Form_Unload() {
  sequence_.CloseWindow(*this);
}

void ConversionWindow::Command1_Click() {
  Convert();
}

void ConversionWindow::Command2_Click() {
  platform_.windows.MsgBox(FormatsText(), MsgBoxIcon::Information, "KestalDate");
}

void ConversionWindow::Command3_Click() {
  platform_.windows.Unload(*this);
}

void ConversionWindow::DataSource_Change() {
  VelornDate.SetText("");
  Command1.SetEnabled(!DataSource.Text().empty());
}

void ConversionWindow::DataSource_GotFocus() {
  DataSource.SetSelStart(0);
  DataSource.SetSelLength(CharLength(DataSource.Text()));
}

void ConversionWindow::DataSource_KeyPress(int& keyAscii) {
  if (keyAscii != kEnter) return;
  keyAscii = 0;
  Convert();
}

void ConversionWindow::Option1_Click() {
  if (Option1.Value()) {
    Option4.SetEnabled(true);
    Option5.SetEnabled(true);
  }
  DataSource.SetFocus();
}

// The target convention matters only for a calendar date.
void ConversionWindow::Option2_Click() {
  if (Option2.Value()) {
    Option4.SetEnabled(false);
    Option5.SetEnabled(false);
  }
  DataSource.SetFocus();
}

void ConversionWindow::Option3_Click() {
  if (Option3.Value()) {
    Option4.SetEnabled(false);
    Option5.SetEnabled(false);
  }
  DataSource.SetFocus();
}

void ConversionWindow::Option4_Click() {
  DataSource.SetFocus();
}

void ConversionWindow::Option5_Click() {
  DataSource.SetFocus();
}

void ConversionWindow::VelornDate_GotFocus() {
  VelornDate.SetSelStart(0);
  VelornDate.SetSelLength(CharLength(VelornDate.Text()));
}

void ConversionWindow::Convert() {
  if (!ValidateSourceDate()) return;

  bool failed = false;
  try {
    const std::string text = DataSource.Text();
    if (Option1.Value()) {
      if (Option4.Value()) {
        VelornDate.SetText(ClassicStardate(text, true));
      } else if (Option5.Value()) {
        VelornDate.SetText(StardateNumberText(NGStardate(text)));
      }
    } else if (Option2.Value()) {
      VelornDate.SetText(ClassicStardate(text, false));
    } else if (Option3.Value()) {
      VelornDate.SetText(StardateToDateText(text));
    }
    DataSource.SetFocus();
  } catch (const std::exception&) {
    // Whatever failed, the user gets one message and the window stays as it was.
    failed = true;
  }
  if (!failed) return;
  platform_.windows.MsgBox(kConversionFault, MsgBoxIcon::Exclamation, "KestalDate");
  SelectWholeInput();
}

void ConversionWindow::SelectWholeInput() {
  DataSource.SetFocus();
  DataSource.SetSelStart(0);
  DataSource.SetSelLength(CharLength(DataSource.Text()));
}

}  // namespace kestal
