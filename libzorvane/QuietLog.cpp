#include "Register.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace zg {

namespace {

QtMessageHandler previousHandler = nullptr;

// The sound system's own line when no sound server runs. The library knows
// then that there is no output device (playback reports its failure), so
// the line tells the user nothing.
bool isSoundServerProbe(QtMsgType type, const QString& message)
{
    return type == QtWarningMsg && message.startsWith(QLatin1String("PulseAudioService: pa_context_connect() failed"));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (isSoundServerProbe(type, message))
        return;
    if (previousHandler) {
        previousHandler(type, context, message);
        return;
    }
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
    std::fflush(stderr);
}

} // namespace

void quietenLibraryLog()
{
    static const bool installed = [] {
        previousHandler = qInstallMessageHandler(filter);
        return true;
    }();
    (void)installed;
}

} // namespace zg
