// The pictures the generator produces, grouped by the resource library that
// carries them, and their writing as PNG files plus one .qrc per group.
#pragma once
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace zgart {

struct ArtFile {
    QString group; // resource library: "listbar", "button" or "shell"
    QString name;  // resource name, also the file's base name
    QImage image;
    std::optional<QPoint> hotSpot; // cursors only
};

class ArtSet {
public:
    void add(const QString& group, const QString& name, const QImage& image,
             std::optional<QPoint> hotSpot = std::nullopt);
    const std::vector<ArtFile>& files() const { return files_; }

    // Writes <dir>/<group>/<name>.png for every picture and <dir>/<group>.qrc
    // listing them under the prefix "/res". Returns false and fills `error`
    // on the first failure.
    bool write(const QString& dir, QString* error) const;

private:
    std::vector<ArtFile> files_;
};

} // namespace zgart
