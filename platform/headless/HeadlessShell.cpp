#include "platform/headless/Headless.h"

namespace kestal::headless {

std::intptr_t HeadlessShell::ShellExecute(WindowHandle owner, std::string_view verb,
                                          std::string_view file, std::string_view parameters,
                                          std::string_view directory, int showCommand) {
  log_.Add("ShellExecute(" + std::string(verb) + "," + std::string(file) + ")");
  opened.push_back({std::string(verb), std::string(file), std::string(parameters),
                    std::string(directory), showCommand, owner});
  if (onExecute) onExecute();
  return result;
}

}  // namespace kestal::headless
