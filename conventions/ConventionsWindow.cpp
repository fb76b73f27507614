#include "conventions/ConventionsWindow.h"

#include <string>
#include <string_view>

#include "forms/ControlDesign.h"
#include "resources/ResourceIds.h"

namespace kestal {
namespace {

constexpr char kCr = '\r';
constexpr std::string_view kCrLf = "\r\n";

constexpr std::string_view kTitle = "Kestal Date - Convenzioni adottate";
// The three texts are long for their boxes: the window's font is smaller than the others'.
constexpr double kTextsFontPoints = 7;

// Lines joined by a single CR, with nothing before the first or after the last.
template <std::size_t N>
std::string JoinLines(const std::string_view (&lines)[N]) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += kCr;
    text += lines[i];
  }
  return text;
}

}  // namespace

// The white title's light grey back colour is never painted (the label is transparent), so the
// green title shows one pixel beside it.
ConventionsWindow::ConventionsWindow(Platform& platform, WindowSequence& sequence)
    : Form(BorderlessWindow("News", 7725, 5550, kTextsFontPoints)),
      Command1(*this, Design("Command1", "&Ok", {6315, 5055, 1005, 330}).Tab(0)),
      Image2(*this, Design("Image2", "", {4200, 3975, 3360, 555}).Bitmap(IDB_BANNER)),
      msgDate2(*this, Design("msgDate2", "", {300, 4620, 4365, 1095}).Fore(kWhite)),
      msgDate1(*this, Design("msgDate1", "", {285, 3060, 7185, 1530}).Fore(kWhite)),
      msgDate(*this, Design("msgDate", "", {300, 840, 7110, 2025}).Fore(kWhite)),
      Label2_0(*this,
               Design("Label2", "Note di calcolo raccolte dalle convenzioni degli appassionati.",
                      {1305, 585, 5220, 195})
                   .Element(0)
                   .Fore(kYellow)),
      Label1_0(*this, Design("Label1", kTitle, {1125, 120, 5745, 435})
                          .Element(0)
                          .Fore(kGreen)
                          .Font(SansSerifFont(18, true))),
      Image1(*this, Design("Image1", "", {465, 255, 480, 480}).Icon(IDI_KESTAL)),
      Label1_1(*this, Design("Label1", kTitle, {1110, 135, 5745, 435})
                          .Decorative()
                          .Element(1)
                          .Fore(kWhite)
                          .Font(SansSerifFont(18, true))),
      platform_(platform),
      sequence_(sequence) {
  Command1.OnClick([this] { Command1_Click(); });
}

void ConventionsWindow::Form_Load() {
  WindowOpening steps;
  steps.topmostFirst = true;
  steps.content = [this] {
    StackTexts();
    FillClassicText();
    FillFormulaText();
    FillValuesText();
  };
  sequence_.OpenWindow(*this, steps);
}

// The three texts follow one another without gaps, the first where it was designed.
void ConventionsWindow::StackTexts() {
  msgDate1.SetTop(msgDate.Top() + msgDate.Height());
  msgDate2.SetTop(msgDate1.Top() + msgDate1.Height());
}

void ConventionsWindow::FillClassicText() {
  std::string text =
      "La data stellare nell'universo Kestal viene interpretata in maniere differenti ed è "
      "difficile stabilire un metodo univoco per trasformare la data stellare nell'attuale "
      "sistema di computo del tempo. Di seguito vengono riportati i metodi o interpretazioni "
      "usati nel programma, ma nessuno di questi è ufficiale.";
  text += kCr;
  text += kCrLf;  // an empty line after the first paragraph
  text +=
      "La FASA Corporation adotta un sistema di datazione chiamato reference stardate che ha il "
      "formato";
  text += kCr;
  text += "X/YYYY.ZZ";
  text += kCr;
  text +=
      "dove X è un numero (eventualmente preceduto da un segno negativo) che identifica il "
      "secolo (0=2000-2099 d.C.); YYYY è costituito dalle ultime due cifre dell'anno e dal "
      "numero del mese; ZZ è il numero progressivo del giorno del mese.";
  text += kCr;
  text += "Quindi 0/0001.1 è il 01/01/2000 e -1/6707.26 è il 26/07/67.";
  msgDate.SetCaption(text);
}

void ConventionsWindow::FillFormulaText() {
  static constexpr std::string_view kLines[] = {
      "Valmeno ha individuato un sistema relativamente accurato (ma non ufficiale) per "
      "convertire la data del vecchio calendario nella data stellare degli episodi di The Next "
      "Generation.",
      "Date le variabili:",
      "DS = data stellare",
      "a = anno secondo il calendario cristiano",
      "g = giorno dell'anno (1-365)",
      "La formula è:",
      "DS = [ (a - 2323) + (g / 365) ] * 1000",
      "Bisogna comunque tenere conto di queste annotazioni:",
      "1) Negli anni bisestili sostituire 365 con 366.",
      "2) La data stellare xx000.0 non corrisponde al 1 gennaio ma al 31 dicembre.",
      "3) Il valore assoluto delle date stellari negative diventa più piccolo con il passare "
      "del tempo.",
  };
  msgDate1.SetCaption(JoinLines(kLines));
}

void ConventionsWindow::FillValuesText() {
  static constexpr std::string_view kLines[] = {
      "Dalla formula di cui sopra, derivano questi valori:",
      "1 anno = 1000 unità di data stellare",
      "1 giorno = circa 2,74 unità di data stellare",
      "1 ora = circa 0,144 unità di data stellare",
  };
  msgDate2.SetCaption(kCr + JoinLines(kLines));  // the label starts with an empty line
}

void ConventionsWindow::Command1_Click() {
  platform_.windows.Unload(*this);
}

void ConventionsWindow::Form_Unload() {
  sequence_.CloseWindow(*this);
}

}  // namespace kestal
