#include "MiscellaneousImpl.h"

#include "Error.h"
#include "Gdi.h"
#include "Library.h"
#include "Window.h"
#include "ZorvaneGhostCanvas.h"
#include "ZorvaneSystem.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace zg {

QWidget* widgetOf(const plat::ObjectPtr& object, const char* source)
{
    auto* window = dynamic_cast<plat::WindowObject*>(object.get());
    QWidget* w = window ? window->widget() : nullptr;
    if (!w)
        plat::raise(plat::err::ObjectRequired, QString::fromLatin1(source));
    return w;
}

namespace {

// Selects all text of an editor widget; false when the widget is none.
bool selectAllIn(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->selectAll();
    } else if (auto* e = qobject_cast<QTextEdit*>(w)) {
        e->selectAll();
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        e->selectAll();
    } else if (auto* e = qobject_cast<QAbstractSpinBox*>(w)) {
        e->selectAll();
    } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) {
        c->lineEdit()->selectAll();
    } else {
        return false;
    }
    return true;
}

} // namespace

bool MiscellaneousImpl::MouseIsOverControl(const plat::ObjectPtr& Control)
{
    if (mouseOver_)
        return mouseOver_(Control);
    QWidget* w = widgetOf(Control, "ZorvaneMiscellaneous.MouseIsOverControl");
    if (!w->isVisible())
        return false;
    int32_t left = 0, top = 0, width = 0, height = 0;
    GetControlScreenRect(Control, left, top, width, height);
    int32_t x = 0, y = 0;
    System()->GetMouseScreenCoordinates(x, y);
    return int64_t(x) >= left && int64_t(x) < int64_t(left) + width && int64_t(y) >= top
           && int64_t(y) < int64_t(top) + height;
}

void MiscellaneousImpl::ControlGotFocusHelper(const plat::ObjectPtr& Control)
{
    QWidget* w = widgetOf(Control, "ZorvaneMiscellaneous.ControlGotFocusHelper");
    if (selectAllIn(w))
        return;
    // A control that wraps its editor (a text box of the forms layer).
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (selectAllIn(child))
            return;
    }
}

bool MiscellaneousImpl::SelectComboItemByText(const plat::ObjectPtr& ComboBox, const QString& Text)
{
    const char* const source = "ZorvaneMiscellaneous.SelectComboItemByText";
    QWidget* w = widgetOf(ComboBox, source);
    auto* combo = qobject_cast<QComboBox*>(w);
    if (!combo)
        combo = w->findChild<QComboBox*>();
    if (!combo)
        plat::raise(plat::err::NotSupported, QString::fromLatin1(source));
    int index = combo->findText(Text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = combo->findText(Text, Qt::MatchFixedString);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    // The box's own code hears a user's choice through this signal.
    Q_EMIT combo->activated(index);
    return true;
}

void MiscellaneousImpl::PaintMaskedPicture(std::shared_ptr<ZorvaneGhostCanvas>& Canvas,
                                           const plat::PicturePtr& Picture, plat::Colour MaskColor, int32_t X,
                                           int32_t Y, int32_t Width, int32_t Height)
{
    if (!Canvas)
        plat::raise(plat::err::ObjectNotSet, QStringLiteral("ZorvaneMiscellaneous.PaintMaskedPicture"));
    Canvas->PaintPictureTransparent(Picture, MaskColor, X, Y, Width, Height);
}

int64_t MiscellaneousImpl::PatternBrushFromPicture(const plat::PicturePtr& Picture, bool LibraryOwnsBrush,
                                                   int32_t Reserved)
{
    const plat::gdi::HBRUSH brush = plat::gdi::CreatePatternBrush(Picture);
    if (brush == 0)
        plat::raise(481, QStringLiteral("ZorvaneMiscellaneous.PatternBrushFromPicture"));
    if (LibraryOwnsBrush)
        plat::gdi::setReleasedByContext(brush, true);
    return brush;
}

void MiscellaneousImpl::GetControlScreenRect(const plat::ObjectPtr& Control, int32_t& Left, int32_t& Top,
                                             int32_t& Width, int32_t& Height)
{
    QWidget* w = widgetOf(Control, "ZorvaneMiscellaneous.GetControlScreenRect");
    const int64_t hwnd = dynamic_cast<plat::WindowObject&>(*Control).hWnd();
    plat::gdi::Rect r;
    if (plat::gdi::GetWindowRect(hwnd, r) == 0) {
        // A window without a registered handle: its own geometry.
        const QRect g = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
        r = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    }
    Left = r.left;
    Top = r.top;
    Width = r.right - r.left;
    Height = r.bottom - r.top;
}

} // namespace zg
