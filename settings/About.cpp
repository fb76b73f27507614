#include "settings/About.h"

namespace kestal {

About::About(Program& program) : Form(program, FormSpec{"About", "", 0, 0, 0, false}) {}

}  // namespace kestal
