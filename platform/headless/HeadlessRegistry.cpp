#include <algorithm>
#include <cctype>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

// Error codes of the platform.
constexpr long kOk = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;

constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The key path as stored: lower case, without a leading or trailing backslash.
std::string KeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return Lower(path);
}

std::string RootName(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? "HKLM" : "HKCU";
}

}  // namespace

HeadlessRegistry::HeadlessRegistry(CallLog& log) : log_(log) {
  keys_[RegistryRoot::LocalMachine][KeyPath(kRunKey)];
  keys_[RegistryRoot::CurrentUser][KeyPath(kRunKey)];
}

bool HeadlessRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
  const std::string wanted = KeyPath(path);
  if (wanted.empty()) return true;  // the root itself
  auto rootIt = keys_.find(root);
  if (rootIt == keys_.end()) return false;
  // A key exists when it was created, or lies on the path of one that was.
  for (const auto& [key, values] : rootIt->second) {
    if (key == wanted ||
        (key.size() > wanted.size() && key.starts_with(wanted) && key[wanted.size()] == '\\')) {
      return true;
    }
  }
  return false;
}

void HeadlessRegistry::RemoveKey(RegistryRoot root, std::string_view path) {
  const std::string gone = KeyPath(path);
  std::erase_if(keys_[root], [&](const auto& entry) {
    return entry.first == gone ||
           (entry.first.starts_with(gone) && entry.first.size() > gone.size() &&
            entry.first[gone.size()] == '\\');
  });
}

long HeadlessRegistry::OpenKey(RegistryRoot root, std::string_view path, RegistryKey& key) {
  log_.Add("RegOpenKey(" + RootName(root) + "," + std::string(path) + ")");
  key = 0;
  if (!KeyExists(root, path)) return kFileNotFound;
  key = nextKey_++;
  handles_[key] = {root, KeyPath(path)};
  return kOk;
}

long HeadlessRegistry::CreateKey(RegistryRoot root, std::string_view path, RegistryKey& key) {
  log_.Add("RegCreateKey(" + RootName(root) + "," + std::string(path) + ")");
  key = 0;
  if (refused_[root]) return kAccessDenied;
  keys_[root][KeyPath(path)];
  key = nextKey_++;
  handles_[key] = {root, KeyPath(path)};
  return kOk;
}

long HeadlessRegistry::QueryValue(RegistryKey key, std::string_view name, uint32_t& type,
                                  std::string* text) {
  log_.Add("RegQueryValue(" + std::to_string(key) + "," + std::string(name) + ")");
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return kInvalidHandle;
  const auto& [root, path] = handle->second;
  auto found = Get(root, path, name);
  if (!found) return kFileNotFound;
  type = found->type;
  if (text) *text = found->data;
  return kOk;
}

long HeadlessRegistry::SetStringValue(RegistryKey key, std::string_view name,
                                      std::string_view text) {
  log_.Add("RegSetValue(" + std::to_string(key) + "," + std::string(name) + "," +
           std::string(text) + ")");
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return kInvalidHandle;
  const auto& [root, path] = handle->second;
  if (refused_[root]) return kAccessDenied;
  Put(root, path, name, {kRegSz, std::string(text) + '\0'});
  return kOk;
}

long HeadlessRegistry::DeleteValue(RegistryKey key, std::string_view name) {
  log_.Add("RegDeleteValue(" + std::to_string(key) + "," + std::string(name) + ")");
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return kInvalidHandle;
  const auto& [root, path] = handle->second;
  if (refused_[root]) return kAccessDenied;
  auto keyIt = keys_[root].find(path);
  if (keyIt == keys_[root].end()) return kFileNotFound;
  return keyIt->second.erase(Lower(name)) > 0 ? kOk : kFileNotFound;
}

long HeadlessRegistry::CloseKey(RegistryKey key) {
  log_.Add("RegCloseKey(" + std::to_string(key) + ")");
  return handles_.erase(key) > 0 ? kOk : kInvalidHandle;
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
  auto rootIt = keys_.find(root);
  if (rootIt == keys_.end()) return std::nullopt;
  auto keyIt = rootIt->second.find(KeyPath(path));
  if (keyIt == rootIt->second.end()) return std::nullopt;
  auto valueIt = keyIt->second.find(Lower(name));
  if (valueIt == keyIt->second.end()) return std::nullopt;
  return valueIt->second.second;
}

int HeadlessRegistry::OpenHandles() const {
  return static_cast<int>(handles_.size());
}

}  // namespace kestal::headless
