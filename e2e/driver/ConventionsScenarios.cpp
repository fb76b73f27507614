// The conventions window: opened from "Convenzioni", its three texts, the labels stacked without
// gaps, above the other windows; "&Ok" closes it.
#include <string>

#include "FormActions.h"
#include "Scenarios.h"
#include "ScreenReader.h"

namespace e2e {

namespace {

using namespace conventions;

const char kClassicText[] =
    "La data stellare nell'universo Kestal viene interpretata in maniere differenti ed è "
    "difficile stabilire un metodo univoco per trasformare la data stellare nell'attuale sistema "
    "di computo del tempo. Di seguito vengono riportati i metodi o interpretazioni usati nel "
    "programma, ma nessuno di questi è ufficiale."
    "\r\r\nLa FASA Corporation adotta un sistema di datazione chiamato reference stardate che ha "
    "il formato"
    "\rX/YYYY.ZZ"
    "\rdove X è un numero (eventualmente preceduto da un segno negativo) che identifica il secolo "
    "(0=2000-2099 d.C.); YYYY è costituito dalle ultime due cifre dell'anno e dal numero del "
    "mese; ZZ è il numero progressivo del giorno del mese."
    "\rQuindi 0/0001.1 è il 01/01/2000 e -1/6707.26 è il 26/07/67.";

const char kFormulaText[] =
    "Valmeno ha individuato un sistema relativamente accurato (ma non ufficiale) per convertire "
    "la data del vecchio calendario nella data stellare degli episodi di The Next Generation.\r"
    "Date le variabili:\r"
    "DS = data stellare\r"
    "a = anno secondo il calendario cristiano\r"
    "g = giorno dell'anno (1-365)\r"
    "La formula è:\r"
    "DS = [ (a - 2323) + (g / 365) ] * 1000\r"
    "Bisogna comunque tenere conto di queste annotazioni:\r"
    "1) Negli anni bisestili sostituire 365 con 366.\r"
    "2) La data stellare xx000.0 non corrisponde al 1 gennaio ma al 31 dicembre.\r"
    "3) Il valore assoluto delle date stellari negative diventa più piccolo con il passare del "
    "tempo.";

const char kValuesText[] =
    "\rDalla formula di cui sopra, derivano questi valori:\r"
    "1 anno = 1000 unità di data stellare\r"
    "1 giorno = circa 2,74 unità di data stellare\r"
    "1 ora = circa 0,144 unità di data stellare";

struct Placement {
  int control;
  const char* name;
  int top;
};

// The three texts stacked under each other from the first one's designed place.
const Placement kStacked[] = {
    {msgDate, "msgDate", 840}, {msgDate1, "msgDate1", 2865}, {msgDate2, "msgDate2", 4395}};

void ConventionsWindow(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND form = OpenFromTrayMenu(session, program, MenuItem::Convenzioni, kForm);
    if (!form) return;
    Snapshot(program, "conventions-opened");
    // Read as a screen reader reads them: line breaks as blanks.
    report.Equal("the classic convention text", AsRead(kClassicText), ReadText(form, msgDate));
    report.Equal("the formula text", AsRead(kFormulaText), ReadText(form, msgDate1));
    report.Equal("the derived values text", AsRead(kValuesText), ReadText(form, msgDate2));
    report.Equal("the title", "Kestal Date - Convenzioni adottate", ReadText(form, Label1_0));
    for (const Placement& row : kStacked) {
      const int top = TopInTwips(form, row.control);
      report.Check(top == row.top,
                   std::string(row.name) + " lies at " + std::to_string(row.top) + " twips",
                   "at " + std::to_string(top));
    }
    CheckCentred(session, form, "conventions window");
    CheckTopmost(session, form, "conventions window");
    report.Check(program.CloseWithButton(form, Command1, kWindowMs), "\"&Ok\" closes the window");
  });
}

const RegisteredScenarios kConventions{
    {"conventions-window", "the conventions window from the tray menu", ConventionsWindow},
};

}  // namespace

}  // namespace e2e
