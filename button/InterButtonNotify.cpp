#include "InterButtonNotify.h"

#include <Error.h>
#include <Library.h>
#include <ZorvaneNumbers.h>

namespace button {

std::shared_ptr<InterButtonNotify> InterButtonNotify::create()
{
    std::shared_ptr<InterButtonNotify> n(new InterButtonNotify());
    n->registerInCollection();
    return n;
}

void InterButtonNotify::registerInCollection()
{
    auto& notifiers = ZorvaneButtonGlobals::ButtonNotifiers();
    auto self = std::static_pointer_cast<InterButtonNotify>(shared_from_this());
    for (int attempt = 0; attempt < MaxRegistrationAttempts; ++attempt) {
        QString id;
        // A failed draw is retried with another draw.
        if (!plat::tryStatement([&] { id = zg::Numbers()->GenerateRandomID(10, 36); }) || id.isEmpty())
            continue;
        plat::Err::clear();
        if (plat::tryStatement([&] { notifiers.Add(self, plat::Variant(id)); })) {
            uniqueId_ = id;
            registered_ = true;
            return;
        }
    }
    uniqueId_.clear();
}

void InterButtonNotify::raise(const std::function<void()>& event)
{
    // The handler may drop the button, and with it this notifier and the
    // handler itself: keep both alive until it returns.
    auto keepAlive = shared_from_this();
    auto handler = event;
    if (handler)
        handler();
}

void InterButtonNotify::NotifyDontHover()
{
    if (hovering_)
        raise(QuitDisplayingHover);
}

void InterButtonNotify::setHovering(bool newHovering)
{
    hovering_ = newHovering;
    auto& recent = ZorvaneButtonGlobals::RecentHoverIDs();
    recent[0] = recent[1];
    recent[1] = uniqueId_;
}

void InterButtonNotify::NotifyToggleOff()
{
    if (value_)
        raise(ToggledToFalse);
}

void InterButtonNotify::RemoveFromCollection()
{
    if (!registered_)
        return;
    auto& notifiers = ZorvaneButtonGlobals::ButtonNotifiers();
    auto found = notifiers.find(uniqueId_);
    if (found && found->get() == this)
        notifiers.Remove(plat::Variant(uniqueId_));
    registered_ = false;
}

} // namespace button
