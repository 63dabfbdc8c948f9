#include "LBButtons.h"

#include "Identifiers.h"
#include "LBDelegate.h"
#include "ListBarErrors.h"

namespace listbar {

namespace {
const QString AddSource = QStringLiteral("LBButtons.Add");
}

LBButtonPtr LBButtons::Add(const QString& Caption, const plat::Variant& ButtonImage, const plat::Variant& Key)
{
    // Every statement below may fail without stopping Add; a failure while
    // the button is being filled and inserted is raised at the end of that
    // stage, the identifier draw has its own check.
    bool failed = false;
    plat::ErrorInfo failure;
    auto statement = [&](auto&& f) {
        if (!plat::tryStatement(f)) {
            failed = true;
            failure = plat::Err::last();
        }
    };

    // The button's own setters ask for redraws while it is filled; the
    // notifier's PreventRefresh keeps them from painting. The value found is
    // put back afterwards, whatever it was.
    LBDelegatePtr n;
    statement([&] { n = delegateFor(delegateID_); });
    PreventRefreshHold hold(n);

    auto button = std::make_shared<LBButton>();

    if (ButtonImage.isObject())
        raiseModelError(ErrImageObject, AddSource, imageObjectDescription(QStringLiteral("ButtonImage")));

    statement([&] {
        button->DelegateID(delegateID_);
        button->BarID(barID_);
    });
    QString keyText;
    statement([&] {
        if (!Key.isMissing())
            keyText = Key.toString();
    });
    statement([&] { button->Caption(Caption); });
    statement([&] { button->ButtonImage(ButtonImage); });
    bool inserted = false;
    if (!keyText.isEmpty()) {
        button->SetKey(keyText);
        statement([&] {
            orderCollection_.Add(button, keyText);
            inserted = true;
        });
    } else {
        statement([&] {
            orderCollection_.Add(button);
            inserted = true;
        });
    }

    if (failed) {
        if (inserted)
            orderCollection_.Remove(orderCollection_.Count());
        passOnModelError(failure, AddSource);
    }

    const IdentifierDraw draw = drawUniqueID([&](const QString& id) {
        button->UniqueID(id);
        idCollection_.Add(button, id);
    });
    if (!draw.accepted) {
        orderCollection_.Remove(orderCollection_.Count());
        passOnModelError(draw.lastFailure, AddSource);
    }

    plat::tryStatement([&] { DetermineLongestText(); });
    button->SetButtonOrder(orderCollection_.Count());
    hold.release();

    // The new button is counted before the redraw, so that the redraw
    // already shows it.
    ++visibleCount_;
    visibilityMask_ += QLatin1Char('1');
    plat::tryStatement([&] { delegateFor(delegateID_)->RequestRedraw(barID_, QString()); });
    plat::Err::clear();
    return button;
}

void LBButtons::Remove(const plat::Variant& Index)
{
    // Nothing of Remove reaches the caller; an Index that names no button
    // leaves the collection, the mask and the count as they are and asks
    // the control for nothing.
    LBButtonPtr button;
    if (!plat::tryStatement([&] { button = Item(Index); })) {
        plat::Err::clear();
        return;
    }
    plat::tryStatement([&] { idCollection_.Remove(plat::Variant(button->UniqueID())); });
    const int32_t order = button->ButtonOrder();
    for (int32_t p = order + 1; p <= Count(); ++p)
        plat::tryStatement([&] { Item(p)->SetButtonOrder(p - 1); });
    plat::tryStatement([&] { orderCollection_.Remove(Index); });
    // The removed button may have been visible: count again rather than cut
    // its character out of the mask and leave the count one too high.
    CalculateVisibleButtons();
    plat::tryStatement([&] { DetermineLongestText(); });
    plat::tryStatement([&] { delegateFor(delegateID_)->RequestTrackingObjectKill(); });
    plat::Err::clear();
}

void LBButtons::CalculateVisibleButtons()
{
    QString mask;
    int32_t count = 0;
    for (const auto& b : orderCollection_.snapshot()) {
        if (b->Visible()) {
            ++count;
            mask += QLatin1Char('1');
        } else {
            mask += QLatin1Char('0');
        }
    }
    visibilityMask_ = mask;
    visibleCount_ = count;
}

void LBButtons::InsertAt(const LBButtonPtr& Button, int32_t Position)
{
    const plat::Variant key = Button->Key().isEmpty() ? plat::Variant::missing() : plat::Variant(Button->Key());
    if (Position <= Count())
        orderCollection_.Add(Button, key, plat::Variant(Position));
    else
        orderCollection_.Add(Button, key);
    // The mask follows the display order.
    CalculateVisibleButtons();
}

void LBButtons::DetermineLongestText()
{
    auto n = delegateFor(delegateID_);
    // The empty text selects the bar's font for the measurements below and
    // gives the starting width.
    longestTextWidth_ = n->QueryTextWidth(barID_, QString(), true);
    for (const auto& b : orderCollection_.snapshot()) {
        const int32_t width = n->QueryTextWidth(barID_, b->Caption(), false);
        b->TextWidth(width);
        if (width > longestTextWidth_)
            longestTextWidth_ = width;
    }
}

std::vector<LBButtonPtr> LBButtons::Reorder(const LBButtonPtr& Button, int32_t OrderIndex)
{
    std::vector<LBButtonPtr> shifted;
    if (!Button || OrderIndex < 1 || OrderIndex > Count())
        return shifted;
    const int32_t old = Button->ButtonOrder();
    if (old < 1 || old > Count() || Item(old) != Button)
        return shifted;
    const int32_t step = OrderIndex > old ? 1 : -1;
    for (int32_t i = old + step; step > 0 ? i <= OrderIndex : i >= OrderIndex; i += step) {
        LBButtonPtr b = Item(i);
        b->SetButtonOrder(i - step);
        shifted.push_back(b);
    }
    Button->SetButtonOrder(OrderIndex);
    RemoveAt(old);
    InsertAt(Button, OrderIndex);
    return shifted;
}

} // namespace listbar
