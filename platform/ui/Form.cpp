#include "Form.h"

#include "Application.h"
#include "Buttons.h"
#include "Label.h"
#include "UserControl.h"
#include "Units.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

namespace plat {

// The form's top-level window: paints the persistent drawing and passes the
// close box, resizes and the Enter and Escape keys to its form.
class FormWindow : public QWidget {
public:
    explicit FormWindow(std::weak_ptr<Form> form) : form_(std::move(form))
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void detach() { form_.reset(); }
    std::vector<QEventLoop*> modalLoops;

    void endModalLoops()
    {
        for (QEventLoop* l : modalLoops)
            l->quit();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (auto f = form_.lock())
            f->paintDrawing(p, QPoint(0, 0));
    }
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore(); // the form decides (QueryUnload may cancel)
        if (auto f = form_.lock())
            f->closeRequested();
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (auto f = form_.lock())
            f->windowResized();
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        auto f = form_.lock();
        if (f && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & Qt::AltModifier)) {
            f->pressDefault();
            return;
        }
        if (f && e->key() == Qt::Key_Escape) {
            f->pressCancel();
            return;
        }
        QWidget::keyPressEvent(e);
    }

private:
    std::weak_ptr<Form> form_;
};

namespace {

// Forms taken down while a handler of theirs may still be running live on
// until the event loop comes round again. The queued call that lets them go
// owns nothing: an application that ends with it still queued throws it away
// inside its own event bookkeeping, where destroying a form (and its widgets)
// would deadlock. What is still here when the application object goes is let
// go at the start of its teardown.
std::vector<std::shared_ptr<Form>>& lingeringForms()
{
    static std::vector<std::shared_ptr<Form>> forms;
    return forms;
}

void releaseLingeringForms()
{
    auto forms = std::move(lingeringForms());
    lingeringForms().clear();
}

void keepUntilIdle(std::shared_ptr<Form> form)
{
    auto* app = QCoreApplication::instance();
    if (!app || QCoreApplication::closingDown())
        return;
    static bool routineAdded = false;
    if (!routineAdded) {
        qAddPostRoutine(releaseLingeringForms);
        routineAdded = true;
    }
    lingeringForms().push_back(std::move(form));
    // One call per form: a call thrown away never strands the ones after it.
    QMetaObject::invokeMethod(app, [] { releaseLingeringForms(); }, Qt::QueuedConnection);
}
// Pixels of a twips value, held to a range in which window geometry cannot
// overflow.
int px(double twips)
{
    const double p = roundEven(twips / TwipsPerPixel);
    constexpr double limit = double(1 << 29);
    return std::isnan(p) ? 0 : int(std::clamp(p, -limit, limit));
}

void bringToFront(QWidget* w)
{
    // The offscreen platform (tests) has no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        w->raise();
    w->activateWindow();
}
} // namespace

Form::Form(QString designPath) : designPath_(std::move(designPath)) {}

Form::Form(DesignData design) : design_(std::move(design)), designLoaded_(true) {}

Form::~Form()
{
    for (const auto& c : controls_)
        c->beforeUnload();
    controls_.clear();
    if (window_) {
        window_->detach();
        window_->endModalLoops();
        if (QCoreApplication::instance())
            deleteWhenIdle(window_);
        window_ = nullptr;
    }
}

// ===== Life cycle =====

void Form::Load()
{
    if (loaded_ || loading_)
        return;
    auto self = std::static_pointer_cast<Form>(shared_from_this());
    loading_ = true;
    try {
        build();
    } catch (...) {
        loading_ = false;
        takeDown(false);
        throw;
    }
    loaded_ = true;
    noteFormLoaded(self);
    bindControls();
    dispatchEvent([&] { Form_Load(); });
    loading_ = false;
}

void Form::build()
{
    if (!designLoaded_) {
        design_ = DesignData::load(designPath_);
        designLoaded_ = true;
    }
    window_ = new FormWindow(std::static_pointer_cast<Form>(shared_from_this()));
    applyFormDesign();
    buildControls();
    stackControls();
    applyTabOrder();
}

void Form::applyFormDesign()
{
    const FormDesign& d = design_.form;
    name_ = d.name;
    window_->setObjectName(name_);
    // A new window each load: its title is set whatever the caption was.
    caption_ = d.caption;
    window_->setWindowTitle(caption_);
    borderless_ = d.borderless;
    font_ = d.font ? d.font : Font::make();
    surface_.setBackColor(d.backColor);
    for (const auto& [key, value] : d.properties.entries()) {
        if (is(key, "ScaleMode"))
            scaleMode_ = value.toInteger();
        else if (is(key, "Picture"))
            surface_.setPicture(value.isObject() ? value.objectAs<plat::Picture>() : nullptr);
        else if (is(key, "ForeColor"))
            foreColor_ = colourFromVariant(value);
        else if (is(key, "Tag"))
            tag_ = value.toString();
        else if (is(key, "MouseIcon"))
            mouseIcon_ = value.isObject() ? value.objectAs<plat::Picture>() : nullptr;
        else if (is(key, "MousePointer"))
            mousePointer_ = value.toInteger();
        else if (is(key, "BorderStyle")) {
            borderStyle_ = value.toInteger();
            if (borderStyle_ == 0)
                borderless_ = true;
        }
        // Other design properties of a form (start-up position, icons, ...)
        // have no meaning here.
    }
    Qt::WindowFlags flags = Qt::Window;
    if (borderless_)
        flags |= Qt::FramelessWindowHint;
    else if (borderStyle_ == 3 || borderStyle_ == 4)
        flags |= Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window_->setWindowFlags(flags);
    window_->resize(std::max(1, px(d.clientWidth)), std::max(1, px(d.clientHeight)));
    if (borderStyle_ == 1 || borderStyle_ == 3 || borderStyle_ == 4)
        window_->setFixedSize(window_->size());
    window_->move(px(d.left), px(d.top));
    syncSurfaceSize();
    updateCursor();
}

void Form::buildControls()
{
    auto self = std::static_pointer_cast<Form>(shared_from_this());
    std::vector<std::pair<Control*, int>> explicitTab;
    for (size_t i = 0; i < design_.controls.size(); ++i) {
        ControlDesign& d = design_.controls[i];
        ObjectPtr container = self;
        if (!d.container.isEmpty()) {
            ControlPtr found;
            for (const auto& c : controls_)
                if (c->displayName().compare(d.container, Qt::CaseInsensitive) == 0)
                    found = c;
            if (!found || !dynamic_cast<ControlContainer*>(found.get()))
                raise(31037, design_.source,
                      QStringLiteral("Error loading from file: %1: the container '%2' of '%3' is not a container "
                                     "control placed before it")
                          .arg(design_.source, d.container, d.fullName()));
            container = found;
        }
        ControlPtr ctl = createControl(d.type);
        ctl->setTypeName(d.type);
        ctl->site(self, container, d.name, int16_t(d.index), QRectF(d.left, d.top, d.width, d.height));
        if (ctl->hasTabIndex()) {
            int n = 0;
            for (const auto& c : controls_)
                n += c->hasTabIndex() ? 1 : 0;
            ctl->tabIndex_ = int16_t(n);
        }
        controls_.push_back(ctl);
        auto uc = std::dynamic_pointer_cast<UserControl>(ctl);
        if (uc)
            uc->initialize();
        for (const auto& [key, value] : d.properties.entries()) {
            if (is(key, "TabIndex")) {
                explicitTab.emplace_back(ctl.get(), value.toInteger());
                continue;
            }
            try {
                ctl->applyDesignProperty(key, value);
            } catch (const RuntimeError& e) {
                if (e.number() == err::NotSupported) {
                    qWarning("%s: %s has no property %s; ignored", qPrintable(design_.source),
                             qPrintable(d.fullName()), qPrintable(key));
                    continue;
                }
                ErrorInfo info = e.info();
                info.description = QStringLiteral("%1 (%2, control %3, property %4)")
                                       .arg(info.description, design_.source, d.fullName(), key);
                raise(info);
            }
        }
        if (uc) {
            if (d.hasBag)
                uc->readProperties(d.bag);
            else
                uc->initProperties();
            dispatchEvent([&] { uc->UserControl_Resize(); });
        }
        ctl->afterDesign();
    }
    // Tab order: the design's TabIndex values first, in their order, then
    // the others in creation order.
    if (!explicitTab.empty()) {
        std::vector<Control*> order;
        for (const auto& c : controls_)
            if (c->hasTabIndex())
                order.push_back(c.get());
        auto key = [&](Control* c) {
            for (const auto& [ctl, v] : explicitTab)
                if (ctl == c)
                    return v;
            return INT_MAX;
        };
        std::stable_sort(order.begin(), order.end(), [&](Control* a, Control* b) { return key(a) < key(b); });
        for (size_t i = 0; i < order.size(); ++i)
            order[i]->tabIndex_ = int16_t(i);
    }
}

void Form::stackControls()
{
    // Windowless controls lie under the windowed ones of the same container,
    // each group in creation order.
    for (const auto& c : controls_)
        if (!c->hasWindow() && c->widget())
            c->widget()->raise();
    for (const auto& c : controls_)
        if (c->hasWindow() && c->widget())
            c->widget()->raise();
}

void Form::applyTabOrder()
{
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->hasTabIndex() && c->canTakeFocus() && c->widget())
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->tabIndex_ < b->tabIndex_; });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void Form::renumberTabIndex(Control* control, int16_t newIndex)
{
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->hasTabIndex() && c.get() != control)
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->tabIndex_ < b->tabIndex_; });
    const size_t at = std::min<size_t>(size_t(newIndex), order.size());
    order.insert(order.begin() + std::ptrdiff_t(at), control);
    for (size_t i = 0; i < order.size(); ++i)
        order[i]->tabIndex_ = int16_t(i);
    applyTabOrder();
}

void Form::Show(int16_t modal)
{
    Load();
    if (!loaded_ || !window_)
        return;
    auto keep = shared_from_this();
    if (modal != 0) {
        if (window_->isVisible())
            raise(400, {}, QStringLiteral("Form already displayed; can't show modally"));
        window_->setWindowModality(Qt::ApplicationModal);
    }
    window_->show();
    bringToFront(window_);
    if (modal == 0)
        return;
    QEventLoop loop;
    QPointer<FormWindow> w = window_;
    w->modalLoops.push_back(&loop);
    ++modalDepth_;
    loop.exec();
    --modalDepth_;
    if (w) {
        auto& loops = w->modalLoops;
        loops.erase(std::remove(loops.begin(), loops.end(), &loop), loops.end());
        w->setWindowModality(Qt::NonModal);
    }
}

void Form::Hide()
{
    if (!window_)
        return;
    window_->hide();
    window_->endModalLoops();
}

bool Form::Visible() const { return window_ && window_->isVisible(); }

void Form::Unload() { unloadWith(1); }

bool Form::unloadWith(int16_t unloadMode)
{
    if (!loaded_)
        return true;
    if (unloading_)
        return false;
    auto keep = shared_from_this();
    int16_t cancel = 0;
    int16_t mode = unloadMode;
    dispatchEvent([&] { Form_QueryUnload(cancel, mode); });
    if (cancel != 0 || !loaded_)
        return !loaded_;
    cancel = 0;
    dispatchEvent([&] { Form_Unload(cancel); });
    if (cancel != 0 || !loaded_)
        return !loaded_;
    takeDown(true);
    return true;
}

void Form::closeRequested() { unloadWith(0); }

void Form::discard()
{
    if (loaded_ || window_)
        takeDown(false);
}

void Form::takeDown(bool notify)
{
    auto keep = shared_from_this();
    unloading_ = true;
    const auto controls = controls_;
    for (const auto& c : controls)
        c->beforeUnload();
    if (window_) {
        window_->hide();
        window_->endModalLoops();
        window_->detach();
        deleteWhenIdle(window_); // a handler of one of its widgets may be running
        window_ = nullptr;
    }
    controls_.clear();
    surface_ = DrawingSurface();
    currentX_ = currentY_ = 0;
    const bool wasLoaded = loaded_;
    loaded_ = false;
    unloading_ = false;
    // The form object lives on until the handler that unloaded it returns.
    keepUntilIdle(std::static_pointer_cast<Form>(keep));
    if (wasLoaded && notify)
        noteFormUnloaded(this);
    else if (wasLoaded)
        noteFormDiscarded(this);
}

void Form::windowResized()
{
    syncSurfaceSize();
    if (loaded_ && !loading_)
        dispatchEvent([&] { Form_Resize(); });
}

// ===== Properties =====

void Form::setCaption(const QString& c)
{
    if (c == caption_)
        return;
    caption_ = c;
    if (window_)
        window_->setWindowTitle(c);
}

double Form::Left() const { return window_ ? window_->frameGeometry().x() * double(TwipsPerPixel) : 0; }
double Form::Top() const { return window_ ? window_->frameGeometry().y() * double(TwipsPerPixel) : 0; }
double Form::Width() const { return window_ ? window_->frameGeometry().width() * double(TwipsPerPixel) : 0; }
double Form::Height() const { return window_ ? window_->frameGeometry().height() * double(TwipsPerPixel) : 0; }

void Form::setLeft(double v) { Move(v, Top()); }
void Form::setTop(double v) { Move(Left(), v); }
void Form::setWidth(double v) { Move(Left(), Top(), v, Height()); }
void Form::setHeight(double v) { Move(Left(), Top(), Width(), v); }

void Form::Move(double left, double top)
{
    Load();
    if (window_)
        window_->move(px(left), px(top));
}

void Form::Move(double left, double top, double width, double height)
{
    Load();
    if (!window_)
        return;
    if (width < 0 || height < 0)
        raise(err::InvalidProperty);
    // The outer size less the frame gives the inner size.
    const QRect frame = window_->frameGeometry(), inner = window_->geometry();
    const int w = std::max(1, px(width) - (frame.width() - inner.width()));
    const int h = std::max(1, px(height) - (frame.height() - inner.height()));
    if (window_->minimumSize() == window_->maximumSize())
        window_->setFixedSize(w, h);
    else
        window_->resize(w, h);
    window_->move(px(left), px(top));
    syncSurfaceSize();
}

void Form::setMousePointer(int16_t v)
{
    if (!isValidPointer(v))
        raise(err::InvalidProperty);
    if (v == mousePointer_)
        return;
    mousePointer_ = v;
    updateCursor();
}

void Form::setMouseIcon(const PicturePtr& p)
{
    if (p == mouseIcon_)
        return;
    mouseIcon_ = p;
    updateCursor();
}

void Form::updateCursor()
{
    if (!window_)
        return;
    if (mousePointer_ == 0)
        window_->unsetCursor();
    else
        window_->setCursor(cursorFor(mousePointer_, mouseIcon_));
}

void Form::Refresh()
{
    if (!window_)
        return;
    syncSurfaceSize();
    window_->repaint();
}

void Form::ZOrder(int16_t position)
{
    if (!window_)
        return;
    if (position == 0)
        bringToFront(window_);
    else
        window_->lower();
}

bool Form::Enabled() const { return !window_ || window_->isEnabled(); }

void Form::setEnabled(bool v)
{
    if (window_)
        window_->setEnabled(v);
}

int64_t Form::hWnd() const { return window_ ? registerWindow(window_) : 0; }
QWidget* Form::widget() const { return window_; }
QWidget* Form::clientWidget() const { return window_; }

QSize Form::clientPixels() const { return window_ ? window_->size() : surface_.size(); }

void Form::drawingChanged()
{
    if (window_)
        window_->update();
}

void Form::scaleModeChanged() {}

void Form::fontChanged() { notifyAmbientChanged(QStringLiteral("Font")); }

void Form::notifyAmbientChanged(const QString& name)
{
    const auto controls = controls_;
    for (const auto& c : controls)
        if (auto uc = std::dynamic_pointer_cast<UserControl>(c))
            uc->ambientChanged(name);
}

// ===== Controls =====

ControlPtr Form::findControl(const QString& name, int16_t index) const
{
    for (const auto& c : controls_)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0 && c->Index() == index)
            return c;
    return nullptr;
}

void Form::missingControl(const QString& name, int16_t index)
{
    raise(err::ObjectRequired, {},
          index >= 0 ? QStringLiteral("Object required: %1(%2)").arg(name).arg(index)
                     : QStringLiteral("Object required: %1").arg(name));
}

const DesignData& Form::writeDesign()
{
    for (const auto& c : controls_) {
        auto uc = std::dynamic_pointer_cast<UserControl>(c);
        if (!uc)
            continue;
        if (ControlDesign* d = design_.find(c->Name(), c->Index())) {
            PropertyBag bag;
            uc->writeProperties(bag);
            d->bag = bag;
            d->hasBag = true;
        }
    }
    return design_;
}

void Form::pressDefault()
{
    const auto controls = controls_;
    // A focused command button takes Enter itself.
    if (window_)
        for (const auto& c : controls)
            if (auto b = std::dynamic_pointer_cast<CommandButton>(c); b && b->widget() && b->widget()->hasFocus()) {
                b->press();
                return;
            }
    for (const auto& c : controls) {
        if (auto b = std::dynamic_pointer_cast<CommandButton>(c); b && b->Default()) {
            b->press();
            return;
        }
        if (auto uc = std::dynamic_pointer_cast<UserControl>(c); uc && uc->Default() && uc->Enabled()) {
            int16_t k = 13;
            dispatchEvent([&] { uc->UserControl_AccessKeyPress(k); });
            return;
        }
    }
}

void Form::pressCancel()
{
    const auto controls = controls_;
    for (const auto& c : controls) {
        if (auto b = std::dynamic_pointer_cast<CommandButton>(c); b && b->Cancel()) {
            b->press();
            return;
        }
        if (auto uc = std::dynamic_pointer_cast<UserControl>(c); uc && uc->Cancel() && uc->Enabled()) {
            int16_t k = 27;
            dispatchEvent([&] { uc->UserControl_AccessKeyPress(k); });
            return;
        }
    }
}

bool Form::accessKey(QChar key)
{
    const auto controls = controls_;
    for (const auto& c : controls) {
        if (!c->widget() || c->widget()->isHidden() || !c->widget()->isEnabled())
            continue;
        QString keys;
        if (auto l = std::dynamic_pointer_cast<Label>(c); l && l->UseMnemonic()) {
            const QChar k = Control::accessKeyOf(l->Caption());
            if (!k.isNull())
                keys = k;
        } else if (auto uc = std::dynamic_pointer_cast<UserControl>(c)) {
            keys = uc->AccessKeys();
        }
        if (keys.contains(key, Qt::CaseInsensitive)) {
            c->accessKeyPressed(key);
            return true;
        }
    }
    return false;
}

} // namespace plat
