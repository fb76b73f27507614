// The About window: opened by a double click on the icon, its options read from the registry,
// a picture click changing the tooltip at once, "&Ok" storing the convention and the autostart
// value, and the stored options shown again at the next opening; Windows' own switch for the
// start, and the folders the program may or may not start from.
#include <shlobj.h>

#include <string>

#include "FormActions.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "Registry.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Text.h"
#include "TrayIcon.h"

namespace e2e {

namespace {

using namespace about;

const char kHint[] =
    "Clicca su\rDorran o su Maselle\rper impostare la\rdata astrale classica\r"
    "(Reference Stardate)\ro quella\rNext Generation.";

// The autostart value under `root` is `expected`; Windows' paths match in any case.
void CheckRunValue(Report& report, HKEY root, const std::string& expected,
                   const std::string& what) {
  const std::string run = ReadString(root, kRunKey, kRunValueName).value_or("(none)");
  const bool same = CompareStringOrdinal(ToWide(run).c_str(), -1, ToWide(expected).c_str(), -1,
                                         TRUE) == CSTR_EQUAL;
  report.Check(same, what, "expected \"" + expected + "\", got \"" + run + "\"");
}

// The Run value the program must write for itself: its full path, quoted when it holds a blank.
std::string ExpectedRunValue(const std::wstring& exePath) {
  wchar_t full[MAX_PATH] = {};
  GetFullPathNameW(exePath.c_str(), MAX_PATH, full, nullptr);
  const std::string path = ToUtf8(full);
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

HWND OpenByDoubleClick(Session& session, RunningProgram& program) {
  for (UINT event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostTrayEvent(program.Form1(), event);
  HWND form = program.WaitForForm(kForm, kWindowMs);
  session.report.Check(form != nullptr, "a double click on the icon opens the About window");
  return form;
}

void CheckShownOptions(Session& session, HWND form, const char* convention, bool autostart,
                       const std::string& when) {
  session.report.Equal(when + ": the convention shown", convention,
                       WaitForText(form, StarDate, convention, kWindowMs));
  session.report.Check(
      IsOn(form, Check1) == autostart,
      when + (autostart ? ": the autostart box is ticked" : ": the autostart box is not ticked"));
}

void AboutWindow(Session& session) {
  Report& report = session.report;
  report.Check(DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName) &&
                   !ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName),
               "no autostart value before the start");
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND form = OpenByDoubleClick(session, program);
    if (!form) return;
    Snapshot(program, "about-opened");
    CheckShownOptions(session, form, "Velorn Classic", false, "nothing stored");
    report.Equal("the hint", AsRead(kHint), ReadText(form, Label7));
    CheckCentred(session, form, "About");
    CheckTopmost(session, form, "About");

    // The Next Generation picture changes the tooltip at once; nothing is stored yet.
    ClickControl(form, Image3);
    CheckShownOptions(session, form, "Next Generation", false, "after the Next Generation picture");
    CheckTooltip(session, std::string("Next Generation"), "about-tooltip-next-generation");
    report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey), "the picture stores no setting");

    ClickControl(form, Check1);
    report.Check(WaitForOn(form, Check1, true, kWindowMs), "the autostart box ticks");
    Snapshot(program, "about-chosen");
    report.Check(program.CloseWithButton(form, Command1, kWindowMs), "\"&Ok\" closes the window");
    report.Equal("\"&Ok\" stores the Next Generation convention", "Next Generation",
                 ReadString(HKEY_CURRENT_USER, kSettingsKey, kSettingName).value_or("(none)"));
    CheckRunValue(report, HKEY_LOCAL_MACHINE, ExpectedRunValue(session.exePath),
                  "\"&Ok\" stores the program's path as autostart");

    // The menu item opens it again, with the stored options.
    form = OpenFromTrayMenu(session, program, MenuItem::Informazioni, kForm);
    if (!form) return;
    CheckShownOptions(session, form, "Next Generation", true, "reopened");

    // A link hands the user to another program, which must come in front: About gives up staying
    // on top, and stays open.
    ClickControl(form, Label4);
    report.Check(WaitUntil([&] { return !(GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST); },
                           kWindowMs),
                 "after the mail link, About no longer stays above the others");
    report.Check(IsWindowVisible(form) != FALSE, "About stays open");
    Snapshot(program, "about-after-link");

    // Back to the classic convention, autostart off.
    ClickControl(form, Image2);
    CheckShownOptions(session, form, "Velorn Classic", true, "after the classic picture");
    ClickControl(form, Check1);
    report.Check(WaitForOn(form, Check1, false, kWindowMs), "the autostart box unticks");
    report.Check(program.CloseWithButton(form, Command1, kWindowMs),
                 "\"&Ok\" closes the window again");
    report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey),
                 "the classic convention removes the stored section");
    report.Check(!ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName).has_value(),
                 "unticked, the autostart value is removed");
    CheckTooltip(session, std::nullopt, "about-tooltip-classic");
  });
}

// Closing without "&Ok" stores nothing, but the tooltip keeps the picture's choice until the
// next start.
void AboutClosedWithoutOk(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND form = OpenByDoubleClick(session, program);
    if (!form) return;
    ClickControl(form, Image3);
    WaitForText(form, StarDate, "Next Generation", kWindowMs);
    // Any menu choice closes the About window first; "Convenzioni" then opens its own.
    HWND conventionsWindow =
        OpenFromTrayMenu(session, program, MenuItem::Convenzioni, conventions::kForm);
    report.Check(program.WaitForFormGone(kForm, kWindowMs),
                 "the menu choice closed the About window");
    report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey),
                 "closing without \"&Ok\" stores nothing");
    CheckTooltip(session, std::string("Next Generation"), "about-unconfirmed-tooltip");
    if (conventionsWindow)
      program.CloseWithButton(conventionsWindow, conventions::Command1, kWindowMs);
  });

  auto again = StartProgram(session);
  if (!again) return;
  CheckTooltip(session, std::nullopt, "about-unconfirmed-next-start");
  CloseAndCheckExit(session, *again);
}

// Ticks the box of a freshly opened About window and confirms; false when that went wrong.
bool TickAndConfirm(Session& session, RunningProgram& program, const std::string& when) {
  HWND form = OpenByDoubleClick(session, program);
  if (!form) return false;
  CheckShownOptions(session, form, "Velorn Classic", false, when);
  ClickControl(form, Check1);
  session.report.Check(WaitForOn(form, Check1, true, kWindowMs), when + ": the box ticks");
  ClickControl(form, Command1);
  return true;
}

// The start turned off in Task Manager or Settings shows as off, and ticking it turns it on.
void AboutStartupSwitch(Session& session) {
  Report& report = session.report;
  const std::string command = ExpectedRunValue(session.exePath);
  // As Windows marks it: a flag word with its lowest bit set, then when it was turned off.
  const std::vector<BYTE> turnedOff{0x03, 0, 0, 0, 0x10, 0x32, 0x54, 0x76, 0x98, 0xba, 0xdc, 0x01};
  report.Check(WriteString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName, command) &&
                   WriteBinary(HKEY_LOCAL_MACHINE, kStartupApprovedKey, kRunValueName, turnedOff),
               "the autostart value is stored and turned off in Windows");
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    if (!TickAndConfirm(session, program, "turned off in Windows")) return;
    report.Check(program.WaitForFormGone(kForm, kWindowMs), "\"&Ok\" closes the window");
    CheckRunValue(report, HKEY_LOCAL_MACHINE, command, "the autostart value stays");
    report.Check(!ValueExists(HKEY_LOCAL_MACHINE, kStartupApprovedKey, kRunValueName),
                 "ticked and confirmed, the mark of its being off is gone");
    HWND form = OpenFromTrayMenu(session, program, MenuItem::Informazioni, kForm);
    if (form) {
      CheckShownOptions(session, form, "Velorn Classic", true, "turned on again");
      program.CloseWithButton(form, Command1, kWindowMs);
    }
  });
  DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName);
  DeleteValue(HKEY_LOCAL_MACHINE, kStartupApprovedKey, kRunValueName);
}

std::wstring ShellFolder(int csidl) {
  wchar_t folder[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))
             ? std::wstring(folder)
             : std::wstring();
}

// A copy of the program in the folder, started, its About box ticked and confirmed; then the
// steps, and the copy closed and removed with the folder.
void WithCopyIn(Session& session, const std::wstring& folder, const std::string& when,
                const std::function<void(RunningProgram&)>& steps) {
  const std::wstring copy = folder + L"\\KestalDate.exe";
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);  // there already, or made
  const bool copied = CopyFileW(session.exePath.c_str(), copy.c_str(), FALSE);
  if (session.report.Check(copied, "the program is copied to " + ToUtf8(folder))) {
    const std::wstring built = session.exePath;
    session.exePath = copy;
    auto program = StartProgram(session);
    session.exePath = built;
    if (program && TickAndConfirm(session, *program, when)) steps(*program);
    if (program) CloseAndCheckExit(session, *program);
  }
  DeleteFileW(copy.c_str());
  RemoveDirectoryW(folder.c_str());
}

// Started from the folder where the shell opens a zip, the program stores no autostart and says
// why; started from the user's own folders, it starts for that user only, though it runs
// elevated here.
void AboutAutostartFolders(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    DeleteValue(root, kRunKey, kRunValueName);

  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temporary);
  const std::wstring zipFolder = std::wstring(temporary) + L"Temp1_KestalDate.zip";
  WithCopyIn(session, zipFolder, "from a zip", [&](RunningProgram& program) {
    const ShownMessageBox box = WaitForMessageBox(program.Id(), kWindowMs);
    if (report.Check(box.window != nullptr, "from a zip: a message tells why")) {
      program.WaitForIdle(kWindowMs);
      Snapshot(program, "autostart-from-zip");
      report.Check(box.text.find("estrai") != std::string::npos,
                   "from a zip: the message says to extract the files first", box.text);
      report.Equal("from a zip: the message's title", "KestalDate", box.title);
      report.Check(PressOk(box.window, kWindowMs), "from a zip: OK closes the message");
    }
    report.Check(program.WaitForFormGone(kForm, kWindowMs), "from a zip: the window closes");
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
      report.Check(!ReadString(root, kRunKey, kRunValueName),
                   "from a zip: no autostart value is stored");
  });

  const std::wstring userFolder = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Kestal Prova";
  WithCopyIn(session, userFolder, "from the user's folder", [&](RunningProgram& program) {
    report.Check(program.WaitForFormGone(kForm, kWindowMs),
                 "from the user's folder: the window closes");
    CheckRunValue(report, HKEY_CURRENT_USER, ExpectedRunValue(userFolder + L"\\KestalDate.exe"),
                  "from the user's folder: the per-user value is stored");
    report.Check(!ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName),
                 "from the user's folder: no machine-wide value, though elevated");
  });
  DeleteValue(HKEY_CURRENT_USER, kRunKey, kRunValueName);
}

const RegisteredScenarios kAbout{
    {"about-window", "the About window shows and stores both options", AboutWindow},
    {"about-unconfirmed", "the About window closed without \"&Ok\" stores nothing",
     AboutClosedWithoutOk},
    {"about-startup-switch", "a start turned off in Windows shows off and is turned on again",
     AboutStartupSwitch},
    {"about-autostart-folders",
     "no autostart from a zip's temporary folder, a per-user one from the user's folder",
     AboutAutostartFolders},
};

}  // namespace

}  // namespace e2e
