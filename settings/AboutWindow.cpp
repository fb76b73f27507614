#include "settings/AboutWindow.h"

#include "KestalVersion.h"
#include "forms/ControlDesign.h"
#include "resources/ResourceIds.h"
#include "settings/Autostart.h"
#include "settings/ConventionSetting.h"

namespace kestal {
namespace {

const FontDefinition kBoldFont = SansSerifFont(8.25, true, false);
const FontDefinition kLinkFont = SansSerifFont(8.25, false, true);
const FontDefinition kTitleFont = SansSerifFont(18, true, false);

// The captains of the two conventions, under their pictures.
constexpr std::string_view kClassicCaptain = "Cap. Aldo Dorran";
constexpr std::string_view kNextGenerationCaptain = "Cap. Irene Maselle";

// The hint beside the two pictures, one piece a line.
constexpr std::string_view kHintLines[] = {
    "Clicca su",
    "Dorran o su Maselle",
    "per impostare la",
    "data astrale classica",
    "(Reference Stardate)",
    "o quella",
    "Next Generation.",
};

// Windows could not start the program from the folder where the shell opens a zip: it is
// emptied.
constexpr std::string_view kExtractFirst =
    "Per avviare il programma con Windows, estrai prima i file dallo zip in una cartella e avvia "
    "il programma da lì.";
// What stays when Windows refuses the change, and who can make it.
constexpr std::string_view kAutostartRefused =
    "Windows non ha permesso di registrare l'avvio automatico: Kestal Date non partirà "
    "all'avvio di Windows. Solo un amministratore di questo computer può consentirlo.";
constexpr std::string_view kMachineAutostartStays =
    "L'avvio automatico di Kestal Date per tutti gli utenti di questo computer resta attivo: è "
    "stato registrato da un amministratore e solo un amministratore può toglierlo.";
constexpr std::string_view kUserAutostartStays =
    "Windows non ha permesso di togliere l'avvio automatico: Kestal Date partirà ancora "
    "all'avvio di Windows. Solo un amministratore di questo computer può toglierlo.";

// The message for a change of the autostart that could not be made; empty when it was made.
std::string_view AutostartMessage(AutostartChange change) {
  switch (change) {
    case AutostartChange::Done:
      return {};
    case AutostartChange::TemporaryFolder:
      return kExtractFirst;
    case AutostartChange::Refused:
      return kAutostartRefused;
    case AutostartChange::MachineValueStays:
      return kMachineAutostartStays;
    case AutostartChange::UserValueStays:
      return kUserAutostartStays;
  }
  return {};
}

}  // namespace

std::string AboutWindow::HintText() {
  std::string text;
  for (std::string_view line : kHintLines) {
    if (!text.empty()) text += '\r';
    text += line;
  }
  return text;
}

// Later controls lie above earlier ones. The white title's light grey back colour is never
// painted (the label is transparent), so the green title shows one pixel beside it.
// Tab order: the check box first, as the window has always opened on it, then "&Ok" and on
// through the links and the two captains. Round the end this is the window's reading order (Ok,
// mail, web, Dorran, Maselle, the check box), so a keyboard user meets everything that acts in
// the order a reader hears it.
AboutWindow::AboutWindow(Platform& platform, WindowSequence& sequence, TrayIcon& trayIcon)
    : Form(BorderlessWindow("About", 5220, 5025)),
      Check1(*this, Design("Check1", "Lancia automaticamente il programma all'avvio di Windows",
                           {300, 4665, 4740, 240})
                        .Tab(0)
                        .Fore(kWhite)),
      Command1(*this, Design("Command1", "&Ok", {3870, 180, 1005, 330}).Tab(1)),
      Line2(*this, LineDesign("Line2", -1, {1920, 3990, 3270, 3990}, kWhite)),
      Line1_2(*this, LineDesign("Line1", 2, {375, 1980, 4820, 1980}, kWhite)),
      StarDate(
          *this,
          Design("StarDate", kClassicCaption, {1830, 4320, 1560, 210}).Fore(kRed).Font(kBoldFont)),
      Label10(*this, Design("Label10", "Data attuale:", {1860, 4065, 1500, 240}).Fore(kYellow)),
      Label9(*this,
             Design("Label9", kNextGenerationCaptain, {3495, 4320, 1425, 240}).Fore(kYellow)),
      Label8(*this, Design("Label8", kClassicCaptain, {240, 4320, 1500, 270}).Fore(kYellow)),
      Label7(*this, Design("Label7", "", {1935, 2145, 1335, 1740}).Fore(kWhite).KeepLines()),
      Image3(*this,
             Design("Image3", "", {3375, 2130, 1650, 2100})
                 .Tab(5)
                 .Bitmap(IDB_NG_CAPTAIN)
                 .ReadAs(std::string(kNextGenerationCaptain) + ": data astrale Next Generation")),
      Image2(*this, Design("Image2", "", {180, 2130, 1650, 2100})
                        .Tab(4)
                        .Bitmap(IDB_CLASSIC_CAPTAIN)
                        .ReadAs(std::string(kClassicCaptain) + ": data astrale classica")),
      Label5(*this, Design("Label5", KESTAL_WEB, {1335, 1665, 3330, 195})
                        .Tab(3)
                        .Fore(kRed)
                        .Font(kLinkFont)
                        .Link()),
      Label4(*this, Design("Label4", KESTAL_MAIL, {1350, 1365, 1110, 195})
                        .Tab(2)
                        .Fore(kRed)
                        .Font(kLinkFont)
                        .Link()),
      Label3_1(*this,
               Design("Label3", "Sito Internet: ", {360, 1680, 945, 195}).Element(1).Fore(kYellow)),
      Label3_0(*this, Design("Label3", "E-mail: ", {375, 1395, 510, 195}).Element(0).Fore(kYellow)),
      Line1_1(*this, LineDesign("Line1", 1, {405, 1290, 4850, 1290}, kWhite)),
      Line1_0(*this, LineDesign("Line1", 0, {405, 1290, 4850, 1290}, kGrey, 2)),
      Label2_2(*this, Design("Label2", "Calcola e visualizza la data astrale secondo Velorn.",
                             {750, 1005, 3825, 195})
                          .Element(2)
                          .Fore(kYellow)),
      Label2_1(*this, Design("Label2", "Realizzato dal Kestal Date Team", {1170, 795, 2835, 195})
                          .Element(1)
                          .Fore(kYellow)),
      Label2_0(*this, Design("Label2",
                             "Versione " KESTAL_VERSION_SHORT " - programma gratuito per Windows",
                             {1170, 585, 3450, 195})
                          .Element(0)
                          .Fore(kYellow)),
      Label1_0(*this, Design("Label1", "Kestal Date", {1125, 120, 1740, 435})
                          .Element(0)
                          .Fore(kGreen)
                          .Font(kTitleFont)),
      Image1(*this, Design("Image1", "", {390, 210, 480, 480}).Icon(IDI_KESTAL)),
      Label1_1(*this, Design("Label1", "Kestal Date", {1110, 135, 1740, 435})
                          .Decorative()
                          .Element(1)
                          .Fore(kWhite)
                          .Font(kTitleFont)),
      Line1_3(*this, LineDesign("Line1", 3, {375, 1980, 4820, 1980}, kGrey, 2)),
      platform_(platform),
      sequence_(sequence),
      trayIcon_(trayIcon) {
  Image2.OnClick([this] { Image2_Click(); });
  Image3.OnClick([this] { Image3_Click(); });
  Command1.OnClick([this] { Command1_Click(); });
  Label4.OnClick([this] { Label4_Click(); });
  Label5.OnClick([this] { Label5_Click(); });
}

void AboutWindow::Form_Load() {
  const std::string setting = ReadConventionSetting(platform_.settings);
  WindowOpening steps;
  steps.colourControls = [this](Color highlight) { Check1.SetBackColor(highlight); };
  steps.beforeOutline = [this, &setting] {
    Label7.SetCaption(HintText());
    StarDate.SetCaption(setting.empty() ? kClassicCaption : kNextGenerationCaption);
  };
  steps.topmostBeforeOutline = true;
  steps.content = [this] {
    if (AutostartIsOn(platform_.registry, platform_.shell)) Check1.SetValue(true);
  };
  sequence_.OpenWindow(*this, steps);
}

// Picking a captain changes the tooltip at once; nothing is stored until "&Ok".
void AboutWindow::Image2_Click() {
  StarDate.SetCaption(kClassicCaption);
  trayIcon_.Show(false);
}

void AboutWindow::Image3_Click() {
  StarDate.SetCaption(kNextGenerationCaption);
  trayIcon_.Show(true);
}

void AboutWindow::Command1_Click() {
  Platform& platform = platform_;
  const std::string oldValue = ReadConventionSetting(platform.settings);
  const AutostartChange change = Check1.Value()
                                     ? RegisterAutostart(platform.registry, platform.shell)
                                     : UnregisterAutostart(platform.registry);
  // The convention is stored whatever became of the autostart, before the message lets other
  // events in.
  StoreConventionSetting(platform.settings, StarDate.Caption() != kClassicCaption, oldValue);
  if (const std::string_view message = AutostartMessage(change); !message.empty()) {
    platform.windows.MsgBox(message, MsgBoxIcon::Exclamation, "KestalDate");
  }
  platform.windows.Unload(*this);
}

void AboutWindow::Label4_Click() {
  OpenLink("mailto:" + Label4.Caption());
}

void AboutWindow::Label5_Click() {
  OpenLink(Label5.Caption());
}

// The browser or mail program, and any message of the shell, must come in front of About: it
// stops staying above the other windows (until it closes) and is the shell's owner window.
void AboutWindow::OpenLink(const std::string& target) {
  WindowSystem& windows = platform_.windows;
  windows.SetMousePointer(MousePointer::Hourglass);
  platform_.effects.EndTopmost(hWnd());
  platform_.shell.Open(target, hWnd());
  windows.SetMousePointer(MousePointer::Default);
}

void AboutWindow::Form_Unload() {
  sequence_.CloseWindow(*this);
}

}  // namespace kestal
