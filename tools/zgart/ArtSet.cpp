#include "ArtSet.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <map>

namespace zgart {

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
        const QString path = groupDir + QLatin1Char('/') + f.name + QStringLiteral(".png");
        QImageWriter writer(path, "png");
        if (!writer.write(img)) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
            return false;
        }
        byGroup[f.group].append(f.name);
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
            out << "  <file alias=\"" << name << ".png\">" << group << '/' << name << ".png</file>\n";
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
