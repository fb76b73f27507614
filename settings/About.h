#pragma once
#include "platform/Controls.h"

namespace kestal {

class About : public Form {
 public:
  explicit About(Program& program);
};

}  // namespace kestal
