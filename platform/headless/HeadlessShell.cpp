#include <algorithm>
#include <cctype>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

bool Inside(std::string_view path, std::string_view folder) {
  while (folder.ends_with('\\')) folder.remove_suffix(1);
  return !folder.empty() && path.size() > folder.size() + 1 &&
         SameLetters(path.substr(0, folder.size()), folder) && path[folder.size()] == '\\';
}

}  // namespace

std::intptr_t HeadlessShell::Open(std::string_view target, WindowHandle owner) {
  log_.Add("OpenWithShell(" + std::string(target) + ")");
  opened.emplace_back(target);
  owners.push_back(owner);
  if (onOpen) onOpen();
  return result;
}

FolderKind HeadlessShell::FolderOf(std::string_view path) {
  if (Inside(path, temporaryFolder)) return FolderKind::Temporary;
  if (Inside(path, userFolder)) return FolderKind::User;
  return FolderKind::Shared;
}

bool HeadlessShell::SamePath(std::string_view a, std::string_view b) {
  return SameLetters(a, b);
}

bool HeadlessShell::FileExists(std::string_view path) {
  return SameLetters(path, executablePath) ||
         std::ranges::any_of(files,
                             [&](const std::string& file) { return SameLetters(path, file); });
}

}  // namespace kestal::headless
