#pragma once
// The shell: opening a web address or a "mailto:" link, and where the running program lives.
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/WindowHandle.h"

namespace kestal {

// The kind of folder a file lies in, for what may be kept pointing at it.
enum class FolderKind {
  Temporary,  // the temporary folder or one beneath it (a zip opened without extracting)
  User,       // the current user's own folders (profile, application data)
  Shared,     // anywhere else
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to open the target with the program the user has for it, on behalf of the
  // owner window (so that what opens, or the shell's message, comes to the front); the shell's
  // result code (above 32 when it took the request).
  virtual std::intptr_t Open(std::string_view target, WindowHandle owner) = 0;
  // Full path of the running executable.
  virtual std::string ExecutablePath() = 0;
  // Which kind of folder the full path lies in; a temporary folder counts before the user's own
  // (it usually lies inside the profile).
  virtual FolderKind FolderOf(std::string_view path) = 0;
  // True when a file (not a folder) is at the full path.
  virtual bool FileExists(std::string_view path) = 0;
  // True when two full paths are the same, letter case aside, as the file system compares them.
  virtual bool SamePath(std::string_view a, std::string_view b) = 0;
};

}  // namespace kestal
