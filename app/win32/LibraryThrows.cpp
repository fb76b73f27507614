// The standard library reports a misused string or container through these functions. Its own
// definitions build std::length_error and its kin, whose messages are strings of the library's
// older string implementation: they bring that implementation, and a second copy of the current
// one, into the exe (about 50 KB) for messages no user ever reads. The exe defines them itself,
// ahead of the library: the small standard exceptions where there are such, elsewhere a Failure
// with the library's message, which `catch (const std::exception&)` takes all the same.
#include <new>
#include <string>

#include "text/Failure.h"

#ifdef __GLIBCXX__
namespace std {

void __throw_bad_alloc() {
  throw bad_alloc();
}

void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}

void __throw_length_error(const char* message) {
  throw kestal::Failure(message);
}

void __throw_logic_error(const char* message) {
  throw kestal::Failure(message);
}

void __throw_out_of_range_fmt(const char* format, ...) {
  throw kestal::Failure(format);
}

}  // namespace std
#endif
