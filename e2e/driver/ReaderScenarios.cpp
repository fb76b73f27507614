// The windows as a screen reader reads them, from another process: every text there (the
// doubled titles once), the text boxes named by their labels, the links and the captains'
// pictures with their names, a part found where it lies, and a picture's default action doing
// what its click does.
#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

#include "FormActions.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "TodayStardate.h"

namespace e2e {

namespace {

void Print(Report& report, const ReadNode& node, const std::string& indent) {
  report.Note(indent + "role " + std::to_string(node.part.role) + " \"" + node.part.name + "\"" +
              (node.part.value.empty() ? "" : " = \"" + node.part.value + "\""));
  for (const ReadNode& child : node.children) Print(report, child, indent + "  ");
}

// Every part of the tree, the window's own object first.
void Flatten(const ReadNode& node, std::vector<const ReadNode*>& all) {
  all.push_back(&node);
  for (const ReadNode& child : node.children) Flatten(child, all);
}

int Count(const std::vector<const ReadNode*>& all, const std::function<bool(const ReadPart&)>& is) {
  int count = 0;
  for (const ReadNode* node : all) count += is(node->part) ? 1 : 0;
  return count;
}

// Reads the window; checks that each text is there, and the titles only once among its parts.
std::vector<const ReadNode*> CheckTexts(Report& report, HWND form, const std::string& window,
                                        const std::vector<std::string>& texts,
                                        const std::vector<std::string>& titles, ReadNode& tree) {
  const auto read = ReadWindowTree(form);
  std::vector<const ReadNode*> all;
  if (!report.Check(read.has_value(), window + " is read")) return all;
  tree = *read;
  Print(report, tree, "");
  for (const ReadNode& child : tree.children) Flatten(child, all);
  for (const std::string& text : texts) {
    report.Check(Count(all, [&](const ReadPart& p) { return p.name == text; }) > 0,
                 window + ": \"" + text + "\" is read");
  }
  for (const std::string& title : titles) {
    const int times = Count(all, [&](const ReadPart& p) { return p.name == title; });
    report.Check(times == 1, window + ": the title \"" + title + "\" is read once",
                 std::to_string(times) + " times");
  }
  return all;
}

const ReadPart* Named(const std::vector<const ReadNode*>& all, const std::string& name) {
  for (const ReadNode* node : all) {
    if (node->part.name == name) return &node->part;
  }
  return nullptr;
}

void ConversionWindow(Session& session, HWND form) {
  Report& report = session.report;
  ReadNode tree;
  const auto all =
      CheckTexts(report, form, "conversion window",
                 {"Conversione di date da attuali ad astrali e viceversa.",
                  "Data da convertire:", "Data attuale", "Velorn Classic", "Next Generation",
                  "Conversione in formato:", "Velorn Next Generation",
                  "Risultato conversione:", "Converti", "Formati", "Esci"},
                 {"Kestal Date", "- Conversioni"}, tree);
  // The text boxes by their labels: the label's text, then the box of that name.
  const int input = Count(all, [](const ReadPart& p) {
    return p.name == "Insersci qui la data da convertire:" && p.value == DayText(Today());
  });
  report.Check(input == 1, "the input box is named by its label and holds today's date");
  report.Check(Count(all, [](const ReadPart& p) { return p.name == "Data attuale:"; }) == 2,
               "the result box is named by its label \"Data attuale:\", beside it");
  const ReadPart* frame = Named(all, "Data da convertire:");
  report.Check(frame && frame->role == ROLE_SYSTEM_GROUPING,
               "the frame is read as a group of the controls in it");
  const ReadPart* button = Named(all, "Converti");
  const ReadPart* option = Named(all, "Data attuale");
  report.Check(button && button->role == ROLE_SYSTEM_PUSHBUTTON && option &&
                   option->role == ROLE_SYSTEM_RADIOBUTTON,
               "buttons are read as buttons, options as options");
  report.Check(tree.children.size() == 9 && tree.children[3].children.size() == 5,
               "the window holds 3 texts, 3 groups and 3 buttons, the first group 5 parts",
               std::to_string(tree.children.size()) + " parts");
}

void ConventionsWindow(Session& session, HWND form) {
  ReadNode tree;
  const auto all =
      CheckTexts(session.report, form, "conventions window",
                 {"Note di calcolo raccolte dalle convenzioni degli appassionati.", "Ok"},
                 {"Kestal Date - Convenzioni adottate"}, tree);
  // The three texts, whole.
  for (const char* start : {"La data stellare nell'universo Kestal", "Valmeno ha individuato",
                            "Dalla formula di cui sopra"}) {
    session.report.Check(
        Count(all, [&](const ReadPart& p) { return p.name.rfind(start, 0) == 0; }) == 1,
        std::string("the text beginning \"") + start + "\" is read once, whole");
  }
}

void AboutWindow(Session& session, HWND form) {
  Report& report = session.report;
  ReadNode tree;
  const std::string classic = "Cap. Aldo Dorran: data astrale classica";
  const std::string nextGeneration = "Cap. Irene Maselle: data astrale Next Generation";
  const auto all = CheckTexts(
      report, form, "About window",
      {"Ok", "Calcola e visualizza la data astrale secondo Velorn.", "E-mail:", "Sito Internet:",
       "Data attuale:", "Cap. Aldo Dorran", "Cap. Irene Maselle", "Velorn Classic",
       "Lancia automaticamente il programma all'avvio di Windows", classic, nextGeneration},
      {"Kestal Date"}, tree);
  report.Check(Count(all,
                     [](const ReadPart& p) {
                       return p.role == ROLE_SYSTEM_LINK && p.name.find('@') != std::string::npos;
                     }) == 1 &&
                   Count(all,
                         [](const ReadPart& p) {
                           return p.role == ROLE_SYSTEM_LINK && p.name.rfind("http", 0) == 0;
                         }) == 1,
               "the mail address and the web address are read as links");
  const ReadPart* picture = Named(all, nextGeneration);
  report.Check(picture && picture->role == ROLE_SYSTEM_PUSHBUTTON,
               "the captains' pictures are read as buttons");

  // Where the convention shows, the reader finds it.
  const auto starDate = ReadControlPart(form, about::StarDate);
  if (report.Check(starDate.has_value(), "the chosen convention is read")) {
    const POINT middle{(starDate->location.left + starDate->location.right) / 2,
                       (starDate->location.top + starDate->location.bottom) / 2};
    report.Equal("the part at the convention's place is the convention",
                 std::to_string(about::StarDate + 1), std::to_string(HitTest(form, middle)));
  }

  // The Next Generation picture's default action does what its click does.
  report.Check(DoDefaultAction(form, about::Image3), "the picture's default action is done");
  report.Equal("the convention read is now Next Generation", "Next Generation",
               WaitForText(form, about::StarDate, "Next Generation", kWindowMs));
  CheckTooltip(session, std::string("Next Generation"), "reader-tooltip-next-generation");
  DoDefaultAction(form, about::Image2);
  WaitForText(form, about::StarDate, "Velorn Classic", kWindowMs);
}

void ReadEachWindow(Session& session) {
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ForEachMenuWindow(session, program, [&](const MenuWindow& window, HWND form) {
      if (window.form == std::wstring(conversion::kForm)) ConversionWindow(session, form);
      if (window.form == std::wstring(conventions::kForm)) ConventionsWindow(session, form);
      if (window.form == std::wstring(about::kForm)) AboutWindow(session, form);
      // A reader that still holds the window's object once it has closed hears that it is gone,
      // never the closed window's texts.
      const HeldWindowObject held(form);
      session.report.Check(held.Held(), window.name + std::string(": its object is held"));
      session.report.Check(program.CloseWithButton(form, window.closeButton, kWindowMs),
                           window.name + std::string(" closes"));
      std::string name;
      const long answer = held.AskName(name);
      session.report.Check(answer == RPC_E_DISCONNECTED,
                           window.name + std::string(": its held object answers that it is gone"),
                           "answered " + std::to_string(answer) + " \"" + name + "\"");
    });
  });
}

const RegisteredScenarios kReader{
    {"screen-reader", "each window read as a screen reader reads it", ReadEachWindow},
};

}  // namespace

}  // namespace e2e
