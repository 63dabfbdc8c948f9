#include "FormFunctionsImpl.h"

#include "Library.h"
#include "MiscellaneousImpl.h"
#include "Units.h"
#include "ZorvaneSystem.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zg {

QPoint FormFunctionsImpl::placeIn(const QRect& area, const QSize& frame, double xRatio, double yRatio)
{
    const double x = area.left() + (area.width() - frame.width()) * xRatio;
    const double y = area.top() + (area.height() - frame.height()) * yRatio;
    return QPoint(int(plat::roundEven(x)), int(plat::roundEven(y)));
}

void FormFunctionsImpl::CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea, bool RelativeToOwner,
                                     float XRatio, float YRatio)
{
    QWidget* w = widgetOf(Form, "ZorvaneFormFunctions.CenterFormEx")->window();
    QRect area;
    if (RelativeToOwner && w->parentWidget())
        area = w->parentWidget()->window()->frameGeometry();
    if (area.isNull() && UseWorkArea) {
        int32_t left = 0, top = 0, width = 0, height = 0;
        System()->GetDesktopWorkArea(left, top, width, height);
        area = QRect(left, top, width, height);
    }
    if (area.isNull()) {
        const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        if (s)
            area = s->geometry();
    }
    // move() places a window's outer frame.
    w->move(placeIn(area, w->frameGeometry().size(), XRatio, YRatio));
}

namespace {
// Keeps floating windows above the others even where no window manager
// honours the stay-on-top hint: whenever another top-level window is shown
// or activated, every visible floating window is raised again.
class FloatingKeeper : public QObject {
public:
    static void install()
    {
        static FloatingKeeper* keeper = nullptr;
        if (!keeper && QCoreApplication::instance()) {
            keeper = new FloatingKeeper(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(keeper);
        }
    }

protected:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Show && e->type() != QEvent::WindowActivate)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !w->isWindow() || w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return false;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != w && top->isVisible() && top->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                top->raise();
        return false;
    }
};
} // namespace

bool FormFunctionsImpl::SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating)
{
    QWidget* w = widgetOf(Form, "ZorvaneFormFunctions.SetFloatingWindow")->window();
    const bool on = Floating.isEmpty() || Floating.isMissing() || Floating.toBool();
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return true;
    // Changing a window's flags hides it; a shown window is shown again.
    const bool shown = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        w->show();
    if (on)
        FloatingKeeper::install();
    return true;
}

} // namespace zg
