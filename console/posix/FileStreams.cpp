#include "console/posix/FileStreams.h"

#include <unistd.h>

#include <cerrno>

namespace kestal::posix {

std::optional<std::size_t> FileSource::Read(char* into, std::size_t most) {
  for (;;) {
    const ssize_t read = ::read(descriptor_, into, most);
    if (read >= 0) return static_cast<std::size_t>(read);
    if (errno != EINTR) return std::nullopt;
  }
}

bool FileSink::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace kestal::posix
