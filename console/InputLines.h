#pragma once
// The standard input as lines, in memory of one fixed size whatever comes: a line longer than the
// limit keeps its beginning and is marked cut, and the rest of it is skipped unseen but for one
// thing, whether it holds a "/" (what tells a classic stardate from a Next Generation one).
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "console/Streams.h"

namespace kestal {

// One input: a line of the standard input, or a word of the command line.
struct InputLine {
  std::string_view text;     // without its line end, "\n" or "\r\n"
  bool cut = false;          // longer than the limit: `text` is its beginning
  bool slashCutOff = false;  // a "/" lay in the part cut off
};

class LineReader {
 public:
  // `limit`: the most bytes of a line that are kept (at least 1); `chunk`: the most bytes read
  // at once. The memory taken is their sum, once.
  LineReader(ByteSource& source, std::size_t limit, std::size_t chunk = 65536);

  // The next line, valid until the next call; none at the end of the input, or when reading
  // failed (Failed() says so; a line that the failure broke off is not given).
  std::optional<InputLine> Next();
  bool Failed() const { return failed_; }

 private:
  void Fill();
  InputLine Cut();

  ByteSource& source_;
  std::size_t limit_;
  std::size_t chunk_;
  std::size_t size_;                // limit and chunk
  std::unique_ptr<char[]> buffer_;  // left as it comes: only what was read is looked at
  std::size_t begin_ = 0;           // the first byte not yet given
  std::size_t end_ = 0;             // one past the last byte read
  bool atEnd_ = false;
  bool failed_ = false;
  bool started_ = false;
};

}  // namespace kestal
