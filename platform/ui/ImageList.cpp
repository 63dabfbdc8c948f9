#include "ImageList.h"

namespace plat {

std::shared_ptr<ListImage> ListImages::Item(const Variant& indexOrKey) const
{
    if (indexOrKey.isString()) {
        for (const auto& img : images_)
            if (!img->key_.isEmpty() && img->key_.compare(indexOrKey.rawString(), Qt::CaseInsensitive) == 0)
                return img;
        raise(35601, {}, QStringLiteral("Element not found"));
    }
    const int32_t i = indexOrKey.toLong();
    if (i < 1 || i > Count())
        raise(35600, {}, QStringLiteral("Index out of bounds"));
    return images_[size_t(i - 1)];
}

std::shared_ptr<ListImage> ListImages::Add(const Variant& index, const Variant& key, const PicturePtr& picture)
{
    if (!picture)
        raise(err::InvalidProperty);
    QString k;
    if (!key.isMissing() && !key.isEmpty()) {
        k = key.toString();
        for (const auto& img : images_)
            if (img->key_.compare(k, Qt::CaseInsensitive) == 0)
                raise(35602, {}, QStringLiteral("Key is not unique in collection"));
    }
    size_t pos = images_.size();
    if (!index.isMissing() && !index.isEmpty()) {
        const int32_t i = index.toLong();
        if (i < 1 || i > Count() + 1)
            raise(35600, {}, QStringLiteral("Index out of bounds"));
        pos = size_t(i - 1);
    }
    auto img = std::make_shared<ListImage>(0, k, picture);
    images_.insert(images_.begin() + std::ptrdiff_t(pos), img);
    renumber();
    return img;
}

void ListImages::Remove(const Variant& indexOrKey)
{
    auto img = Item(indexOrKey);
    images_.erase(std::find(images_.begin(), images_.end(), img));
    renumber();
}

void ListImages::renumber()
{
    for (size_t i = 0; i < images_.size(); ++i)
        images_[i]->index_ = int32_t(i + 1);
}

ImageList::ImageList() : images_(std::make_shared<plat::ListImages>()) {}

Variant ImageList::getProperty(const QString& name) const
{
    if (is(name, "ListImages"))
        return Variant(images_);
    if (is(name, "ImageWidth"))
        return Variant(imageWidth_);
    if (is(name, "ImageHeight"))
        return Variant(imageHeight_);
    return Control::getProperty(name);
}

void ImageList::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "ImageWidth"))
        imageWidth_ = value.toLong();
    else if (is(name, "ImageHeight"))
        imageHeight_ = value.toLong();
    else
        Control::setProperty(name, value);
}

void ImageList::rebuildFromDesign()
{
    images_->Clear();
    for (const auto& [key, picture] : design_)
        if (picture)
            images_->Add(Variant::missing(), key.isEmpty() ? Variant::missing() : Variant(key), picture);
}

void ImageList::applyDesignProperty(const QString& name, const Variant& value)
{
    static const QString keyPrefix = QStringLiteral("ListImageKey");
    static const QString imagePrefix = QStringLiteral("ListImage");
    auto position = [&](const QString& prefix) {
        bool ok = false;
        const int n = name.mid(prefix.size()).toInt(&ok);
        if (!ok || n < 1 || n > 10000)
            raise(err::InvalidProperty, {}, QStringLiteral("Invalid property value: %1").arg(name));
        if (size_t(n) > design_.size())
            design_.resize(size_t(n));
        return size_t(n - 1);
    };
    if (name.startsWith(keyPrefix, Qt::CaseInsensitive)) {
        design_[position(keyPrefix)].first = value.toString();
        rebuildFromDesign();
    } else if (name.startsWith(imagePrefix, Qt::CaseInsensitive) && name.size() > imagePrefix.size() &&
               name[imagePrefix.size()].isDigit()) {
        auto pic = value.objectAs<Picture>();
        if (!pic)
            raise(err::TypeMismatch);
        design_[position(imagePrefix)].second = pic;
        rebuildFromDesign();
    } else
        setProperty(name, value);
}

} // namespace plat
