#include "UserControl.h"

#include "Drag.h"
#include "Form.h"
#include "Gdi.h"
#include "Input.h"
#include "Paths.h"
#include "PropertyBag.h"
#include "Units.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>
#include <QRegion>
#include <QUrl>

#include <map>

namespace plat {

namespace {

// The user controls alive, for the focus notifications.
std::vector<std::weak_ptr<UserControl>>& liveControls()
{
    static std::vector<std::weak_ptr<UserControl>> v;
    return v;
}

// The effects the source of a drag in this process allowed (the target's
// OLEDragOver sees them as the starting Effect).
int32_t& currentDragAllowed()
{
    static int32_t a = 0;
    return a;
}

// The widget that a key belongs to: the one its press went to first. Qt
// hands a key that a widget leaves unused on to its parent, the same event
// object one step up at a time, and the focus may have moved meanwhile (a
// caption editor that hides itself in its own key handler), so that the rest
// of the press and then the release reach another widget. Which widget a key
// belongs to is therefore told by where its press began, not by the focus
// when it arrives.
class KeyOrigin : public QObject {
public:
    static KeyOrigin& instance()
    {
        static KeyOrigin* origin = [] {
            auto* o = new KeyOrigin(qApp);
            qApp->installEventFilter(o);
            return o;
        }();
        return *origin;
    }
    // The widget the key of `e` belongs to; null for an event not seen
    // being delivered.
    QWidget* of(const QKeyEvent* e) const
    {
        if (e != event_)
            return nullptr;
        return origin_.data();
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if (t == QEvent::ShortcutOverride) { // comes before every new key press
            event_ = nullptr;
            return false;
        }
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease)
            return false;
        if (!receiver->isWidgetType()) { // the window: a key from the window system begins
            event_ = nullptr;
            return false;
        }
        auto* w = static_cast<QWidget*>(receiver);
        const bool handedOn = e == event_ && t == type_ && w == expectedNext_;
        if (!handedOn) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            event_ = e;
            type_ = t;
            origin_ = w;
            if (t == QEvent::KeyPress) {
                pressedAt_[key] = w;
            } else if (auto it = pressedAt_.find(key); it != pressedAt_.end()) {
                if (!static_cast<QKeyEvent*>(e)->isAutoRepeat()) {
                    if (it->second)
                        origin_ = it->second;
                    pressedAt_.erase(it);
                } else if (it->second) {
                    origin_ = it->second;
                }
            }
        }
        expectedNext_ = w->isWindow() ? nullptr : w->parentWidget();
        return false;
    }

private:
    using QObject::QObject;
    const QEvent* event_ = nullptr; // compared, never read
    QEvent::Type type_ = QEvent::None;
    const QWidget* expectedNext_ = nullptr; // compared, never read
    QPointer<QWidget> origin_;
    std::map<int, QPointer<QWidget>> pressedAt_; // keys down, by where their press went
};

void connectFocusTracking()
{
    static bool connected = false;
    if (connected || !qApp)
        return;
    connected = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget* old, QWidget* now) { UserControl::focusMoved(old, now); });
    KeyOrigin::instance();
}

} // namespace

// The surface: paints what the control shows and passes the Qt events on.
class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(QWidget* parent, std::weak_ptr<UserControl> control) : QWidget(parent), control_(std::move(control))
    {
        setMouseTracking(true); // moves with no button held
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (auto c = control_.lock()) {
            QPainter p(this);
            c->paintSurface(p);
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (auto c = control_.lock())
            c->mousePress(e, false);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (auto c = control_.lock())
            c->mousePress(e, true);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (auto c = control_.lock())
            c->mouseMove(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (auto c = control_.lock())
            c->mouseRelease(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        auto c = control_.lock();
        if (!c || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
            e->ignore(); // Tab moves the focus
            return;
        }
        if (fromOwnChild(e))
            return;
        int16_t code = virtualKeyCode(*e), shift = shiftBits(e->modifiers());
        dispatchEvent([&] { c->UserControl_KeyDown(code, shift); });
        int16_t ascii = keyAsciiOf(*e);
        if (ascii != 0)
            dispatchEvent([&] { c->UserControl_KeyPress(ascii); });
        e->accept();
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        auto c = control_.lock();
        if (!c || e->isAutoRepeat() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
            e->ignore();
            return;
        }
        if (fromOwnChild(e))
            return;
        int16_t code = virtualKeyCode(*e), shift = shiftBits(e->modifiers());
        dispatchEvent([&] { c->UserControl_KeyUp(code, shift); });
        e->accept();
    }
    void dragEnterEvent(QDragEnterEvent* e) override { route(e); }
    void dragMoveEvent(QDragMoveEvent* e) override { route(e); }
    void dragLeaveEvent(QDragLeaveEvent* e) override { route(e); }
    void dropEvent(QDropEvent* e) override { route(e); }

private:
    // Only the keys of the control's own window are the control's. A key
    // that went to one of its children (a caption editor) and that the child
    // left unused stops here without raising the control's key events, also
    // when the child gave the focus away while handling it.
    bool fromOwnChild(QKeyEvent* e)
    {
        QWidget* origin = KeyOrigin::instance().of(e);
        if (!origin) // not seen being delivered: the focus tells
            origin = QApplication::focusWidget();
        if (!origin || origin == this || !isAncestorOf(origin))
            return false;
        e->accept();
        return true;
    }

    void route(QEvent* e)
    {
        if (auto c = control_.lock())
            c->dragEvent(e);
    }
    std::weak_ptr<UserControl> control_;
};

// --- ControlList, HyperLink ---

ControlPtr ControlList::Item(int32_t index) const
{
    if (index < 0 || index >= Count())
        raise(err::SubscriptRange);
    return controls_[size_t(index)];
}

void HyperLink::NavigateTo(const QString& target, const QString& location, const QString&)
{
    QString t = target;
    if (!location.isEmpty())
        t += QLatin1Char('#') + location;
    QUrl url(t);
    if (url.scheme().size() <= 1) // a path ("C:\..." reads as scheme "c")
        url = QUrl::fromLocalFile(toSystemPath(t));
    QDesktopServices::openUrl(url);
}

// --- UserControl ---

UserControl::UserControl() : font_(Font::make())
{
    surface_.setBackColor(0x8000000Fu);
    maskColor_ = 0x8000000Fu;
}

UserControl::~UserControl()
{
    if (hdc_)
        gdi::DeleteDC(hdc_);
}

QWidget* UserControl::createWidget(QWidget* parent)
{
    connectFocusTracking();
    auto self = std::static_pointer_cast<UserControl>(shared_from_this());
    liveControls().push_back(self);
    auto* w = new SurfaceWidget(parent, self);
    w->setFocusPolicy(canGetFocus_ ? Qt::StrongFocus : Qt::NoFocus);
    // The surface starts with the container's font (a copy of its own).
    if (auto* c = containerInterface(); c && c->containerFont())
        font_ = c->containerFont()->clone();
    return w;
}

void UserControl::resized()
{
    surface_.resize(pixelRect().size());
    updateMask();
    if (initialized_)
        dispatchEvent([&] { UserControl_Resize(); });
}

// ----- Surface -----

void UserControl::paintSurface(QPainter& p)
{
    ++repaints_;
    surface_.paint(p, QPoint(0, 0));
}

void UserControl::surfaceChanged()
{
    if (widget_)
        widget_->update();
}

void UserControl::setBackColor(Colour c)
{
    surface_.setBackColor(c);
    surfaceChanged();
}

void UserControl::setForeColor(Colour c)
{
    if (c == foreColor_)
        return;
    foreColor_ = c;
    if (hdc_)
        gdi::SetTextColor(hdc_, c);
}

void UserControl::setFont(const FontPtr& f)
{
    if (!f)
        raise(err::ObjectRequired);
    font_ = f;
}

void UserControl::setPicture(const PicturePtr& p)
{
    surface_.resize(pixelRect().size());
    surface_.setPicture(p);
    // Shown at once: every picture of an animation reaches the screen.
    if (widget_ && widget_->isVisible())
        widget_->repaint();
    else
        surfaceChanged();
}

void UserControl::Refresh()
{
    if (widget_ && widget_->isVisible())
        widget_->repaint();
}

void UserControl::Cls()
{
    surface_.cls();
    surfaceChanged();
}

void UserControl::setBackStyle(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == backStyle_)
        return;
    backStyle_ = v;
    surface_.setTransparent(v == 0);
    updateMask();
    surfaceChanged();
}

void UserControl::setMaskPicture(const PicturePtr& p)
{
    if (p == maskPicture_)
        return;
    maskPicture_ = p;
    updateMask();
}

void UserControl::setMaskColor(Colour c)
{
    if (c == maskColor_)
        return;
    maskColor_ = c;
    updateMask();
}

void UserControl::updateMask()
{
    if (!widget_)
        return;
    if (backStyle_ != 0 || !maskPicture_ || maskPicture_->isEmpty()) {
        widget_->clearMask();
        return;
    }
    // The window is the mask picture's pixels that are not the mask colour.
    const QImage img = maskPicture_->image().convertToFormat(QImage::Format_RGB32);
    const QRgb key = toQRgb(translateColour(maskColor_)) | 0xFF000000u;
    const int w = std::min(img.width(), widget_->width()), h = std::min(img.height(), widget_->height());
    QRegion region;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w;) {
            if ((line[x] | 0xFF000000u) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && (line[x] | 0xFF000000u) != key)
                ++x;
            region += QRect(start, y, x - start, 1);
        }
    }
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1); // nothing of the window remains
    widget_->setMask(region);
}

void UserControl::setOLEDropMode(int16_t v)
{
    if (v < 0 || v > 1)
        raise(err::InvalidProperty);
    if (v == oleDropMode_)
        return;
    oleDropMode_ = v;
    if (widget_)
        widget_->setAcceptDrops(v == 1);
}

void UserControl::setScaleMode(int16_t v)
{
    if (v < 0 || v > 7)
        raise(err::InvalidProperty);
    scaleMode_ = v;
}

std::shared_ptr<plat::HyperLink> UserControl::HyperLink() const
{
    if (!hyperLink_)
        hyperLink_ = std::make_shared<plat::HyperLink>();
    return hyperLink_;
}

void UserControl::Size(double widthTwips, double heightTwips)
{
    const QRectF r = twipsRect();
    setTwipsRect(QRectF(r.x(), r.y(), widthTwips, heightTwips));
}

int64_t UserControl::hDC()
{
    if (!hdc_) {
        surface_.resize(pixelRect().size());
        std::weak_ptr<UserControl> self = std::static_pointer_cast<UserControl>(shared_from_this());
        hdc_ = gdi::CreateImageDC(
            surface_.target(),
            [self] {
                auto c = self.lock();
                return c ? c->font_->qfont() : QFont();
            },
            [self] {
                if (auto c = self.lock())
                    c->surfaceChanged();
            });
        gdi::SetTextColor(hdc_, foreColor_);
    }
    return hdc_;
}

double UserControl::ScaleWidth() const
{
    return pixelRect().width() * double(TwipsPerPixel) / twipsPerUnit(scaleMode_);
}

double UserControl::ScaleHeight() const
{
    return pixelRect().height() * double(TwipsPerPixel) / twipsPerUnit(scaleMode_);
}

double UserControl::ScaleX(double width, int16_t fromScale, int16_t toScale) const
{
    auto resolve = [this](int16_t s) -> int16_t {
        if (s < 0)
            return scaleMode_;
        if (s == scale::ContainerPosition || s == scale::ContainerSize) {
            auto* c = containerInterface();
            return c ? c->childScaleMode() : int16_t(scale::Twips);
        }
        return s;
    };
    return width * twipsPerUnit(resolve(fromScale)) / twipsPerUnit(resolve(toScale));
}

double UserControl::ScaleY(double height, int16_t fromScale, int16_t toScale) const
{
    return ScaleX(height, fromScale, toScale);
}

// The control draws its text through a device context, in whole-pixel
// glyphs of one colour, whose widths are not those of smoothed glyphs: it
// measures its text in that same font, so that a caption measured to fit a
// box is drawn within it.
QFont UserControl::deviceFont() const
{
    QFont f = font_->qfont();
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    return f;
}

double UserControl::TextWidth(const QString& text) const
{
    return textWidthPixels(deviceFont(), text) * TwipsPerPixel / twipsPerUnit(scaleMode_);
}

double UserControl::TextHeight(const QString& text) const
{
    return textHeightPixels(deviceFont(), text) * TwipsPerPixel / twipsPerUnit(scaleMode_);
}

void UserControl::setAccessKeys(const QString& keys) { accessKeys_ = keys; }

void UserControl::setCanGetFocus(bool v)
{
    if (v == canGetFocus_)
        return;
    canGetFocus_ = v;
    if (widget_)
        widget_->setFocusPolicy(v ? (TabStop() ? Qt::StrongFocus : Qt::ClickFocus) : Qt::NoFocus);
}

void UserControl::setDefault(bool v)
{
    if (v == default_)
        return;
    default_ = v;
    ambientChanged(QStringLiteral("DisplayAsDefault"));
}

void UserControl::setEnabled(bool v) { Control::setEnabled(v); }

// ----- Services -----

AmbientProperties UserControl::Ambient() const
{
    AmbientProperties a;
    a.DisplayName = displayName();
    if (auto* c = containerInterface()) {
        a.Font = c->containerFont() ? c->containerFont()->clone() : Font::make();
        a.BackColor = c->containerBackColor();
        a.ForeColor = c->containerForeColor();
    } else {
        a.Font = Font::make();
    }
    a.DisplayAsDefault = default_;
    a.UserMode = true;
    return a;
}

std::shared_ptr<ControlList> UserControl::ParentControls() const
{
    auto f = Parent();
    return std::make_shared<ControlList>(f ? f->Controls() : std::vector<ControlPtr>{});
}

void UserControl::PropertyChanged(const QString& PropertyName) { changed_.append(PropertyName); }

bool UserControl::CanPropertyChange(const QString& PropertyName)
{
    return canChange_ ? canChange_(PropertyName) : true;
}

void UserControl::ambientChanged(const QString& name)
{
    QString n = name;
    dispatchEvent([&] { UserControl_AmbientChanged(n); });
}

void UserControl::accessKeyPressed(QChar key)
{
    int16_t k = int16_t(key.unicode());
    dispatchEvent([&] { UserControl_AccessKeyPress(k); });
}

void UserControl::siteConstituent(const ControlPtr& c, const QString& name, const QRectF& twips)
{
    auto self = std::static_pointer_cast<UserControl>(shared_from_this());
    c->site(Parent(), self, name, -1, twips);
    c->afterDesign();
    constituents_.push_back(c);
}

// ----- Driven by the form -----

void UserControl::initialize()
{
    if (initialized_)
        return;
    initialized_ = true;
    surface_.resize(pixelRect().size());
    dispatchEvent([&] { UserControl_Initialize(); });
}

void UserControl::initProperties()
{
    dispatchEvent([&] { UserControl_InitProperties(); });
}

void UserControl::readProperties(PropertyBag& bag)
{
    dispatchEvent([&] { UserControl_ReadProperties(bag); });
}

void UserControl::writeProperties(PropertyBag& bag)
{
    dispatchEvent([&] { UserControl_WriteProperties(bag); });
}

void UserControl::terminate()
{
    if (terminated_ || !initialized_)
        return;
    terminated_ = true;
    auto keep = shared_from_this();
    dispatchEvent([&] { UserControl_Terminate(); });
}

void UserControl::beforeUnload()
{
    terminate();
    for (const auto& c : constituents_)
        c->beforeUnload();
}

// ----- Focus -----

void UserControl::focusMoved(QWidget* old, QWidget* now)
{
    struct Step {
        std::shared_ptr<UserControl> control;
        bool leaveSelf, exit, enter, enterSelf;
    };
    std::vector<Step> steps;
    for (const auto& weak : liveControls()) {
        auto c = weak.lock();
        QWidget* w = c ? c->widget() : nullptr;
        if (!w)
            continue;
        const bool wasIn = old && (old == w || w->isAncestorOf(old));
        const bool isIn = now && (now == w || w->isAncestorOf(now));
        const bool wasSelf = old == w, isSelf = now == w;
        Step s{c, wasSelf && !isSelf, wasIn && !isIn, !wasIn && isIn, isSelf && !wasSelf};
        if (s.leaveSelf || s.exit || s.enter || s.enterSelf)
            steps.push_back(s);
    }
    // Leaving first (LostFocus before ExitFocus), then entering (EnterFocus
    // before GotFocus).
    for (auto& s : steps) {
        if (s.leaveSelf)
            dispatchEvent([&] { s.control->UserControl_LostFocus(); });
        if (s.exit)
            dispatchEvent([&] { s.control->UserControl_ExitFocus(); });
    }
    for (auto& s : steps) {
        if (s.enter)
            dispatchEvent([&] { s.control->UserControl_EnterFocus(); });
        if (s.enterSelf)
            dispatchEvent([&] { s.control->UserControl_GotFocus(); });
    }
    auto& live = liveControls();
    live.erase(std::remove_if(live.begin(), live.end(), [](const auto& w) { return w.expired(); }), live.end());
}

// ----- Mouse -----

void UserControl::mousePress(QMouseEvent* e, bool doubleClick)
{
    auto keep = shared_from_this();
    if (doubleClick) {
        clickPending_ = false;
        dispatchEvent([&] { UserControl_DblClick(); });
        return;
    }
    int16_t button = buttonCode(e->button()), shift = shiftBits(e->modifiers());
    float x = toEventUnits(e->position().x()), y = toEventUnits(e->position().y());
    clickPending_ = e->button() == Qt::LeftButton;
    dispatchEvent([&] { UserControl_MouseDown(button, shift, x, y); });
}

void UserControl::mouseMove(QMouseEvent* e)
{
    auto keep = shared_from_this();
    int16_t button = buttonBits(e->buttons()), shift = shiftBits(e->modifiers());
    float x = toEventUnits(e->position().x()), y = toEventUnits(e->position().y());
    dispatchEvent([&] { UserControl_MouseMove(button, shift, x, y); });
}

void UserControl::mouseRelease(QMouseEvent* e)
{
    auto keep = shared_from_this();
    int16_t button = buttonCode(e->button()), shift = shiftBits(e->modifiers());
    float x = toEventUnits(e->position().x()), y = toEventUnits(e->position().y());
    const bool inside = widget_ && widget_->rect().contains(e->position().toPoint());
    const bool click = clickPending_ && e->button() == Qt::LeftButton && inside;
    if (e->button() == Qt::LeftButton)
        clickPending_ = false;
    dispatchEvent([&] { UserControl_MouseUp(button, shift, x, y); });
    if (click)
        dispatchEvent([&] { UserControl_Click(); });
}

// ----- Drag and drop -----

void UserControl::OLEDrag()
{
    auto keep = shared_from_this();
    auto data = std::make_shared<DataObject>();
    int32_t allowed = 0;
    dispatchEvent([&] { UserControl_OLEStartDrag(data, allowed); });
    std::weak_ptr<UserControl> self = std::static_pointer_cast<UserControl>(keep);
    std::weak_ptr<DataObject> weakData = data;
    data->onSetData = [self, weakData](int16_t format) {
        auto c = self.lock();
        DataObjectPtr d = weakData.lock();
        if (!c || !d)
            return;
        int16_t f = format;
        dispatchEvent([&] { c->UserControl_OLESetData(d, f); });
    };
    int32_t effect = 0;
    if (allowed != 0 && data && data->hasData() && widget_) {
        DragRequest r;
        r.source = widget_.data();
        r.data = data;
        r.allowedEffects = allowed;
        r.mime = data->toMimeData();
        r.feedback = [self](int32_t e) {
            auto c = self.lock();
            if (!c)
                return;
            int32_t eff = e;
            bool defaultCursors = true;
            dispatchEvent([&] { c->UserControl_OLEGiveFeedback(eff, defaultCursors); });
        };
        const int32_t before = currentDragAllowed();
        currentDragAllowed() = allowed;
        effect = runDrag(r);
        currentDragAllowed() = before;
    }
    if (data)
        data->onSetData = nullptr;
    dispatchEvent([&] { UserControl_OLECompleteDrag(effect); });
}

void UserControl::dragEvent(QEvent* e)
{
    auto keep = shared_from_this();
    if (e->type() == QEvent::DragLeave) {
        DataObjectPtr data = dragData_ ? dragData_ : std::make_shared<DataObject>();
        int32_t effect = 0;
        int16_t button = buttonBits(QApplication::mouseButtons());
        int16_t shift = shiftBits(QApplication::keyboardModifiers());
        float x = toEventUnits(lastDragPos_.x()), y = toEventUnits(lastDragPos_.y());
        int16_t state = dragstate::Leave;
        dispatchEvent([&] { UserControl_OLEDragOver(data, effect, button, shift, x, y, state); });
        dragData_.reset();
        e->accept();
        return;
    }
    auto* de = static_cast<QDropEvent*>(e);
    if (!dragData_ || e->type() == QEvent::DragEnter)
        dragData_ = DataObject::fromMimeData(de->mimeData());
    DataObjectPtr data = dragData_;
    lastDragPos_ = de->position().toPoint();
    const bool own = currentDragAllowed() != 0 && DataObject::isOwnMimeData(de->mimeData());
    int32_t effect = own ? currentDragAllowed() : effectsOf(de->possibleActions());
    int16_t button = buttonBits(de->buttons()), shift = shiftBits(de->modifiers());
    float x = toEventUnits(de->position().x()), y = toEventUnits(de->position().y());

    // The action for an effect: the one proposed when the effect allows it.
    auto apply = [de](int32_t eff) {
        if (eff == 0) {
            de->setDropAction(Qt::IgnoreAction);
            de->ignore();
            return;
        }
        Qt::DropAction a = de->proposedAction();
        if (!(effectsOf(a) & eff)) {
            a = dropActionOf(eff & effectsOf(de->possibleActions()));
            if (a == Qt::IgnoreAction)
                a = dropActionOf(eff);
        }
        de->setDropAction(a);
        de->accept();
    };

    if (e->type() == QEvent::Drop) {
        effect = lastDragEffect_; // what the last drag-over settled on
        dispatchEvent([&] { UserControl_OLEDragDrop(data, effect, button, shift, x, y); });
        dragData_.reset();
        apply(effect);
        return;
    }
    int16_t state = e->type() == QEvent::DragEnter ? dragstate::Enter : dragstate::Over;
    dispatchEvent([&] { UserControl_OLEDragOver(data, effect, button, shift, x, y, state); });
    lastDragEffect_ = effect;
    if (state == dragstate::Enter) {
        // Entering is always accepted so that the moves come; each move
        // decides whether a drop is possible.
        apply(effect);
        e->accept();
        return;
    }
    apply(effect);
}

// ----- By name -----

Variant UserControl::getProperty(const QString& name) const
{
    if (is(name, "Default"))
        return Variant(default_);
    if (is(name, "Cancel"))
        return Variant(cancel_);
    return Control::getProperty(name);
}

void UserControl::setProperty(const QString& name, const Variant& value)
{
    if (is(name, "Default"))
        setDefault(value.toBool());
    else if (is(name, "Cancel"))
        setCancel(value.toBool());
    else
        Control::setProperty(name, value);
}

} // namespace plat
