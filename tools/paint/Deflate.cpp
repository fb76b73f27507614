#include "tools/paint/Deflate.h"

#include <cstdlib>

extern "C" {
#include <zopfli/zopfli.h>
}

namespace kestal::tools {

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data, Effort effort) {
  ZopfliOptions options;
  ZopfliInitOptions(&options);
  options.numiterations = effort == Effort::Quick ? 1 : 15;
  unsigned char* out = nullptr;
  std::size_t outSize = 0;
  ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, data.data(), data.size(), &out, &outSize);
  std::vector<std::uint8_t> stream(out, out + outSize);
  std::free(out);
  return stream;
}

}  // namespace kestal::tools
