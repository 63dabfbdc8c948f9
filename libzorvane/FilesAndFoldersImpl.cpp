#include "FilesAndFoldersImpl.h"

#include "DiskInfoImpl.h"
#include "Error.h"
#include "Paths.h"

#include <QDir>
#include <QSet>
#include <algorithm>

namespace zg {

namespace {

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

// Characters a FAT short name may hold besides letters and digits.
bool isShortNameSymbol(QChar c) { return QStringLiteral("$%'-_@~`!(){}^#&").contains(c); }

bool isShortNameChar(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || isShortNameSymbol(c);
}

bool oneCase(const QString& s)
{
    bool upper = false, lower = false;
    for (QChar c : s) {
        upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        lower = lower || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    }
    return !(upper && lower);
}

// The last name of a path after its root: "" when the path ends in a
// separator or is only a root.
QString lastName(const QString& path)
{
    const QString rest = path.mid(rootLength(path));
    if (rest.isEmpty() || isSeparator(rest.back()))
        return {};
    qsizetype i = rest.size();
    while (i > 0 && !isSeparator(rest[i - 1]))
        --i;
    return rest.mid(i);
}

// The extension of one name (see FileExtOnly).
QString extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1)
        return {};
    return name.mid(dot + 1);
}

// The stem and extension a long name gives its short form.
std::pair<QString, QString> shortParts(const QString& name)
{
    QString s;
    for (QChar c : name) {
        if (c == QLatin1Char(' '))
            continue;
        if (c == QLatin1Char('.')) {
            if (!s.isEmpty())
                s += c;
            continue;
        }
        if (c.unicode() < 0x80 && isShortNameChar(c))
            s += c.toUpper();
        else
            s += QLatin1Char('_');
    }
    QString base = s, ext;
    const qsizetype dot = s.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        base = s.left(dot);
        ext = s.mid(dot + 1).left(3);
    }
    base.remove(QLatin1Char('.'));
    if (base.isEmpty())
        base = QStringLiteral("_");
    return {base, ext};
}

QString candidate(const std::pair<QString, QString>& parts, int n)
{
    const QString number = QLatin1Char('~') + QString::number(n);
    QString c = parts.first.left(8 - number.size()) + number;
    if (!parts.second.isEmpty())
        c += QLatin1Char('.') + parts.second;
    return c;
}

} // namespace

qsizetype rootLength(const QString& path)
{
    const qsizetype n = path.size();
    if (n >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // \\server\share\ : the server, the share and the separator after it.
        qsizetype i = 2;
        for (int names = 0; names < 2 && i < n; ++names) {
            while (i < n && !isSeparator(path[i]))
                ++i;
            if (i < n)
                ++i;
        }
        return i;
    }
    if (n >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 0x80)
        return n >= 3 && isSeparator(path[2]) ? 3 : 2;
    if (n >= 1 && isSeparator(path[0]))
        return 1;
    return 0;
}

bool isShortName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1);
    if (base.isEmpty() || base.size() > 8 || ext.size() > 3 || (dot >= 0 && ext.isEmpty()))
        return false;
    for (QChar c : base + ext)
        if (!isShortNameChar(c))
            return false;
    return oneCase(base) && oneCase(ext);
}

QString shortNameAmong(const QString& name, QStringList siblings)
{
    if (isShortName(name))
        return name;
    // A name that fits but for its mixed case is only put in capitals.
    if (isShortName(name.toUpper()) && name.toUpper().size() == name.size())
        return name.toUpper();
    std::sort(siblings.begin(), siblings.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    siblings.removeAll(name);
    QSet<QString> used;
    for (const QString& s : siblings)
        if (isShortName(s.toUpper()))
            used.insert(s.toUpper());
    // The folder's long names take their numbers in name order; the name
    // itself takes its place among them.
    auto assign = [&used](const QString& longName) {
        const auto parts = shortParts(longName);
        for (int n = 1;; ++n) {
            const QString c = candidate(parts, n);
            if (!used.contains(c)) {
                used.insert(c);
                return c;
            }
        }
    };
    for (const QString& s : siblings) {
        if (s.compare(name, Qt::CaseInsensitive) > 0 ||
            (s.compare(name, Qt::CaseInsensitive) == 0 && s > name))
            break;
        if (!isShortName(s) && !isShortName(s.toUpper()))
            assign(s);
    }
    return assign(name);
}

QString FilesAndFoldersImpl::AddTrailingBackslash(const QString& Path)
{
    if (Path.isEmpty() || Path.endsWith(QLatin1Char('\\')))
        return Path;
    // A closing "/" already separates; it becomes the backslash rather than
    // being followed by one.
    if (Path.endsWith(QLatin1Char('/')))
        return Path.chopped(1) + QLatin1Char('\\');
    return Path + QLatin1Char('\\');
}

QString FilesAndFoldersImpl::DOSName(const QString& Path)
{
    const qsizetype root = rootLength(Path);
    QString longSoFar = Path.left(root), result = longSoFar;
    qsizetype i = root;
    while (i < Path.size()) {
        if (isSeparator(Path[i])) {
            longSoFar += Path[i];
            result += Path[i];
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < Path.size() && !isSeparator(Path[j]))
            ++j;
        const QString name = Path.mid(i, j - i);
        if (name == QLatin1String(".") || name == QLatin1String("..") || isShortName(name)) {
            result += name;
        } else {
            QStringList siblings;
            const QString folder = longSoFar.isEmpty() ? QStringLiteral(".") : longSoFar;
            QDir dir(plat::toSystemPath(folder));
            if (dir.exists())
                siblings = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            result += shortNameAmong(name, siblings);
        }
        longSoFar += name;
        i = j;
    }
    return result;
}

QString FilesAndFoldersImpl::FileExtOnly(const QString& Path) { return extensionOf(lastName(Path)); }

QString FilesAndFoldersImpl::FilenameOnly(const QString& Path) { return lastName(Path); }

QString FilesAndFoldersImpl::FilenameNoExt(const QString& Path)
{
    const QString name = lastName(Path);
    const QString ext = extensionOf(name);
    return ext.isEmpty() ? name : name.left(name.size() - ext.size() - 1);
}

QString FilesAndFoldersImpl::ParentPath(const QString& Path, const QString& Separator, int32_t ExtraLevels,
                                        bool TrailingSeparator)
{
    if (Separator.isEmpty() || ExtraLevels < 0)
        plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneFilesAndFolders"));
    // A backslash or a slash as the separator names a path separator, and
    // then both separate, as in the other path functions; any other
    // separator is the only one.
    const bool pathSeparator = Separator.size() == 1 && isSeparator(Separator[0]);
    auto endsInSeparator = [&](const QString& s) {
        return pathSeparator ? !s.isEmpty() && isSeparator(s.back()) : s.endsWith(Separator);
    };
    auto lastSeparator = [&](const QString& s) -> std::pair<qsizetype, qsizetype> {
        if (!pathSeparator)
            return {s.lastIndexOf(Separator), Separator.size()};
        qsizetype i = s.size();
        while (i > 0 && !isSeparator(s[i - 1]))
            --i;
        return {i - 1, 1};
    };

    const qsizetype root = rootLength(Path);
    QString rest = Path.mid(root);
    if (endsInSeparator(rest))
        rest.chop(lastSeparator(rest).second);
    for (int64_t level = 0; level <= ExtraLevels; ++level) {
        if (rest.isEmpty())
            return {};
        const qsizetype i = lastSeparator(rest).first;
        rest = i < 0 ? QString() : rest.left(i);
    }
    if (rest.isEmpty() && root == 0)
        return {};
    QString result = Path.left(root) + rest;
    const bool ended = endsInSeparator(result) || (rest.isEmpty() && isSeparator(result.back()));
    if (TrailingSeparator && !ended)
        result += Separator;
    return result;
}

QString FilesAndFoldersImpl::RootPath(const QString& Path)
{
    const qsizetype root = rootLength(Path);
    if (root == 0)
        return {};
    // The root is written with backslashes: "C:/" gives C:\ and
    // "//srv/share" gives \\srv\share\ (as the other roots).
    QString r = Path.left(root);
    r.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (r.back() != QLatin1Char('\\'))
        r += QLatin1Char('\\');
    return r;
}

std::shared_ptr<ZorvaneDiskInfo> FilesAndFoldersImpl::Disk(const QString& Drive)
{
    if (Drive.isEmpty() || !Drive[0].isLetter() || Drive[0].unicode() >= 0x80)
        plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneFilesAndFolders"));
    return std::make_shared<DiskInfoImpl>(Drive[0].toUpper());
}

} // namespace zg
