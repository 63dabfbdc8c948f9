// An X server of the test's own (Xvfb with the Resize and Rotate
// extension, 1024 x 768 at 24 bits); nothing started through it touches
// the display of the machine the tests run on. Its name is empty when no
// Xvfb could be started.
#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

namespace zgtest {

class PrivateXvfb {
public:
    PrivateXvfb()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        // The server picks a free display number and writes it to stdout.
        process_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp"), QStringLiteral("+extension"), QStringLiteral("RANDR")});
        if (!process_.waitForStarted(5000))
            return;
        QByteArray out;
        while (!out.contains('\n') && process_.waitForReadyRead(10000))
            out += process_.readAllStandardOutput();
        bool ok = false;
        const int n = out.trimmed().toInt(&ok);
        if (ok)
            name_ = ":" + QByteArray::number(n);
    }
    ~PrivateXvfb()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000))
                process_.kill();
            process_.waitForFinished(3000);
        }
    }
    const QByteArray& name() const { return name_; }

private:
    QProcess process_;
    QByteArray name_;
};

} // namespace zgtest
