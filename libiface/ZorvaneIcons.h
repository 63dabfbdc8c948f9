// The icons of an executable, a library or an icon file. A form makes its own
// object when it loads (zg::NewIcons()) and releases it when it unloads.
//
// Our definition: icon files (.ico: BMP images at 1, 4, 8, 24 and 32 bits
// with their masks, and PNG images) and Windows executables and libraries
// (PE32 and PE32+, whatever their name), read by our own reader. One icon is
// one icon file or one icon group of an executable's resources. Any other,
// empty, cut or damaged file, a folder or a file that cannot be read has no
// icons; no file makes the reader fail.
#pragma once
#include "Picture.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneIcons {
public:
    static constexpr const char* ClassId = "{7EC659AD-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{7EC659AC-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneIcons";

    virtual ~ZorvaneIcons() = default;

    // The file whose icons are offered (a Windows-style path). Setting it
    // reads the file at once; "" (the start) offers no icons.
    virtual QString IconFileName() const = 0;
    virtual void setIconFileName(const QString& FileName) = 0;

    // The number of icons of the file (1 for an icon file, the number of
    // icon groups for an executable; 0 for anything without icons).
    virtual int32_t IconCount() = 0;

    // Icon `Index` (0 to IconCount - 1) as an icon picture: Size 0 the small
    // image, 1 the large one, each the image nearest to 16 or 32 pixels,
    // shown at 16 x 16 or 32 x 32 (scaled when no image has that size).
    // Raises 9 "Subscript out of range" for another index, 5 for another
    // size and 481 "Invalid picture" when the chosen image cannot be decoded.
    virtual plat::PicturePtr GetIcon(int32_t Index, int32_t Size) = 0;
};

} // namespace zg
