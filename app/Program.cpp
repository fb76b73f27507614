#include "app/Program.h"

#include <memory>

#include "conventions/News.h"
#include "convert/DataAstrale.h"
#include "settings/About.h"
#include "tray/Form1.h"

namespace kestal {

Program::Program(Platform& p)
    : platform(p),
      form1([this] { return std::make_unique<Form1>(*this); }),
      about([this] { return std::make_unique<About>(*this); }),
      news([this] { return std::make_unique<News>(*this); }),
      dataAstrale([this] { return std::make_unique<DataAstrale>(*this); }) {}

void Program::Start() { platform.windows.Load(form1.Get()); }

}  // namespace kestal
