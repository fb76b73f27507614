// Replays inputs of the program's fuzz target and prints each as the list of actions it plays:
//   kestal_replay_actions FILE_OR_FOLDER...
// A failed check prints what failed after which action and aborts; 0 when every input played.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/program/ProgramPlayer.h"

namespace {

std::vector<std::filesystem::path> Inputs(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path = argv[i];
    if (!std::filesystem::is_directory(path)) {
      inputs.push_back(path);
      continue;
    }
    const auto first = static_cast<std::ptrdiff_t>(inputs.size());
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin() + first, inputs.end());
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kestal_replay_actions FILE_OR_FOLDER...\n");
    return 2;
  }
  const auto inputs = Inputs(argc, argv);
  for (const auto& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
      return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    std::printf("== %s (%zu bytes)\n", path.string().c_str(), bytes.size());
    std::fflush(stdout);
    kestal::fuzzing::PlayProgram(bytes.data(), bytes.size(), stdout);
    std::fflush(stdout);
  }
  std::printf("%zu inputs played, every check held\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
