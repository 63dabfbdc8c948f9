// The program's own pictures read without the toolkit's image reader come
// out exactly as the reader gives them, and what that reading does not take
// (or is damaged) is left to the reader whole.
#include "ImageDecode.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

QImage readerImage(const QByteArray& data)
{
    QBuffer b;
    b.setData(data);
    b.open(QIODevice::ReadOnly);
    return QImageReader(&b).read();
}

QByteArray written(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&b, format).write(image));
    return out;
}

void expectSame(const QImage& own, const QImage& reader, const QString& what)
{
    ASSERT_FALSE(reader.isNull()) << what.toStdString();
    EXPECT_EQ(own.format(), reader.format()) << what.toStdString();
    EXPECT_EQ(own.size(), reader.size()) << what.toStdString();
    EXPECT_EQ(own.dotsPerMeterX(), reader.dotsPerMeterX()) << what.toStdString();
    EXPECT_EQ(own.dotsPerMeterY(), reader.dotsPerMeterY()) << what.toStdString();
    EXPECT_EQ(own.text(QStringLiteral("HotSpot")), reader.text(QStringLiteral("HotSpot"))) << what.toStdString();
    EXPECT_TRUE(own == reader) << what.toStdString() << ": pixels differ";
}

TEST(OwnImageDecode, EveryResourcePictureReadsAsTheToolkitReadsIt)
{
    int own = 0, left = 0;
    QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        const QImage image = plat::decodeOwnImage(data);
        if (image.isNull()) {
            ++left; // palettes and other kinds go to the reader
            continue;
        }
        ++own;
        expectSame(image, readerImage(data), path);
    }
    // The full-colour pictures, the splash and the cursors among them, are
    // read in place.
    EXPECT_GT(own, 80);
    EXPECT_GT(left, 0);
}

TEST(OwnImageDecode, TruecolourAndBitmapsOfOddSizesReadExactly)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 5), QSize(17, 2), QSize(63, 64)}) {
        QImage rgb(size, QImage::Format_RGB32);
        QImage argb(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                rgb.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
                argb.setPixel(x, y, qRgba(x * 7 % 256, y * 13 % 256, (x + y) % 256, (x * y) % 256));
            }
        argb.setText(QStringLiteral("HotSpot"), QStringLiteral("2,3"));
        const QString what = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
        for (const QByteArray& data : {written(rgb, "png"), written(argb, "png"), written(rgb, "bmp")}) {
            const QImage image = plat::decodeOwnImage(data);
            ASSERT_FALSE(image.isNull()) << what.toStdString();
            expectSame(image, readerImage(data), what);
        }
    }
}

TEST(OwnImageDecode, DamagedAndForeignDataIsLeftToTheReader)
{
    QImage rgb(40, 30, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 200, 30));
    const QByteArray png = written(rgb, "png");
    const QByteArray bmp = written(rgb, "bmp");
    // Cut anywhere, neither kind reads in place (and nothing reads out of
    // bounds: the sanitizer trees run this).
    for (qsizetype n = 0; n < png.size(); n += 7)
        EXPECT_TRUE(plat::decodeOwnImage(png.left(n)).isNull()) << n;
    for (qsizetype n = 0; n < bmp.size(); n += 97)
        EXPECT_TRUE(plat::decodeOwnImage(bmp.left(n)).isNull()) << n;
    // A chunk length past the end, a palette image, a 16-bit image.
    QByteArray longChunk = png;
    longChunk[8] = char(0x7F);
    EXPECT_TRUE(plat::decodeOwnImage(longChunk).isNull());
    EXPECT_TRUE(plat::decodeOwnImage(written(rgb.convertToFormat(QImage::Format_Indexed8), "png")).isNull());
    EXPECT_TRUE(plat::decodeOwnImage(written(rgb.convertToFormat(QImage::Format_RGBX64), "png")).isNull());
    EXPECT_TRUE(plat::decodeOwnImage(QByteArrayLiteral("GIF89a")).isNull());
    // A bitmap whose rows would run past the end of the data.
    QByteArray tall = bmp;
    tall[22] = char(0xFF);
    tall[23] = char(0x7F);
    EXPECT_TRUE(plat::decodeOwnImage(tall).isNull());
}

} // namespace
