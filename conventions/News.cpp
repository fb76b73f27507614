#include "conventions/News.h"

namespace kestal {

News::News(Program& program) : Form(program, FormSpec{"News", "", 0, 0, 0, false}) {}

}  // namespace kestal
