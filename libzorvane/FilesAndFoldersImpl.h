// Path helpers on Windows-style paths.
#pragma once
#include "ZorvaneFilesAndFolders.h"

namespace zg {

class FilesAndFoldersImpl : public ZorvaneFilesAndFolders {
public:
    QString AddTrailingBackslash(const QString& Path) override;
    std::shared_ptr<ZorvaneDiskInfo> Disk(const QString& Drive) override;
};

} // namespace zg
