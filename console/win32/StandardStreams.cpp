#include "console/win32/StandardStreams.h"

#include <algorithm>
#include <cstring>

#include "text/Utf8.h"

namespace kestal::win32 {
namespace {

// Console calls are made in pieces no larger than this: older consoles refuse large buffers.
constexpr DWORD kConsoleUnits = 4096;
// Typed at the start of a line, Ctrl+Z ends the input, as the C library's reading has it.
constexpr wchar_t kEndOfInput = 0x1A;

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool IsHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

StandardInput::StandardInput(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

std::optional<std::size_t> StandardInput::Read(char* into, std::size_t most) {
  if (console_) return ReadConsoleText(into, most);
  // No standard input at all reads as an empty one.
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return 0;
  DWORD read = 0;
  const auto asked = static_cast<DWORD>(std::min<std::size_t>(most, 1u << 20));
  if (ReadFile(handle_, into, asked, &read, nullptr)) return read;
  // The writer of a pipe has closed it: that is its end.
  const DWORD error = GetLastError();
  if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
  return std::nullopt;
}

std::optional<std::size_t> StandardInput::ReadConsoleText(char* into, std::size_t most) {
  while (pending_.empty() && !ended_) {
    wchar_t units[kConsoleUnits];
    DWORD read = 0;
    if (!ReadConsoleW(handle_, units, kConsoleUnits, &read, nullptr)) return std::nullopt;
    if (read == 0) {
      ended_ = true;
      break;
    }
    std::u16string text;
    if (highHalf_ != 0) text.push_back(static_cast<char16_t>(highHalf_));
    highHalf_ = 0;
    const wchar_t* end = std::find(units, units + read, kEndOfInput);
    ended_ = end != units + read;
    for (const wchar_t* unit = units; unit != end; ++unit) {
      text.push_back(static_cast<char16_t>(*unit));
    }
    // A pair's first half at the end waits for its second, which the next read brings.
    if (!ended_ && !text.empty() && IsHighSurrogate(static_cast<wchar_t>(text.back()))) {
      highHalf_ = static_cast<wchar_t>(text.back());
      text.pop_back();
    }
    pending_ = Utf16ToUtf8(text);
  }
  const std::size_t count = std::min(most, pending_.size());
  std::memcpy(into, pending_.data(), count);
  pending_.erase(0, count);
  return count;
}

StandardOutput::StandardOutput(HANDLE handle) : handle_(handle), console_(IsConsole(handle)) {}

bool StandardOutput::Write(std::string_view bytes) {
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return false;
  if (console_) {
    // Whole lines come here, so no character is ever split between two writes.
    const std::u16string text = Utf8ToUtf16(bytes);
    for (std::size_t at = 0; at < text.size();) {
      auto count = static_cast<DWORD>(std::min<std::size_t>(text.size() - at, kConsoleUnits));
      if (at + count < text.size() && IsHighSurrogate(static_cast<wchar_t>(text[at + count - 1])))
        --count;
      DWORD written = 0;
      if (!WriteConsoleW(handle_, text.data() + at, count, &written, nullptr) || written == 0)
        return false;
      at += written;
    }
    return true;
  }
  lines_.clear();
  for (const char c : bytes) {
    if (c == '\n') lines_ += '\r';
    lines_ += c;
  }
  for (std::string_view rest = lines_; !rest.empty();) {
    DWORD written = 0;
    const auto count = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
    if (!WriteFile(handle_, rest.data(), count, &written, nullptr) || written == 0) return false;
    rest.remove_prefix(written);
  }
  return true;
}

}  // namespace kestal::win32
