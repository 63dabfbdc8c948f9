#include "LBBars.h"

#include "Identifiers.h"
#include "LBDelegate.h"
#include "ListBarErrors.h"

namespace listbar {

namespace {
const QString AddSource = QStringLiteral("LBBars.Add");
}

LBBarPtr LBBars::Add(const QString& Caption, const plat::Variant& Key)
{
    // Every statement below may fail without stopping Add, except the
    // insertion into the display order and the identifier draw, which raise
    // their failure to the host.

    // The new bar's setters ask for redraws while it is filled; the
    // notifier's PreventRefresh keeps them from painting. The value found is
    // put back afterwards, whatever it was.
    LBDelegatePtr n;
    plat::tryStatement([&] { n = delegateFor(delegateID_); });
    PreventRefreshHold hold(n);

    auto bar = std::make_shared<LBBar>();
    bar->DelegateID(delegateID_);
    QString keyText;
    plat::tryStatement([&] {
        if (!Key.isMissing())
            keyText = Key.toString();
    });
    plat::tryStatement([&] { bar->Caption(Caption); });
    if (!keyText.isEmpty())
        bar->SetKey(keyText);
    plat::Err::clear();
    const bool inserted = plat::tryStatement([&] {
        if (keyText.isEmpty())
            orderCollection_.Add(bar);
        else
            orderCollection_.Add(bar, keyText);
    });
    if (!inserted)
        passOnModelError(plat::Err::last(), AddSource);

    const IdentifierDraw draw = drawUniqueID([&](const QString& id) {
        bar->UniqueID(id);
        idCollection_.Add(bar, id);
    });
    if (!draw.accepted) {
        orderCollection_.Remove(orderCollection_.Count());
        passOnModelError(draw.lastFailure, AddSource);
    }

    if (orderCollection_.Count() == 1)
        ActiveBarID(bar->UniqueID());

    // The control's shared settings, each through the bar's own setter. A
    // bar's shadow colour is the control's back colour and its text colour
    // the control's fore colour; the hover colour follows the fore colour
    // while the control's text and hover colours are the same.
    if (n) {
        auto copy = [](auto&& f) { plat::tryStatement(f); };
        copy([&] { bar->ButtonImageSize(n->ButtonImageSize); });
        copy([&] { bar->ButtonTextPosition(n->ButtonTextPosition); });
        copy([&] { bar->ColorButton(n->ColorButton); });
        copy([&] { bar->ColorHighlight(n->ColorHighlight); });
        copy([&] { bar->ColorOutline(n->ColorOutline); });
        copy([&] { bar->ColorShadow(n->BackColor); });
        copy([&] { bar->ColorText(n->ForeColor); });
        copy([&] { bar->ColorInsertLines(n->ColorInsertLines); });
        copy([&] { bar->ColorTextHover(n->ColorText == n->ColorTextHover ? n->ForeColor : n->ColorTextHover); });
        copy([&] { bar->ColorTextShadow(n->ColorTextShadow); });
        copy([&] { bar->ButtonFont(n->BarFont); });
        copy([&] { bar->TextShadow(n->TextShadow); });
        copy([&] { bar->TextShadowDepth(n->TextShadowDepth); });
    }

    bar->SetBarOrder(orderCollection_.Count());
    ++visibleBarCount_;
    hold.release();
    plat::tryStatement([&] { delegateFor(delegateID_)->RequestRedraw(QString(), QString()); });
    plat::Err::clear();
    return bar;
}

void LBBars::Remove(const plat::Variant& Index)
{
    LBBarPtr bar = Item(Index);
    idCollection_.Remove(plat::Variant(bar->UniqueID()));
    const int32_t order = bar->BarOrder();
    const bool wasActive = bar->IsActive();
    for (int32_t p = order + 1; p <= Count(); ++p)
        Item(p)->SetBarOrder(p - 1);
    orderCollection_.Remove(order);
    if (wasActive) {
        // The removed bar is no longer in the collection, so the setter
        // below cannot reach it.
        bar->IsActive(false);
        ActiveBarID(Count() >= 1 ? Item(1)->UniqueID() : QString());
    }
    delegateFor(delegateID_)->RequestTrackingObjectKill();
}

void LBBars::CalculateVisibleBars()
{
    int32_t count = 0;
    bool activeFound = false;
    LBBarPtr firstVisible;
    for (const auto& bar : orderCollection_.snapshot()) {
        if (!bar->Visible())
            continue;
        ++count;
        if (!firstVisible)
            firstVisible = bar;
        if (bar->UniqueID() == activeBarID_)
            activeFound = true;
    }
    if (!activeFound && firstVisible)
        ActiveBarID(firstVisible->UniqueID());
    visibleBarCount_ = count;
}

void LBBars::RecountVisibleBars()
{
    int32_t count = 0;
    for (const auto& bar : orderCollection_.snapshot())
        if (bar->Visible())
            ++count;
    visibleBarCount_ = count;
}

plat::PicturePtr LBBars::FirstCaptionImage() const
{
    for (const auto& bar : orderCollection_.snapshot())
        if (auto picture = bar->CaptionImage())
            return picture;
    return nullptr;
}

void LBBars::ActiveBarID(const QString& id)
{
    if (auto previous = ItemByID(activeBarID_))
        previous->IsActive(false);
    activeBarID_ = id;
    if (auto active = ItemByID(id))
        active->IsActive(true);
}

void LBBars::DelegateID(const QString& id)
{
    delegateID_ = id;
    auto self = std::static_pointer_cast<LBBars>(weak_from_this().lock());
    if (self)
        plat::tryStatement([&] { delegateFor(id)->setBars(self); });
}

void LBBars::InsertAt(const LBBarPtr& Bar, int32_t Position)
{
    const plat::Variant key = Bar->Key().isEmpty() ? plat::Variant::missing() : plat::Variant(Bar->Key());
    if (Position <= Count())
        orderCollection_.Add(Bar, key, plat::Variant(Position));
    else
        orderCollection_.Add(Bar, key);
}

void LBBars::Reorder(const LBBarPtr& Bar, int32_t OrderIndex)
{
    if (!Bar || OrderIndex < 1 || OrderIndex > Count())
        return;
    const int32_t old = Bar->BarOrder();
    if (old < 1 || old > Count() || Item(old) != Bar)
        return;
    const int32_t step = OrderIndex > old ? 1 : -1;
    for (int32_t i = old + step; step > 0 ? i <= OrderIndex : i >= OrderIndex; i += step)
        Item(i)->SetBarOrder(i - step);
    Bar->SetBarOrder(OrderIndex);
    RemoveAt(old);
    InsertAt(Bar, OrderIndex);
}

} // namespace listbar
