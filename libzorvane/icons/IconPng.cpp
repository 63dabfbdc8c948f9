// PNG icon images through libpng itself: every colour type and depth, the
// transparency chunk of each, interlaced or not, to straight 8-bit ARGB.
#include "IconReader.h"

#include <bit>
#include <csetjmp>
#include <cstring>
#include <png.h>

namespace zg::icons {

namespace {

struct PngSource {
    Bytes data;
    size_t at = 0;
};

void readFromSource(png_structp png, png_bytep into, png_size_t length)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > source->data.size() - source->at)
        png_error(png, "image cut short");
    std::memcpy(into, source->data.data() + source->at, length);
    source->at += length;
}

void onError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// The libpng objects of one decoding, let go however it ends.
class PngReader {
public:
    PngReader()
    {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
        if (png_)
            info_ = png_create_info_struct(png_);
    }
    ~PngReader() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    bool usable() const { return png_ && info_; }
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// The decoding proper. libpng reports errors by a long jump back to the
// setjmp below, so this frame holds nothing that needs destroying: the rows
// and pixels live in the caller's objects.
bool readImage(const PngReader& reader, PngSource& source, std::vector<png_bytep>& rows, Pixels& out)
{
    png_structp png = reader.png();
    png_infop info = reader.info();
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &source, readFromSource);
    png_set_user_limits(png, MaxSide, MaxSide);
    png_read_info(png, info);

    // Palette, grey below 8 bits and the transparency chunk (a palette's
    // alphas, or one grey level or RGB colour, compared at the file's own
    // depth) become 8 or 16-bit RGBA; 16-bit samples are scaled to 8 bits
    // with rounding, never cut.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png); // B, G, R, A in memory: 0xAARRGGBB as a little-endian word
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide ||
        png_get_rowbytes(png, info) != size_t(width) * 4)
        return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.argb.assign(size_t(width) * height, 0);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(out.argb.data() + size_t(y) * width);
    png_read_image(png, rows.data());
    return true;
}

} // namespace

bool decodePng(Bytes image, Pixels& out)
{
    static_assert(std::endian::native == std::endian::little, "pixels are written as little-endian words");
    int width = 0, height = 0;
    if (!checkPng(image, width, height))
        return false;
    PngReader reader;
    if (!reader.usable())
        return false;
    PngSource source{image};
    std::vector<png_bytep> rows;
    Pixels decoded;
    if (!readImage(reader, source, rows, decoded))
        return false;
    out = std::move(decoded);
    return true;
}

} // namespace zg::icons
