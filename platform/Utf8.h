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
// UTF-8 form of one code point.
std::string EncodeUtf8(char32_t c);

}  // namespace kestal
