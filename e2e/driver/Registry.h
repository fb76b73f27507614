#pragma once
// Reading and preparing the registry values the program keeps (the convention setting and the
// autostart value), through the same registry the program uses.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kSettingsKey[] = L"Software\\KestalDate\\Impostazioni";
inline constexpr wchar_t kSettingsRoot[] = L"Software\\KestalDate";
inline constexpr wchar_t kSettingName[] = L"Data";
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"KestalDate";
// Where Windows marks the autostart values that the user turned on or off in its list of
// start-up apps, under the same value name.
inline constexpr wchar_t kStartupApprovedKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// REG_SZ values only: any other type reads as nothing.
std::optional<std::string> ReadString(HKEY root, const wchar_t* key, const wchar_t* name);
bool WriteString(HKEY root, const wchar_t* key, const wchar_t* name, const std::string& value);
// A text of the types that `flags` (RRF_RT_*, RRF_NOEXPAND) admit, and the type it has.
std::optional<std::wstring> ReadWideValue(HKEY root, const wchar_t* key, const wchar_t* name,
                                          DWORD flags, DWORD* type = nullptr);
bool WriteWideValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type,
                    const std::wstring& value);
bool WriteBinary(HKEY root, const wchar_t* key, const wchar_t* name,
                 const std::vector<BYTE>& value);
bool DeleteValue(HKEY root, const wchar_t* key, const wchar_t* name);
// A value of any type is there.
bool ValueExists(HKEY root, const wchar_t* key, const wchar_t* name);
// Removes the key with everything under it; true also when it was not there.
bool DeleteTree(HKEY root, const wchar_t* key);
bool KeyExists(HKEY root, const wchar_t* key);

}  // namespace e2e
