#include "RunningProgram.h"

#include "Automation.h"
#include "Poll.h"
#include "WindowFinder.h"
#include "platform/win32/AutomationQuery.h"
#include "platform/win32/FormWindowIds.h"

namespace e2e {

std::wstring FormClass(const std::wstring& formName) {
  return kestal::kFormClassPrefix + formName;
}

RunningProgram::RunningProgram(const std::wstring& exePath, bool forTesting) {
  const std::wstring folder = exePath.substr(0, exePath.find_last_of(L"\\/") + 1);
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (forTesting) commandLine += std::wstring(L" ") + kestal::kAutomationSwitch;
  Start(exePath.c_str(), commandLine, folder.empty() ? nullptr : folder.c_str());
}

std::unique_ptr<RunningProgram> RunningProgram::OfCommand(std::wstring commandLine) {
  std::unique_ptr<RunningProgram> program(new RunningProgram());
  program->Start(nullptr, std::move(commandLine), nullptr);
  return program;
}

void RunningProgram::Start(const wchar_t* exePath, std::wstring commandLine,
                           const wchar_t* folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exePath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

std::unique_ptr<RunningProgram> RunningProgram::OfWindow(HWND form1) {
  std::unique_ptr<RunningProgram> program(new RunningProgram());
  program->id_ = ProcessOf(form1);
  program->process_ = OpenProcess(
      SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, program->id_);
  if (!program->process_) return nullptr;
  program->form1_ = form1;
  return program;
}

RunningProgram::~RunningProgram() {
  if (!process_) return;
  if (Running()) Terminate();
  CloseHandle(process_);
}

HWND RunningProgram::WaitForForm1(DWORD timeoutMs) {
  form1_ = WaitForTopLevel(WindowOfClass(FormClass(L"Form1")).Titled(L"Velorn").OfProcess(id_),
                           timeoutMs);
  return form1_;
}

HWND RunningProgram::FindForm(const std::wstring& formName, bool visibleOnly) const {
  WindowQuery query = WindowOfClass(FormClass(formName)).OfProcess(id_);
  if (visibleOnly) query.Visible();
  return FindTopLevel(query);
}

HWND RunningProgram::WaitForForm(const std::wstring& formName, DWORD timeoutMs) const {
  return WaitFor([&] { return FindForm(formName, true); }, timeoutMs);
}

bool RunningProgram::WaitForFormGone(const std::wstring& formName, DWORD timeoutMs) const {
  return WaitUntil([&] { return FindForm(formName, false) == nullptr; }, timeoutMs);
}

bool RunningProgram::CloseWithButton(HWND form, int button, DWORD timeoutMs) const {
  const std::wstring kind = ClassOf(form);
  PostMessageW(ControlWindow(form, button), BM_CLICK, 0, 0);
  return WaitUntil([&] { return !FindTopLevel(WindowOfClass(kind).OfProcess(id_)); }, timeoutMs);
}

int RunningProgram::VisibleWindowCount() const {
  return static_cast<int>(TopLevelWindows(WindowQuery{}.OfProcess(id_).Visible()).size());
}

bool RunningProgram::Answers(DWORD timeoutMs) const {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(Form1(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
}

bool RunningProgram::WaitForIdle(DWORD timeoutMs) const {
  return process_ && WaitForInputIdle(process_, timeoutMs) == 0;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs) {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool RunningProgram::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD RunningProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void RunningProgram::Terminate() {
  if (!process_) return;
  TerminateProcess(process_, 3);
  WaitForSingleObject(process_, 5000);
}

}  // namespace e2e
