#include "DemoProgram.h"

#include <Register.h>

namespace demo {

void loadLibrary() { zg::registerLibrary(); }

} // namespace demo
