// Path helpers on Windows-style paths, and the drive facts object.
#pragma once
#include "ZorvaneFilesAndFolders.h"

#include <QStringList>

namespace zg {

class FilesAndFoldersImpl : public ZorvaneFilesAndFolders {
public:
    QString AddTrailingBackslash(const QString& Path) override;
    QString DOSName(const QString& Path) override;
    QString FileExtOnly(const QString& Path) override;
    QString FilenameOnly(const QString& Path) override;
    QString FilenameNoExt(const QString& Path) override;
    QString ParentPath(const QString& Path, const QString& Separator = QStringLiteral("\\"), int32_t ExtraLevels = 0,
                       bool TrailingSeparator = false) override;
    QString RootPath(const QString& Path) override;
    std::shared_ptr<ZorvaneDiskInfo> Disk(const QString& Drive) override;
};

// The length of the root at the start of a Windows-style path (0 for a
// relative one), see ZorvaneFilesAndFolders.
qsizetype rootLength(const QString& path);
// True when `name` is already a valid short (8.3) name.
bool isShortName(const QString& name);
// The short form of one long name, given the names of its folder (in any
// order; the name itself may be among them or not).
QString shortNameAmong(const QString& name, QStringList siblings);

} // namespace zg
