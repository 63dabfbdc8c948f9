// Starting a program file without a shell and without waiting for it, with
// the result codes of the desktop's program-start call.
#pragma once
#include <QString>
#include <cstdint>

namespace zg {

namespace startcode {
constexpr int32_t Failed = 0, FileNotFound = 2, PathNotFound = 3, AccessDenied = 5, OutOfMemory = 8,
                  BadFormat = 11, NoAssociation = 31, Started = 42;
}

// `path` is a system path. Above 32: started; otherwise one of the codes
// above. Parameters are split as a command line (quotes group words).
int32_t startProgram(const QString& path, const QString& parameters, const QString& workingDirectory);

// Whether the file's first bytes are of a program this machine runs: an
// executable of its own format and processor, or a script naming its
// interpreter.
bool isRunnableFormat(const QString& path);

} // namespace zg
