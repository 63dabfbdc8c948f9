#include "FilesAndFoldersImpl.h"

#include "Error.h"

namespace zg {

QString FilesAndFoldersImpl::AddTrailingBackslash(const QString& Path)
{
    if (Path.isEmpty() || Path.endsWith(QLatin1Char('\\')))
        return Path;
    return Path + QLatin1Char('\\');
}

std::shared_ptr<ZorvaneDiskInfo> FilesAndFoldersImpl::Disk(const QString&)
{
    plat::raise(plat::err::NotSupported, QStringLiteral("ZorvaneFilesAndFolders.Disk"));
}

} // namespace zg
