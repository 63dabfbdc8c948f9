// The image list: a control without a window that holds pictures by index
// (from 1) and key. Code finds it on a form by name and recognises it by its
// ListImages (no other control answers that name).
//
// Design data: the images in order as the properties "ListImage1",
// "ListImage2", ... (pictures), each with an optional key "ListImageKey1",
// "ListImageKey2", ... (texts).
#pragma once
#include "Control.h"

#include <vector>

namespace plat {

class ListImage : public Object {
public:
    ListImage(int32_t index, QString key, PicturePtr picture)
        : index_(index), key_(std::move(key)), picture_(std::move(picture))
    {
    }
    int32_t Index() const { return index_; }
    const QString& Key() const { return key_; }
    PicturePtr Picture() const { return picture_; }
    const QString& Tag() const { return tag_; }
    void setTag(const QString& t) { tag_ = t; }

private:
    friend class ListImages;
    int32_t index_;
    QString key_;
    PicturePtr picture_;
    QString tag_;
};

class ListImages : public Object {
public:
    int32_t Count() const { return int32_t(images_.size()); }
    // By index (a number, from 1) or key (a text). Raises 35600 "Index out of
    // bounds" and 35601 "Element not found".
    std::shared_ptr<ListImage> Item(const Variant& indexOrKey) const;
    std::shared_ptr<ListImage> operator()(const Variant& indexOrKey) const { return Item(indexOrKey); }
    // Adds before `index` (or at the end); a key already present raises
    // 35602 "Key is not unique in collection".
    std::shared_ptr<ListImage> Add(const Variant& index, const Variant& key, const PicturePtr& picture);
    void Remove(const Variant& indexOrKey);
    void Clear() { images_.clear(); }

private:
    void renumber();
    std::vector<std::shared_ptr<ListImage>> images_;
};

class ImageList : public Control {
public:
    ImageList();
    std::shared_ptr<plat::ListImages> ListImages() const { return images_; }
    int32_t ImageWidth() const { return imageWidth_; }
    int32_t ImageHeight() const { return imageHeight_; }

    bool hasWindow() const override { return false; }
    bool hasTabIndex() const override { return false; }
    bool hasVisible() const override { return false; }
    bool hasEnabled() const override { return false; }
    bool hasMousePointer() const override { return false; }
    bool canTakeFocus() const override { return false; }
    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;
    void applyDesignProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget*) override { return nullptr; }

private:
    std::shared_ptr<plat::ListImages> images_;
    int32_t imageWidth_ = 0;
    int32_t imageHeight_ = 0;
    void rebuildFromDesign();
    std::vector<std::pair<QString, PicturePtr>> design_; // key and picture by position
};

} // namespace plat
