// Placing forms: centring in an area, keeping above other windows; the
// desktop style's metrics and fonts; moving controls between windows;
// polygon-shaped windows.
#pragma once
#include "ZorvaneFormFunctions.h"

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <optional>

namespace zg {

class FormFunctionsImpl : public ZorvaneFormFunctions {
public:
    void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea = true, bool RelativeToOwner = false,
                      float XRatio = 0.5f, float YRatio = 0.5f) override;

    float DefaultBorderSize() override;
    int16_t DefaultMenuItemHeight() override;
    int16_t DefaultScrollBarHeight() override;
    int16_t DefaultScrollBarWidth() override;
    int16_t DefaultTitleBarButtonHeight() override;
    int16_t DefaultTitleBarButtonWidth() override;
    int32_t DesktopHDC() override;
    int32_t DesktopHWnd() override;
    plat::Variant NonClientAreaHeight(const plat::ObjectPtr& Form) override;
    plat::Variant NonClientAreaWidth(const plat::ObjectPtr& Form) override;
    int16_t SmallTitleBarButtonHeight() override;
    int16_t SmallTitleBarButtonWidth() override;

    plat::FontPtr DefaultTitleBarFont() override;
    plat::FontPtr SmallTitleBarFont() override;
    plat::FontPtr DefaultMenuFont() override;

    bool SetParent(const plat::ObjectPtr& Control, const plat::ObjectPtr& NewParent) override;
    bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating = plat::Variant()) override;
    bool SetFormShapeFromPoints(const plat::ObjectPtr& Form, const QString& Points) override;

    // Where a frame of `frame` size goes in `area` for the two ratios.
    static QPoint placeIn(const QRect& area, const QSize& frame, double xRatio, double yRatio);
    // The points of "(x,y)-(x,y)-..." (spaces allowed around the numbers
    // and the joins); nothing for any other text, for fewer than three or
    // more than MaxShapePoints points, or numbers beyond +/-32767.
    static std::optional<QPolygon> parseShapePoints(const QString& text);
    static constexpr int MaxShapePoints = 4096;
    // The part of the polygon (filled even-odd) that lies on a window of
    // `window` size, pixel for pixel what QRegion(polygon, Qt::OddEvenFill)
    // gives there, in time bounded by the window's rows and the points
    // rather than by the polygon's extent.
    static QRegion shapeRegion(const QPolygon& polygon, const QSize& window);
};

} // namespace zg
