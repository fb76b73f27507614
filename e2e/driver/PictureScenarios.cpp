// The pictures that show the program to a newcomer (README.md): the icon's tooltip and the three
// windows as they open, at the screen's density. scripts/update-pictures.sh puts them in
// docs/pictures/.
#include <algorithm>
#include <string>

#include "FormActions.h"
#include "Poll.h"
#include "Scenarios.h"
#include "Screenshot.h"
#include "TrayIcon.h"

namespace e2e {

namespace {

// More than the desktop's one colour shows where the window lies.
bool Painted(const Picture& picture) {
  if (picture.pixels.empty()) return false;
  const COLORREF first = picture.At(0, picture.height / 2);
  for (int x = 0; x < picture.width; x += 3) {
    if (picture.At(x, picture.height / 2) != first) return true;
  }
  return false;
}

// A window as it opens from the menu, on its own.
void PictureOfWindow(Session& session, RunningProgram& program, const MenuWindow& window,
                     HWND form) {
  if (window.form == std::wstring(conversion::kForm)) {
    // A conversion done, as a user would show it.
    ClickControl(form, conversion::Option5);
    TypeText(form, conversion::DataSource, "15/6/2002");
    ClickControl(form, conversion::Command1);
    WaitForText(form, conversion::VelornDate, "-320545.2", kWindowMs);
  }
  program.WaitForIdle(kWindowMs);
  // Shown is not yet drawn: the picture waits for the window's own colours.
  WaitUntil([&] { return Painted(TakePicture(form)); }, kWindowMs);
  const char* picture = window.form == std::wstring(about::kForm)        ? "about"
                        : window.form == std::wstring(conversion::kForm) ? "conversion"
                                                                         : "conventions";
  session.report.Check(SaveScreenshot(picture, form),
                       std::string("the picture of the ") + window.name);
}

void Pictures(Session& session) {
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    const auto shown = HoverTrayIcon("Velorn", 30000);
    const auto icon = TrayIconPoint();
    if (session.report.Check(shown.has_value() && icon.has_value(), "the icon's tooltip shows")) {
      // The tooltip and the icon under it, with some of the taskbar around.
      RECT area{};
      GetWindowRect(shown->window, &area);
      area = {std::min<LONG>(area.left, icon->x) - 24, std::min<LONG>(area.top, icon->y) - 12,
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      session.report.Check(SaveScreenshot("tooltip", area), "the picture of the tooltip");
    }
    MovePointerAway();
    ForEachMenuWindow(session, program, [&](const MenuWindow& window, HWND form) {
      PictureOfWindow(session, program, window, form);
    });
  });
}

const RegisteredScenarios kPictures{
    {"pictures", "the pictures of the tooltip and of the three windows for the README", Pictures},
};

}  // namespace

}  // namespace e2e
