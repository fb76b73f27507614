#include "console/OutputLines.h"

namespace kestal {

OutputLines::OutputLines(ByteSink& sink, std::size_t capacity) : sink_(sink), capacity_(capacity) {
  buffer_.reserve(capacity_);
}

void OutputLines::Line(std::string_view text) {
  if (failed_) return;
  if (buffer_.size() + text.size() + 1 > capacity_) Flush();
  buffer_.append(text);
  buffer_.push_back('\n');
}

bool OutputLines::Flush() {
  if (!failed_ && !buffer_.empty()) failed_ = !sink_.Write(buffer_);
  buffer_.clear();
  return !failed_;
}

}  // namespace kestal
