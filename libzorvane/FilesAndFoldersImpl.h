// Path helpers on Windows-style paths.
#pragma once
#include "ZorvaneFilesAndFolders.h"

namespace zg {

class FilesAndFoldersImpl : public ZorvaneFilesAndFolders {
public:
    QString AddTrailingBackslash(const QString& Path) override;
};

} // namespace zg
