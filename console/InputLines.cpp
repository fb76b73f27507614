#include "console/InputLines.h"

#include <algorithm>
#include <cstring>

namespace kestal {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

InputLine Whole(std::string_view text) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return InputLine{text};
}

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t limit, std::size_t chunk)
    : source_(source),
      limit_(std::max<std::size_t>(limit, 1)),
      chunk_(std::max(chunk, kByteOrderMark.size())),
      size_(limit_ + chunk_),
      buffer_(std::make_unique_for_overwrite<char[]>(size_)) {}

void LineReader::Fill() {
  // What is still to be given moves to the front when too little room is left behind it; it is
  // never more than the limit, so a whole chunk then fits.
  if (size_ - end_ < chunk_ && begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const std::optional<std::size_t> read =
      source_.Read(buffer_.get() + end_, std::min(chunk_, size_ - end_));
  if (!read) failed_ = true;
  if (!read || *read == 0) {
    atEnd_ = true;
    return;
  }
  end_ += std::min(*read, size_ - end_);
}

std::optional<InputLine> LineReader::Next() {
  if (!started_) {
    // A byte order mark, as some Windows editors write one, is no part of the first line.
    started_ = true;
    while (end_ < kByteOrderMark.size() && !atEnd_) Fill();
    if (std::string_view(buffer_.get(), end_).starts_with(kByteOrderMark)) {
      begin_ = kByteOrderMark.size();
    }
  }
  for (;;) {
    const char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    // A line end within the limit's reach (or just past it: a line of exactly `limit` bytes).
    if (const void* found = std::memchr(start, '\n', std::min(available, limit_ + 1))) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
      begin_ += length + 1;
      return Whole(std::string_view(start, length));
    }
    if (available > limit_) {
      const InputLine line = Cut();
      if (failed_) return std::nullopt;
      return line;
    }
    if (atEnd_) {
      if (failed_ || available == 0) return std::nullopt;
      begin_ = end_;  // the last line, without a line end
      return Whole(std::string_view(start, available));
    }
    Fill();
  }
}

InputLine LineReader::Cut() {
  // The kept beginning goes to the front; behind it, what is read is looked through for the
  // line's end and dropped.
  std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  bool slash = false;
  for (;;) {
    const char* rest = buffer_.get() + limit_;
    const std::size_t restSize = end_ - limit_;
    const void* found = std::memchr(rest, '\n', restSize);
    const std::size_t before =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - rest) : restSize;
    slash = slash || std::memchr(rest, '/', before) != nullptr;
    if (found) {
      begin_ = limit_ + before + 1;
      break;
    }
    end_ = limit_;
    if (!atEnd_) Fill();
    if (atEnd_ && end_ == limit_) {
      begin_ = end_;
      break;
    }
  }
  return InputLine{std::string_view(buffer_.get(), limit_), true, slash};
}

}  // namespace kestal
