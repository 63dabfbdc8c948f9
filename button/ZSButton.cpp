// The button's creation, sizing and teardown, its window-rectangle test and
// its registration with the forms layer.
#include "ZSButton.h"

#include <Error.h>
#include <Gdi.h>
#include <Library.h>
#include <Paths.h>
#include <Timer.h>
#include <Window.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneSystem.h>

namespace button {

namespace {

constexpr int32_t NoWindowHandleError = 30016;

} // namespace

InternalZSButton::InternalZSButton()
{
    // The surface starts at the values a saved button leaves out.
    plat::UserControl::setPaletteMode(3);
}

InternalZSButton::~InternalZSButton()
{
    releaseDelegate();
}

void InternalZSButton::releaseDelegate()
{
    if (!Delegate_)
        return;
    // Other buttons must not reach a notifier whose button is gone.
    Delegate_->QuitDisplayingHover = nullptr;
    Delegate_->ToggledToFalse = nullptr;
    Delegate_->RemoveFromCollection();
    Delegate_.reset();
}

InterButtonNotify& InternalZSButton::notifier() const
{
    if (!Delegate_)
        plat::raise(plat::err::ObjectNotSet);
    return *Delegate_;
}

void InternalZSButton::UserControl_Initialize()
{
    // The notifier's events reach this button only while it lives; a
    // handler running keeps it alive until it returns.
    const std::weak_ptr<InternalZSButton> self = std::static_pointer_cast<InternalZSButton>(shared_from_this());
    plat::tryStatement([&] {
        Delegate_ = InterButtonNotify::create();
        rt_.OwnUniqueID = Delegate_->uniqueIdText();
        Delegate_->QuitDisplayingHover = [self] {
            if (auto b = self.lock())
                b->Delegate_QuitDisplayingHover();
        };
        Delegate_->ToggledToFalse = [self] {
            if (auto b = self.lock())
                b->Delegate_ToggledToFalse();
        };
    });
    plat::tryStatement([&] {
        HoverTest = addConstituent<plat::Timer>(QStringLiteral("HoverTest"));
        HoverTest->setEnabled(false);
        HoverTest->setInterval(1);
        HoverTest->Tick.connect([self] {
            if (auto b = self.lock())
                b->HoverTest_Timer();
        });
    });
    rt_.BackgroundPicture = plat::Picture::empty();
    rt_.BackgroundDirty = true;
}

void InternalZSButton::UserControl_Resize()
{
    rt_.IsReady = true;
    rt_.BackgroundDirty = true;
    // A resize made by the content painter for AutoSize must not start a
    // paint inside the paint.
    if (!rt_.IsAutoSizing)
        RedrawButton(GetDrawState());
}

void InternalZSButton::UserControl_Terminate()
{
    rt_.AcclimatedImage = nullptr;
    s_.ButtonImage = nullptr;
    s_.ButtonImageUp = nullptr;
    s_.ButtonImageDown = nullptr;
    s_.ButtonImageHover = nullptr;
    plat::tryStatement([&] { setPicture(nullptr); });
    rt_.BackgroundPicture = nullptr;
    releaseDelegate();
}

void registerButtonControl()
{
    plat::registerUserControlType(QStringLiteral("ZSButton"), [] { return std::make_shared<InternalZSButton>(); });
}

QString InternalZSButton::GetSystemDirectoryPath()
{
    QString path = plat::systemDirectoryPath();
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    return path;
}

bool InternalZSButton::zzzMouseIsOverObject(const plat::ObjectPtr& inObject)
{
    plat::Err::clear();
    int64_t hwnd = 0;
    const bool haveHandle = plat::tryStatement([&] {
        if (!inObject)
            plat::raise(plat::err::ObjectNotSet);
        if (auto control = std::dynamic_pointer_cast<plat::Control>(inObject))
            hwnd = control->getProperty(QStringLiteral("hWnd")).toLongLong();
        else if (auto window = dynamic_cast<const plat::WindowObject*>(inObject.get()))
            hwnd = window->hWnd();
        else
            plat::raise(plat::err::NotSupported);
        if (hwnd == 0)
            plat::raise(plat::err::NotSupported);
    });
    if (!haveHandle)
        plat::raise(NoWindowHandleError, QStringLiteral("ZSButton.zzzMouseIsOverObject"),
                    QStringLiteral("Object does not have an associated Window Handle (hWnd)."),
                    GetSystemDirectoryPath() + QStringLiteral("ZorvaneSG3.chm"), 1000);
    return mouseIsOverWindow(hwnd);
}

bool InternalZSButton::mouseIsOverMe()
{
    const int64_t own = hWnd();
    return own != 0 && mouseIsOverWindow(own);
}

bool InternalZSButton::mouseIsOverWindow(int64_t hwnd)
{
    plat::gdi::Rect r;
    plat::gdi::GetWindowRect(hwnd, r);
    int32_t X = 0, Y = 0;
    zg::System()->GetMouseScreenCoordinates(X, Y);
    // All four edges of the rectangle count as inside.
    return r.left <= X && X <= r.right && r.top <= Y && Y <= r.bottom;
}

} // namespace button

namespace button {
namespace {
// Linked into every program that uses the control, so that its forms'
// design data can name it before anything else has run.
const bool buttonRegistered = (registerButtonControl(), true);
} // namespace
} // namespace button
