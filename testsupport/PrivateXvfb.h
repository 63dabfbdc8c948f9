// A private X server for the tests of X11 code paths: an Xvfb on a display
// number of its own, never the user's display. Tests skip when Xvfb is not
// installed:
//
//   PrivateXvfb x;
//   if (!x.start()) GTEST_SKIP() << x.why();
//   ... XOpenDisplay(x.name()) ...
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace zgtest {

class PrivateXvfb {
public:
    ~PrivateXvfb() { stop(); }

    bool start(int width = 1024, int height = 768)
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            why_ = "Xvfb is not installed";
            return false;
        }
        // A number far from the usual ones, free of any server's lock.
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int n = 300 + int((::getpid() * 7 + attempt * 13) % 600);
            if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))
                || QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                continue;
            server_.setProgram(xvfb);
            server_.setArguments({ QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                                   QStringLiteral("%1x%2x24").arg(width).arg(height), QStringLiteral("-nolisten"),
                                   QStringLiteral("tcp") });
            server_.setStandardOutputFile(QProcess::nullDevice());
            server_.setStandardErrorFile(QProcess::nullDevice());
            server_.start();
            if (!server_.waitForStarted(5000))
                continue;
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i) {
                if (QFileInfo::exists(socket)) {
                    QThread::msleep(100);
                    name_ = QByteArray(":") + QByteArray::number(n);
                    return true;
                }
                QThread::msleep(50);
            }
            stop();
        }
        why_ = "no private Xvfb could be started";
        return false;
    }

    void stop()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(3000)) {
                server_.kill();
                server_.waitForFinished(3000);
            }
        }
        name_.clear();
    }

    const char* name() const { return name_.constData(); }
    const QByteArray& displayName() const { return name_; }
    const char* why() const { return why_; }

private:
    QProcess server_;
    QByteArray name_;
    const char* why_ = "";
};

} // namespace zgtest
