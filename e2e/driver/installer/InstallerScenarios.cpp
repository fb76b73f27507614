// The release's installer, as a user and an administrator's tools meet it: a silent install,
// an upgrade over a running copy and a silent uninstall, played in this order in a prefix of
// their own. The registry after the uninstall is checked from outside (e2e/uninstalled.sh).
#include <shlobj.h>
#include <tlhelp32.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Poll.h"
#include "Registry.h"
#include "Scenarios.h"
#include "Screenshot.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

// A cold Wine start of the installer and its decompression take a few seconds.
constexpr DWORD kInstallerMs = 120000;
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KestalDate";
const std::optional<std::string> kNextGeneration = std::string("Next Generation");

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

// Where the installer puts things for the current user.
struct Installation {
  std::wstring folder = KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Kestal Date";
  std::wstring exe = folder + L"\\KestalDate.exe";
  std::wstring console = folder + L"\\bin\\kestaldate.exe";
  std::wstring uninstaller = folder + L"\\Uninstall.exe";
  std::wstring shortcut = KnownFolder(FOLDERID_Programs) + L"\\Kestal Date.lnk";
};

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> FileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool SameBytes(const std::wstring& a, const std::wstring& b) {
  const auto left = FileBytes(a), right = FileBytes(b);
  return left && right && *left == *right;
}

// The console converter as built: in bin\ beside the program the scenario was given.
std::wstring BuiltConsole(const Session& session) {
  return session.exePath.substr(0, session.exePath.find_last_of(L'\\') + 1) +
         L"bin\\kestaldate.exe";
}

// The user's own PATH as stored (HKCU\Environment), its type and its text unexpanded.
struct UserPath {
  DWORD type = 0;
  std::wstring text;
};
constexpr wchar_t kEnvironmentKey[] = L"Environment";

std::optional<UserPath> ReadUserPath() {
  UserPath path;
  const auto text = ReadWideValue(HKEY_CURRENT_USER, kEnvironmentKey, L"Path",
                                  RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &path.type);
  if (!text) return std::nullopt;
  path.text = *text;
  return path;
}

bool WriteUserPath(const UserPath& path) {
  return WriteWideValue(HKEY_CURRENT_USER, kEnvironmentKey, L"Path", path.type, path.text);
}

std::string Shown(const std::optional<UserPath>& path) {
  if (!path) return "(none)";
  return (path->type == REG_EXPAND_SZ ? "REG_EXPAND_SZ " : "REG_SZ ") + ToUtf8(path->text);
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::string Quoted(const std::wstring& path) {
  return "\"" + ToUtf8(path) + "\"";
}

// Runs a command to its end; its exit code, or nothing when it did not start or end in time.
std::optional<DWORD> RunToEnd(const std::wstring& commandLine) {
  const auto run = RunningProgram::OfCommand(commandLine);
  if (!run->WaitForExit(kInstallerMs)) return std::nullopt;
  return run->ExitCode();
}

void RunSilently(Session& session, const std::wstring& commandLine, const std::string& what) {
  const auto code = RunToEnd(commandLine);
  session.report.Check(code.has_value(), what + " runs to its end");
  if (code)
    session.report.Check(*code == 0, what + " succeeds", "exit code " + std::to_string(*code));
}

std::wstring SilentInstallerCommand(const Session& session) {
  return L"\"" + session.installerPath + L"\" /S";
}

void RunInstaller(Session& session) {
  RunSilently(session, SilentInstallerCommand(session), "the silent installer");
}

std::optional<std::wstring> ShortcutTarget(const std::wstring& shortcut) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<std::wstring> target;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
        target = path;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

// A text of the exe's version resource (Italian, Unicode block), as the file's properties show.
std::string VersionText(const std::wstring& exe, const wchar_t* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return {};
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring query = std::wstring(L"\\StringFileInfo\\041004B0\\") + name;
  if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
      length == 0)
    return {};
  return ToUtf8(std::wstring(value, wcsnlen(value, length)));
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* name) {
  DWORD value = 0, bytes = sizeof(value);
  if (RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::wstring ImageOf(HANDLE process) {
  wchar_t image[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (!QueryFullProcessImageNameW(process, 0, image, &length)) return {};
  return std::wstring(image, length);
}

// Processes that run the installed program or the uninstaller, which goes on from a copy of
// itself in the temporary folder ("~nsu*.tmp") once the one in the program's folder has ended.
std::vector<std::string> ProcessesOfOurs(const Installation& at) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring uninstallerCopies = std::wstring(temp) + L"~nsu";
  const auto startsWith = [](const std::wstring& path, const std::wstring& prefix) {
    return path.size() >= prefix.size() && SamePath(path.substr(0, prefix.size()), prefix);
  };
  std::vector<std::string> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return {"(the process list cannot be read)"};
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    const std::wstring image = ImageOf(process);
    CloseHandle(process);
    if (startsWith(image, at.folder + L"\\") || startsWith(image, uninstallerCopies))
      found.push_back(ToUtf8(image));
  }
  CloseHandle(snapshot);
  return found;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

// A window like the program's start-up window that ignores the close message, as a copy that
// hangs would.
class StubbornCopy {
 public:
  StubbornCopy() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = IgnoreClose;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className_.c_str();
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, className_.c_str(), L"Velorn", WS_POPUP, 0, 0, 1, 1, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  }
  ~StubbornCopy() {
    if (window_) DestroyWindow(window_);
    UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
  }
  StubbornCopy(const StubbornCopy&) = delete;
  StubbornCopy& operator=(const StubbornCopy&) = delete;
  bool Shown() const { return window_ != nullptr; }

 private:
  static LRESULT CALLBACK IgnoreClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_CLOSE ? 0 : DefWindowProcW(window, message, wParam, lParam);
  }

  std::wstring className_ = FormClass(L"Form1");
  HWND window_ = nullptr;
};

// The convention and both autostart values, as the program stores them, and the marks Windows
// adds when the user turns the autostart on in its list of start-up apps.
void StoreOptions(Session& session, const Installation& at) {
  PrepareSetting(session, kNextGeneration);
  const std::vector<BYTE> turnedOn = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  bool stored = true;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    stored = WriteString(root, kRunKey, kRunValueName, Quoted(at.exe)) &&
             WriteBinary(root, kStartupApprovedKey, kRunValueName, turnedOn) && stored;
  session.report.Check(stored, "the autostart values and their start-up app marks are stored");
}

void CheckUninstallEntry(Session& session, const Installation& at) {
  Report& report = session.report;
  const auto entry = [](const wchar_t* name) {
    return ReadString(HKEY_CURRENT_USER, kUninstallKey, name).value_or("(missing)");
  };
  // The exe's version resource and the entry both come from the project's one version.
  const std::string product = VersionText(at.exe, L"ProductName");
  report.Equal("the exe's version resource names the product", "Kestal Date", product);
  for (const wchar_t* name : {L"FileDescription", L"LegalCopyright", L"FileVersion"})
    report.Check(!VersionText(at.exe, name).empty(),
                 "the exe's version resource has a " + ToUtf8(name));
  report.Equal("installed programs: name", product, entry(L"DisplayName"));
  report.Equal("installed programs: version", VersionText(at.exe, L"ProductVersion"),
               entry(L"DisplayVersion"));
  report.Equal("installed programs: publisher", VersionText(at.exe, L"CompanyName"),
               entry(L"Publisher"));
  report.Equal("installed programs: icon", ToUtf8(at.exe), entry(L"DisplayIcon"));
  report.Equal("installed programs: uninstall command", Quoted(at.uninstaller),
               entry(L"UninstallString"));
  report.Equal("installed programs: quiet uninstall command", Quoted(at.uninstaller) + " /S",
               entry(L"QuietUninstallString"));
  report.Check(Exists(at.uninstaller), "the uninstaller is in the program's folder");
  // In KiB: the two exes and the uninstaller, give or take the rounding.
  const auto bytes = [](const std::wstring& path) { return FileBytes(path).value_or("").size(); };
  const size_t files = (bytes(at.exe) + bytes(at.console) + bytes(at.uninstaller)) / 1024;
  const auto size = ReadDword(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize");
  report.Check(size && *size + 1 >= files && *size <= files + 1,
               "installed programs: size of the installed files",
               "EstimatedSize " + (size ? std::to_string(*size) : "missing") + " KiB, files " +
                   std::to_string(files) + " KiB");
}

void SilentInstall(Session& session) {
  Report& report = session.report;
  const Installation at;
  report.Check(!KeyExists(HKEY_CURRENT_USER, kUninstallKey) && !Exists(at.folder),
               "nothing is installed before");
  const std::optional<UserPath> pathBefore = ReadUserPath();
  RunInstaller(session);
  report.Check(SameBytes(at.exe, session.exePath), "the installed KestalDate.exe is the built one");
  report.Check(SameBytes(at.console, BuiltConsole(session)),
               "the installed bin\\kestaldate.exe is the built one");
  report.Equal("a silent install leaves the user's PATH as it was", Shown(pathBefore),
               Shown(ReadUserPath()));
  CheckUninstallEntry(session, at);
  const auto target = ShortcutTarget(at.shortcut);
  if (!report.Check(target.has_value(), "the Start menu holds the shortcut \"Kestal Date\""))
    return;
  report.Equal("the shortcut starts the installed program", ToUtf8(at.exe), ToUtf8(*target));
  session.exePath = *target;
  WithProgram(session, std::nullopt,
              [&](RunningProgram&) { CheckTooltip(session, std::nullopt, "installed-tooltip"); });
}

// An installer that cannot close a running copy waits a bounded time, then stops and changes
// nothing.
void CheckStopsForStubbornCopy(Session& session, const Installation& at) {
  Report& report = session.report;
  const auto before = FileBytes(at.exe);
  StubbornCopy stubborn;
  report.Check(stubborn.Shown(), "a copy that does not close is running");
  const auto code = RunToEnd(SilentInstallerCommand(session));
  report.Check(code == 2u, "the silent installer stops when a copy does not close",
               code ? "exit code " + std::to_string(*code) : "it did not end");
  report.Check(FileBytes(at.exe) == before, "the installed copy is left as it was");
}

DWORD WINAPI CloseSoon(void* handle) {
  Sleep(2000);
  CloseHandle(handle);
  return 0;
}

// A file held for a moment (a copy that is just ending, a virus scanner) is waited for, not
// given up on. The size in installed programs counts our files, not what else the user keeps
// in the folder.
void CheckWaitsForHeldFile(Session& session, const Installation& at, const std::wstring& built) {
  Report& report = session.report;
  const std::wstring notes = at.folder + L"\\appunti.txt";
  std::ofstream(notes.c_str(), std::ios::binary) << std::string(300 * 1024, 'x');
  HANDLE held = CreateFileW(at.exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (!report.Check(held != INVALID_HANDLE_VALUE, "the installed exe is held open")) return;
  HANDLE closer = CreateThread(nullptr, 0, CloseSoon, held, 0, nullptr);
  if (!closer) CloseHandle(held);
  RunInstaller(session);
  if (closer) {
    WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);
  }
  report.Check(SameBytes(at.exe, built), "the exe held for two seconds is replaced");
  CheckUninstallEntry(session, at);
  DeleteFileW(notes.c_str());
}

void UpgradeOverRunningCopy(Session& session) {
  Report& report = session.report;
  const Installation at;
  const std::wstring built = session.exePath;
  if (!report.Check(Exists(at.exe), "a copy is installed (by the install scenario)")) return;
  // The older copy: the same program with bytes appended, which Windows loads all the same, so
  // that the new file in its place can be told from it.
  std::ofstream(at.exe.c_str(), std::ios::binary | std::ios::app) << "an older copy";
  report.Check(!SameBytes(at.exe, built), "the installed copy differs from the new one");
  CheckStopsForStubbornCopy(session, at);
  CheckWaitsForHeldFile(session, at, built);
  std::ofstream(at.exe.c_str(), std::ios::binary | std::ios::app) << "an older copy";

  StoreOptions(session, at);
  session.exePath = at.exe;
  auto old = StartProgram(session);
  if (!old) return;
  RunInstaller(session);
  report.Check(old->WaitForExit(kExitMs) && old->ExitCode() == 0,
               "the running copy was asked to close and ended by itself",
               "exit code " + std::to_string(old->ExitCode()));
  report.Check(SameBytes(at.exe, built), "the new KestalDate.exe is in place");
  report.Equal("the convention setting is kept", *kNextGeneration,
               ReadString(HKEY_CURRENT_USER, kSettingsKey, kSettingName).value_or("(missing)"));
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    report.Equal("the autostart value is kept", Quoted(at.exe),
                 ReadString(root, kRunKey, kRunValueName).value_or("(missing)"));

  // A silent upgrade starts the new program in place of the copy it closed.
  HWND form1 = WaitForTopLevel(WindowOfClass(FormClass(L"Form1")).Titled(L"Velorn"), kStartMs);
  auto again = form1 ? RunningProgram::OfWindow(form1) : nullptr;
  if (!report.Check(again != nullptr, "the upgrade starts the program again")) return;
  report.Equal("the program started again is the installed one", ToUtf8(at.exe),
               ToUtf8(ImageOf(again->Handle())));
  CheckTooltip(session, kNextGeneration, "upgraded-tooltip");
  CloseAndCheckExit(session, *again);
}

// A control of the installer's window or of the page inside it, by its id.
HWND ControlOf(HWND window, int id) {
  for (HWND child : ChildWindows(window))
    if (GetDlgCtrlID(child) == id && IsWindowVisible(child)) return child;
  return nullptr;
}

// The pages as a user goes through them: a folder two levels below any that exists passes the
// folder page's test of the nearest existing folder and is made; the last page's "Avvia Kestal
// Date", ticked, starts the program from there, and its box for the PATH, off until ticked, adds
// the console converter's folder to the user's own PATH. The copy is then removed again, and
// with it that folder from the PATH, whose other entries stay as they were.
void InstallerPages(Session& session) {
  Report& report = session.report;
  // The dialog's "Avanti" button, the folder page's text box, the last page's check boxes.
  constexpr int kNext = 1, kFolderBox = 1019, kRunBox = 1203, kPathBox = 1204;
  const std::wstring tried = KnownFolder(FOLDERID_LocalAppData) + L"\\Prove";
  const std::wstring folder = tried + L"\\Nuova\\Kestal Date";
  const UserPath userPath{REG_EXPAND_SZ, L"C:\\Strumenti;%USERPROFILE%\\bin"};
  report.Check(WriteUserPath(userPath), "the user has a PATH of their own");
  const auto run = RunningProgram::OfCommand(L"\"" + session.installerPath + L"\"");
  if (!report.Check(run->Started(), "the installer starts")) return;
  const HWND installer =
      WaitForTopLevel(WindowOfClass(L"#32770").OfProcess(run->Id()).Visible(), kInstallerMs);
  HWND folderBox = nullptr, runBox = nullptr;
  if (report.Check(installer != nullptr, "the installer shows its window")) {
    PostMessageW(GetDlgItem(installer, kNext), BM_CLICK, 0, 0);
    folderBox = WaitFor([&] { return ControlOf(installer, kFolderBox); }, kWindowMs);
  }
  if (report.Check(folderBox != nullptr, "\"Avanti\" leads to the folder page")) {
    SendMessageW(folderBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    PostMessageW(GetDlgItem(installer, kNext), BM_CLICK, 0, 0);
    runBox = WaitFor([&] { return ControlOf(installer, kRunBox); }, kInstallerMs);
  }
  if (report.Check(runBox != nullptr, "a new folder passes, and the installation ends") &&
      report.Check(SendMessageW(runBox, BM_GETCHECK, 0, 0) == BST_CHECKED,
                   "the last page offers to start the program")) {
    const HWND pathBox = ControlOf(installer, kPathBox);
    if (report.Check(pathBox != nullptr, "the last page has a box for the PATH")) {
      report.Equal("  which says what it does", "Aggiungi il comando kestaldate al PATH",
                   TextOf(pathBox));
      report.Check(SendMessageW(pathBox, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "  unticked");
      SendMessageW(pathBox, BM_SETCHECK, BST_CHECKED, 0);
    }
    SaveScreenshot("last-page");
    PostMessageW(GetDlgItem(installer, kNext), BM_CLICK, 0, 0);
  }
  if (!report.Check(run->WaitForExit(kWindowMs), "the installer ends")) run->Terminate();

  const std::wstring exe = folder + L"\\KestalDate.exe";
  report.Equal("the console converter's folder ends the user's PATH",
               Shown(UserPath{REG_EXPAND_SZ, userPath.text + L";" + folder + L"\\bin"}),
               Shown(ReadUserPath()));
  HWND form1 = WaitForTopLevel(WindowOfClass(FormClass(L"Form1")).Titled(L"Velorn"), kStartMs);
  auto started = form1 ? RunningProgram::OfWindow(form1) : nullptr;
  if (report.Check(started != nullptr, "\"Chiudi\" on the last page starts the program")) {
    report.Equal("the program started is the one installed in the chosen folder", ToUtf8(exe),
                 ToUtf8(ImageOf(started->Handle())));
    CloseAndCheckExit(session, *started);
  }
  RunSilently(session, L"\"" + folder + L"\\Uninstall.exe\" /S", "the uninstaller");
  report.Check(WaitUntil([&] { return !Exists(folder); }, kInstallerMs),
               "the uninstaller removes the chosen folder");
  report.Equal("the uninstaller takes its folder off the PATH, and only that", Shown(userPath),
               Shown(ReadUserPath()));
  DeleteValue(HKEY_CURRENT_USER, kEnvironmentKey, L"Path");
  RemoveDirectoryW((tried + L"\\Nuova").c_str());
  RemoveDirectoryW(tried.c_str());
  report.Check(!KeyExists(HKEY_CURRENT_USER, kUninstallKey) && !Exists(tried),
               "nothing of this installation is left");
}

void SilentUninstall(Session& session) {
  Report& report = session.report;
  const Installation at;
  const auto quiet = ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
  if (!report.Check(quiet.has_value(), "installed programs hold a quiet uninstall command")) return;
  StoreOptions(session, at);
  session.exePath = at.exe;
  auto program = StartProgram(session);
  if (!program) return;
  report.Check(!ProcessesOfOurs(at).empty(), "the running copy is seen among the processes");
  RunSilently(session, ToWide(*quiet), "the quiet uninstall command");
  report.Check(WaitUntil([&] { return ProcessesOfOurs(at).empty(); }, kInstallerMs),
               "no process of the program or its uninstaller is left", Joined(ProcessesOfOurs(at)));
  CheckExitedCleanly(session, *program);
  report.Check(!Exists(at.exe) && !Exists(at.console) && !Exists(at.uninstaller),
               "the program's files are gone");
  report.Check(!Exists(at.folder), "the program's folder is gone");
  report.Check(!Exists(at.shortcut), "the Start menu shortcut is gone");
}

const RegisteredScenarios kInstaller{
    {"pages",
     "the installer's pages: a new folder two levels deep passes the folder page, the last "
     "page starts the program from there and puts the console converter on the PATH; removed "
     "again afterwards, and off the PATH",
     InstallerPages},
    {"install",
     "silent install: both exes, shortcut, entry in installed programs, the PATH untouched; "
     "started from the shortcut, the icon shows today's stardate",
     SilentInstall},
    {"upgrade",
     "the installer over a running older copy: it closes, the new exe takes its place (also "
     "when the old file is held for a moment), the options stay",
     UpgradeOverRunningCopy},
    {"uninstall", "silent uninstall of a running copy: it closes; no file or process is left",
     SilentUninstall},
};

}  // namespace

}  // namespace e2e
