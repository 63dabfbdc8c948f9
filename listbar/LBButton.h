// One button of a bar: a caption with up to three image references. A
// button holds no reference to its bar, its collection or the control; it
// knows the UniqueIDs of its bar and of the control's notifier and sends
// every effect on the rest of the control as a request through the notifier.
//
// Properties read through the member of their name and are set through the
// overload of the same name taking the new value (the host's property
// assignment). Members marked "internal" are the control's, not the host's.
#pragma once
#include "Object.h"
#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace listbar {

class LBBar;
class LBDelegate;
using LBBarPtr = std::shared_ptr<LBBar>;

class LBButton : public plat::Object {
public:
    // The text hosts show for a public member ("" for other names).
    static QString memberDescription(const QString& member);

    // The bar this button belongs to, as the control answers for its bar
    // identifier; none once the bar is removed or the control is gone.
    LBBarPtr ParentBar() const;

    const QString& Tag() const { return tag_; }
    void Tag(const QString& New_Tag) { tag_ = New_Tag; }

    // Makes the button visible without a recount request, then asks the
    // control to open its caption editor over the button.
    void EditCaption();

    int32_t ButtonOrder() const { return buttonOrder_; }
    // A value of at least 1 that differs from the current position asks the
    // control to move the button; the control stores the new positions.
    void ButtonOrder(int32_t New_ButtonOrder);

    // Makes the button visible without a recount request, then asks the
    // control to activate its bar and scroll the button into view.
    void MakeVisible();

    void Visible(bool New_Visible);
    bool Visible() const { return visible_; }

    void Caption(const QString& New_Caption);
    const QString& Caption() const { return caption_; }

    // Image references: empty, a number (index) or a text (key) into the
    // control's image source. An object raises error 30093 and changes
    // nothing.
    void ButtonImage(const plat::Variant& New_ButtonImage);
    const plat::Variant& ButtonImage() const { return image_; }
    void ButtonImageHover(const plat::Variant& New_ButtonImageHover);
    const plat::Variant& ButtonImageHover() const { return imageHover_; }
    void ButtonImageDown(const plat::Variant& New_ButtonImageDown);
    const plat::Variant& ButtonImageDown() const { return imageDown_; }

    const QString& Key() const { return key_; }

    // --- internal ---
    int32_t TextWidth() const { return textWidth_; }
    void TextWidth(int32_t width) { textWidth_ = width; }
    double RedrawStamp() const { return redrawStamp_; }
    void RedrawStamp(double stamp) { redrawStamp_ = stamp; }
    const QString& UniqueID() const { return uniqueID_; }
    void UniqueID(const QString& id) { uniqueID_ = id; }
    const QString& BarID() const { return barID_; }
    void BarID(const QString& id) { barID_ = id; }
    const QString& DelegateID() const { return delegateID_; }
    void DelegateID(const QString& id) { delegateID_ = id; }
    // Stores the position without any request.
    void SetButtonOrder(int32_t NewOrder) { buttonOrder_ = NewOrder; }
    void SetKey(const QString& NewKey) { key_ = NewKey; }

private:
    std::shared_ptr<LBDelegate> notifier() const;
    void setImage(plat::Variant& field, const plat::Variant& value, const QString& member);
    // After a direct write of Visible: the bar's mask and count follow
    // without a request to the control.
    void recountBarSilently() const;

    QString key_;
    plat::Variant image_;
    plat::Variant imageHover_;
    plat::Variant imageDown_;
    int32_t buttonOrder_ = 0;
    QString caption_;
    bool visible_ = true;
    QString uniqueID_;
    QString barID_;
    QString delegateID_;
    double redrawStamp_ = 0;
    QString tag_;
    int32_t textWidth_ = 0;
};

using LBButtonPtr = std::shared_ptr<LBButton>;

} // namespace listbar
