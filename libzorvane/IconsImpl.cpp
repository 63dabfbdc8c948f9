#include "IconsImpl.h"

#include "Error.h"
#include "Paths.h"

#include <QImage>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zg {

namespace {

// The whole of a regular file, or nothing: folders, devices, pipes (which
// could block), unreadable and oversized files give no bytes.
std::vector<uint8_t> readRegularFile(const QString& systemPath)
{
    const QByteArray path = systemPath.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::vector<uint8_t> data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<uint64_t>(st.st_size) <= IconsImpl::MaxFileBytes) {
        data.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        data.resize(done); // a file that shrank while read is read as cut
    }
    ::close(fd);
    return data;
}

} // namespace

QImage decodeIconImage(icons::Bytes data, const icons::Entry& entry)
{
    if (entry.offset > data.size() || entry.size > data.size() - entry.offset)
        return {};
    const icons::Bytes bytes = data.subspan(entry.offset, entry.size);
    icons::Pixels px;
    const bool decoded =
        entry.format == icons::Format::Png ? icons::decodePng(bytes, px) : icons::decodeBmp(bytes, px);
    if (!decoded)
        return {};
    QImage image(px.width, px.height, QImage::Format_ARGB32);
    for (int y = 0; y < px.height; ++y)
        std::copy_n(px.argb.data() + static_cast<size_t>(y) * px.width, px.width,
                    reinterpret_cast<uint32_t*>(image.scanLine(y)));
    return image;
}

void IconsImpl::setIconFileName(const QString& FileName)
{
    fileName_ = FileName;
    setData(FileName.isEmpty() ? std::vector<uint8_t>{} : readRegularFile(plat::toSystemPath(FileName)));
}

void IconsImpl::setData(std::vector<uint8_t> data)
{
    data_ = std::move(data);
    groups_ = icons::readIcons(data_);
}

plat::PicturePtr IconsImpl::GetIcon(int32_t Index, int32_t Size)
{
    if (Index < 0 || Index >= IconCount())
        plat::raise(plat::err::SubscriptRange, QStringLiteral("ZorvaneIcons"));
    if (Size != 0 && Size != 1)
        plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneIcons"));
    const int side = Size == 0 ? 16 : 32;
    const icons::Group& group = groups_[static_cast<size_t>(Index)];
    const icons::Entry& entry = group.entries[static_cast<size_t>(icons::nearestEntry(group, side))];
    QImage image = decodeIconImage(data_, entry);
    if (image.isNull())
        plat::raise(481, QStringLiteral("ZorvaneIcons"), QStringLiteral("Invalid picture"));
    if (image.width() != side || image.height() != side)
        image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return plat::Picture::fromImage(image, plat::Picture::Icon);
}

} // namespace zg
