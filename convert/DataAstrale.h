#pragma once
#include "platform/Controls.h"

namespace kestal {

class DataAstrale : public Form {
 public:
  explicit DataAstrale(Program& program);
};

}  // namespace kestal
