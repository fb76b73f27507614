#pragma once
// KestalDate.exe started fresh by the driver, so that its exit can be waited for and its exit
// code read. A program still running when this object goes is ended, so that a failed scenario
// never leaves it behind for the next one.
#include <windows.h>

#include <memory>
#include <string>

namespace e2e {

// The class of one of the program's windows: "KestalDate_" and the form's name.
std::wstring FormClass(const std::wstring& formName);

class RunningProgram {
 public:
  // Started as the tests start it, answering the driver's questions about its controls; with
  // `forTesting` false, as a user starts it.
  explicit RunningProgram(const std::wstring& exePath, bool forTesting = true);
  // Any other command (an installer, an uninstaller), started in the driver's folder.
  static std::unique_ptr<RunningProgram> OfCommand(std::wstring commandLine);
  // A copy that something else started (an installer), known by its start-up window; nullptr
  // when its process cannot be opened.
  static std::unique_ptr<RunningProgram> OfWindow(HWND form1);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_; }
  // The hidden start-up window (class "KestalDate_Form1", caption "Velorn") of this process.
  HWND WaitForForm1(DWORD timeoutMs);
  HWND Form1() const { return form1_; }
  // A window of the program's own class family ("KestalDate_" + name), visible or not.
  HWND FindForm(const std::wstring& formName, bool visibleOnly) const;
  HWND WaitForForm(const std::wstring& formName, DWORD timeoutMs) const;
  bool WaitForFormGone(const std::wstring& formName, DWORD timeoutMs) const;
  // Clicks the window's button (posted: the click may open a modal box) and waits until no window
  // of its kind is left.
  bool CloseWithButton(HWND form, int button, DWORD timeoutMs) const;
  // Visible top-level windows of the program, message boxes and menus included.
  int VisibleWindowCount() const;

  // Waits until the program has handled what it was sent and waits for input (painting done).
  bool WaitForIdle(DWORD timeoutMs) const;
  // The hidden window answers a message sent to it within the time: the program is not hung.
  bool Answers(DWORD timeoutMs) const;
  bool WaitForExit(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  void Terminate();

 private:
  RunningProgram() = default;
  void Start(const wchar_t* exePath, std::wstring commandLine, const wchar_t* folder);

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HWND form1_ = nullptr;
};

}  // namespace e2e
