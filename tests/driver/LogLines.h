#pragma once
// What the platform's call log tells: its lines of some kinds, the writes to what the user keeps,
// and whether things were asked for in a given order.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {

// The log's lines that begin with one of the prefixes, in order.
inline std::vector<std::string> LinesStarting(const CallLog& log,
                                              std::initializer_list<std::string_view> prefixes) {
  std::vector<std::string> lines;
  for (const CallLog::Call& call : log.Calls()) {
    if (std::ranges::any_of(prefixes, [&](auto prefix) { return call.text.starts_with(prefix); })) {
      lines.push_back(call.text);
    }
  }
  return lines;
}

// The calls that change what the user keeps: the convention setting and the autostart's values.
inline bool IsKeptWrite(std::string_view line) {
  constexpr std::string_view kWrites[] = {"SaveSetting(", "DeleteSetting(", "SetRegValue(",
                                          "DeleteRegValue(", "DeleteRegKey("};
  return std::ranges::any_of(kWrites, [&](auto call) { return line.starts_with(call); });
}

inline std::vector<std::string> KeptWrites(const CallLog& log) {
  std::vector<std::string> writes;
  for (const CallLog::Call& call : log.Calls()) {
    if (IsKeptWrite(call.text)) writes.push_back(call.text);
  }
  return writes;
}

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
