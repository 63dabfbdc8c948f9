#include "SystemFiles.h"

#include <QFile>

namespace zg {

QString readSmallFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.read(1 << 20));
}

std::function<QString()> fileSource(const char* path)
{
    return [p = QString::fromLatin1(path)] { return readSmallFile(p); };
}

} // namespace zg
