#include "Picture.h"

#include "ImageDecode.h"

#include "Error.h"
#include "Units.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QResource>
#include <atomic>

namespace plat {

namespace {
int64_t nextHandle()
{
    static std::atomic<int64_t> counter{0x1000};
    return counter.fetch_add(4) + 4;
}

// Icon and cursor files read as such; every other kind is a bitmap.
Picture::Type typeOfFormat(const QByteArray& format)
{
    if (format == "ico")
        return Picture::Icon;
    if (format == "cur")
        return Picture::Cursor;
    return Picture::Bitmap;
}
} // namespace

Picture::Picture() = default;

Picture::Picture(QImage image, Type type) : image_(std::move(image)), type_(type)
{
    if (image_.isNull()) {
        type_ = None;
    } else {
        handle_ = nextHandle();
    }
}

PicturePtr Picture::empty() { return std::make_shared<Picture>(); }

PicturePtr Picture::fromImage(const QImage& image, Type type) { return std::make_shared<Picture>(image, type); }

PicturePtr Picture::load(const QString& path)
{
    QFileInfo fi(path);
    if (!fi.exists())
        raise(err::FileNotFound);
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull())
        raise(481, {}, QStringLiteral("Invalid picture"));
    return std::make_shared<Picture>(img, typeOfFormat(reader.format().toLower()));
}

int32_t Picture::Width() const { return isEmpty() ? 0 : pixelsToHimetricWhole(image_.width()); }
int32_t Picture::Height() const { return isEmpty() ? 0 : pixelsToHimetricWhole(image_.height()); }

PicturePtr Picture::copy() const
{
    if (isEmpty())
        return empty();
    auto p = std::make_shared<Picture>(image_.copy(), type_);
    p->hotSpot_ = hotSpot_;
    return p;
}

bool samePicture(const PicturePtr& a, const PicturePtr& b)
{
    if (!a || !b)
        return !a && !b;
    return a->Handle() == b->Handle();
}

namespace {
// Upper-case resource name -> resource path, built once from ":/res".
const QHash<QString, QString>& resourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> h;
        QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            h.insert(QFileInfo(path).completeBaseName().toUpper(), path);
        }
        return h;
    }();
    return index;
}
} // namespace

bool hasResPicture(const QString& name) { return resourceIndex().contains(name.toUpper()); }

PicturePtr loadResPicture(const QString& name)
{
    const auto& idx = resourceIndex();
    auto it = idx.find(name.toUpper());
    if (it == idx.end())
        raise(err::ResourceNotFound, {},
              QStringLiteral("Resource with identifier '%1' not found").arg(name));
    // The program's own pictures are read in place where they can be (see
    // ImageDecode.h); the others in the format the resource's name gives,
    // without asking every image plugin about it first (which loads them
    // all); a resource that does not read so goes through the reader's own
    // detection.
    QImage img;
    QByteArray fmt;
    const QResource resource(it.value());
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        img = decodeOwnImage(
            QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size())));
    }
    if (img.isNull()) {
        QImageReader named(it.value(), QFileInfo(it.value()).suffix().toLower().toLatin1());
        named.setAutoDetectImageFormat(false);
        img = named.read();
        fmt = named.format().toLower();
    }
    if (img.isNull()) {
        QImageReader reader(it.value());
        img = reader.read();
        fmt = reader.format().toLower();
    }
    if (img.isNull())
        raise(481, {}, QStringLiteral("Invalid picture"));
    Picture::Type t = typeOfFormat(fmt);
    // A cursor kept as a PNG carries its hot spot in the text "HotSpot" =
    // "x,y"; the picture is a cursor then.
    const QString hs = img.text(QStringLiteral("HotSpot"));
    if (!hs.isEmpty())
        t = Picture::Cursor;
    auto p = std::make_shared<Picture>(img, t);
    if (!hs.isEmpty()) {
        const auto parts = hs.split(',');
        if (parts.size() == 2)
            p->setHotSpot(QPoint(parts[0].toInt(), parts[1].toInt()));
    }
    return p;
}

} // namespace plat
