// What the desktop tier (scripts/desktop-tier) gives its tests: a private
// display with an EWMH window manager, and a sound server whose default
// sink is a null sink that can be recorded. A test of the tier starts with
//
//   ZG_REQUIRE_DESKTOP();
//
// and skips, saying why, when it runs anywhere else.
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QString>
#include <gtest/gtest.h>

namespace zgtest::desktop {

// The tier's display (":N"); empty outside the tier.
inline QByteArray display() { return qgetenv("ZG_DESKTOP_DISPLAY"); }
// The tier's sound server ("unix:/..."), and the null sink it plays on.
inline QByteArray pulseServer() { return qgetenv("PULSE_SERVER"); }
inline QByteArray nullSink() { return qgetenv("ZG_NULL_SINK"); }

// Why this test cannot run here; empty in the tier.
inline QString missing()
{
    if (display().isEmpty())
        return QStringLiteral("not in the desktop tier (scripts/desktop-tier starts its servers)");
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("the test program is not on the tier's display");
    if (pulseServer().isEmpty() || nullSink().isEmpty())
        return QStringLiteral("the tier's sound server is not named");
    return {};
}

// The environment a program of the suite gets when a test starts it on the
// tier's display (or another that the test started) and the tier's sound
// server, as a user's desktop would start it.
inline QProcessEnvironment programEnvironment(const QByteArray& displayName = display())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(displayName));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("ZG_TEST"));
    env.remove(QStringLiteral("ZG_DESKTOP_TEST"));
    // The toolkit's X11 keyboard library copies bounded strings that the
    // sanitizers' strict string check misreads as overruns.
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS"))
                       .replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0")));
    return env;
}

} // namespace zgtest::desktop

#define ZG_REQUIRE_DESKTOP()                                                              \
    do {                                                                                  \
        const QString zgMissing = ::zgtest::desktop::missing();                           \
        if (!zgMissing.isEmpty())                                                         \
            GTEST_SKIP() << zgMissing.toStdString();                                      \
    } while (0)
