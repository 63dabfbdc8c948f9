#include "LBDelegate.h"

#include "Identifiers.h"
#include "LBBar.h"
#include "ListBarErrors.h"

namespace listbar {

LBDelegateHost::~LBDelegateHost() { detachFromDelegate(); }

void LBDelegateHost::detachFromDelegate()
{
    if (auto d = delegate_.lock(); d && d->host_ == this)
        d->host_ = nullptr;
    delegate_.reset();
}

LBDelegatePtr LBDelegate::Create()
{
    auto d = std::make_shared<LBDelegate>(Token{});
    const IdentifierDraw draw = drawUniqueID([&](const QString& id) {
        d->uniqueID_ = id;
        if (!DelegateRegistry().Add(d, id))
            plat::raise(plat::err::DuplicateKey);
    });
    if (!draw.accepted)
        passOnModelError(draw.lastFailure, QStringLiteral("LBDelegate.Initialize"));
    return d;
}

void LBDelegate::attach(LBDelegateHost* host)
{
    if (host_ == host)
        return;
    if (host_)
        host_->delegate_.reset();
    host_ = host;
    if (host) {
        if (auto previous = host->delegate_.lock(); previous && previous.get() != this)
            previous->host_ = nullptr;
        host->delegate_ = std::static_pointer_cast<LBDelegate>(shared_from_this());
    }
}

// Each request keeps the notifier alive while the handler runs (the handler
// may drop the control's last reference to it) and does nothing without a
// host.

void LBDelegate::ActivateBar(const QString& sBar, bool Animate)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_BarActivated(sBar, Animate);
}

void LBDelegate::ExecuteCaptionEdit(const QString& sBar, const QString& sButton)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_EditCaption(sBar, sButton);
}

LBBarPtr LBDelegate::GetParentBar(const QString& sBar)
{
    auto keep = shared_from_this();
    LBBarPtr bar;
    QString id = sBar;
    if (host_)
        host_->Delegate_GetBar(id, bar);
    return bar;
}

void LBDelegate::InvokeCalculateVisibleBars()
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_CalculateVisibleBars();
}

void LBDelegate::InvokeCalculateVisibleButtons(const QString& sBar)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_CalculateVisibleButtons(sBar);
}

void LBDelegate::InvokeDetermineLongestText(const QString& sBar)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_DetermineLongestText(sBar);
}

int32_t LBDelegate::QueryTextWidth(const QString& sBar, const QString& TextToQuery, bool PrepFont)
{
    auto keep = shared_from_this();
    int32_t lenText = 0;
    if (host_)
        host_->Delegate_TextWidthQuery(sBar, TextToQuery, lenText, PrepFont);
    return lenText;
}

void LBDelegate::RequestMakeVisible(const QString& sBar, const QString& sButton)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_MakeVisible(sBar, sButton);
}

void LBDelegate::ChangeOrder(const QString& sBar, const QString& sButton, int32_t OrderIndex)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_OrderChange(sBar, sButton, OrderIndex);
}

void LBDelegate::RequestRedraw(const QString& sBar, const QString& sButton)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_RedrawRequested(sBar, sButton);
}

void LBDelegate::RequestTrackingObjectKill()
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_KillTrackingObject();
}

void LBDelegate::ScrollOccurred(const QString& sBar, const QString& sButton)
{
    auto keep = shared_from_this();
    if (host_)
        host_->Delegate_Scroll(sBar, sButton);
}

bool LBDelegates::Add(const LBDelegatePtr& NewDelegate, const QString& UniqueID)
{
    if (UniqueID.isEmpty())
        return false; // an entry without a key could never be found again
    if (plat::tryStatement([&] { items_.Add(NewDelegate, UniqueID); }))
        return true;
    plat::Err::clear();
    return false;
}

LBDelegatePtr LBDelegates::Item(const QString& Index) const { return items_.Item(plat::Variant(Index)); }

LBDelegates& DelegateRegistry()
{
    // Never destroyed: notifiers stay registered until the process ends.
    static LBDelegates* registry = new LBDelegates;
    return *registry;
}

} // namespace listbar
