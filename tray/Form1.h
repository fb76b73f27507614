#pragma once
#include "platform/Controls.h"

namespace kestal {

class Form1 : public Form {
 public:
  explicit Form1(Program& program);
};

}  // namespace kestal
