#pragma once
// The standard streams on Windows. A console is read and written in its own wide text, so that
// accented letters show whatever its code page; a file or a pipe is read and written as UTF-8,
// with Windows' CR LF at the end of each line written.
#include <string>

#include "console/Streams.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

class StandardInput : public ByteSource {
 public:
  explicit StandardInput(HANDLE handle);
  std::optional<std::size_t> Read(char* into, std::size_t most) override;

 private:
  std::optional<std::size_t> ReadConsoleText(char* into, std::size_t most);

  HANDLE handle_;
  bool console_;
  bool ended_ = false;
  std::string pending_;   // typed text converted but not yet given
  wchar_t highHalf_ = 0;  // the first half of a surrogate pair whose second is still to come
};

class StandardOutput : public ByteSink {
 public:
  explicit StandardOutput(HANDLE handle);
  bool Write(std::string_view bytes) override;

 private:
  HANDLE handle_;
  bool console_;
  std::string lines_;  // the bytes with CR LF line ends
};

}  // namespace kestal::win32
