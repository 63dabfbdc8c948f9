// The button's life cycle and its window-rectangle test.
#include "ZSButton.h"

#include <Error.h>
#include <Gdi.h>
#include <Library.h>
#include <Paths.h>
#include <Window.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneSystem.h>

namespace button {

namespace {

constexpr int32_t NoWindowHandleError = 30016;

} // namespace

InternalZSButton::InternalZSButton() = default;

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

void InternalZSButton::UserControl_Initialize()
{
    Delegate_ = InterButtonNotify::create();
    rt_.OwnUniqueID = Delegate_->uniqueIdText();
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
