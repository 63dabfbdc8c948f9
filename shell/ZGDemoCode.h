// The program's start-up: the program folder, the splash window, the
// catalog window and the logo band across its top.
#pragma once
#include <QString>

namespace shell::ZGDemoCode {

// The folder of the running program, ending in a backslash; empty when the
// library could not give it. Demo paths are relative to it.
extern QString AppFolder;

// The program's entry, run once before the message loop: every step that
// fails is skipped and the next one runs.
void Main();

} // namespace shell::ZGDemoCode
