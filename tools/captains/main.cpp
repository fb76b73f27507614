// Writes the two captains' pictures into the folder given (the project's resources/ folder).
#include <cstdio>
#include <string>

#include "tools/captains/Captains.h"
#include "tools/paint/ImageFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  using namespace kestal::tools;
  bool ok = WriteFile((folder + "/captain_classic.bmp").c_str(), ClassicCaptainFile());
  ok = WriteFile((folder + "/captain_ng.bmp").c_str(), NgCaptainFile()) && ok;
  if (!ok) std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
