#include "FilesAndFoldersImpl.h"

namespace zg {

QString FilesAndFoldersImpl::AddTrailingBackslash(const QString& Path)
{
    if (Path.isEmpty() || Path.endsWith(QLatin1Char('\\')))
        return Path;
    return Path + QLatin1Char('\\');
}

} // namespace zg
