#pragma once
// Where the console reads its input and writes its lines: bytes in, bytes out. The programs give
// the system's standard streams; the tests and the fuzz target give texts in memory.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace kestal {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `most` bytes (`most` is at least 1): how many were read, 0 at the end of the input,
  // none when reading failed.
  virtual std::optional<std::size_t> Read(char* into, std::size_t most) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all the bytes; false when they could not all be written.
  virtual bool Write(std::string_view bytes) = 0;
};

// A text in memory, given out at most `piece` bytes at a time, as a pipe gives its input.
class TextSource : public ByteSource {
 public:
  explicit TextSource(std::string_view text, std::size_t piece = 65536)
      : text_(text), piece_(std::max<std::size_t>(piece, 1)) {}
  std::optional<std::size_t> Read(char* into, std::size_t most) override {
    const std::size_t count = std::min({most, piece_, text_.size()});
    if (count > 0) std::memcpy(into, text_.data(), count);
    text_.remove_prefix(count);
    return count;
  }

 private:
  std::string_view text_;
  std::size_t piece_;
};

// Keeps what is written.
class TextSink : public ByteSink {
 public:
  bool Write(std::string_view bytes) override {
    text.append(bytes);
    return true;
  }
  std::string text;
};

}  // namespace kestal
