#include <algorithm>
#include <cctype>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The key path as stored: lower case, without a leading or trailing backslash.
std::string KeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return Lower(path);
}

std::string Where(RegistryRoot root, std::string_view path) {
  return std::string(root == RegistryRoot::LocalMachine ? "HKLM," : "HKCU,") + std::string(path);
}

// `key` is `path` itself or lies under it.
bool Under(const std::string& key, const std::string& path) {
  return key == path ||
         (key.size() > path.size() && key.starts_with(path) && key[path.size()] == '\\');
}

}  // namespace

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

HeadlessRegistry::HeadlessRegistry(CallLog& log) : log_(log) {
  keys_[RegistryRoot::LocalMachine][KeyPath(kRunKey)];
  keys_[RegistryRoot::CurrentUser][KeyPath(kRunKey)];
}

bool HeadlessRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
  const std::string wanted = KeyPath(path);
  // A key exists when it was created, or lies on the path of one that was.
  return wanted.empty() || std::ranges::any_of(keys_.at(root), [&](const auto& entry) {
           return Under(entry.first, wanted);
         });
}

std::optional<std::string> HeadlessRegistry::GetString(RegistryRoot root, std::string_view path,
                                                       std::string_view name) {
  log_.Add("GetRegValue(" + Where(root, path) + "," + std::string(name) + ")");
  const auto value = Get(root, path, name);
  if (!value || (value->type != Type::String && value->type != Type::ExpandString)) {
    return std::nullopt;
  }
  const std::string text = value->text.substr(0, value->text.find('\0'));
  return value->type == Type::String ? text : Expanded(text);
}

// %NAME% becomes the variable's value where it is set (names in any letter case), as Windows
// expands a value; anything else stays as it is.
std::string HeadlessRegistry::Expanded(std::string_view text) const {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t open = text.find('%', at), close = text.find('%', open + 1);
    if (open == std::string_view::npos || close == std::string_view::npos) {
      out += text.substr(at);
      break;
    }
    out += text.substr(at, open - at);
    const auto variable = environment.find(Lower(text.substr(open + 1, close - open - 1)));
    if (variable != environment.end()) {
      out += variable->second;
      at = close + 1;
    } else {
      out += '%';
      at = open + 1;
    }
  }
  return out;
}

bool HeadlessRegistry::SetString(RegistryRoot root, std::string_view path, std::string_view name,
                                 std::string_view text) {
  log_.Add("SetRegValue(" + Where(root, path) + "," + std::string(name) + "," + std::string(text) +
           ")");
  if (refused_[root]) return false;
  Put(root, path, name, String(std::string(text) + '\0'));
  return true;
}

std::optional<std::vector<uint8_t>> HeadlessRegistry::GetBinary(RegistryRoot root,
                                                                std::string_view path,
                                                                std::string_view name) {
  log_.Add("GetRegValue(" + Where(root, path) + "," + std::string(name) + ")");
  const auto value = Get(root, path, name);
  if (!value || value->type != Type::Binary) return std::nullopt;
  return std::vector<uint8_t>(value->text.begin(), value->text.end());
}

bool HeadlessRegistry::DeleteValue(RegistryRoot root, std::string_view path,
                                   std::string_view name) {
  log_.Add("DeleteRegValue(" + Where(root, path) + "," + std::string(name) + ")");
  if (refused_[root]) return false;
  auto keyIt = keys_[root].find(KeyPath(path));
  return keyIt != keys_[root].end() && keyIt->second.erase(Lower(name)) > 0;
}

bool HeadlessRegistry::DeleteKey(RegistryRoot root, std::string_view path) {
  log_.Add("DeleteRegKey(" + Where(root, path) + ")");
  if (refused_[root] || !KeyExists(root, path)) return false;
  const std::string gone = KeyPath(path);
  std::erase_if(keys_[root], [&](const auto& entry) { return Under(entry.first, gone); });
  return true;
}

void HeadlessRegistry::Put(RegistryRoot root, std::string_view path, std::string_view name,
                           Value value) {
  auto& values = keys_[root][KeyPath(path)];
  auto [it, added] = values.try_emplace(Lower(name), std::string(name), value);
  // Writing over a value keeps the letter case its name was first written in.
  if (!added) it->second.second = std::move(value);
}

std::optional<HeadlessRegistry::Value> HeadlessRegistry::Get(RegistryRoot root,
                                                             std::string_view path,
                                                             std::string_view name) const {
  const auto& keys = keys_.at(root);  // both roots are there from the start
  auto keyIt = keys.find(KeyPath(path));
  if (keyIt == keys.end()) return std::nullopt;
  auto valueIt = keyIt->second.find(Lower(name));
  if (valueIt == keyIt->second.end()) return std::nullopt;
  return valueIt->second.second;
}

}  // namespace kestal::headless
