// Registers every class of our implementation of the utility library with
// the accessors of libiface/Library.h. Each program's main calls it once
// before it reaches the library.
#pragma once

namespace zg {

void registerLibrary();

} // namespace zg
