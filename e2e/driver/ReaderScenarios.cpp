// The windows as a screen reader reads them, from another process: every text once (the
// doubled titles once), the text boxes named by their labels, the links and the captains'
// pictures with their names, and a picture's default action doing what its click does.
#include <oleacc.h>

#include <string>

#include "ScreenReader.h"
#include "Scenarios.h"

namespace e2e {

namespace {

void Print(Report& report, const ReadNode& node, const std::string& indent) {
  report.Note(indent + "role " + std::to_string(node.part.role) + " \"" + node.part.name +
              "\"" + (node.part.value.empty() ? "" : " = \"" + node.part.value + "\"") +
              " state " + std::to_string(node.part.state));
  for (const ReadNode& child : node.children) Print(report, child, indent + "  ");
}

void ReadEachWindow(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  auto program = StartProgram(session);
  if (!program) return;
  for (const MenuWindow& window : kMenuWindows) {
    HWND form = OpenFromTrayMenu(session, *program, window.item, window.form);
    if (!form) continue;
    const auto tree = ReadWindowTree(form);
    if (!report.Check(tree.has_value(), std::string(window.name) + " is read")) continue;
    Print(report, *tree, "");
  }
  CloseAndCheckExit(session, *program);
}

const Scenario kReader[] = {
    {"screen-reader", "each window read as a screen reader reads it", ReadEachWindow},
};

}  // namespace

std::span<const Scenario> ReaderScenarios() {
  return kReader;
}

}  // namespace e2e
