#include "Register.h"

#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

QStringList seen;

void capture(QtMsgType, const QMessageLogContext&, const QString& message)
{
    seen << message;
}

TEST(QuietLog, OnlyTheSoundServerProbeIsDropped)
{
    const QtMessageHandler before = qInstallMessageHandler(capture);
    zg::quietenLibraryLog();
    zg::quietenLibraryLog(); // once is enough; a second call changes nothing
    qWarning("PulseAudioService: pa_context_connect() failed");
    qWarning("something else went wrong");
    qDebug("PulseAudioService: pa_context_connect() failed"); // not the sound system's warning
    qInstallMessageHandler(before);
    EXPECT_EQ(seen, QStringList({"something else went wrong", "PulseAudioService: pa_context_connect() failed"}));
}

} // namespace
