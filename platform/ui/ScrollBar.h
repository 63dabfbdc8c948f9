// The horizontal scroll bar: a Value between Min and Max (Min may be the
// larger of the two: the bar then runs from Min on the left to Max on the
// right all the same), moved by SmallChange with the arrows and by
// LargeChange in the track.
//
// Change is raised whenever Value changes: set by code, by the user (arrows,
// track, keys; a dragged thumb when it is let go), or pulled into a new
// Min..Max range. Setting Value to the value it has raises nothing. A Value
// outside the range, and a SmallChange or LargeChange outside 1..32767,
// raise 380 "Invalid property value".
#pragma once
#include "Control.h"

namespace plat {

class HScrollBar : public Control, public KeyEvents, public FocusEvents {
public:
    Event<> Change;

    int16_t Min() const { return min_; }
    void setMin(int16_t v);
    int16_t Max() const { return max_; }
    void setMax(int16_t v);
    int16_t Value() const { return value_; }
    void setValue(int16_t v);
    int16_t SmallChange() const { return smallChange_; }
    void setSmallChange(int16_t v);
    int16_t LargeChange() const { return largeChange_; }
    void setLargeChange(int16_t v);

    Variant getProperty(const QString& name) const override;
    void setProperty(const QString& name, const Variant& value) override;

protected:
    QWidget* createWidget(QWidget* parent) override;
    bool widgetEvent(QWidget* w, QEvent* e) override;
    void sited() override { showState(); }

private:
    int16_t low() const { return min_ < max_ ? min_ : max_; }
    int16_t high() const { return min_ < max_ ? max_ : min_; }
    void rangeChanged();
    void showState();
    void userMoved(int v);
    void changed();

    int16_t min_ = 0;
    int16_t max_ = 32767;
    int16_t value_ = 0;
    int16_t smallChange_ = 1;
    int16_t largeChange_ = 1;
    bool showing_ = false;
};

} // namespace plat
