#pragma once
// The text of the "Formati" box: the three input forms the window accepts.
#include <string>

namespace kestal {

std::string FormatsText();

}  // namespace kestal
