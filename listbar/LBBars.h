// The bars of one list bar, kept twice: in display order (under the user key
// when one was given) and by UniqueID. It also records which bar is active
// and how many bars are visible. The control creates it, gives it its
// notifier's identifier and hands it to the host as its default member.
#pragma once
#include "Collection.h"
#include "LBBar.h"
#include "Object.h"
#include "Picture.h"
#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace listbar {

class LBBars : public plat::Object {
public:
    // The text hosts show for a public member ("" for other names).
    static QString memberDescription(const QString& member);

    // Whether `Key` is a user key of a bar (without regard to case).
    bool KeyExists(const QString& Key) const { return orderCollection_.containsKey(Key); }
    // The active bar; the collection's error when there is none.
    LBBarPtr ActiveBar() const { return idCollection_.Item(plat::Variant(activeBarID_)); }
    // Adds a visible bar at the end with the control's shared settings and
    // returns it; the first bar added becomes the active bar. A key already
    // used raises the collection's error (457) under
    // "ZorvaneListBar.LBBars.Add"; nothing is added then and the notifier's
    // PreventRefresh is as before.
    LBBarPtr Add(const QString& Caption, const plat::Variant& Key = plat::Variant::missing());
    // A number is a 1-based display position, a text a user key; the
    // collection's error for anything it does not hold.
    LBBarPtr Item(const plat::Variant& Index) const { return orderCollection_.Item(Index); }
    int32_t Count() const { return orderCollection_.Count(); }
    // Removes a bar and renumbers the others; when it was the active bar the
    // first bar left becomes active. The collection's error for an Index
    // that names no bar, with nothing changed.
    void Remove(const plat::Variant& Index);
    // The bars in display order (a copy: the host may change the collection
    // while it walks them).
    std::vector<LBBarPtr> NewEnum() const { return orderCollection_.snapshot(); }

    // --- internal ---
    // Recounts the visible bars; when the active bar is not among them the
    // first visible bar becomes active (with none visible it stays).
    void CalculateVisibleBars();
    // The first caption picture of the bars in display order, or none.
    plat::PicturePtr FirstCaptionImage() const;
    const QString& ActiveBarID() const { return activeBarID_; }
    // The one writer of the active bar: every bar's IsActive follows it.
    void ActiveBarID(const QString& id);
    int32_t VisibleBarCount() const { return visibleBarCount_; }
    // Takes the notifier's identifier and makes itself known to that
    // notifier (the control calls it once, right after creating the bars).
    void DelegateID(const QString& id);
    const QString& DelegateID() const { return delegateID_; }
    // Puts a bar back into the display order before `Position`, or at the
    // end when Position is past the last bar.
    void InsertAt(const LBBarPtr& Bar, int32_t Position);
    // The bar with that UniqueID, or none (never an error).
    LBBarPtr ItemByID(const QString& ID) const { return idCollection_.find(ID).value_or(nullptr); }
    // Takes the entry at `Index` out of the display order only.
    void RemoveAt(const plat::Variant& Index) { orderCollection_.Remove(Index); }

    // Moves `Bar` to position `OrderIndex`: the bars between its old and new
    // position shift by one, every BarOrder is stored silently. An
    // OrderIndex outside 1 to Count changes nothing.
    void Reorder(const LBBarPtr& Bar, int32_t OrderIndex);
    // Counts the visible bars without touching the active bar (after a bar
    // was shown directly, without a request to the control).
    void RecountVisibleBars();

private:
    plat::Collection<LBBarPtr> orderCollection_;
    plat::Collection<LBBarPtr> idCollection_;
    QString delegateID_;
    int32_t visibleBarCount_ = 0;
    QString activeBarID_;
};

using LBBarsPtr = std::shared_ptr<LBBars>;

} // namespace listbar
