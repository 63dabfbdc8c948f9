#include "FormFunctionsImpl.h"

#include "Library.h"
#include "MiscellaneousImpl.h"
#include "Units.h"
#include "X11Desktop.h"
#include "X11Display.h"
#include "ZorvaneSystem.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace zg {

QPoint FormFunctionsImpl::placeIn(const QRect& area, const QSize& frame, double xRatio, double yRatio)
{
    const double x = area.left() + (area.width() - frame.width()) * xRatio;
    const double y = area.top() + (area.height() - frame.height()) * yRatio;
    return QPoint(int(plat::roundEven(x)), int(plat::roundEven(y)));
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

// ===== Metrics =====

namespace {

QStyle* desktopStyle()
{
    QStyle* style = QApplication::style();
    if (!style)
        plat::raise(429, QStringLiteral("ZorvaneFormFunctions"), QStringLiteral("No desktop style without an application"));
    return style;
}

int16_t metric16(int pixels) { return int16_t(std::clamp(pixels, 0, 32767)); }

// A title bar as the style draws it for a normal or a tool window: its
// close button's rectangle.
QRect titleBarButton(bool tool)
{
    QStyle* style = desktopStyle();
    QStyleOptionTitleBar opt;
    opt.titleBarFlags = tool ? Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                             : Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    opt.subControls = QStyle::SC_All;
    opt.text = QStringLiteral("Title");
    opt.titleBarState = Qt::WindowActive;
    opt.state = QStyle::State_Active | QStyle::State_Enabled;
    opt.fontMetrics = QFontMetrics(tool ? QApplication::font("QDockWidgetTitle")
                                        : QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int height = style->pixelMetric(QStyle::PM_TitleBarHeight, &opt);
    opt.rect = QRect(0, 0, 400, height);
    QRect r = style->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarCloseButton, nullptr);
    if (r.isEmpty()) {
        // A style that draws no buttons of its own: square buttons of the
        // style's button size, or of the bar less its margins.
        const int margins = std::max(height - 4, 1);
        const int size = style->pixelMetric(QStyle::PM_TitleBarButtonSize, &opt);
        const int side = size > 0 ? std::min(size, margins) : margins;
        r = QRect(0, 0, side, side);
    }
    return r;
}

int titleBarHeight()
{
    QStyleOptionTitleBar opt;
    opt.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    opt.fontMetrics = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return desktopStyle()->pixelMetric(QStyle::PM_TitleBarHeight, &opt);
}

int frameBorder() { return std::max(0, desktopStyle()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth)); }

plat::FontPtr fontFrom(const QFont& q)
{
    // Sizes in points at the fixed 96 DPI; a size given in pixels converts.
    double points = q.pointSizeF();
    if (points <= 0 && q.pixelSize() > 0)
        points = q.pixelSize() * 72.0 / 96.0;
    if (points <= 0)
        points = 9;
    auto f = std::make_shared<plat::Font>(q.family(), points, q.bold());
    f->setWeight(int16_t(q.weight() >= QFont::Bold ? 700 : q.weight() >= QFont::DemiBold ? 600 : 400));
    f->setItalic(q.italic());
    f->setUnderline(q.underline());
    f->setStrikethrough(q.strikeOut());
    return f;
}

} // namespace

// ===== Window frames =====

namespace {

// How long the window manager may take to say what frame it will give.
constexpr int FrameAnswerMs = 200;

// The frame the desktop style draws around a window: what is said where
// nothing better is known.
QMargins styleFrame()
{
    const int border = frameBorder();
    return QMargins(border, titleBarHeight() + border, border, border);
}

QMargins toolkitFrame(const QWidget* w)
{
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// What the window manager answered for windows of one kind: the frame
// depends on the window's flags and on whether it can be resized.
struct AskedFrame {
    unsigned long manager;
    Qt::WindowFlags flags;
    Qt::WindowModality modality;
    QSize minimum;
    QSize maximum;
    std::optional<QMargins> frame;
};

// The frame the manager will give `w` once shown, asked with a window of
// the same kind that is never shown, so that `w` itself is created only
// when it is shown (the toolkit places a window created earlier
// differently). The answer holds for later windows of the same kind; a
// manager that leaves a question unanswered is not asked again.
std::optional<QMargins> askedFrame(_XDisplay* display, QWidget* w, unsigned long manager)
{
    static std::vector<AskedFrame> answers;
    answers.erase(std::remove_if(answers.begin(), answers.end(),
                                 [manager](const AskedFrame& a) { return a.manager != manager; }),
                  answers.end());
    const Qt::WindowFlags flags = w->windowHandle() ? w->windowHandle()->flags() : w->windowFlags();
    for (const AskedFrame& a : answers)
        if (!a.frame || (a.flags == flags && a.modality == w->windowModality() && a.minimum == w->minimumSize()
                         && a.maximum == w->maximumSize()))
            return a.frame;

    QWindow probe;
    probe.setFlags(flags);
    probe.setModality(w->windowModality());
    probe.setMinimumSize(w->minimumSize());
    probe.setMaximumSize(w->maximumSize());
    probe.resize(w->size());
    if (QScreen* screen = w->screen())
        probe.setScreen(screen);
    probe.create();
    const std::optional<QMargins> frame = X11Desktop::requestFrameExtentsOn(display, probe.winId(), FrameAnswerMs);
    probe.destroy();
    // The latest few kinds: a program has few windows, each of its own size.
    if (answers.size() >= 16)
        answers.erase(answers.begin());
    answers.push_back({ manager, flags, w->windowModality(), w->minimumSize(), w->maximumSize(), frame });
    return frame;
}

// The frame around a top-level window: the one the window manager gave it
// once it is shown, the one it will give it before; none without a window
// manager. The style's frame for a manager that does not tell. Nothing
// where the windows are not on X and this one is not shown.
std::optional<QMargins> windowFrame(QWidget* w)
{
    const bool shown = w->isVisible() && w->testAttribute(Qt::WA_Mapped);
    _XDisplay* display = x11QtDisplay();
    if (!display)
        return shown ? std::optional<QMargins>(toolkitFrame(w)) : std::nullopt;
    const X11Desktop::Framing framing = X11Desktop::framingOn(display);
    if (framing.kind == X11Desktop::Framing::NoManager)
        return QMargins();
    if (shown) {
        if (framing.kind == X11Desktop::Framing::Telling)
            if (const auto frame = X11Desktop::frameExtentsOn(display, w->winId()))
                return frame;
        return toolkitFrame(w);
    }
    if (framing.kind == X11Desktop::Framing::Telling)
        if (const auto frame = askedFrame(display, w, framing.manager))
            return frame;
    return styleFrame();
}

// Puts the corner of the window's frame at `at`. The toolkit places a
// window it has not created yet by its frame: the window manager is asked
// to put the frame's corner where the window was moved. A created window
// it places inside the frame it knows of, which is none before the window
// is shown.
void placeFrame(QWidget* w, QPoint at, const QMargins& frame)
{
    if (!w->testAttribute(Qt::WA_WState_Created)) {
        w->move(at);
        return;
    }
    const QPoint known = w->geometry().topLeft() - w->frameGeometry().topLeft();
    w->move(at + QPoint(frame.left(), frame.top()) - known);
}

} // namespace

// ===== Centring =====

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
    const std::optional<QMargins> frame = windowFrame(w);
    if (!frame) {
        // Nothing known of a frame: the toolkit's idea of it.
        w->move(placeIn(area, w->frameGeometry().size(), XRatio, YRatio));
        return;
    }
    placeFrame(w, placeIn(area, w->size().grownBy(*frame), XRatio, YRatio), *frame);
}

// ===== The metrics =====

float FormFunctionsImpl::DefaultBorderSize()
{
    return float(std::max(0, desktopStyle()->pixelMetric(QStyle::PM_DefaultFrameWidth)));
}

int16_t FormFunctionsImpl::DefaultMenuItemHeight()
{
    QStyleOptionMenuItem opt;
    opt.menuItemType = QStyleOptionMenuItem::Normal;
    opt.text = QStringLiteral("Item");
    opt.font = QApplication::font("QMenu");
    opt.fontMetrics = QFontMetrics(opt.font);
    opt.state = QStyle::State_Enabled;
    const QSize text(opt.fontMetrics.horizontalAdvance(opt.text), opt.fontMetrics.height());
    const QSize item = desktopStyle()->sizeFromContents(QStyle::CT_MenuItem, &opt, text, nullptr);
    return metric16(std::max(item.height(), text.height()));
}

int16_t FormFunctionsImpl::DefaultScrollBarHeight()
{
    return metric16(desktopStyle()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

int16_t FormFunctionsImpl::DefaultScrollBarWidth()
{
    return metric16(desktopStyle()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

int16_t FormFunctionsImpl::DefaultTitleBarButtonHeight() { return metric16(titleBarButton(false).height()); }
int16_t FormFunctionsImpl::DefaultTitleBarButtonWidth() { return metric16(titleBarButton(false).width()); }
int16_t FormFunctionsImpl::SmallTitleBarButtonHeight() { return metric16(titleBarButton(true).height()); }
int16_t FormFunctionsImpl::SmallTitleBarButtonWidth() { return metric16(titleBarButton(true).width()); }

int32_t FormFunctionsImpl::DesktopHDC() { return int32_t(x11RootWindow()); }
int32_t FormFunctionsImpl::DesktopHWnd() { return int32_t(x11RootWindow()); }

plat::Variant FormFunctionsImpl::NonClientAreaHeight(const plat::ObjectPtr& Form)
{
    QWidget* w = widgetOf(Form, "ZorvaneFormFunctions.NonClientAreaHeight")->window();
    const QMargins frame = windowFrame(w).value_or(styleFrame());
    return plat::Variant(int32_t(frame.top() + frame.bottom()));
}

plat::Variant FormFunctionsImpl::NonClientAreaWidth(const plat::ObjectPtr& Form)
{
    QWidget* w = widgetOf(Form, "ZorvaneFormFunctions.NonClientAreaWidth")->window();
    const QMargins frame = windowFrame(w).value_or(styleFrame());
    return plat::Variant(int32_t(frame.left() + frame.right()));
}

// ===== Fonts =====

plat::FontPtr FormFunctionsImpl::DefaultTitleBarFont() { return fontFrom(QFontDatabase::systemFont(QFontDatabase::TitleFont)); }
// A tool window's title: the desktop's font for the titles of docked
// panels (the application font where the desktop names none).
plat::FontPtr FormFunctionsImpl::SmallTitleBarFont() { return fontFrom(QApplication::font("QDockWidgetTitle")); }
plat::FontPtr FormFunctionsImpl::DefaultMenuFont() { return fontFrom(QApplication::font("QMenu")); }

// ===== Moving a control into another window =====

namespace {

// Lives in the window a control was moved into, created before the
// control arrives there so that Qt destroys it before the control: it
// takes the control back to the parent it had before it was first moved,
// so the control never goes down with a window it was only lent to.
class LentControlGuard : public QObject {
public:
    LentControlGuard(QWidget* newParent, QWidget* lent, QWidget* home)
        : QObject(newParent), lent_(lent), home_(home)
    {
    }
    ~LentControlGuard() override
    {
        if (lent_ && lent_->property("zg_lent_guard").value<QObject*>() == this)
            lent_->setProperty("zg_lent_guard", QVariant());
        if (released_ || !lent_ || !home_ || lent_->parentWidget() == home_)
            return;
        const QPoint at = lent_->pos();
        const bool hidden = lent_->isHidden();
        lent_->setParent(home_);
        lent_->move(at);
        if (!hidden)
            lent_->show();
    }
    QWidget* lent() const { return lent_; }
    QWidget* home() const { return home_; }
    void release() { released_ = true; }

private:
    QPointer<QWidget> lent_;
    QPointer<QWidget> home_;
    bool released_ = false;
};

LentControlGuard* guardOf(QWidget* lent)
{
    // The guard clears the property when it goes, so the pointer is live.
    auto* g = static_cast<LentControlGuard*>(lent->property("zg_lent_guard").value<QObject*>());
    return g && g->lent() == lent ? g : nullptr;
}

} // namespace

bool FormFunctionsImpl::SetParent(const plat::ObjectPtr& Control, const plat::ObjectPtr& NewParent)
{
    QWidget* w = widgetOf(Control, "ZorvaneFormFunctions.SetParent");
    QWidget* target = widgetOf(NewParent, "ZorvaneFormFunctions.SetParent");
    if (target == w || w->isAncestorOf(target) || w->isWindow())
        return false;

    LentControlGuard* old = guardOf(w);
    // Home is where the control was before its first move.
    QWidget* home = old ? old->home() : w->parentWidget();
    if (old && old->parent() == target && w->parentWidget() == target)
        return true; // already there
    if (old) {
        old->release();
        old->deleteLater();
        w->setProperty("zg_lent_guard", QVariant());
    }
    if (home && target != home) {
        auto* guard = new LentControlGuard(target, w, home);
        w->setProperty("zg_lent_guard", QVariant::fromValue<QObject*>(guard));
    }

    // The position inside the parent stays what it was.
    const QPoint at = w->pos();
    const bool hidden = w->isHidden();
    if (w->parentWidget() != target) {
        w->setParent(target);
        w->move(at);
    }
    if (!hidden || w->parentWidget() != home)
        w->show();
    w->raise();
    return true;
}

// ===== Shaped windows =====

std::optional<QPolygon> FormFunctionsImpl::parseShapePoints(const QString& text)
{
    // Longer text cannot hold MaxShapePoints points of sensible numbers.
    if (text.size() > MaxShapePoints * 32)
        return std::nullopt;
    QPolygon points;
    int i = 0;
    const int n = int(text.size());
    auto skipSpaces = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    auto number = [&](int& out) {
        skipSpaces();
        const int start = i;
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            ++i;
        const int digits = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        if (i == digits || i - digits > 6)
            return false;
        bool ok = false;
        const int v = text.mid(start, i - start).toInt(&ok);
        if (!ok || v < -32767 || v > 32767)
            return false;
        out = v;
        skipSpaces();
        return true;
    };
    skipSpaces();
    while (true) {
        if (i >= n || text[i] != QLatin1Char('('))
            return std::nullopt;
        ++i;
        int x = 0, y = 0;
        if (!number(x) || i >= n || text[i] != QLatin1Char(','))
            return std::nullopt;
        ++i;
        if (!number(y) || i >= n || text[i] != QLatin1Char(')'))
            return std::nullopt;
        ++i;
        if (points.size() >= MaxShapePoints)
            return std::nullopt;
        points << QPoint(x, y);
        skipSpaces();
        if (i >= n)
            break;
        if (text[i] != QLatin1Char('-'))
            return std::nullopt;
        ++i;
        skipSpaces();
    }
    if (points.size() < 3)
        return std::nullopt;
    return points;
}

namespace {

// An edge of a polygon as the scan meets it: the rows it crosses, from its
// upper end to the row before its lower end, on the line from (x0, top)
// that moves dx columns every dy rows.
struct ScanEdge {
    int top;
    int bottom;
    int64_t x0;
    int64_t dx;
    int64_t dy;

    // The first column on or right of the line on row y (its x rounded up).
    int64_t columnAt(int y) const
    {
        const int64_t n = int64_t(y - top) * dx;
        return x0 + (n >= 0 ? (n + dy - 1) / dy : -(-n / dy));
    }
};

} // namespace

QRegion FormFunctionsImpl::shapeRegion(const QPolygon& polygon, const QSize& window)
{
    const int width = window.width(), height = window.height();
    const int n = int(polygon.size());
    if (width <= 0 || height <= 0 || n < 3)
        return {};

    // A pixel is inside when an odd number of the edges crossing its row
    // start on or left of it. Horizontal edges cross no row. Only the
    // window's rows are scanned, and only its columns kept, so a polygon
    // thousands of pixels tall costs no more than one the window's size.
    std::vector<ScanEdge> edges;
    edges.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        QPoint a = polygon[(i + n - 1) % n], b = polygon[i];
        if (a.y() == b.y())
            continue;
        if (a.y() > b.y())
            std::swap(a, b);
        if (b.y() <= 0 || a.y() >= height)
            continue;
        edges.push_back({ a.y(), b.y(), a.x(), int64_t(b.x()) - a.x(), int64_t(b.y()) - a.y() });
    }
    std::sort(edges.begin(), edges.end(), [](const ScanEdge& a, const ScanEdge& b) { return a.top < b.top; });

    std::vector<const ScanEdge*> active;
    // Where the inside/outside parity changes along the current row.
    std::vector<uint8_t> flips(size_t(width) + 1, 0);
    std::vector<std::pair<int, int>> row, previous;
    std::vector<QRect> rects;
    size_t band = 0; // the first rectangle of the band the last row joined
    size_t next = 0;
    for (int y = 0; y < height; ++y) {
        while (next < edges.size() && edges[next].top <= y)
            active.push_back(&edges[next++]);
        active.erase(std::remove_if(active.begin(), active.end(), [y](const ScanEdge* e) { return e->bottom <= y; }),
                     active.end());
        if (active.empty()) {
            if (next == edges.size())
                break;
            previous.clear();
            continue;
        }
        for (const ScanEdge* e : active) {
            const int64_t x = e->columnAt(y);
            if (x < width)
                flips[size_t(std::max<int64_t>(x, 0))] ^= 1;
        }
        row.clear();
        bool inside = false;
        int start = 0;
        for (int x = 0; x < width; ++x) {
            if (!flips[size_t(x)])
                continue;
            flips[size_t(x)] = 0;
            inside = !inside;
            if (inside)
                start = x;
            else
                row.emplace_back(start, x);
        }
        flips[size_t(width)] = 0;
        if (inside)
            row.emplace_back(start, width);

        // Rows alike one under another make one band of rectangles, as the
        // region keeps them.
        if (row.empty()) {
            previous.clear();
        } else if (row == previous) {
            for (size_t i = band; i < rects.size(); ++i)
                rects[i].setBottom(y);
        } else {
            band = rects.size();
            for (const auto& [left, right] : row)
                rects.emplace_back(QPoint(left, y), QPoint(right - 1, y));
            std::swap(previous, row);
        }
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

bool FormFunctionsImpl::SetFormShapeFromPoints(const plat::ObjectPtr& Form, const QString& Points)
{
    QWidget* w = widgetOf(Form, "ZorvaneFormFunctions.SetFormShapeFromPoints")->window();
    const std::optional<QPolygon> polygon = parseShapePoints(Points);
    if (!polygon)
        return false;
    // A shape cannot reach beyond its window: only the part of the polygon
    // on the window is built. Nothing of it there shapes nothing.
    const QRegion region = shapeRegion(*polygon, w->size());
    if (region.isEmpty())
        return false;
    // The polygon is in the window's own pixels: a frame of the window
    // manager around it would lie outside the shape.
    if (w->isWindow() && !w->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const bool shown = w->isVisible();
        w->setWindowFlag(Qt::FramelessWindowHint, true);
        if (shown)
            w->show();
    }
    w->setMask(region);
    return true;
}

} // namespace zg
