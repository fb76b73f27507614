#pragma once
// UTF-8 helpers. Positions and lengths count characters (code points), never bytes.
#include <string>
#include <string_view>

namespace kestal {

// Number of characters; each invalid byte counts as one character.
std::size_t CharCount(std::string_view text);
// Byte offset of character index `chars` (clamped to the end of the text).
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t chars);
// Characters [start, start + count) of the text (clamped).
std::string_view CharSlice(std::string_view text, std::size_t start, std::size_t count);
// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// What stands for a character that can't be read or written.
inline constexpr char32_t kReplacementChar = 0xFFFD;

// One character of a text: its code point and its length in bytes. An invalid byte (a stray
// continuation byte, a truncated, overlong or surrogate sequence, a value past U+10FFFF) is a
// character of one byte with `valid` false.
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 1;
  bool valid = false;
};
// The character that starts at byte `offset` (which must lie inside the text).
Utf8Char DecodeUtf8At(std::string_view text, std::size_t offset);
// Appends the UTF-8 form of one code point (U+FFFD for a surrogate or a value past U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// UTF-16, as the platform's wide texts are. Each byte that does not start a well-formed sequence
// becomes U+FFFD, and so does an unpaired surrogate the other way; NULs are kept.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kestal
