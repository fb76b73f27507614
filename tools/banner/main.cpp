// Writes the conventions window's banner to the path given (the project's resources/banner.bmp).
#include <cstdio>

#include "tools/banner/Banner.h"
#include "tools/paint/ImageFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
    return 2;
  }
  if (kestal::tools::WriteFile(argv[1], kestal::tools::BannerFile())) return 0;
  std::fprintf(stderr, "cannot write %s\n", argv[1]);
  return 1;
}
