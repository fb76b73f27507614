// Writes the program's icon to the path given (the project's resources/kestal.ico).
#include <cstdio>

#include "tools/icon/KestalIcon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
    return 2;
  }
  if (kestal::tools::WriteFile(argv[1], kestal::tools::KestalIconFile())) return 0;
  std::fprintf(stderr, "cannot write %s\n", argv[1]);
  return 1;
}
