#include "ProgramStart.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <optional>
#include <unistd.h>

namespace zg {

namespace {

// The identifying part of an executable's header: magic, class, byte order
// and the processor field.
struct ExecutableKind {
    QByteArray magic;
    char wordSize = 0;
    char byteOrder = 0;
    QByteArray machine;
    bool operator==(const ExecutableKind&) const = default;
};

std::optional<ExecutableKind> executableKind(const QByteArray& head)
{
    if (head.size() < 20 || !head.startsWith("\x7f" "ELF"))
        return std::nullopt;
    return ExecutableKind{head.left(4), head.at(4), head.at(5), head.mid(18, 2)};
}

QByteArray headOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(64);
}

} // namespace

bool isRunnableFormat(const QString& path)
{
    const QByteArray head = headOf(path);
    if (head.startsWith("#!"))
        return true;
    const auto kind = executableKind(head);
    if (!kind)
        return false;
    static const auto own = executableKind(headOf(QStringLiteral("/proc/self/exe")));
    // When our own image cannot be read, any executable header is taken.
    return !own || *kind == *own;
}

int32_t startProgram(const QString& path, const QString& parameters, const QString& workingDirectory)
{
    using namespace startcode;
    if (path.isEmpty())
        return FileNotFound;
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return PathNotFound;
    if (!file.exists())
        return FileNotFound;
    const QByteArray native = QFile::encodeName(file.absoluteFilePath());
    if (file.isDir() || ::access(native.constData(), X_OK) != 0)
        return AccessDenied;
    if (!isRunnableFormat(file.absoluteFilePath()))
        return BadFormat;

    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setArguments(QProcess::splitCommand(parameters));
    if (!workingDirectory.isEmpty()) {
        if (!QFileInfo(workingDirectory).isDir())
            return PathNotFound;
        process.setWorkingDirectory(workingDirectory);
    }
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return Failed;
    return Started;
}

} // namespace zg
