#pragma once
// The program's own resources (its pictures, icons and wave images), read as bytes.
#include <cstdint>
#include <string_view>
#include <vector>

namespace kestal {

class Resources {
 public:
  virtual ~Resources() = default;
  // The raw bytes of a resource of the program; empty when it is missing.
  virtual std::vector<uint8_t> Load(std::string_view type, int id) = 0;
};

}  // namespace kestal
