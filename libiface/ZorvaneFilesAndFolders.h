// File and folder functions of the utility library: path helpers.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneDiskInfo;

class ZorvaneFilesAndFolders {
public:
    static constexpr const char* ClassId = "{7EC6596F-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD8F-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneFilesAndFolders";

    virtual ~ZorvaneFilesAndFolders() = default;

    // The path ending in exactly one backslash: a path that already ends in
    // a backslash (a drive's root, "C:\") is returned unchanged, one ending
    // in "/" has that separator replaced by a backslash ("C:/a/" ->
    // "C:/a\"); "" stays "".
    virtual QString AddTrailingBackslash(const QString& Path) = 0;

    // The path functions below work on the text of Windows-style paths;
    // "\" and "/" both separate names. A path's root is "C:\" (a drive,
    // "C:" alone counts as "C:\"), "\\server\share\" (a network-style
    // name) or "\" (the current drive's root); a relative path has none.

    // The path with every name that is not already a valid short name (at
    // most eight characters, a dot and three more, of the characters a FAT
    // volume allows) replaced by the short form a FAT volume gives it: the
    // name in capitals without spaces and extra dots, its first six
    // characters, "~" and a number, and the first three characters of its
    // extension ("Program Files" -> "PROGRA~1", "notes.backup.html" ->
    // "NOTESB~1.HTM"). The number is 1 plus the number of names of the real
    // folder, in name order, that take the same short form before it (1 when
    // the folder cannot be read). A name that fits but for its mixed case
    // is put in capitals ("ReadMe.txt" -> "README.TXT"). Roots and valid
    // short names stay as they are; "" stays "".
    virtual QString DOSName(const QString& Path) = 0;
    // The extension of the path's last name, without its dot: the text after
    // the name's last dot ("a.tar.gz" -> "gz"). "" for a name without a dot,
    // a name whose only dot is its first character (".profile"), a name
    // ending in a dot, a path ending in a separator and a root.
    virtual QString FileExtOnly(const QString& Path) = 0;
    // The path's last name ("C:\a\b.txt" -> "b.txt"); "" for a path ending
    // in a separator, a root or "".
    virtual QString FilenameOnly(const QString& Path) = 0;
    // FilenameOnly without "." and FileExtOnly ("a.tar.gz" -> "a.tar").
    virtual QString FilenameNoExt(const QString& Path) = 0;
    // The folder holding the path's last name (one trailing separator of the
    // path does not count as a name): "C:\work\x" -> "C:\work",
    // "C:\work" -> "C:\".
    // `ExtraLevels` goes that many folders further up (0: the parent
    // itself); `TrailingSeparator` true ends the result in the separator.
    // "" when there is no parent: a root, a single relative name, "".
    // With "\" or "/" as `Separator` both of them separate names, as in the
    // functions above; any other separator is the only one.
    // Raises 5 for an empty separator or negative levels.
    virtual QString ParentPath(const QString& Path, const QString& Separator = QStringLiteral("\\"),
                               int32_t ExtraLevels = 0, bool TrailingSeparator = false) = 0;
    // The path's root as above, written with backslashes and ending in one
    // ("c:\x" -> "c:\", "c:/x" -> "c:\", "\\srv\share\x" ->
    // "\\srv\share\"); "" for a relative path.
    virtual QString RootPath(const QString& Path) = 0;

    // The facts of one drive ("C", "c:" or "C:\"): a new object at every
    // call, for a letter of the drive map. Raises 5 for text that starts
    // with no letter; a letter without a drive gives an object that is not
    // ready.
    virtual std::shared_ptr<ZorvaneDiskInfo> Disk(const QString& Drive) = 0;
};

} // namespace zg
