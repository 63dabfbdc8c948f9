// Placing forms: centring in an area, keeping above other windows.
#pragma once
#include "ZorvaneFormFunctions.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zg {

class FormFunctionsImpl : public ZorvaneFormFunctions {
public:
    void CenterFormEx(const plat::ObjectPtr& Form, bool UseWorkArea = true, bool RelativeToOwner = false,
                      float XRatio = 0.5f, float YRatio = 0.5f) override;
    bool SetFloatingWindow(const plat::ObjectPtr& Form, const plat::Variant& Floating = plat::Variant()) override;

    // Where a frame of `frame` size goes in `area` for the two ratios.
    static QPoint placeIn(const QRect& area, const QSize& frame, double xRatio, double yRatio);
};

} // namespace zg
