// The icons of a file, read by our own reader (icons/IconReader.h).
#pragma once
#include "IconReader.h"
#include "ZorvaneIcons.h"

#include <vector>

namespace zg {

class IconsImpl : public ZorvaneIcons {
public:
    QString IconFileName() const override { return fileName_; }
    void setIconFileName(const QString& FileName) override;
    int32_t IconCount() override { return static_cast<int32_t>(groups_.size()); }
    plat::PicturePtr GetIcon(int32_t Index, int32_t Size) override;

    // The largest file read; bigger files offer no icons.
    static constexpr size_t MaxFileBytes = size_t(256) << 20;

    // The icons of bytes already in memory (tests, and the file reading).
    void setData(std::vector<uint8_t> data);

private:
    QString fileName_;
    std::vector<uint8_t> data_;
    std::vector<icons::Group> groups_;
};

// One image of an icon decoded as a 32-bit image with alpha; a null image
// when it cannot be decoded.
QImage decodeIconImage(icons::Bytes data, const icons::Entry& entry);

} // namespace zg
