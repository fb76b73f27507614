// The window as the user sees it: every control where it belongs, the formats box, and the
// opening and closing.
#include <string>
#include <vector>

#include "ConversionWindowSession.h"
#include "resources/ResourceIds.h"

namespace kestal::testing {
namespace {

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* container;  // "" for the window
  const char* caption;
  TwipRect rect;
  int tabIndex;
  Color foreColor;
  int index = -1;          // in its control array, -1 for none
  double titlePoints = 0;  // 0: the window's default font
};

constexpr Color kBlack{0, 0, 0};
using K = ControlKind;

using WindowDesign = ConversionWindowSession;

TEST_F(WindowDesign, EveryControlInItsPlace) {
  // In order of definition: later controls lie above earlier ones.
  const ControlRow rows[] = {
      {"Command3", K::Button, "", "&Esci", {3420, 4380, 1005, 330}, 17, kBlack},
      {"Command2", K::Button, "", "&Formati", {2100, 4380, 1005, 330}, 16, kBlack},
      {"Frame3", K::Frame, "", "Risultato conversione:", {255, 3390, 4785, 795}, 13, kYellow},
      {"VelornDate", K::TextBox, "Frame3", "", {1620, 285, 2865, 330}, 15, kBlack},
      {"Label4", K::Label, "Frame3", "Data attuale:", {270, 345, 915, 195}, 14, kYellow},
      {"Frame2", K::Frame, "", "Conversione in formato:", {240, 2430, 4800, 840}, 6, kYellow},
      {"Option5",
       K::OptionButton,
       "Frame2",
       "Velorn Next Generation",
       {2265, 330, 2460, 315},
       12,
       kYellow},
      {"Option4", K::OptionButton, "Frame2", "Velorn Classic", {165, 330, 1530, 225}, 11, kYellow},
      {"Frame1", K::Frame, "", "Data da convertire:", {240, 945, 4800, 1425}, 5, kYellow},
      {"DataSource", K::TextBox, "Frame1", "", {810, 885, 3075, 315}, 0, kBlack},
      {"Option3", K::OptionButton, "Frame1", "Next Generation", {3165, 270, 1500, 210}, 9, kYellow},
      {"Option2", K::OptionButton, "Frame1", "Velorn Classic", {1515, 270, 1545, 240}, 8, kYellow},
      {"Option1", K::OptionButton, "Frame1", "Data attuale", {165, 270, 1215, 270}, 7, kYellow},
      {"Label3",
       K::Label,
       "Frame1",
       "Insersci qui la data da convertire:",
       {1095, 585, 2340, 195},
       10,
       kYellow},
      {"Command1", K::Button, "", "&Converti", {825, 4380, 1005, 330}, 3, kBlack},
      {"Label1", K::Label, "", "- Conversioni", {3000, 180, 1875, 360}, 18, kGreen, 2, 13.5},
      {"Label2",
       K::Label,
       "",
       "Conversione di date da attuali ad astrali e viceversa.",
       {1170, 585, 3690, 195},
       2,
       kYellow},
      {"Label1", K::Label, "", "Kestal Date", {1125, 120, 1740, 435}, 1, kGreen, 0, 18},
      {"Image1", K::Picture, "", "", {450, 195, 480, 480}, -1, kBlack},
      {"Label1", K::Label, "", "Kestal Date", {1110, 135, 1740, 435}, 4, kWhite, 1, 18},
      {"Label1", K::Label, "", "- Conversioni", {2985, 195, 1875, 360}, 19, kWhite, 3, 13.5},
  };
  const Form& window = *program.conversionWindow.Current();
  EXPECT_EQ(window.Definition().caption, "");
  EXPECT_EQ(window.Definition().width, 5220);
  EXPECT_EQ(window.Definition().height, 4860);

  const std::vector<ControlDefinition>& controls = window.Controls();
  ASSERT_EQ(controls.size(), std::size(rows));
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlRow& row = rows[i];
    const ControlDefinition& control = controls[i];
    SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
    EXPECT_EQ(control.name, row.name);
    EXPECT_EQ(control.index, row.index);
    EXPECT_EQ(control.kind, row.kind);
    EXPECT_EQ(control.container < 0 ? "" : controls.at(control.container).name, row.container);
    EXPECT_EQ(control.caption, row.caption);
    EXPECT_EQ(control.rect, row.rect);
    EXPECT_EQ(user->Rect(row.name, row.index), row.rect);
    EXPECT_EQ(control.tabIndex, row.tabIndex);
    EXPECT_EQ(control.foreColor, row.foreColor);
    EXPECT_FALSE(control.backColor.has_value()) << "labels are transparent";
    if (row.titlePoints > 0) {
      EXPECT_EQ(control.font.name, "MS Sans Serif");
      EXPECT_EQ(control.font.points, row.titlePoints);
      EXPECT_TRUE(control.font.bold);
    } else {
      EXPECT_EQ(control.font, FontDefinition{});
    }
    EXPECT_EQ(control.value,
              row.name == std::string("Option1") || row.name == std::string("Option4"));
    EXPECT_TRUE(control.enabled);
  }
  const ControlDefinition& image = controls.at(window.FindControl("Image1"));
  EXPECT_EQ(image.pictureId, IDI_KESTAL);
  EXPECT_TRUE(image.pictureIsIcon);
}

TEST_F(WindowDesign, OpensCentredInTheHighlightColour) {
  const Color highlight = hp.windows.highlight;
  EXPECT_EQ(user->FormRect(), (TwipRect{(15360 - 5220) / 2, (11520 - 4860) / 2, 5220, 4860}));
  EXPECT_EQ(user->FormBackColor(), highlight);
  for (const char* name :
       {"Frame1", "Frame2", "Frame3", "Option1", "Option2", "Option3", "Option4", "Option5"}) {
    EXPECT_EQ(user->BackColor(name), highlight) << name;
  }
  EXPECT_TRUE(user->Visible());
  ASSERT_EQ(hp.log.Matching("RoundOutline").size(), 1u);
  EXPECT_TRUE(hp.log.Matching("RoundOutline")[0].ends_with(",348,324,20)"));
}

TEST_F(WindowDesign, FormatsBoxListsTheThreeForms) {
  const std::string cr = "\r", crlf = "\r\n", tab = "\t";
  const std::string pieces[] = {
      "KESTAL DATE - Formato date",
      cr + crlf,
      "I formati di date accettati dal programma sono i seguenti:",
      cr + crlf,
      "Data attuale:",
      tab + tab,
      "GG/MM/AAAA",
      cr,
      "Data astrale calssica:",
      tab,
      "X/YYYY.ZZ",
      cr,
      "Data stellare Next Generation:",
      tab,
      "XXXXX.X",
      cr + crlf,
      "Gli ultimi due formati possono essere preceduti dal segno meno.",
      cr,
  };
  user->Type("DataSource", "1/2/2003");
  user->AccessKey('F');
  ASSERT_EQ(Boxes().size(), 1u);
  const headless::MessageBoxRecord box = Boxes()[0];
  EXPECT_EQ(box.title, "KestalDate");
  EXPECT_EQ(box.icon, MsgBoxIcon::Information);

  std::string_view rest = box.text;
  for (size_t i = 0; i < std::size(pieces); ++i) {
    ASSERT_TRUE(rest.starts_with(pieces[i]))
        << "piece " << i + 1 << " \"" << pieces[i] << "\", found \"" << rest.substr(0, 40) << "\"";
    rest.remove_prefix(pieces[i].size());
  }
  EXPECT_EQ(rest, "") << "nothing after the last piece";

  // Nothing else changes.
  EXPECT_EQ(user->Text("DataSource"), "1/2/2003");
  EXPECT_EQ(user->Text("VelornDate"), "");
  EXPECT_TRUE(user->Value("Option1"));
  EXPECT_TRUE(user->Value("Option4"));
  EXPECT_TRUE(user->Visible());
}

TEST_F(WindowDesign, EsciClosesAndReopeningStartsAfresh) {
  const auto sounds = [&] { return hp.log.Matching("PlaySound"); };
  EXPECT_EQ(sounds().back(), "PlaySound(16)");
  user->Click("Option3");
  user->ReplaceText("DataSource", "-320545.0");
  user->Click("Command1");
  ASSERT_EQ(user->Text("VelornDate"), "Sabato 15 Giugno 2002, ore 2");

  hp.log.Clear();
  user->Click("Command3");
  EXPECT_FALSE(program.conversionWindow.IsLoaded());
  EXPECT_EQ(sounds(), std::vector<std::string>{"PlaySound(24)"});
  EXPECT_FALSE(hp.log.Matching("AnimateOutline").empty()) << "the closing zoom";
  EXPECT_EQ(hp.log.Matching("Form_Unload(DataAstrale)").size(), 1u);

  hp.clock.SetLocal({2024, 2, 29, 23, 59, 0, 0});
  headless::User again = Open(program.conversionWindow);
  EXPECT_EQ(again.Text("DataSource"), "29/02/2024");
  EXPECT_EQ(again.Text("VelornDate"), "");
  EXPECT_TRUE(again.Value("Option1"));
  EXPECT_TRUE(again.Value("Option4"));
  EXPECT_TRUE(again.Enabled("Option4"));
  EXPECT_TRUE(again.HasFocus("DataSource"));

  again.AccessKey('E');
  EXPECT_FALSE(program.conversionWindow.IsLoaded());
}

}  // namespace
}  // namespace kestal::testing
