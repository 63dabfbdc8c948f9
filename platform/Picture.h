// The runtime's picture object: shared, with a Handle (0 for an empty
// picture) and its size in HiMetric. A null PicturePtr is "Nothing", which
// is distinct from an empty picture.
#pragma once
#include "Object.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>

namespace plat {

class Picture;
using PicturePtr = std::shared_ptr<Picture>;

class Picture : public Object {
public:
    enum Type : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, Cursor = 4 };

    // An empty picture (Handle 0, Type None).
    Picture();
    explicit Picture(QImage image, Type type = Bitmap);

    static PicturePtr empty();
    static PicturePtr fromImage(const QImage& image, Type type = Bitmap);
    // Loads a picture file (BMP, PNG, ICO, ...). Raises error 53 "File not
    // found" for a missing file and 481 "Invalid picture" for one that
    // cannot be read. `path` is a system path (see Paths.h).
    static PicturePtr load(const QString& path);

    bool isEmpty() const { return handle_ == 0; }
    // Distinct non-zero value per picture with pixels; 0 for an empty one.
    int64_t Handle() const { return handle_; }
    Type type() const { return type_; }
    int32_t Width() const;  // HiMetric
    int32_t Height() const; // HiMetric
    int widthPixels() const { return image_.width(); }
    int heightPixels() const { return image_.height(); }

    const QImage& image() const { return image_; }
    // An independent copy (new handle, same pixels).
    PicturePtr copy() const;

    // Hot spot of a cursor picture in pixels.
    QPoint hotSpot() const { return hotSpot_; }
    void setHotSpot(QPoint p) { hotSpot_ = p; }

private:
    QImage image_;
    Type type_ = None;
    int64_t handle_ = 0;
    QPoint hotSpot_;
};

// Two picture references are the same picture when both are Nothing or their
// Handles are equal.
bool samePicture(const PicturePtr& a, const PicturePtr& b);

// Resources by name, compiled into the program as Qt resources under
// ":/res/<NAME>.<ext>" (names compared without regard to case). Raises error
// 326 when no resource of that name exists.
PicturePtr loadResPicture(const QString& name);
bool hasResPicture(const QString& name);

} // namespace plat
