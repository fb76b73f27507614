#pragma once
// Whether the platform was asked for things in a given order, as its call log tells.
#include <string>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {

// The steps from the first the log lacks in the order given, each a line's beginning looked for
// after the line the step before it matched: none when every step came, in order.
inline std::vector<std::string> NotInOrder(const CallLog& log, std::vector<std::string> steps) {
  std::size_t at = 0;
  for (auto step = steps.begin(); step != steps.end(); ++step, ++at) {
    while (at < log.Calls().size() && !log.Calls()[at].text.starts_with(*step)) ++at;
    if (at == log.Calls().size()) return {step, steps.end()};
  }
  return {};
}

}  // namespace kestal::headless
