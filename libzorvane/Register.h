// Registers every class of our implementation of the utility library with
// the accessors of libiface/Library.h. Each program's main calls it once
// before it reaches the library.
#pragma once

namespace zg {

void registerLibrary();

// Keeps the terminal quiet about what the library already handles: the
// sound system's line when no sound server runs. Each program's start calls
// it first; every other message goes on as before.
void quietenLibraryLog();

} // namespace zg
