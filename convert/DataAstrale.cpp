#include "convert/DataAstrale.h"

namespace kestal {

DataAstrale::DataAstrale(Program& program) : Form(program, FormSpec{"DataAstrale", "", 0, 0, 0, false}) {}

}  // namespace kestal
