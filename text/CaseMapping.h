#pragma once
// Upper case of one character, the same on every machine.

namespace kestal {

// Upper case of one character by the Unicode case mapping, accented letters included; a
// character without an upper-case form comes back unchanged.
char32_t UpperCaseChar(char32_t c);

}  // namespace kestal
