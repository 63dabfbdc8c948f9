// The file-system boundary. The programs' own code speaks Windows-style
// paths ("C:\work\x\Program.exe"); `C:\` is the Linux root. Everything that
// touches the file system converts here, and nowhere else.
#pragma once
#include <QString>

namespace plat {

// "C:\work\x\A.exe" -> "/work/x/A.exe"; when that file does not exist but the
// name without ".exe" (any case) does, the path without it. Any drive letter
// maps to the root. Relative paths stay relative, with "/" separators.
QString toSystemPath(const QString& windowsPath);
// "/work/x" -> "C:\work\x"; relative paths stay relative, with "\".
QString fromSystemPath(const QString& systemPath);

// The executable's folder, Windows-style, without a trailing backslash.
QString appPath();
// The executable's name without its extension, unless setAppTitle gave one.
QString appTitle();
void setAppTitle(const QString& title);

// The "Windows directory" (holds the sound files) and the "system directory"
// (holds the help file), Windows-style, no trailing backslash. By default
// <suite folder>/windows and <suite folder>/windows/system32, where the suite
// folder is the executable's, or two levels above it for a program in
// ZGDemos/<name>/ (the demo programs share the catalog's folders);
// the environment variables ZG_WINDOWS_DIR and ZG_SYSTEM_DIR (Linux paths)
// override them.
QString windowsDirectory();
QString systemDirectory();
// The temporary folder (TMPDIR or /tmp), Windows-style, no trailing backslash.
QString tempDirectory();

// The system directory as the desktop's GetSystemDirectoryA gives it: the
// folder without a trailing backslash ("C:\" for the root), or "" when it
// cannot be given (ZG_SYSTEM_DIR set to an empty value).
QString systemDirectoryPath();

} // namespace plat
