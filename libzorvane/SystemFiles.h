// The kernel's small text files (/proc, /sys), read for what the machine
// reports of itself.
#pragma once
#include <QString>
#include <functional>

namespace zg {

// The file's text, empty when it cannot be read. /proc files report no
// size: what they give is read, bounded.
QString readSmallFile(const QString& path);
// A source that reads the file each time it is called.
std::function<QString()> fileSource(const char* path);

} // namespace zg
