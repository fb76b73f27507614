#pragma once
// What --help and --version print.
#include <string>
#include <string_view>

namespace kestal {

std::string_view HelpText();
std::string VersionText();

}  // namespace kestal
