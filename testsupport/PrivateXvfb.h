// A private X server for the tests of X11 code paths: an Xvfb on a display
// number of its own, never the user's display. It never resets: by default
// an X server resets when its last client leaves, and refuses connections
// while it does, so a test that closes its connection and opens another
// would fail by chance. Tests skip when Xvfb is not installed:
//
//   PrivateXvfb x;
//   if (!x.start()) GTEST_SKIP() << x.why();
//   ... XOpenDisplay(x.name()) ...
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

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
        // The server picks a free display number itself and writes it to its
        // output, so two test programs never race for one.
        server_.setProgram(xvfb);
        server_.setArguments({ QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(width).arg(height),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset"),
                               QStringLiteral("+extension"), QStringLiteral("RANDR") });
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start();
        if (!server_.waitForStarted(5000)) {
            why_ = "no private Xvfb could be started";
            return false;
        }
        QByteArray out;
        while (!out.contains('\n') && server_.waitForReadyRead(10000))
            out += server_.readAllStandardOutput();
        bool ok = false;
        const int n = out.trimmed().toInt(&ok);
        if (!ok) {
            stop();
            why_ = "the private Xvfb gave no display number";
            return false;
        }
        name_ = QByteArray(":") + QByteArray::number(n);
        return true;
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
