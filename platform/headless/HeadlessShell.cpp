#include "platform/headless/Headless.h"

namespace kestal::headless {

std::intptr_t HeadlessShell::Open(std::string_view target) {
  log_.Add("OpenWithShell(" + std::string(target) + ")");
  opened.emplace_back(target);
  if (onOpen) onOpen();
  return result;
}

}  // namespace kestal::headless
