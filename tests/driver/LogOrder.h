#pragma once
// Whether the platform was asked for things in a given order, as its call log tells.
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {

// The steps the log does not hold in the order given, each a line's beginning looked for after
// the line the step before it matched: none when every step came, in order.
inline std::vector<std::string> NotInOrder(const CallLog& log,
                                           const std::vector<std::string_view>& steps) {
  std::vector<std::string> missing;
  const std::vector<CallLog::Call>& calls = log.Calls();
  std::size_t at = 0;
  for (const std::string_view step : steps) {
    std::size_t found = at;
    while (found < calls.size() && !calls[found].text.starts_with(step)) ++found;
    if (found == calls.size()) {
      missing.emplace_back(step);
    } else {
      at = found + 1;
    }
  }
  return missing;
}

}  // namespace kestal::headless
