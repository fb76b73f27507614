#pragma once
// Lines written in large pieces: the sink is given whole lines only, when the buffer is full and
// when asked to flush. After a failed write nothing more is written.
#include <cstddef>
#include <string>
#include <string_view>

#include "console/Streams.h"

namespace kestal {

class OutputLines {
 public:
  explicit OutputLines(ByteSink& sink, std::size_t capacity = 65536);
  OutputLines(const OutputLines&) = delete;
  OutputLines& operator=(const OutputLines&) = delete;

  // The text and a line end.
  void Line(std::string_view text);
  // Writes what is held; false when this or an earlier write failed.
  bool Flush();
  bool Failed() const { return failed_; }

 private:
  ByteSink& sink_;
  std::size_t capacity_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace kestal
