// Writes the two window sounds into the folder given (the project's resources/ folder).
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sounds/WindowSounds.h"

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = Write(folder + "/sound16.wav", kestal::tools::OpenSoundImage());
  ok = Write(folder + "/sound24.wav", kestal::tools::CloseSoundImage()) && ok;
  if (!ok) std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
