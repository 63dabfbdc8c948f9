#include "Paths.h"

#include <QDir>
#include <QFileInfo>

namespace plat {

namespace {

QString& titleOverride()
{
    static QString title;
    return title;
}

QString executablePath() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(); }

QString withoutTrailingSlash(QString p)
{
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p;
}

// A folder named by an environment variable (a Linux path) or, without it,
// `fallback`; Windows-style. A variable set to "" means the folder cannot be
// given.
QString folderFromEnvironment(const char* variable, const QString& fallback)
{
    if (!qEnvironmentVariableIsSet(variable))
        return fromSystemPath(withoutTrailingSlash(fallback));
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty())
        return QString();
    return fromSystemPath(withoutTrailingSlash(value));
}

QString executableFolder() { return QFileInfo(executablePath()).absolutePath(); }

// The folder of the whole suite: the catalog program's folder. A demo program
// lives two levels below it, in ZGDemos/Zorvane<X>/, and finds the suite's
// Windows and system directories there, as the catalog does.
QString suiteFolder()
{
    const QDir exe(executableFolder());
    QDir up = exe;
    if (up.cdUp() && QFileInfo(up.absolutePath()).fileName().compare(QLatin1String("ZGDemos"), Qt::CaseInsensitive) == 0
        && up.cdUp())
        return up.absolutePath();
    return exe.absolutePath();
}

} // namespace

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 128;
}

QString toSystemPath(const QString& windowsPath)
{
    QString p = windowsPath;
    p.replace(u'\\', u'/');
    // A drive letter names its drive's mount point.
    if (hasDriveLetter(p)) {
        const QChar letter = p[0];
        QString rest = p.mid(2);
        if (!rest.startsWith(u'/'))
            rest.prepend(u'/');
        const Drive* d = driveFor(letter);
        QString base = d && d->ready && !d->mountPoint.isEmpty()
                           ? d->mountPoint
                           : QStringLiteral("/.zg-drive-%1-not-available").arg(letter.toLower());
        if (base.endsWith(u'/'))
            base.chop(1);
        // A drive's root is its mount point itself ("/" for C:).
        p = rest == QLatin1String("/") && !base.isEmpty() ? base : base + rest;
    }
    if (p.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) && !QFileInfo::exists(p)) {
        const QString bare = p.left(p.size() - 4);
        if (!bare.isEmpty() && !bare.endsWith(u'/') && QFileInfo::exists(bare))
            return bare;
    }
    return p;
}

QString fromSystemPath(const QString& systemPath)
{
    if (!systemPath.startsWith(u'/')) {
        QString p = systemPath;
        return p.replace(u'/', u'\\');
    }
    const Drive* d = driveOfSystemPath(systemPath);
    QString rest = systemPath;
    if (d && d->mountPoint != QLatin1String("/"))
        rest = systemPath.mid(d->mountPoint.size());
    if (!rest.startsWith(u'/'))
        rest.prepend(u'/');
    rest.replace(u'/', u'\\');
    return QString(d ? d->letter : QChar(u'C')) + u':' + rest;
}

QString appPath() { return fromSystemPath(withoutTrailingSlash(executableFolder())); }

QString appTitle()
{
    if (!titleOverride().isEmpty())
        return titleOverride();
    return QFileInfo(executablePath()).completeBaseName();
}

void setAppTitle(const QString& title) { titleOverride() = title; }

QString windowsDirectory()
{
    return folderFromEnvironment("ZG_WINDOWS_DIR", suiteFolder() + QStringLiteral("/windows"));
}

QString systemDirectory()
{
    return folderFromEnvironment("ZG_SYSTEM_DIR", suiteFolder() + QStringLiteral("/windows/system32"));
}

QString tempDirectory()
{
    // Qt gives "" when TMPDIR names a folder that does not exist.
    const QString temp = QDir::tempPath();
    return fromSystemPath(withoutTrailingSlash(temp.isEmpty() ? QStringLiteral("/tmp") : temp));
}

QString systemDirectoryPath() { return systemDirectory(); }

} // namespace plat
