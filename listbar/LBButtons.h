// The buttons of one bar, kept twice: in display order (under the user key
// when one was given) and by UniqueID. Beside them it keeps what every
// redraw reads without walking the buttons: the visibility mask (one "1" or
// "0" per button in display order), the number of visible buttons and the
// width of the widest caption.
#pragma once
#include "Collection.h"
#include "LBButton.h"
#include "Object.h"
#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace listbar {

class LBButtons : public plat::Object {
public:
    // The text hosts show for a public member ("" for other names).
    static QString memberDescription(const QString& member);

    // Adds a visible button at the end and returns it. An object as
    // ButtonImage raises 30093, a key already used in this bar the
    // collection's error (457), both under "ZorvaneListBar.LBButtons.Add";
    // nothing is added then and the notifier's PreventRefresh is as before.
    LBButtonPtr Add(const QString& Caption, const plat::Variant& ButtonImage,
                    const plat::Variant& Key = plat::Variant::missing());
    // A number is a 1-based display position, a text a user key; the
    // collection's error for anything it does not hold.
    LBButtonPtr Item(const plat::Variant& Index) const { return orderCollection_.Item(Index); }
    int32_t Count() const { return orderCollection_.Count(); }
    // Whether `Key` is a user key of this bar (without regard to case).
    bool KeyExists(const QString& Key) const { return orderCollection_.containsKey(Key); }
    // Removes a button; an Index that names no button changes nothing.
    void Remove(const plat::Variant& Index);
    // The buttons in display order (a copy: the host may change the
    // collection while it walks them).
    std::vector<LBButtonPtr> NewEnum() const { return orderCollection_.snapshot(); }

    // --- internal ---
    void BarID(const QString& id) { barID_ = id; }
    const QString& BarID() const { return barID_; }
    const QString& VisibilityMask() const { return visibilityMask_; }
    // Rebuilds the mask and the visible count from the buttons' Visible.
    void CalculateVisibleButtons();
    void DelegateID(const QString& id) { delegateID_ = id; }
    const QString& DelegateID() const { return delegateID_; }
    // Puts a button back into the display order before `Position`, or at
    // the end when Position is past the last button; the mask follows.
    void InsertAt(const LBButtonPtr& Button, int32_t Position);
    // Takes the entry at `Index` out of the display order only.
    void RemoveAt(const plat::Variant& Index) { orderCollection_.Remove(Index); }
    // The button with that UniqueID, or none (never an error).
    LBButtonPtr ItemByID(const QString& ID) const { return idCollection_.find(ID).value_or(nullptr); }
    int32_t VisibleCount() const { return visibleCount_; }
    int32_t LongestTextWidth() const { return longestTextWidth_; }
    // Measures every caption in the bar's font through the control.
    void DetermineLongestText();

    // Moves `Button` to position `OrderIndex`: the buttons between its old
    // and new position shift by one, every ButtonOrder is stored silently.
    // An OrderIndex outside 1 to Count changes nothing. Returns the buttons
    // that shifted (the control's redraw test looks at them).
    std::vector<LBButtonPtr> Reorder(const LBButtonPtr& Button, int32_t OrderIndex);

private:
    plat::Collection<LBButtonPtr> orderCollection_;
    plat::Collection<LBButtonPtr> idCollection_;
    QString delegateID_;
    QString barID_;
    int32_t longestTextWidth_ = 0;
    int32_t visibleCount_ = 0;
    QString visibilityMask_;
};

using LBButtonsPtr = std::shared_ptr<LBButtons>;

} // namespace listbar
