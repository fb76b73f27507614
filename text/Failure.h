#pragma once
// The base of the program's own failures: a fixed message, given as a literal. It copies
// nothing, unlike std::runtime_error, whose message string would bring a second string
// implementation of the standard library into the exe.
#include <exception>

namespace kestal {

class Failure : public std::exception {
 public:
  explicit Failure(const char* message) noexcept : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

}  // namespace kestal
