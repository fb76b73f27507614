#include <algorithm>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

bool Inside(std::string_view path, std::string_view folder) {
  while (folder.ends_with('\\')) folder.remove_suffix(1);
  return !folder.empty() && path.size() > folder.size() + 1 &&
         Lower(path.substr(0, folder.size())) == Lower(folder) && path[folder.size()] == '\\';
}

}  // namespace

std::intptr_t HeadlessShell::Open(std::string_view target, WindowHandle owner) {
  log_.Add("OpenWithShell(" + std::string(target) + ")", OpenRecord{std::string(target), owner});
  if (onOpen) onOpen();
  return result;
}

FolderKind HeadlessShell::FolderOf(std::string_view path) {
  if (Inside(path, temporaryFolder)) return FolderKind::Temporary;
  if (Inside(path, userFolder)) return FolderKind::User;
  return FolderKind::Shared;
}

bool HeadlessShell::SamePath(std::string_view a, std::string_view b) {
  return Lower(a) == Lower(b);
}

bool HeadlessShell::FileExists(std::string_view path) {
  return SamePath(path, executablePath) ||
         std::ranges::any_of(files, [&](const std::string& file) { return SamePath(path, file); });
}

}  // namespace kestal::headless
