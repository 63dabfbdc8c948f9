// The generated wave files and help pages in the build's Windows folders,
// and the shell's own texts.
#include "QtPrinters.h"
#include "ShellTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const QString WindowsDir = QStringLiteral(ZG_TEST_WINDOWS_DIR);
const QString SystemDir = QStringLiteral(ZG_TEST_SYSTEM_DIR);

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Sounds, FiveShortDistinctPcmWaveFiles)
{
    QSet<QByteArray> bodies;
    for (const char* name : {"ZorvaneClickz.wav", "ZorvaneFtz.wav", "ZorvaneNoNo.wav", "ZorvaneSnap.wav",
                             "ZorvaneSwish.wav"}) {
        SCOPED_TRACE(name);
        const QByteArray b = readAll(WindowsDir + "/" + name);
        ASSERT_GE(b.size(), 44);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(u32(b, 4), quint32(b.size() - 8));
        EXPECT_EQ(b.mid(8, 4), "WAVE");
        EXPECT_EQ(b.mid(12, 4), "fmt ");
        EXPECT_EQ(u32(b, 16), 16u);
        EXPECT_EQ(u16(b, 20), 1u);     // PCM
        EXPECT_EQ(u16(b, 22), 1u);     // mono
        EXPECT_EQ(u32(b, 24), 22050u); // samples a second
        EXPECT_EQ(u32(b, 28), 44100u); // bytes a second
        EXPECT_EQ(u16(b, 32), 2u);     // block align
        EXPECT_EQ(u16(b, 34), 16u);    // bits a sample
        EXPECT_EQ(b.mid(36, 4), "data");
        const quint32 dataBytes = u32(b, 40);
        ASSERT_EQ(dataBytes, quint32(b.size() - 44));
        EXPECT_EQ(dataBytes % 2, 0u);

        const double seconds = dataBytes / 2 / 22050.0;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 0.6);
        int peak = 0;
        for (quint32 i = 0; i < dataBytes; i += 2)
            peak = std::max(peak, std::abs(int(qint16(u16(b, int(44 + i))))));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        bodies.insert(b.mid(44));
    }
    EXPECT_EQ(bodies.size(), 5) << "two sounds are the same";
}

TEST(Help, PlaceholderFileAndPagesForBothContexts)
{
    const QFileInfo chm(SystemDir + "/ZorvaneSG3.chm");
    EXPECT_TRUE(chm.exists());

    const QString start = QString::fromUtf8(readAll(SystemDir + "/ZorvaneSG3.help/1095.html"));
    ASSERT_FALSE(start.isEmpty());
    for (int code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32})
        EXPECT_TRUE(start.contains(QStringLiteral("<td>%1</td>").arg(code))) << "code " << code;

    const QString controls = QString::fromUtf8(readAll(SystemDir + "/ZorvaneSG3.help/1000.html"));
    ASSERT_FALSE(controls.isEmpty());
    for (const QString text :
         {"<td>30016</td>", "ZSButton.zzzMouseIsOverObject",
          "Object does not have an associated Window Handle (hWnd).", "<td>30094</td>",
          "ZSListBar.ImageListControl set to an invalid control name.  Must be set to a valid ImageList "
          "control on the same form."})
        EXPECT_TRUE(controls.contains(text)) << text.toStdString();
}

TEST(ShellTexts, OwnWordingKeepsItsFixedParts)
{
    EXPECT_EQ(std::strlen(zg::shelltext::LegalNotice), 272u);
    EXPECT_TRUE(QString(zg::shelltext::PictureDescription)
                    .startsWith("Utilize screen && window capture, plus robust image processing features"));
    const QUrl web(zg::shelltext::MakerWebAddress);
    EXPECT_TRUE(web.isValid());
    EXPECT_TRUE(web.host().endsWith(".example")) << "not a reserved example domain";
}
