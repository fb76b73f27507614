#include <shlobj.h>

#include "platform/win32/ComApartment.h"
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

}  // namespace

std::intptr_t Win32Shell::Open(std::string_view target, WindowHandle owner) {
  // Owned by the window that asks, so that the shell's own messages show in front of it; with
  // empty (not absent) parameters and folder, shown normally. The shell's handlers may use COM.
  EnterComApartment();
  const std::wstring file = Wide(target);
  HINSTANCE result =
      ShellExecuteW(reinterpret_cast<HWND>(owner), L"Open", file.c_str(), L"", L"", SW_SHOWNORMAL);
  return reinterpret_cast<std::intptr_t>(result);
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
