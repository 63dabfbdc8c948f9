// An ext4 file system's image as far as its superblock: enough for its
// label, identifier and type to be read from it. Shared by the tests and
// the benchmark of volume reading.
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace zgtest {

// Writes the image to `path`; false when it cannot be written.
inline bool writeExt4Image(const QString& path, const QByteArray& label)
{
    QByteArray image(64 * 1024, '\0');
    auto put = [&image](int at, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            image[1024 + at + i] = char((value >> (8 * i)) & 0xff);
    };
    put(0, 16, 4);      // inodes
    put(4, 64, 4);      // blocks of 1 KiB
    put(56, 0xEF53, 2); // magic number
    put(76, 1, 4);      // revision
    put(84, 11, 4);     // first inode
    put(88, 128, 2);    // inode size
    put(96, 0x40, 4);   // extents: ext4
    const char uuid[] = "\x0b\x5e\x2a\x11\x7c\x4d\x4e\x0f\x9a\x31\x5d\x2c\x8e\x7f\x6a\x10";
    image.replace(1024 + 104, 16, QByteArray(uuid, 16));
    image.replace(1024 + 120, int(label.size()), label);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(image) == image.size();
}

} // namespace zgtest
