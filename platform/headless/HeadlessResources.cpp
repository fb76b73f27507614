#include <fstream>
#include <iterator>
#include <map>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

// This file lies in platform/headless/ of the source tree.
std::string SourceResources() {
  std::string path = __FILE__;
  for (int up = 0; up < 3; ++up) {
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return "resources";
    path.erase(slash);
  }
  return path + "/resources";
}

// The committed files do not change while a process runs: each is read once.
const std::vector<uint8_t>& FileBytes(const std::string& path) {
  static std::map<std::string, std::vector<uint8_t>> read;
  auto [it, first] = read.try_emplace(path);
  if (first) {
    std::ifstream file(path, std::ios::binary);
    if (file) {
      it->second.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
  }
  return it->second;
}

}  // namespace

HeadlessResources::HeadlessResources(std::string resourceDir)
    : dir_(resourceDir.empty() ? SourceResources() : std::move(resourceDir)) {}

std::vector<uint8_t> HeadlessResources::Load(std::string_view type, int id) {
  std::vector<uint8_t> bytes;
  if (type == "STD_SOUND" && (id == 16 || id == 24)) {
    bytes = FileBytes(dir_ + "/sound" + std::to_string(id) + ".wav");
  }
  loads_.push_back({std::string(type), id, bytes});
  return bytes;
}

}  // namespace kestal::headless
