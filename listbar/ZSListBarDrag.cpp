// Drag and drop on the list bar. A button dragged by the user carries its
// bar's and its own UniqueID as two file-list entries; while a drag moves
// over the control, the drop position is judged from the hit-test items and
// marked; a drop moves or copies the button, hands data from outside to the
// host (dropped on a button) or makes a new button of it (dropped on the
// button area).
//
// The drop skips a failing step and goes on with the next.
#include "ZSListBar.h"

#include "LBButtons.h"
#include "Library.h"
#include "PaintSupport.h"
#include "ZorvaneStrings.h"

#include <Input.h>
#include <Timer.h>

#include <limits>

namespace listbar {

using paint::deref;
using paint::stmt;

namespace {

// The tags of the two entries of a button's drag data.
const QString BarEntryTag = QStringLiteral("ZSListBar^BarID");
const QString ButtonEntryTag = QStringLiteral("ZSListBar^ButtonID");
const QString EntrySeparator = QStringLiteral("=");
// InsertKey of a mark before the first displayed button.
const QString InsertAtTopKey = QStringLiteral("^top");

bool hasFileList(const plat::DataObjectPtr& data) { return data && data->GetFormat(plat::cf::Files); }

bool hits(const LBTrackingObjectPtr& item, int32_t x, int32_t y)
{
    return plat::tryCondition([&] { return item->HitTest(x, y); });
}

} // namespace

void InternalZSListBar::setModelRefresh(bool prevent)
{
    stmt([&] { deref(state_.Delegate).PreventRefresh = prevent; });
}

// ----- Source side -----

void InternalZSListBar::UserControl_OLEStartDrag(plat::DataObjectPtr& Data, int32_t& AllowedEffects)
{
    const LBTrackingObjectPtr item = state_.CurrentItem; // the pressed button
    if (!item)
        return;
    state_.InsertShown = false;
    state_.InsertKey.clear();
    stmt([&] { deref(deref(Data).Files()).Add(BarEntryTag + EntrySeparator + item->BarID); });
    stmt([&] { deref(deref(Data).Files()).Add(ButtonEntryTag + EntrySeparator + item->ButtonID); });
    stmt([&] { deref(Data).SetData(plat::Variant::missing(), plat::Variant(plat::cf::Files)); });
    AllowedEffects = plat::dropeffect::All;
}

void InternalZSListBar::UserControl_OLECompleteDrag(int32_t& Effect)
{
    state_.MouseIsDown = false;
    state_.InternalDrag = false;
    state_.DragInProgress = false;
    // No release follows a drag: the press that started it ends here, so
    // that the hover moves on again from the pressed button.
    if (state_.CurrentItem)
        state_.CurrentItem->Locked = false;
    // A drag that ended without a drop here (cancelled, or dropped
    // elsewhere) leaves no mark and no scrolling behind.
    setTimer(timerScroll, false);
    state_.DragScrollDirection = 0;
    if (state_.InsertShown) {
        state_.InsertShown = false;
        state_.InsertKey.clear();
        LayoutAndPaint();
    }
}

// ----- Target side -----

bool InternalZSListBar::hoverChangeTo(const LBTrackingObjectPtr& item)
{
    const LBTrackingObjectPtr current = state_.CurrentItem;
    if (current && current->BarID == item->BarID && current->ButtonID == item->ButtonID &&
        current->ComponentType == item->ComponentType)
        return false;
    if (current) {
        current->MouseState = mousestate::Idle;
        current->Locked = false;
        raiseItemLeave(current);
    }
    item->MouseState = mousestate::Hover;
    // The item becomes current at once: not every drag-over redraws, and
    // the next one must not see the old item again.
    state_.CurrentItem = item;
    return true;
}

void InternalZSListBar::dragLeft()
{
    // Nothing of the drag stays behind the control's edge: no scrolling, no
    // mark, and a drag from outside must be judged afresh (the host may
    // turn drops off meanwhile).
    setTimer(timerScroll, false);
    state_.DragScrollDirection = 0;
    if (state_.InsertShown) {
        state_.InsertShown = false;
        state_.InsertKey.clear();
        LayoutAndPaint();
    }
    if (!state_.InternalDrag)
        state_.DragInProgress = false;
}

void InternalZSListBar::UserControl_OLEDragOver(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button,
                                                int16_t& Shift, float& X, float& Y, int16_t& State)
{
    const plat::ObjectPtr alive = weak_from_this().lock(); // the host's events may drop the control
    if (State == plat::dragstate::Leave) {
        dragLeft();
        return;
    }
    if (State != plat::dragstate::Over)
        return;
    ListBarState& s = state_;
    noteControlEntry();

    if (!hasFileList(Data)) {
        Effect = plat::dropeffect::None;
        s.LastEffect = 0;
        return;
    }
    if (!s.DragInProgress) {
        // A drag from outside.
        if (!oleDropAllowed_) {
            Effect = plat::dropeffect::None;
            s.LastEffect = 0;
            return;
        }
        s.InsertShown = false;
        s.DragInProgress = true;
        s.InsertKey.clear();
    }

    int32_t mx = 0, my = 0;
    stmt([&] { mx = plat::CLng(X); });
    stmt([&] { my = plat::CLng(Y); });
    std::vector<LBTrackingObjectPtr> items;
    stmt([&] { items = deref(s.TrackingObjects).snapshot(); });
    const bool horizontal = s.Orientation != 0;

    // Held near the first or last edge of the button area, the drag
    // scrolls the buttons (every 55 ms, without the arrows' delay).
    bool atEdge = false;
    for (const LBTrackingObjectPtr& item : items) {
        if (item->ComponentType != component::ClientArea || !hits(item, mx, my))
            continue;
        if (plat::tryCondition([&] {
                return (horizontal ? item->HitTestRight(mx, my) : item->HitTestBottom(mx, my)) && item->ScrollsDown;
            })) {
            s.DragScrollDirection = 1;
            setTimer(timerScroll, true);
            atEdge = true;
        } else if (plat::tryCondition([&] {
                       return (horizontal ? item->HitTestLeft(mx, my) : item->HitTestTop(mx, my)) && item->ScrollsUp;
                   })) {
            s.DragScrollDirection = -1;
            setTimer(timerScroll, true);
            atEdge = true;
        } else {
            s.DragScrollDirection = 0;
            setTimer(timerScroll, false);
        }
    }

    // Over a tab: that bar opens; nothing can be dropped on a tab itself.
    for (const LBTrackingObjectPtr& tab : items) {
        if (tab->ComponentType != component::BarTab || !hits(tab, mx, my))
            continue;
        s.DragScrollDirection = 0;
        setTimer(timerScroll, false);
        if (hoverChangeTo(tab))
            raiseItemEnter(tab);
        const LBBarPtr bar = findBar(tab->BarID);
        QString activeID;
        stmt([&] { activeID = deref(s.Bars).ActiveBarID(); });
        if (activeID == tab->BarID) {
            Effect = plat::dropeffect::None;
        } else if (bar) {
            stmt([&] { deref(s.Bars).ActiveBarID(tab->BarID); });
            stmt([&] { AnimateBarSwitch(true, activeID); });
            LBBarPtr selected = bar;
            BarSelected.raise(selected);
        }
        if (s.InsertShown) {
            LayoutAndPaint();
            s.InsertShown = false;
        }
        s.LastEffect = Effect;
        return;
    }

    // Over a button: a drag of this control's own button is refused there;
    // data from outside may be dropped on it for the host. The buttons
    // passed over give the insert position for the button area: the one
    // whose centre lies nearest at or before the mouse.
    LBTrackingObjectPtr candidate;
    int64_t nearest = std::numeric_limits<int64_t>::max();
    for (const LBTrackingObjectPtr& button : items) {
        if (button->ComponentType != component::Button)
            continue;
        if (!hits(button, mx, my)) {
            const int64_t centre = horizontal ? int64_t(button->X) + button->Width / 2
                                              : int64_t(button->Y) + button->Height / 2;
            const int64_t d = centre - (horizontal ? mx : my);
            if (d <= 0 && -d < nearest) {
                nearest = -d;
                candidate = button;
            }
            continue;
        }
        if (!atEdge) {
            s.DragScrollDirection = 0;
            setTimer(timerScroll, false);
        }
        Effect = plat::dropeffect::None;
        bool markRemoved = false;
        if (s.InsertShown) {
            s.InsertShown = false;
            markRemoved = true;
        }
        if (!s.InternalDrag) {
            if (Shift == plat::shift::Ctrl)
                Effect = plat::dropeffect::Copy;
            else if (Shift == (plat::shift::Ctrl | plat::shift::Shift))
                Effect = plat::dropeffect::Link;
            else
                Effect = plat::dropeffect::Move;
        }
        if (hoverChangeTo(button) || markRemoved) {
            raiseItemEnter(button);
            LayoutAndPaint();
        }
        s.LastEffect = Effect;
        return;
    }

    // Over the button area: the drop lands at the insert mark.
    LBTrackingObjectPtr area;
    for (const LBTrackingObjectPtr& item : items) {
        if (item->ComponentType == component::ClientArea && hits(item, mx, my)) {
            area = item;
            break;
        }
    }
    if (!area) {
        Effect = plat::dropeffect::None;
        s.LastEffect = 0;
        return;
    }
    if (s.InternalDrag)
        Effect = (Shift == plat::shift::Ctrl || Shift == (plat::shift::Ctrl | plat::shift::Shift))
                     ? plat::dropeffect::Copy
                     : plat::dropeffect::Move;
    else
        Effect = allowUserCustomize_ ? plat::dropeffect::Link : plat::dropeffect::None;
    const bool hoverChanged = hoverChangeTo(area);
    if (hoverChanged)
        raiseItemEnter(area);
    const QString position = candidate ? candidate->ButtonID : InsertAtTopKey;
    if ((s.InsertShown && position == s.InsertKey) || !allowUserCustomize_) {
        if (hoverChanged)
            LayoutAndPaint();
    } else {
        if (candidate)
            LayoutAndPaint(false, QString(), 0, candidate->ButtonID, 0);
        else
            LayoutAndPaint(false, QString(), 0, QString(), -1);
        s.InsertAfterID = candidate ? candidate->ButtonID : QString();
        s.InsertShown = true;
        s.InsertKey = position;
    }
    s.LastEffect = Effect;
}

void InternalZSListBar::UserControl_OLEDragDrop(plat::DataObjectPtr& Data, int32_t& Effect, int16_t& Button,
                                                int16_t& Shift, float& X, float& Y)
{
    const plat::ObjectPtr alive = weak_from_this().lock();
    ListBarState& s = state_;
    s.MouseIsDown = false;
    s.InternalDrag = false;
    s.DragInProgress = false;
    // The drag's edge scrolling ends with it.
    setTimer(timerScroll, false);
    s.DragScrollDirection = 0;
    if (!hasFileList(Data))
        return;

    std::shared_ptr<plat::DataObjectFiles> files;
    int32_t count = 0;
    stmt([&] {
        files = deref(Data).Files();
        count = deref(files).Count();
    });
    if (count < 1)
        return;

    // Two entries tagged by this control name a button of it; anything
    // else is data from outside, its first entry a path. A pair whose bar
    // or button is gone is outside data with an empty path.
    QString path;
    LBButtonPtr dragged;
    if (count == 2) {
        QString first, second, tag, rest1, rest2;
        stmt([&] { first = files->Item(1); });
        stmt([&] { second = files->Item(2); });
        const std::shared_ptr<zg::ZorvaneStrings> strings = zg::Strings();
        stmt([&] { tag = deref(strings).SplitAtDelimiter(first, EntrySeparator, 1); });
        stmt([&] { rest1 = deref(strings).SplitAtDelimiter(first, EntrySeparator, 2); });
        stmt([&] { rest2 = deref(strings).SplitAtDelimiter(second, EntrySeparator, 2); });
        if (tag == BarEntryTag) {
            dragged = findButton(rest1, rest2);
        } else if (tag == ButtonEntryTag) {
            dragged = findButton(rest2, rest1);
        } else {
            path = first;
        }
    } else {
        stmt([&] { path = files->Item(1); });
    }

    const LBTrackingObjectPtr target = s.CurrentItem;
    if (dragged) {
        if (s.LastEffect == plat::dropeffect::Move && target)
            moveDroppedButton(dragged, target);
        else if (s.LastEffect == plat::dropeffect::Copy || s.LastEffect == plat::dropeffect::Link)
            copyDroppedButton(dragged, target);
    } else if (target) {
        if (target->ComponentType == component::Button) {
            const LBButtonPtr button = findButton(target->BarID, target->ButtonID);
            const LBBarPtr bar = findBar(target->BarID);
            if (button && bar) {
                plat::DataObjectPtr data = Data;
                int32_t effect = s.LastEffect; // a copy: the host's change is not read back
                LBButtonPtr buttonArg = button;
                LBBarPtr barArg = bar;
                OLEDropOnButton.raise(data, effect, buttonArg, barArg);
            }
        } else {
            createButtonFromPath(path, target);
        }
    }

    s.InsertShown = false;
    s.InsertKey.clear();
    LayoutAndPaint();
}

// ----- What a drop does -----

void InternalZSListBar::placeAtInsertMark(const LBButtonPtr& button, const LBBarPtr& bar)
{
    // The button lands right after the insert button, or first.
    int32_t order = 1;
    if (!state_.InsertAfterID.isEmpty()) {
        LBButtonPtr after;
        stmt([&] { after = deref(bar->Buttons()).ItemByID(state_.InsertAfterID); });
        if (!after)
            return; // the insert button is gone: the button stays where it is
        const int32_t T = after->ButtonOrder();
        order = T < button->ButtonOrder() ? T + 1 : T;
    }
    stmt([&] { button->ButtonOrder(order); });
}

void InternalZSListBar::moveDroppedButton(const LBButtonPtr& dragged, const LBTrackingObjectPtr& target)
{
    // The target is taken before the model changes: removing a button
    // redraws and may replace the current item.
    const QString targetBarID = target->BarID;
    const LBBarPtr targetBar = findBar(targetBarID);
    if (!targetBar)
        return;

    if (dragged->BarID() == targetBarID) {
        if (!state_.InsertAfterID.isEmpty() && !findButton(targetBarID, state_.InsertAfterID))
            return;
        placeAtInsertMark(dragged, targetBar);
        LBButtonPtr moved = dragged;
        ButtonMoved.raise(moved);
        return;
    }

    // Into another bar: the copy is added first, and only when the bar took
    // it (its key may already be used there) is the button taken from its
    // old bar. On failure the button stays where it was.
    LBButtonPtr added;
    const QString key = dragged->Key();
    if (!stmt([&] {
            added = deref(targetBar->Buttons())
                        .Add(dragged->Caption(), dragged->ButtonImage(),
                             key.isEmpty() ? plat::Variant::missing() : plat::Variant(key));
        }) ||
        !added)
        return;
    stmt([&] { deref(deref(findBar(dragged->BarID())).Buttons()).Remove(plat::Variant(dragged->ButtonOrder())); });

    setModelRefresh(true);
    stmt([&] { added->ButtonImageDown(dragged->ButtonImageDown()); });
    stmt([&] { added->ButtonImageHover(dragged->ButtonImageHover()); });
    added->Tag(dragged->Tag());
    stmt([&] { added->Visible(dragged->Visible()); });
    placeAtInsertMark(added, targetBar);
    setModelRefresh(false);
    ButtonMoved.raise(added);
}

void InternalZSListBar::copyDroppedButton(const LBButtonPtr& dragged, const LBTrackingObjectPtr& target)
{
    const LBBarPtr bar = target ? findBar(target->BarID) : nullptr;
    if (!bar)
        return;
    setModelRefresh(true);
    LBButtonPtr added;
    if (stmt([&] { added = deref(bar->Buttons()).Add(dragged->Caption(), dragged->ButtonImage()); }) && added) {
        stmt([&] { added->ButtonImageDown(dragged->ButtonImageDown()); });
        stmt([&] { added->ButtonImageHover(dragged->ButtonImageHover()); });
        added->Tag(dragged->Tag());
        stmt([&] { added->Visible(dragged->Visible()); });
        placeAtInsertMark(added, bar);
        confirmCreatedButton(added, bar);
    }
    setModelRefresh(false);
}

void InternalZSListBar::createButtonFromPath(const QString& path, const LBTrackingObjectPtr& target)
{
    const LBBarPtr bar = findBar(target->BarID);
    if (!bar)
        return;
    setModelRefresh(true);
    LBButtonPtr added;
    if (stmt([&] { added = deref(bar->Buttons()).Add(path, plat::Variant(int32_t(0))); }) && added) {
        placeAtInsertMark(added, bar);
        confirmCreatedButton(added, bar);
    }
    setModelRefresh(false);
}

void InternalZSListBar::confirmCreatedButton(const LBButtonPtr& created, const LBBarPtr& bar)
{
    // The host chooses the key (it cannot be changed on a button that
    // exists), so the button is made again with it. The host may also
    // change the button's properties, or cancel.
    LBButtonPtr buttonArg = created;
    LBBarPtr barArg = bar;
    QString Key;
    bool Cancel = false;
    UserCreateNewButton.raise(buttonArg, barArg, Key, Cancel);

    const LBButtonsPtr buttons = bar->Buttons();
    // A button the host removed itself is not looked for by position: that
    // would take another button away.
    if (!buttons || !buttons->ItemByID(created->UniqueID()))
        return;
    const int32_t order = created->ButtonOrder();
    stmt([&] { buttons->Remove(plat::Variant(order)); });
    if (Cancel)
        return;

    // A key the bar already holds fails the add: the new button is not
    // made, and nothing that was there is lost.
    LBButtonPtr again;
    if (!stmt([&] {
            again = buttons->Add(created->Caption(), created->ButtonImage(),
                                 Key.isEmpty() ? plat::Variant::missing() : plat::Variant(Key));
        }) ||
        !again)
        return;
    stmt([&] { again->ButtonImageDown(created->ButtonImageDown()); });
    stmt([&] { again->ButtonImageHover(created->ButtonImageHover()); });
    again->Tag(created->Tag());
    stmt([&] { again->Visible(created->Visible()); });
    stmt([&] { again->ButtonOrder(order); });
}

} // namespace listbar
