#pragma once
// How the program's windows are known from outside (the installer, another start of the
// program, the test driver): each form's window class and each control window's id.

namespace kestal {

// Each control window's id (GetDlgItem) is this base plus its index in the design.
inline constexpr int kControlIdBase = 100;
// Each form's window class is this prefix followed by the form's name ("KestalDate_Form1").
inline constexpr wchar_t kFormClassPrefix[] = L"KestalDate_";

}  // namespace kestal
