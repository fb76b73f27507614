#include <fstream>
#include <iterator>

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

}  // namespace

HeadlessResources::HeadlessResources(std::string resourceDir)
    : dir_(resourceDir.empty() ? SourceResources() : std::move(resourceDir)) {}

std::vector<uint8_t> HeadlessResources::Load(std::string_view type, int id) {
  std::vector<uint8_t> bytes;
  if (type == "STD_SOUND" && (id == 16 || id == 24)) {
    std::ifstream file(dir_ + "/sound" + std::to_string(id) + ".wav", std::ios::binary);
    if (file) bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  loads_.push_back({std::string(type), id, bytes});
  return bytes;
}

}  // namespace kestal::headless
