#include "ListBarErrors.h"

#include "Paths.h"

namespace listbar {

QString imageObjectDescription(const QString& member)
{
    return QStringLiteral("ZSListBar LBButton objects do not support image objects.  ") + member +
           QStringLiteral(" should always be an index or key.");
}

void raiseModelError(int32_t number, const QString& where, const QString& description)
{
    plat::raise(number, QStringLiteral("ZorvaneListBar.") + where, description);
}

void passOnModelError(const plat::ErrorInfo& error, const QString& where)
{
    raiseModelError(error.number, where, error.description);
}

void raiseControlError(int32_t number, const QString& member, const QString& description)
{
    plat::raise(number, QStringLiteral("ZSListBar.") + member, description, helpFilePath(), ListBarHelpContext);
}

QString GetSystemDirectoryPath() { return GetSystemDirectoryPath(plat::systemDirectoryPath()); }

QString GetSystemDirectoryPath(const QString& reported)
{
    if (reported.isEmpty())
        return QString();
    return reported.endsWith(QLatin1Char('\\')) ? reported : reported + QLatin1Char('\\');
}

QString helpFilePath() { return GetSystemDirectoryPath() + QStringLiteral("ZorvaneSG3.chm"); }

QString helpFilePath(const QString& reportedSystemDirectory)
{
    return GetSystemDirectoryPath(reportedSystemDirectory) + QStringLiteral("ZorvaneSG3.chm");
}

} // namespace listbar
