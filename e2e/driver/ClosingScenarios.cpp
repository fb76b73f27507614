// "Chiudi" ends the program from any state: the open window closes first, then the icon goes
// and the process exits by itself.
#include <string>

#include "Scenarios.h"

namespace e2e {

namespace {

struct OpenWindowCase {
  const char* what;
  MenuItem opener;          // ignored when formName is nullptr
  const wchar_t* formName;  // nullptr: no window open
};

const OpenWindowCase kOpenWindows[] = {
    {"no window open", MenuItem::Chiudi, nullptr},
    {"conversion window open", MenuItem::CalcoloData, conversion::kForm},
    {"conventions window open", MenuItem::Convenzioni, conventions::kForm},
    {"About window open", MenuItem::Informazioni, about::kForm},
};

void CloseFromMenu(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  for (const OpenWindowCase& row : kOpenWindows) {
    report.Note(row.what);
    auto program = StartProgram(session);
    if (!program) continue;
    if (row.formName && !OpenFromTrayMenu(session, *program, row.opener, row.formName)) continue;
    if (!ChooseFromTrayMenu(session, *program, MenuItem::Chiudi)) continue;
    if (row.formName)
      report.Check(program->WaitForFormGone(row.formName, kWindowMs),
                   std::string(row.what) + ": the window closes");
    CheckExitedCleanly(session, *program);
  }
}

const RegisteredScenarios kClosing{
    {"close-from-menu", "\"Chiudi\" ends the program with or without an open window",
     CloseFromMenu},
};

}  // namespace

}  // namespace e2e
