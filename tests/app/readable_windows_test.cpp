// Each window as a screen reader meets it: its readable parts in reading order, with their roles
// and names; frames hold their controls; links and the captains' pictures act.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/ReadableTree.h"
#include "tests/app/ProgramSession.h"

namespace kestal::testing {
namespace {

// One line a part: its role, then its name, or the design name of a real control; a grouping's
// parts follow it, indented; "!" marks a part that acts, "-" one that is unavailable.
void Outline(const Form& form, const std::vector<ReadablePart>& parts, const std::string& indent,
             std::vector<std::string>& lines) {
  static const char* const kRoles[] = {"text", "group", "link", "button", "control"};
  for (const ReadablePart& part : parts) {
    std::string line = indent + kRoles[static_cast<int>(part.role)] + " ";
    if (part.role == ReadableRole::Control) {
      line += form.Controls().at(static_cast<std::size_t>(part.control)).name;
      if (!part.name.empty()) line += " \"" + part.name + "\"";
    } else {
      line += "\"" + part.name + "\"";
    }
    if (HasDefaultAction(part)) line += " !";
    if (!part.enabled) line += " -";
    lines.push_back(line);
    Outline(form, part.children, indent + "  ", lines);
  }
}

std::vector<std::string> Outline(const Form& form) {
  std::vector<std::string> lines;
  Outline(form, ReadableParts(form), "", lines);
  return lines;
}

using Lines = std::vector<std::string>;

TEST(ReadableWindows, TheConversionWindowReadsTopToBottom) {
  ProgramSession s;
  headless::User user = s.Open(s.program.conversionWindow);
  Form& window = *s.program.conversionWindow.Current();
  const Lines expected = {
      "text \"Kestal Date\"",
      "text \"- Conversioni\"",
      "text \"Conversione di date da attuali ad astrali e viceversa.\"",
      "group \"Data da convertire:\"",
      "  control Option1",
      "  control Option2",
      "  control Option3",
      "  text \"Insersci qui la data da convertire:\"",
      "  control DataSource \"Insersci qui la data da convertire:\"",
      "group \"Conversione in formato:\"",
      "  control Option4",
      "  control Option5",
      "group \"Risultato conversione:\"",
      "  text \"Data attuale:\"",
      "  control VelornDate \"Data attuale:\"",
      "control Command1",
      "control Command2",
      "control Command3",
  };
  EXPECT_EQ(Outline(window), expected);

  // With a stardate as the source, the targets are unavailable: so they are read.
  user.Click("Option2");
  const Lines lines = Outline(window);
  EXPECT_EQ(lines[10], "  control Option4 -");
  EXPECT_EQ(lines[11], "  control Option5 -");
  const std::vector<ReadablePart> parts = ReadableParts(window);
  const ReadablePart* source = FindPart(parts, window.FindControl("DataSource"));
  ASSERT_NE(source, nullptr);
  EXPECT_TRUE(source->focused);
}

TEST(ReadableWindows, TheAboutWindowReadsItsLinksPicturesAndChoice) {
  for (const bool nextGeneration : {false, true}) {
    SCOPED_TRACE(nextGeneration);
    ProgramSession s;
    s.Open(s.program.about).Click(nextGeneration ? "Image3" : "Image2");
    const Form& window = *s.program.about.Current();
    const Lines expected = {
        "text \"Kestal Date\"",
        "control Command1",
        "text \"Versione 1.0 - programma gratuito per Windows\"",
        "text \"Realizzato dal Kestal Date Team\"",
        "text \"Calcola e visualizza la data astrale secondo Velorn.\"",
        "text \"E-mail:\"",
        std::string("link \"") + KESTAL_MAIL + "\" !",
        "text \"Sito Internet:\"",
        std::string("link \"") + KESTAL_WEB + "\" !",
        "button \"Cap. Aldo Dorran: data astrale classica\" !",
        "text \"Clicca su Dorran o su Maselle per impostare la data astrale classica "
        "(Reference Stardate) o quella Next Generation.\"",
        "button \"Cap. Irene Maselle: data astrale Next Generation\" !",
        "text \"Data attuale:\"",
        "text \"Cap. Aldo Dorran\"",
        nextGeneration ? "text \"Next Generation\"" : "text \"Velorn Classic\"",
        "text \"Cap. Irene Maselle\"",
        "control Check1",
    };
    EXPECT_EQ(Outline(window), expected);
  }
}

TEST(ReadableWindows, TheReaderHearsWhichLinkOrPictureHasTheKeyboard) {
  ProgramSession s;
  headless::User user = s.Open(s.program.about);
  const Form& window = *s.program.about.Current();
  // From the check box, where the window opens, Tab passes "&Ok" and reaches these in turn.
  user.Tab();
  for (const char* name : {"Label4", "Label5", "Image2", "Image3"}) {
    SCOPED_TRACE(name);
    user.Tab();
    const std::vector<ReadablePart> parts = ReadableParts(window);
    const ReadablePart* part = FindPart(parts, window.FindControl(name));
    ASSERT_NE(part, nullptr);
    EXPECT_TRUE(part->focused);
    int focused = 0;
    for (const ReadablePart& other : parts) focused += other.focused ? 1 : 0;
    EXPECT_EQ(focused, 1);
  }
}

TEST(ReadableWindows, TheConventionsWindowReadsItsThreeTexts) {
  ProgramSession s;
  s.Open(s.program.conventionsWindow);
  const Lines outline = Outline(*s.program.conventionsWindow.Current());
  ASSERT_EQ(outline.size(), 6u);
  EXPECT_EQ(outline[0], "text \"Kestal Date - Convenzioni adottate\"");
  EXPECT_EQ(outline[1], "text \"Note di calcolo raccolte dalle convenzioni degli appassionati.\"");
  EXPECT_TRUE(outline[2].starts_with("text \"La data stellare nell'universo Kestal"));
  EXPECT_NE(outline[2].find("ufficiale. La FASA Corporation"), std::string::npos);  // no break
  EXPECT_TRUE(outline[3].starts_with("text \"Valmeno ha individuato"));
  EXPECT_TRUE(outline[4].starts_with("text \"Dalla formula di cui sopra"));
  EXPECT_EQ(outline[5], "control Command1");
}

TEST(ReadableWindows, AChangedTextIsAnnounced) {
  ProgramSession s;
  headless::User user = s.Open(s.program.about);
  s.hp.log.Clear();
  user.Click("Image3");
  const int starDate = s.program.about.Current()->FindControl("StarDate");
  EXPECT_EQ(s.hp.log.Matching("NameChanged("),
            std::vector<std::string>{"NameChanged(About," + std::to_string(starDate) + ")"});
  user.Click("Image3");  // the same text again: nothing new to say
  EXPECT_EQ(s.hp.log.Matching("NameChanged(").size(), 1u);
}

}  // namespace
}  // namespace kestal::testing
