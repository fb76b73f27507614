#pragma once
// The standard streams of a POSIX system, by their file descriptors.
#include "console/Streams.h"

namespace kestal::posix {

class FileSource : public ByteSource {
 public:
  explicit FileSource(int descriptor) : descriptor_(descriptor) {}
  std::optional<std::size_t> Read(char* into, std::size_t most) override;

 private:
  int descriptor_;
};

class FileSink : public ByteSink {
 public:
  explicit FileSink(int descriptor) : descriptor_(descriptor) {}
  bool Write(std::string_view bytes) override;

 private:
  int descriptor_;
};

}  // namespace kestal::posix
