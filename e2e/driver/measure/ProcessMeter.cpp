#include "measure/ProcessMeter.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "WindowFinder.h"

namespace e2e {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

ProcessMeter::ProcessMeter(const RunningProgram& program, const std::wstring& exePath)
    : process_(program.Handle()),
      processId_(program.Id()),
      exeName_(exePath.substr(exePath.find_last_of(L"\\/") + 1)) {}

namespace {

// A Linux path as Wine's Z: drive shows it.
std::wstring OnDriveZ(const std::string& path) {
  std::wstring windowsPath = L"Z:";
  for (char c : path) windowsPath += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return windowsPath;
}

// A whole Linux file, read through the Z: drive ("/proc/1/status" and the like).
std::optional<std::string> ReadLinuxFile(const std::string& path) {
  HANDLE file =
      CreateFileW(OnDriveZ(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    text.append(buffer, read);
  CloseHandle(file);
  return text;
}

// The number after "name:" in a /proc file of "name: value [kB]" lines (kB turned to bytes).
std::optional<uint64_t> Field(const std::string& text, const std::string& name) {
  size_t at = 0;
  while ((at = text.find(name + ":", at)) != std::string::npos) {
    if (at == 0 || text[at - 1] == '\n') {
      const char* value = text.c_str() + at + name.size() + 1;
      char* end = nullptr;
      const uint64_t number = std::strtoull(value, &end, 10);
      while (*end == ' ' || *end == '\t') ++end;
      return end[0] == 'k' && end[1] == 'B' ? number * 1024 : number;
    }
    at += name.size();
  }
  return std::nullopt;
}

// When a process started (in clock ticks since boot): the 22nd field of /proc/N/stat, counted
// after the command name, which is in parentheses and may hold blanks.
uint64_t StartTime(const std::string& stat) {
  size_t at = stat.rfind(')');
  if (at == std::string::npos) return 0;
  for (int field = 2; field < 22 && at != std::string::npos; ++field) at = stat.find(' ', at + 1);
  return at == std::string::npos ? 0 : std::strtoull(stat.c_str() + at + 1, nullptr, 10);
}

// The anonymous memory of the mappings of a /proc/N/smaps text that `counts(first line, start
// address, end address)` picks.
template <typename Counts>
uint64_t AnonymousOf(const std::string& smaps, Counts counts) {
  uint64_t total = 0;
  bool counted = false;
  size_t start = 0;
  while (start < smaps.size()) {
    size_t end = smaps.find('\n', start);
    if (end == std::string::npos) end = smaps.size();
    const std::string line = smaps.substr(start, end - start);
    start = end + 1;
    // A mapping's first line starts with its address range ("55d0c000-55d2d000 rw-p ...").
    const size_t dash = line.find('-');
    if (dash != std::string::npos && dash > 0 && line.find(':') > dash &&
        isxdigit(static_cast<unsigned char>(line[0]))) {
      const uint64_t from = std::strtoull(line.c_str(), nullptr, 16);
      const uint64_t to = std::strtoull(line.c_str() + dash + 1, nullptr, 16);
      counted = counts(line, from, to);
    } else if (counted && line.compare(0, 10, "Anonymous:") == 0) {
      total += Field(line, "Anonymous").value_or(0);
    }
  }
  return total;
}

bool IsUnixHeap(const std::string& line) {
  return line.size() >= 6 && line.compare(line.size() - 6, 6, "[heap]") == 0;
}

// Where the stack of each thread of the process lies: an address inside it (the TEB's stack
// limit, read from the process).
std::vector<uint64_t> ThreadStacks(HANDLE process, DWORD processId) {
  std::vector<uint64_t> stacks;
  using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (!query || snapshot == INVALID_HANDLE_VALUE) return stacks;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    struct {
      LONG exitStatus;
      void* teb;
      void* clientId[2];
      ULONG_PTR affinity;
      LONG priority, basePriority;
    } basic{};
    NT_TIB tib{};
    if (query(thread, 0 /* ThreadBasicInformation */, &basic, sizeof(basic), nullptr) == 0 &&
        ReadProcessMemory(process, basic.teb, &tib, sizeof(tib), nullptr)) {
      stacks.push_back(reinterpret_cast<uint64_t>(tib.StackLimit));
    }
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return stacks;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

// The file name at the end of a Linux process's first argument (Wine puts the exe's path there).
std::wstring CommandName(const std::string& cmdline) {
  const std::string first = cmdline.substr(0, cmdline.find('\0'));
  const size_t slash = first.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? first : first.substr(slash + 1);
  return Lower(std::wstring(name.begin(), name.end()));
}

// The numbered entries of a Linux folder (processes in /proc, threads in /proc/N/task).
std::vector<int> NumberedEntries(const std::string& folder) {
  std::vector<int> numbers;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((OnDriveZ(folder) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return numbers;
  do {
    if (iswdigit(found.cFileName[0])) numbers.push_back(_wtoi(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return numbers;
}

}  // namespace

std::optional<int> ProcessMeter::UnixProcessId() {
  if (unixPid_ || !RunningUnderWine()) return unixPid_;
  // Should an older copy of the program still run, the one started last is the one measured.
  const std::wstring wanted = Lower(exeName_);
  uint64_t latestStart = 0;
  for (int pid : NumberedEntries("/proc")) {
    const std::string folder = "/proc/" + std::to_string(pid);
    const auto cmdline = ReadLinuxFile(folder + "/cmdline");
    if (!cmdline || CommandName(*cmdline) != wanted) continue;
    const uint64_t started = StartTime(ReadLinuxFile(folder + "/stat").value_or(""));
    if (!unixPid_ || started >= latestStart) {
      unixPid_ = pid;
      latestStart = started;
    }
  }
  return unixPid_;
}

std::optional<MemoryFigures> ProcessMeter::Memory() {
  if (RunningUnderWine()) {
    const auto pid = UnixProcessId();
    if (!pid) return std::nullopt;
    const std::string folder = "/proc/" + std::to_string(*pid);
    const auto rollup = ReadLinuxFile(folder + "/smaps_rollup");
    const auto status = ReadLinuxFile(folder + "/status");
    if (!rollup || !status) return std::nullopt;
    // Windows' private bytes leave out image pages, which can be shared; Linux's anonymous
    // memory does too (a page of the exe written to becomes anonymous), and so does swap.
    const auto anonymous = Field(*rollup, "Anonymous"), swapped = Field(*rollup, "Swap"),
               peak = Field(*status, "VmHWM");
    if (!anonymous || !peak) return std::nullopt;
    const std::string smaps = ReadLinuxFile(folder + "/smaps").value_or("");
    const std::vector<uint64_t> stacks = ThreadStacks(process_, processId_);
    const uint64_t stackBytes =
        AnonymousOf(smaps, [&](const std::string&, uint64_t from, uint64_t to) {
          return std::any_of(stacks.begin(), stacks.end(),
                             [&](uint64_t at) { return at >= from && at < to; });
        });
    return MemoryFigures{*anonymous + swapped.value_or(0), *peak,
                         AnonymousOf(smaps, [](const std::string& line, uint64_t,
                                               uint64_t) { return IsUnixHeap(line); }),
                         stackBytes};
  }
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof(counters)))
    return std::nullopt;
  return MemoryFigures{counters.PrivateUsage, counters.PeakWorkingSetSize};
}

namespace {

// One entry of the GDI handle table that the system maps into every GUI process (the PEB
// points at it); an entry in use has a type.
struct GdiHandleEntry {
  uint64_t kernelObject;
  uint16_t processId;
  uint16_t count;
  uint16_t upper;
  uint16_t type;
  uint64_t userObject;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kGdiTableEntries = 65536;

}  // namespace

std::optional<int> ProcessMeter::GdiObjects() const {
  if (const DWORD count = GetGuiResources(process_, GR_GDIOBJECTS); count > 0)
    return static_cast<int>(count);
  // Wine gives no count: the handle table tells.
  const auto types = GdiObjectTypes();
  if (!types) return std::nullopt;
  int used = 0;
  for (const auto& [type, count] : *types) used += count;
  return used;
}

std::optional<std::map<int, int>> ProcessMeter::GdiObjectTypes() const {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process_, ProcessBasicInformation, &basic, sizeof(basic),
                                &length) != 0)
    return std::nullopt;
  uint64_t table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(
          process_,
          static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTableOffset, &table,
          sizeof(table), &read) ||
      table == 0)
    return std::nullopt;
  std::vector<GdiHandleEntry> chunk(4096);
  std::map<int, int> types;
  for (size_t first = 0; first < kGdiTableEntries; first += chunk.size()) {
    const auto address = reinterpret_cast<const void*>(table + first * sizeof(GdiHandleEntry));
    if (!ReadProcessMemory(process_, address, chunk.data(), chunk.size() * sizeof(GdiHandleEntry),
                           &read))
      break;
    for (const auto& entry : chunk) {
      // Under Windows the table is shared by the session: only this process's entries count.
      if (entry.type != 0 && (RunningUnderWine() || entry.processId == (processId_ & 0xFFFF)))
        ++types[entry.type];
    }
  }
  return types;
}

int ProcessMeter::Windows() const {
  size_t count = 0;
  for (HWND window : TopLevelWindows(WindowQuery{}.OfProcess(processId_)))
    count += 1 + ChildWindows(window).size();
  return static_cast<int>(count);
}

bool ProcessMeter::HasLoaded(const std::wstring& libraryName) const {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModulesEx(process_, modules, sizeof(modules), &bytes, LIST_MODULES_ALL))
    return false;
  const std::wstring wanted = Lower(libraryName);
  for (DWORD k = 0; k < bytes / sizeof(HMODULE) && k < std::size(modules); ++k) {
    wchar_t name[MAX_PATH];
    if (GetModuleBaseNameW(process_, modules[k], name, MAX_PATH) && Lower(name) == wanted)
      return true;
  }
  return false;
}

std::optional<uint64_t> ProcessMeter::ContextSwitches() {
  const auto pid = UnixProcessId();
  if (!pid) return std::nullopt;
  const std::string tasks = "/proc/" + std::to_string(*pid) + "/task";
  uint64_t total = 0;
  bool any = false;
  for (int thread : NumberedEntries(tasks)) {
    const auto status = ReadLinuxFile(tasks + "/" + std::to_string(thread) + "/status");
    if (!status) continue;
    total += Field(*status, "voluntary_ctxt_switches").value_or(0) +
             Field(*status, "nonvoluntary_ctxt_switches").value_or(0);
    any = true;
  }
  if (!any) return std::nullopt;
  return total;
}

}  // namespace e2e
