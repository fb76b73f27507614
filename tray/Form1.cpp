#include "tray/Form1.h"

namespace kestal {

Form1::Form1(Program& program) : Form(program, FormSpec{"Form1", "", 0, 0, 0, false}) {}

}  // namespace kestal
