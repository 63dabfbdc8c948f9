#include "ArtSet.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <map>

namespace zgart {

namespace {
// Pictures of more pixels than this are written as bitmaps (see write()).
constexpr qint64 PlainPixels = 64 * 1024;
} // namespace

void ArtSet::add(const QString& group, const QString& name, const QImage& image, std::optional<QPoint> hotSpot)
{
    files_.push_back({group, name, image, hotSpot});
}

bool ArtSet::write(const QString& dir, QString* error) const
{
    std::map<QString, QStringList> byGroup;
    for (const ArtFile& f : files_) {
        const QString groupDir = dir + QLatin1Char('/') + f.group;
        if (!QDir().mkpath(groupDir)) {
            *error = QStringLiteral("cannot create %1").arg(groupDir);
            return false;
        }
        QImage img = f.image;
        // A cursor's hot spot travels in the PNG text chunk "HotSpot" = "x,y".
        if (f.hotSpot)
            img.setText(QStringLiteral("HotSpot"),
                        QStringLiteral("%1,%2").arg(f.hotSpot->x()).arg(f.hotSpot->y()));
        // Large opaque pictures (the splash) are kept as plain bitmaps: the
        // program reads them straight into memory at start-up, where a PNG
        // of the splash's size takes milliseconds to inflate and unfilter.
        const bool plain = !f.hotSpot && !img.hasAlphaChannel() && qint64(img.width()) * img.height() > PlainPixels;
        const QString file = f.name + (plain ? QStringLiteral(".bmp") : QStringLiteral(".png"));
        const QString path = groupDir + QLatin1Char('/') + file;
        QImageWriter writer(path, plain ? "bmp" : "png");
        if (!writer.write(img)) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
            return false;
        }
        byGroup[f.group].append(file);
    }
    for (const auto& [group, names] : byGroup) {
        QSaveFile qrc(dir + QLatin1Char('/') + group + QStringLiteral(".qrc"));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
            *error = QStringLiteral("cannot write %1").arg(qrc.fileName());
            return false;
        }
        QTextStream out(&qrc);
        out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/res\">\n";
        for (const QString& name : names)
            out << "  <file alias=\"" << name << "\">" << group << '/' << name << "</file>\n";
        out << "</qresource>\n</RCC>\n";
        out.flush();
        if (!qrc.commit()) {
            *error = QStringLiteral("cannot write %1").arg(qrc.fileName());
            return false;
        }
    }
    return true;
}

} // namespace zgart
