#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "tests/app/ProgramSession.h"
#include "tests/forms/DesignedControls.h"

namespace kestal {
namespace {

using ConventionsSession = testing::WindowSession<&Program::conventionsWindow>;

std::string Join(const std::vector<std::string>& lines, const std::string& separator) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? separator : "") + lines[i];
  return text;
}

TEST(NewsWindow, ShowsTheThreeTextsExactly) {
  const std::string cr = "\r", lf = "\n";
  const std::string classic =
      "La data stellare nell'universo Kestal viene interpretata in maniere differenti ed \xC3\xA8 "
      "difficile stabilire un metodo univoco per trasformare la data stellare nell'attuale "
      "sistema di computo del tempo. Di seguito vengono riportati i metodi o interpretazioni "
      "usati nel programma, ma nessuno di questi \xC3\xA8 ufficiale." +
      cr + cr + lf +
      "La FASA Corporation adotta un sistema di datazione chiamato reference stardate che ha il "
      "formato" +
      cr + "X/YYYY.ZZ" + cr +
      "dove X \xC3\xA8 un numero (eventualmente preceduto da un segno negativo) che identifica il "
      "secolo (0=2000-2099 d.C.); YYYY \xC3\xA8 costituito dalle ultime due cifre dell'anno e dal "
      "numero del mese; ZZ \xC3\xA8 il numero progressivo del giorno del mese." +
      cr + "Quindi 0/0001.1 \xC3\xA8 il 01/01/2000 e -1/6707.26 \xC3\xA8 il 26/07/67.";
  const std::string formula = Join(
      {
          "Valmeno ha individuato un sistema relativamente accurato (ma non ufficiale) per "
          "convertire la data del vecchio calendario nella data stellare degli episodi di The "
          "Next Generation.",
          "Date le variabili:",
          "DS = data stellare",
          "a = anno secondo il calendario cristiano",
          "g = giorno dell'anno (1-365)",
          "La formula \xC3\xA8:",
          "DS = [ (a - 2323) + (g / 365) ] * 1000",
          "Bisogna comunque tenere conto di queste annotazioni:",
          "1) Negli anni bisestili sostituire 365 con 366.",
          "2) La data stellare xx000.0 non corrisponde al 1 gennaio ma al 31 dicembre.",
          "3) Il valore assoluto delle date stellari negative diventa pi\xC3\xB9 piccolo con il "
          "passare del tempo.",
      },
      cr);
  const std::string values = cr + Join(
                                      {
                                          "Dalla formula di cui sopra, derivano questi valori:",
                                          "1 anno = 1000 unit\xC3\xA0 di data stellare",
                                          "1 giorno = circa 2,74 unit\xC3\xA0 di data stellare",
                                          "1 ora = circa 0,144 unit\xC3\xA0 di data stellare",
                                      },
                                      cr);
  ConventionsSession s;
  headless::User user = s.Open();
  EXPECT_EQ(user.Text("msgDate"), classic);
  EXPECT_EQ(user.Text("msgDate1"), formula);
  EXPECT_EQ(user.Text("msgDate2"), values);
  EXPECT_EQ(user.Text("Label1", 0), "Kestal Date - Convenzioni adottate");
  EXPECT_EQ(user.Text("Label1", 1), "Kestal Date - Convenzioni adottate");
  EXPECT_EQ(user.Text("Command1"), "&Ok");
  EXPECT_NE(user.Text("Label2", 0).find("calcolo"), std::string::npos);
}

TEST(NewsWindow, LabelsStackWithoutGapsInsideTheWindow) {
  ConventionsSession s;
  headless::User user = s.Open();
  const struct {
    const char* name;
    TwipRect rect;
  } cases[] = {
      {"msgDate", {300, 840, 7110, 2025}},
      {"msgDate1", {285, 2865, 7185, 1530}},
      {"msgDate2", {300, 4395, 4365, 1095}},
  };
  for (const auto& c : cases) EXPECT_EQ(user.Rect(c.name), c.rect) << c.name;
  const TwipRect last = user.Rect("msgDate2");
  EXPECT_EQ(last.top + last.height, 5490);
  EXPECT_LT(last.top + last.height, s.program.conventionsWindow.Current()->DesignHeight());
}

TEST(NewsWindow, LayoutAsDesigned) {
  const FontDefinition window;
  const FontDefinition title{"MS Sans Serif", 18, true, false};
  using K = ControlKind;
  const testing::DesignedControl expected[] = {
      {K::Button, "Command1", -1, {6315, 5055, 1005, 330}, {}, window},
      {K::Picture, "Image2", -1, {4200, 3975, 3360, 555}, {}, window, IDB_BANNER},
      {K::Label, "msgDate2", -1, {300, 4620, 4365, 1095}, kWhite, window},
      {K::Label, "msgDate1", -1, {285, 3060, 7185, 1530}, kWhite, window},
      {K::Label, "msgDate", -1, {300, 840, 7110, 2025}, kWhite, window},
      {K::Label, "Label2", 0, {1305, 585, 5220, 195}, kYellow, window},
      {K::Label, "Label1", 0, {1125, 120, 5745, 435}, kGreen, title},
      {K::Picture, "Image1", -1, {465, 255, 480, 480}, {}, window, IDI_KESTAL},
      {K::Label, "Label1", 1, {1110, 135, 5745, 435}, kWhite, title},
  };
  ConventionsSession s;
  testing::ExpectDesigned(s.program.conventionsWindow.Get(), 7725, 5550, expected);
}

}  // namespace
}  // namespace kestal
