#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <optional>

#include "platform/win32/ComApartment.h"
#include "services/LinkOpening.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Trace.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

// A path of more than MAX_PATH characters reaches the file calls only in its "\\?\" form.
std::wstring ForFileCalls(std::wstring path) {
  if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) return path;
  if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
  if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  return path;  // a relative path has no such form
}

// The long form of an existing path (a short 8.3 name, as a long user name gives the temporary
// folder, would not compare equal to the long one); the path itself when it can't be had.
std::wstring LongForm(const std::wstring& path) {
  const std::wstring wanted = ForFileCalls(path);
  std::wstring longPath(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD length =
        GetLongPathNameW(wanted.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (length == 0) return path;
    if (length < longPath.size()) {
      longPath.resize(length);
      if (longPath.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + longPath.substr(8);
      if (longPath.starts_with(L"\\\\?\\")) return longPath.substr(4);
      return longPath;
    }
    longPath.resize(length);
  }
  return path;
}

// The same texts, letter case aside, as the file system compares names.
bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The path lies inside the folder.
bool Inside(const std::wstring& path, std::wstring folder) {
  if (folder.empty()) return false;
  if (folder.back() != L'\\') folder += L'\\';
  return path.size() > folder.size() &&
         SameName(std::wstring_view(path).substr(0, folder.size()), folder);
}

bool InsideEither(const std::wstring& path, const std::wstring& folder) {
  return Inside(path, folder) || Inside(path, LongForm(folder));
}

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

std::wstring ShellFolder(int csidl) {
  wchar_t folder[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))
             ? std::wstring(folder)
             : std::wstring();
}

// Whether the process runs with an administrator's full rights; none when it can't be told.
std::optional<bool> Elevated(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const UniqueHandle owned(token);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size)) {
    return std::nullopt;
  }
  return elevation.TokenIsElevated != 0;
}

// This copy has more rights than the signed-in user's desktop shell (Explorer, which owns the
// desktop and the taskbar): it was started as administrator where the user's own rights are
// less. Where the shell has the same rights (no such split, as under Wine), the user's rights are
// this copy's. When the shell's rights can't be read, they are taken to be less.
bool ElevatedAboveTheShell() {
  if (Elevated(GetCurrentProcess()) != true) return false;
  HWND shell = GetShellWindow();
  if (!shell) shell = FindWindowW(L"Shell_TrayWnd", nullptr);
  DWORD shellProcess = 0;
  if (!shell || !GetWindowThreadProcessId(shell, &shellProcess)) return true;
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, shellProcess));
  return !process || Elevated(process.get()) != true;
}

// A text for COM, freed when it goes.
class ComText {
 public:
  explicit ComText(std::wstring_view text)
      : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~ComText() { SysFreeString(text_); }
  ComText(const ComText&) = delete;
  ComText& operator=(const ComText&) = delete;
  BSTR get() const { return text_; }

 private:
  BSTR text_;
};

VARIANT Text(const ComText& text) {
  VARIANT value{};
  value.vt = VT_BSTR;
  value.bstrVal = text.get();
  return value;
}

// The desktop's own shell (Explorer's Shell.Application, reached through the desktop's folder
// view): what it opens runs as the signed-in user. Null when it can't be reached.
ComRef<IShellDispatch2> DesktopShell() {
  ComRef<IShellWindows> windows;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                    __uuidof(IShellWindows),
                                    reinterpret_cast<void**>(windows.put())))) {
    return {};
  }
  VARIANT desktopPlace{};
  desktopPlace.vt = VT_I4;
  desktopPlace.lVal = CSIDL_DESKTOP;
  VARIANT noRoot{};
  long desktopWindow = 0;
  ComRef<IDispatch> desktop;
  ComRef<IServiceProvider> services;
  ComRef<IShellBrowser> browser;
  ComRef<IShellView> view;
  ComRef<IDispatch> background;
  ComRef<IShellFolderViewDual> folder;
  ComRef<IDispatch> application;
  ComRef<IShellDispatch2> shell;
  if (windows.get()->FindWindowSW(&desktopPlace, &noRoot, SWC_DESKTOP, &desktopWindow,
                                  SWFO_NEEDDISPATCH, desktop.put()) != S_OK ||
      !desktop ||
      FAILED(desktop.get()->QueryInterface(__uuidof(IServiceProvider),
                                           reinterpret_cast<void**>(services.put()))) ||
      FAILED(services.get()->QueryService(SID_STopLevelBrowser, __uuidof(IShellBrowser),
                                          reinterpret_cast<void**>(browser.put()))) ||
      FAILED(browser.get()->QueryActiveShellView(view.put())) ||
      FAILED(view.get()->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch),
                                       reinterpret_cast<void**>(background.put()))) ||
      FAILED(background.get()->QueryInterface(__uuidof(IShellFolderViewDual),
                                              reinterpret_cast<void**>(folder.put()))) ||
      FAILED(folder.get()->get_Application(application.put())) || !application ||
      FAILED(application.get()->QueryInterface(__uuidof(IShellDispatch2),
                                               reinterpret_cast<void**>(shell.put())))) {
    return {};
  }
  return shell;
}

bool OpenThroughDesktop(const std::wstring& target) {
  const ComRef<IShellDispatch2> shell = DesktopShell();
  if (!shell) {
    Trace(L"the desktop's shell can't be reached: the link is not opened with our rights");
    return false;
  }
  // What opens comes from Explorer: it may come to the front.
  AllowSetForegroundWindow(ASFW_ANY);
  const ComText file(target), empty(L""), verb(L"open");
  VARIANT show{};
  show.vt = VT_I4;
  show.lVal = SW_SHOWNORMAL;
  return SUCCEEDED(
      shell.get()->ShellExecute(file.get(), Text(empty), Text(empty), Text(verb), show));
}

}  // namespace

std::intptr_t Win32Shell::Open(std::string_view target, WindowHandle owner) {
  // The shell's handlers, and the desktop's shell, use COM.
  EnterComApartment();
  const std::wstring file = Wide(target);
  return OpenLinkAsUser(
      ElevatedAboveTheShell(), [&] { return OpenThroughDesktop(file); },
      [&] {
        // Owned by the window that asks, so that the shell's own messages show in front of it;
        // with empty (not absent) parameters and folder, shown normally.
        return reinterpret_cast<std::intptr_t>(ShellExecuteW(
            reinterpret_cast<HWND>(owner), L"Open", file.c_str(), L"", L"", SW_SHOWNORMAL));
      });
}

std::string Win32Shell::ExecutablePath() {
  // Long paths don't fit MAX_PATH: grow until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

FolderKind Win32Shell::FolderOf(std::string_view path) {
  const std::wstring full = LongForm(Wide(path));
  if (InsideEither(full, TemporaryFolder())) return FolderKind::Temporary;
  // The profile holds the others unless they were moved (to another drive or a network share).
  for (int csidl : {CSIDL_PROFILE, CSIDL_LOCAL_APPDATA, CSIDL_APPDATA, CSIDL_DESKTOPDIRECTORY,
                    CSIDL_PERSONAL}) {
    if (InsideEither(full, ShellFolder(csidl))) return FolderKind::User;
  }
  return FolderKind::Shared;
}

bool Win32Shell::SamePath(std::string_view a, std::string_view b) {
  return SameName(Wide(a), Wide(b));
}

bool Win32Shell::FileExists(std::string_view path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(ForFileCalls(Wide(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace kestal::win32
