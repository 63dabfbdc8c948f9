#include "Control.h"

#include "Application.h"
#include "Form.h"
#include "Input.h"
#include "PaintWidget.h"
#include "Units.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {

// Passes a watched widget's events to its control. Holds the control weakly:
// a widget may outlive the control object and the other way round.
class EventRouter : public QObject {
public:
    EventRouter(QObject* parent, std::weak_ptr<Control> control, std::function<bool(QWidget*, QEvent*)> route)
        : QObject(parent), control_(std::move(control)), route_(std::move(route))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto keep = control_.lock(); // the control stays alive while its handler runs
        if (!keep)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        return w && route_(w, event);
    }

private:
    std::weak_ptr<Control> control_;
    std::function<bool(QWidget*, QEvent*)> route_;
};

} // namespace

double twipsPerUnit(int16_t scaleMode)
{
    switch (scaleMode) {
    case scale::Pixels: return TwipsPerPixel;
    case scale::Points: return 20.0;
    case scale::Inches: return 1440.0;
    case scale::Millimeters: return 1440.0 / 25.4;
    case scale::Centimeters: return 1440.0 / 2.54;
    case scale::HiMetric: return 1440.0 / 2540.0;
    default: return 1.0; // twips, and the user and character scales
    }
}

Colour colourFromVariant(const Variant& v) { return Colour(uint32_t(v.toLongLong())); }

FontPtr fontFromVariant(const Variant& v)
{
    auto f = v.objectAs<Font>();
    if (!f)
        raise(err::TypeMismatch);
    return f;
}

Control::Control() = default;

Control::~Control()
{
    // A widget still alive goes with the control; later, since a handler of
    // it may be running. It paints nothing of the control meanwhile.
    if (widget_) {
        if (auto* pw = dynamic_cast<PaintWidget*>(widget_.data()))
            pw->setPaint({});
        widget_->hide();
        deleteWhenIdle(widget_.data());
    }
}

QString Control::displayName() const
{
    return isArrayMember() ? QStringLiteral("%1(%2)").arg(name_).arg(index_) : name_;
}

ControlContainer* Control::containerInterface() const
{
    return dynamic_cast<ControlContainer*>(container_.lock().get());
}

int64_t Control::ContainerHwnd() const
{
    auto c = container_.lock();
    if (auto* w = dynamic_cast<WindowObject*>(c.get()))
        return w->hWnd();
    return 0;
}

double Control::toContainerUnits(double twips) const
{
    auto* c = containerInterface();
    return twips / twipsPerUnit(c ? c->childScaleMode() : scale::Twips);
}

double Control::fromContainerUnits(double units) const
{
    auto* c = containerInterface();
    return units * twipsPerUnit(c ? c->childScaleMode() : scale::Twips);
}

double Control::Left() const { return toContainerUnits(left_); }
double Control::Top() const { return toContainerUnits(top_); }
double Control::Width() const { return toContainerUnits(width_); }
double Control::Height() const { return toContainerUnits(height_); }

void Control::setLeft(double v) { setTwipsRect(QRectF(fromContainerUnits(v), top_, width_, height_)); }
void Control::setTop(double v) { setTwipsRect(QRectF(left_, fromContainerUnits(v), width_, height_)); }
void Control::setWidth(double v) { setTwipsRect(QRectF(left_, top_, fromContainerUnits(v), height_)); }
void Control::setHeight(double v) { setTwipsRect(QRectF(left_, top_, width_, fromContainerUnits(v))); }
void Control::Move(double left) { setLeft(left); }
void Control::Move(double left, double top)
{
    setTwipsRect(QRectF(fromContainerUnits(left), fromContainerUnits(top), width_, height_));
}
void Control::Move(double left, double top, double width, double height)
{
    setTwipsRect(QRectF(fromContainerUnits(left), fromContainerUnits(top), fromContainerUnits(width),
                        fromContainerUnits(height)));
}

void Control::setTwipsRect(const QRectF& r)
{
    if (r.width() < 0 || r.height() < 0)
        raise(err::InvalidProperty);
    if (r.x() == left_ && r.y() == top_ && r.width() == width_ && r.height() == height_)
        return;
    const bool sizeChanged = r.width() != width_ || r.height() != height_;
    left_ = r.x();
    top_ = r.y();
    width_ = r.width();
    height_ = r.height();
    applyGeometry();
    if (sizeChanged)
        resized();
}

QRect Control::pixelRect() const
{
    // Positions and sizes far beyond any screen (or not numbers at all) are
    // held to a range in which the widget geometry cannot overflow.
    auto px = [](double twips) {
        const double p = roundEven(twips / TwipsPerPixel);
        constexpr double limit = double(1 << 29);
        return std::isnan(p) ? 0 : int(std::clamp(p, -limit, limit));
    };
    return QRect(px(left_), px(top_), px(width_), px(height_));
}

void Control::applyGeometry()
{
    if (!widget_)
        return;
    QRect r = pixelRect();
    if (auto* c = containerInterface())
        r.translate(c->clientOrigin());
    widget_->setGeometry(r);
}

bool Control::Visible() const
{
    require(hasVisible());
    return visible_;
}

void Control::setVisible(bool v)
{
    require(hasVisible());
    if (v == visible_)
        return;
    visible_ = v;
    if (widget_)
        widget_->setVisible(v);
}

bool Control::Enabled() const
{
    require(hasEnabled());
    return enabled_;
}

void Control::setEnabled(bool v)
{
    require(hasEnabled());
    if (v == enabled_)
        return;
    enabled_ = v;
    if (widget_)
        widget_->setEnabled(v);
}

int16_t Control::TabIndex() const
{
    require(hasTabIndex());
    return tabIndex_;
}

void Control::setTabIndex(int16_t v)
{
    require(hasTabIndex());
    if (v < 0)
        raise(err::InvalidProperty);
    if (auto f = form_.lock())
        f->renumberTabIndex(this, v);
    else
        tabIndex_ = v;
}

bool Control::TabStop() const
{
    require(hasTabStop());
    return tabStop_;
}

void Control::setTabStop(bool v)
{
    require(hasTabStop());
    if (v == tabStop_)
        return;
    tabStop_ = v;
    if (widget_ && canTakeFocus())
        widget_->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::SetFocus()
{
    if (!canTakeFocus() || !widget_ || !visible_ || !enabled_ || !widget_->isVisible() || !widget_->isEnabled())
        raise(err::InvalidCall);
    if (QWidget* win = widget_->window(); win && !win->isActiveWindow())
        win->activateWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

void Control::ZOrder(int16_t position)
{
    if (!widget_)
        return;
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

void Control::Refresh()
{
    if (widget_)
        widget_->repaint();
}

int16_t Control::MousePointer() const
{
    require(hasMousePointer());
    return mousePointer_;
}

void Control::setMousePointer(int16_t v)
{
    require(hasMousePointer());
    if (!isValidPointer(v))
        raise(err::InvalidProperty);
    if (v == mousePointer_)
        return;
    mousePointer_ = v;
    showPointer();
}

void Control::showPointer()
{
    if (!widget_)
        return;
    if (mousePointer_ == 0)
        widget_->unsetCursor();
    else
        widget_->setCursor(cursorFor(mousePointer_, mouseIcon_));
}

PicturePtr Control::MouseIcon() const
{
    require(hasMousePointer());
    return mouseIcon_;
}

void Control::setMouseIcon(const PicturePtr& p)
{
    require(hasMousePointer());
    if (p == mouseIcon_)
        return;
    mouseIcon_ = p;
    if (mousePointer_ == 99)
        showPointer();
}

int64_t Control::hWnd() const
{
    if (!hasWindow() || !widget_)
        return 0;
    return registerWindow(widget_.data());
}

void Control::require(bool has)
{
    if (!has)
        raise(err::NotSupported);
}

Variant Control::getProperty(const QString& name) const
{
    if (is(name, "Name"))
        return Variant(name_);
    if (is(name, "Index")) {
        if (!isArrayMember())
            raise(343, {}, QStringLiteral("Object not an array"));
        return Variant(index_);
    }
    if (is(name, "Left"))
        return Variant(Left());
    if (is(name, "Top"))
        return Variant(Top());
    if (is(name, "Width"))
        return Variant(Width());
    if (is(name, "Height"))
        return Variant(Height());
    if (is(name, "Visible"))
        return Variant(Visible());
    if (is(name, "Enabled"))
        return Variant(Enabled());
    if (is(name, "Tag"))
        return Variant(tag_);
    if (is(name, "TabIndex"))
        return Variant(TabIndex());
    if (is(name, "TabStop"))
        return Variant(TabStop());
    if (is(name, "hWnd")) {
        require(hasWindow());
        return Variant(int32_t(hWnd()));
    }
    if (is(name, "MousePointer"))
        return Variant(MousePointer());
    if (is(name, "MouseIcon"))
        return Variant(MouseIcon());
    if (is(name, "Container"))
        return Variant(container_.lock());
    if (is(name, "Parent"))
        return Variant(std::static_pointer_cast<Object>(form_.lock()));
    raise(err::NotSupported);
}

void Control::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Left"))
        setLeft(value.toDouble());
    else if (is(name, "Top"))
        setTop(value.toDouble());
    else if (is(name, "Width"))
        setWidth(value.toDouble());
    else if (is(name, "Height"))
        setHeight(value.toDouble());
    else if (is(name, "Visible"))
        setVisible(value.toBool());
    else if (is(name, "Enabled"))
        setEnabled(value.toBool());
    else if (is(name, "Tag"))
        setTag(value.toString());
    else if (is(name, "TabIndex"))
        setTabIndex(value.toInteger());
    else if (is(name, "TabStop"))
        setTabStop(value.toBool());
    else if (is(name, "MousePointer"))
        setMousePointer(value.toInteger());
    else if (is(name, "MouseIcon"))
        setMouseIcon(value.isObject() ? value.objectAs<Picture>() : nullptr);
    else
        raise(err::NotSupported);
}

Variant Control::callMethod(const QString& name, const std::vector<Variant>& args)
{
    if (is(name, "SetFocus"))
        SetFocus();
    else if (is(name, "Refresh"))
        Refresh();
    else if (is(name, "ZOrder"))
        ZOrder(args.empty() ? int16_t(0) : args[0].toInteger());
    else if (is(name, "Move")) {
        if (args.empty())
            raise(449, {}, QStringLiteral("Argument not optional"));
        const double l = args[0].toDouble();
        const double t = args.size() > 1 && !args[1].isMissing() ? args[1].toDouble() : Top();
        const double w = args.size() > 2 && !args[2].isMissing() ? args[2].toDouble() : Width();
        const double h = args.size() > 3 && !args[3].isMissing() ? args[3].toDouble() : Height();
        Move(l, t, w, h);
    } else
        raise(err::NotSupported);
    return {};
}

void Control::site(const std::shared_ptr<Form>& form, const ObjectPtr& container, const QString& name,
                   int16_t index, const QRectF& twips)
{
    form_ = form;
    container_ = container;
    name_ = name;
    index_ = index;
    left_ = twips.x();
    top_ = twips.y();
    width_ = std::max(0.0, twips.width());
    height_ = std::max(0.0, twips.height());
    if (auto* c = containerInterface())
        widget_ = createWidget(c->clientWidget());
    if (widget_) {
        widget_->setObjectName(displayName());
        if (canTakeFocus())
            widget_->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
        else if (!hasWindow())
            widget_->setFocusPolicy(Qt::NoFocus);
        applyGeometry();
        widget_->setVisible(visible_);
    }
    sited();
}

void Control::watch(QWidget* w)
{
    if (!w)
        return;
    w->installEventFilter(
        new EventRouter(w, weakSelf(), [this](QWidget* widget, QEvent* e) { return widgetEvent(widget, e); }));
}

bool Control::widgetEvent(QWidget*, QEvent*) { return false; }

int16_t Control::mouseScaleMode() const
{
    auto* c = containerInterface();
    return c ? c->childScaleMode() : scale::Twips;
}

float Control::toEventUnits(double pixels) const
{
    return float(pixels * TwipsPerPixel / twipsPerUnit(mouseScaleMode()));
}

bool Control::routeMouseEvent(QEvent* e, MouseEvents& events)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        int16_t button = buttonCode(me->button()), shift = shiftBits(me->modifiers());
        float x = toEventUnits(me->position().x() - eventOrigin().x());
        float y = toEventUnits(me->position().y() - eventOrigin().y());
        mousePressed_ = true;
        events.MouseDown.raise(button, shift, x, y);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        mousePressed_ = false; // the release that follows raises MouseUp only
        events.DblClick.raise();
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        int16_t button = buttonBits(me->buttons()), shift = shiftBits(me->modifiers());
        float x = toEventUnits(me->position().x() - eventOrigin().x());
        float y = toEventUnits(me->position().y() - eventOrigin().y());
        events.MouseMove.raise(button, shift, x, y);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = widget_.data();
        int16_t button = buttonCode(me->button()), shift = shiftBits(me->modifiers());
        float x = toEventUnits(me->position().x() - eventOrigin().x());
        float y = toEventUnits(me->position().y() - eventOrigin().y());
        const bool inside = w && w->rect().contains(me->position().toPoint());
        const bool click = mousePressed_ && inside && me->button() == Qt::LeftButton;
        if (me->buttons() == Qt::NoButton)
            mousePressed_ = false;
        events.MouseUp.raise(button, shift, x, y);
        if (click)
            events.Click.raise();
        return true;
    }
    default: return false;
    }
}

bool Control::routeKeyEvent(QEvent* e, KeyEvents& events)
{
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        int16_t code = virtualKeyCode(*ke), shift = shiftBits(ke->modifiers());
        events.KeyDown.raise(code, shift);
        int16_t ascii = keyAsciiOf(*ke);
        if (ascii != 0) {
            events.KeyPress.raise(ascii);
            if (ascii == 0)
                return true; // swallowed
        }
        return false;
    }
    if (e->type() == QEvent::KeyRelease) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->isAutoRepeat())
            return false;
        int16_t code = virtualKeyCode(*ke), shift = shiftBits(ke->modifiers());
        events.KeyUp.raise(code, shift);
        return false;
    }
    return false;
}

bool Control::routeFocusEvent(QEvent* e, FocusEvents& events)
{
    if (e->type() == QEvent::FocusIn)
        events.GotFocus.raise();
    else if (e->type() == QEvent::FocusOut)
        events.LostFocus.raise();
    return false;
}

bool Control::routeKeyAndFocusEvent(QEvent* e, KeyEvents& keys, FocusEvents& focus)
{
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        return routeFocusEvent(e, focus);
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
        return routeKeyEvent(e, keys);
    return false;
}

QChar Control::accessKeyOf(const QString& caption)
{
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (i + 1 >= caption.size())
            return {};
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" shows one "&"
            continue;
        }
        return caption[i + 1];
    }
    return {};
}

} // namespace plat
