#include "FormFunctionsImpl.h"

#include "Library.h"
#include "MiscellaneousImpl.h"
#include "Units.h"
#include "ZorvaneSystem.h"

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
    return true;
}

} // namespace zg
