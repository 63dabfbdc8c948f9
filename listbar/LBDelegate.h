// The list bar's notifier and the process-wide registry of notifiers.
//
// Bars and buttons never hold the control: they keep the notifier's
// identifier, look the notifier up in DelegateRegistry() and call one of its
// twelve requests. Each request calls the matching handler of the control
// (an LBDelegateHost) synchronously and returns when the handler is done.
// The notifier also carries the control's shared appearance settings, which
// new bars copy and the painting reads.
#pragma once
#include "Colour.h"
#include "Collection.h"
#include "Font.h"
#include "Object.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace listbar {

class LBBar;
class LBBars;
class LBDelegate;
using LBBarPtr = std::shared_ptr<LBBar>;
using LBDelegatePtr = std::shared_ptr<LBDelegate>;

// What the control answers to the model's requests. Strings named sBar and
// sButton are UniqueIDs, never user keys. Arguments that the handler fills
// for the caller (LenText, sBar and Bar of Delegate_GetBar) are references.
//
// A host that is destroyed detaches itself from its notifier, so a bar or
// button that outlives its control reaches nothing: its requests do nothing,
// GetParentBar gives no bar and QueryTextWidth gives 0. A host whose own
// destructor may still trigger requests calls detachFromDelegate() first.
class LBDelegateHost {
public:
    LBDelegateHost() = default;
    LBDelegateHost(const LBDelegateHost&) = delete;
    LBDelegateHost& operator=(const LBDelegateHost&) = delete;
    virtual ~LBDelegateHost();

    virtual void Delegate_RedrawRequested(const QString& sBar, const QString& sButton) = 0;
    virtual void Delegate_OrderChange(const QString& sBar, const QString& sButton, int32_t OrderIndex) = 0;
    virtual void Delegate_MakeVisible(const QString& sBar, const QString& sButton) = 0;
    virtual void Delegate_BarActivated(const QString& sBar, bool Animate) = 0;
    virtual void Delegate_EditCaption(const QString& sBar, const QString& sButton) = 0;
    virtual void Delegate_TextWidthQuery(const QString& sBar, const QString& TextToQuery, int32_t& LenText,
                                         bool PrepFont) = 0;
    virtual void Delegate_DetermineLongestText(const QString& sBar) = 0;
    virtual void Delegate_Scroll(const QString& sBar, const QString& sButton) = 0;
    virtual void Delegate_CalculateVisibleButtons(const QString& sBar) = 0;
    virtual void Delegate_CalculateVisibleBars() = 0;
    virtual void Delegate_GetBar(QString& sBar, LBBarPtr& Bar) = 0;
    virtual void Delegate_KillTrackingObject() = 0;

protected:
    void detachFromDelegate();

private:
    friend class LBDelegate;
    std::weak_ptr<LBDelegate> delegate_;
};

class LBDelegate : public plat::Object {
public:
    // A new notifier under a fresh identifier from the library, entered
    // into DelegateRegistry(). When no identifier is accepted after a
    // bounded number of draws it raises the last failure under the source
    // "ZorvaneListBar.LBDelegate.Initialize".
    static LBDelegatePtr Create();

    // Shared settings of the control: plain data without side effects.
    int16_t ButtonImageSize = 0;
    int32_t ButtonTextPosition = 0;
    plat::Colour ColorButton = 0;
    plat::Colour ColorHighlight = 0;
    plat::Colour ColorShadow = 0;
    plat::Colour ColorOutline = 0;
    plat::Colour ColorText = 0;
    plat::Colour ColorTextHover = 0;
    plat::Colour ColorTextShadow = 0;
    plat::Colour ColorSelection = 0;
    plat::Colour ColorInsertLines = 0;
    plat::Colour ForeColor = 0;
    plat::Colour BackColor = 0;
    plat::FontPtr BarFont; // the control's font object itself, not a copy
    int32_t TextShadow = 0;
    int16_t TextShadowDepth = 0;
    bool PreventRefresh = false;

    const QString& UniqueID() const { return uniqueID_; }

    // The twelve requests, each calling one handler of the host.
    void ActivateBar(const QString& sBar, bool Animate);
    void ExecuteCaptionEdit(const QString& sBar, const QString& sButton);
    LBBarPtr GetParentBar(const QString& sBar);
    void InvokeCalculateVisibleBars();
    void InvokeCalculateVisibleButtons(const QString& sBar);
    void InvokeDetermineLongestText(const QString& sBar);
    int32_t QueryTextWidth(const QString& sBar, const QString& TextToQuery, bool PrepFont = false);
    void RequestMakeVisible(const QString& sBar, const QString& sButton);
    void ChangeOrder(const QString& sBar, const QString& sButton, int32_t OrderIndex);
    void RequestRedraw(const QString& sBar, const QString& sButton);
    void RequestTrackingObjectKill();
    void ScrollOccurred(const QString& sBar, const QString& sButton);

    // The control that handles the requests (nullptr: none). A host is
    // attached to one notifier at a time.
    void attach(LBDelegateHost* host);
    LBDelegateHost* host() const { return host_; }

    // The bars collection that took this notifier's identifier. Bars reach
    // it to recount the visible bars without asking the control to redraw.
    void setBars(const std::shared_ptr<LBBars>& bars) { bars_ = bars; }
    std::shared_ptr<LBBars> bars() const { return bars_.lock(); }

private:
    struct Token {
        explicit Token() = default;
    };

public:
    // Only Create() can make one: requests need the notifier to be shared.
    explicit LBDelegate(Token) {}

private:
    friend class LBDelegateHost;
    QString uniqueID_;
    LBDelegateHost* host_ = nullptr;
    std::weak_ptr<LBBars> bars_;
};

// The registry's type: notifiers keyed by UniqueID, without regard to case.
class LBDelegates {
public:
    // Adds the notifier under `UniqueID`; false (and no error) when the
    // collection refuses it, for example for a key already present.
    bool Add(const LBDelegatePtr& NewDelegate, const QString& UniqueID);
    // The notifier under `Index`; the collection's error for an absent key.
    LBDelegatePtr Item(const QString& Index) const;

private:
    plat::Collection<LBDelegatePtr> items_;
};

// The one registry of the process. Notifiers are never removed from it.
LBDelegates& DelegateRegistry();

// The notifier under `id` in the registry (the registry's error when absent).
inline LBDelegatePtr delegateFor(const QString& id) { return DelegateRegistry().Item(id); }

// Keeps a notifier's PreventRefresh set while a multi-step change fills a new
// bar or button, and puts back the value it found on every path: at
// release() or, when the change raises, on the way out.
class PreventRefreshHold {
public:
    explicit PreventRefreshHold(LBDelegatePtr n) : n_(std::move(n))
    {
        if (n_) {
            previous_ = n_->PreventRefresh;
            n_->PreventRefresh = true;
        }
    }
    ~PreventRefreshHold() { release(); }
    PreventRefreshHold(const PreventRefreshHold&) = delete;
    PreventRefreshHold& operator=(const PreventRefreshHold&) = delete;

    void release()
    {
        if (n_)
            n_->PreventRefresh = previous_;
        n_.reset();
    }

private:
    LBDelegatePtr n_;
    bool previous_ = false;
};

} // namespace listbar
