#pragma once
// Text boxes count positions in characters: the text is edited as a sequence of code points.
// A byte that is not part of well-formed UTF-8 stands for one character of its own and comes
// back unchanged, so editing never damages text it doesn't touch.
#include <string>
#include <string_view>

namespace kestal::headless {

std::u32string DecodeCodePoints(std::string_view text);
std::string EncodeCodePoints(std::u32string_view chars);

}  // namespace kestal::headless
