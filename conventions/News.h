#pragma once
#include "platform/Controls.h"

namespace kestal {

class News : public Form {
 public:
  explicit News(Program& program);
};

}  // namespace kestal
