#include "DemoProgram.h"

#include <Register.h>

namespace demo {

void loadLibrary() { zg::registerLibrary(); }
void quietenLog() { zg::quietenLibraryLog(); }

} // namespace demo
