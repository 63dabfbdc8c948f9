#include "Gdi.h"

#include "Font.h"
#include "Raster.h"
#include "Units.h"
#include "Window.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <QHash>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace plat::gdi {

namespace detail {

struct ObjectEntry {
    enum Kind { Brush, Font } kind = Brush;
    // Brushes: a solid colour, or a tile repeated from the context's origin.
    bool pattern = false;
    bool mono = false; // a one-bit tile: dark = text colour, light = background colour
    Colour colour = 0;
    QImage tile; // RGB32
    // Fonts.
    LogFont logFont;
    QFont qfont;
    bool releasedByContext = false;
    int selections = 0; // contexts that have it selected
};

struct DcEntry {
    QImage* image = nullptr;
    std::function<QFont()> defaultFont;
    std::function<void()> changed;
    HGDIOBJ brush = NULL_BRUSH;
    HGDIOBJ font = DEFAULT_FONT;
    Colour text = 0;
    Colour bk = 0xFFFFFF;
    bool clipped = false;
    QRect clip;
};

struct Table {
    std::unordered_map<int64_t, ObjectEntry> objects;
    std::unordered_map<int64_t, DcEntry> dcs;
    int64_t next = 0x4000;
    int brushes = 0;
    int fonts = 0;
};

// One table per process: external linkage, so that a program and a shared
// library that both link this code resolve to the same table.
Table& gdiTable()
{
    static Table t;
    return t;
}

} // namespace detail

using detail::DcEntry;
using detail::ObjectEntry;

namespace {

detail::Table& T() { return detail::gdiTable(); }

DcEntry* dcOf(HDC hdc)
{
    auto it = T().dcs.find(hdc);
    return it == T().dcs.end() ? nullptr : &it->second;
}

ObjectEntry* objectOf(HGDIOBJ h)
{
    auto it = T().objects.find(h);
    return it == T().objects.end() ? nullptr : &it->second;
}

ObjectEntry* brushOf(HGDIOBJ h)
{
    ObjectEntry* o = objectOf(h);
    return o && o->kind == ObjectEntry::Brush ? o : nullptr;
}

int64_t newHandle()
{
    T().next += 4;
    return T().next;
}

uint32_t qrgbOf(Colour c) { return plat::toQRgb(c) & 0xFFFFFFu; }

// The area of the context's image that drawing may touch.
QRect drawableArea(DcEntry& dc)
{
    if (!dc.image || !makeWritable(*dc.image))
        return QRect();
    QRect r = dc.image->rect();
    if (dc.clipped)
        r = r.intersected(dc.clip);
    return r;
}

void touched(DcEntry& dc)
{
    if (dc.changed)
        dc.changed();
}

// The brush's colour at a device pixel, as 0x00RRGGBB.
uint32_t brushPixel(const ObjectEntry& b, const DcEntry& dc, int x, int y)
{
    if (!b.pattern)
        return qrgbOf(b.colour);
    const int tw = b.tile.width(), th = b.tile.height();
    const int tx = ((x % tw) + tw) % tw, ty = ((y % th) + th) % th;
    const uint32_t v = rgbAt(b.tile, tx, ty);
    if (!b.mono)
        return v;
    return qGray(QRgb(v)) < 128 ? qrgbOf(dc.text) : qrgbOf(dc.bk);
}

// The part of a rectangle (corners in any order) that lies within `bounds`,
// worked out in 64 bits so that extreme coordinates cannot overflow.
QRect within(const Rect& r, const QRect& bounds)
{
    if (bounds.isEmpty())
        return QRect();
    const int64_t l = std::max<int64_t>(std::min(r.left, r.right), bounds.left());
    const int64_t t = std::max<int64_t>(std::min(r.top, r.bottom), bounds.top());
    const int64_t rr = std::min<int64_t>(std::max(r.left, r.right), int64_t(bounds.right()) + 1);
    const int64_t b = std::min<int64_t>(std::max(r.top, r.bottom), int64_t(bounds.bottom()) + 1);
    if (l >= rr || t >= b)
        return QRect();
    return QRect(int(l), int(t), int(rr - l), int(b - t));
}

void fillArea(DcEntry& dc, const ObjectEntry& b, const Rect& area)
{
    const QRect r = within(area, drawableArea(dc));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            putRgb(*dc.image, x, y, brushPixel(b, dc, x, y));
}

// The font a context draws with, and its escapement.
QFont fontOf(const DcEntry& dc, int32_t* escapement)
{
    QFont f;
    int32_t esc = 0;
    if (const ObjectEntry* o = objectOf(dc.font); o && o->kind == ObjectEntry::Font) {
        f = o->qfont;
        esc = o->logFont.escapement;
    } else if (dc.defaultFont) {
        f = dc.defaultFont();
    } else {
        f = plat::Font().qfont();
    }
    // Whole-pixel glyphs in one colour, as the desktop draws them.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    if (escapement)
        *escapement = esc;
    return f;
}

// The measures of a font, kept for the few fonts drawn with lately: making
// a font's metrics and shaping a text are the dear part of drawing text, and
// a paint measures and draws the same captions in the same fonts many times.
class TextMetrics {
public:
    explicit TextMetrics(const QFont& source) : source_(source), font_(source), fm_(font_)
    {
        height_ = fm_.height();
        ascent_ = fm_.ascent();
        decorated_ = font_.underline() || font_.strikeOut() || font_.overline();
    }
    const QFont& source() const { return source_; }
    const QFont& font() const { return font_; }
    int height() const { return height_; }
    int ascent() const { return ascent_; }
    int advance(const QString& text)
    {
        if (text.isEmpty())
            return 0;
        if (auto it = widths_.constFind(text); it != widths_.constEnd())
            return *it;
        if (widths_.size() >= 512)
            widths_.clear();
        const int w = fm_.horizontalAdvance(text);
        widths_.insert(text, w);
        return w;
    }

    // Draws one line of text with its baseline at `baseline`, as
    // QPainter::drawText would, from glyphs shaped once per text.
    void draw(QPainter& p, const QPoint& baseline, const QString& text)
    {
        if (text.isEmpty())
            return;
        if (decorated_) { // underline and strike-out lines are the painter's to draw
            p.drawText(baseline, text);
            return;
        }
        for (const QChar c : text) {
            if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
                p.drawText(baseline, text); // left to the painter's own rules
                return;
            }
        }
        auto it = runs_.constFind(text);
        if (it == runs_.constEnd()) {
            if (runs_.size() >= 256)
                runs_.clear();
            it = runs_.insert(text, shape(text));
        }
        for (const QGlyphRun& run : *it)
            p.drawGlyphRun(baseline, run);
    }

private:
    // The glyphs of a line laid out on its own, positioned from the baseline.
    QList<QGlyphRun> shape(const QString& text) const
    {
        QTextLayout layout(text, font_);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1.0e6);
        layout.endLayout();
        QList<QGlyphRun> runs = layout.glyphRuns();
        const qreal ascent = line.ascent();
        for (QGlyphRun& run : runs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& pos : positions)
                pos.ry() -= ascent;
            run.setPositions(positions);
        }
        return runs;
    }

    QFont source_, font_;
    QFontMetrics fm_;
    int height_ = 0, ascent_ = 0;
    bool decorated_ = false;
    QHash<QString, int> widths_;
    QHash<QString, QList<QGlyphRun>> runs_;
};

// The metrics of `f` (a font as fontOf gives it); the reference holds until
// the next call.
std::vector<std::unique_ptr<TextMetrics>>& keptMetrics()
{
    static std::vector<std::unique_ptr<TextMetrics>> kept; // most recent first
    return kept;
}

TextMetrics& metricsOf(const QFont& f)
{
    std::vector<std::unique_ptr<TextMetrics>>& kept = keptMetrics();
    // Fonts and glyphs go with the application's font machinery.
    static bool routineAdded = false;
    if (!routineAdded && QCoreApplication::instance()) {
        routineAdded = true;
        qAddPostRoutine([] {
            keptMetrics().clear();
            routineAdded = false;
        });
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        if (kept[i]->source() == f && kept[i]->source().styleStrategy() == f.styleStrategy()) {
            if (i != 0)
                std::rotate(kept.begin(), kept.begin() + i, kept.begin() + i + 1);
            return *kept.front();
        }
    }
    if (kept.size() >= 8)
        kept.pop_back();
    kept.insert(kept.begin(), std::make_unique<TextMetrics>(f));
    return *kept.front();
}

// A painter on the context's image, clipped, with the font turned by its
// escapement about (x, y), which becomes the painter's origin.
void preparePainter(QPainter& p, const DcEntry& dc, const QFont& f, int32_t escapement, int x, int y)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (dc.clipped)
        p.setClipRect(dc.clip);
    p.setFont(f);
    p.setPen(plat::toQColor(dc.text));
    p.translate(x, y);
    if (escapement != 0)
        p.rotate(-escapement / 10.0); // counter-clockwise on screen
}

// Text with "&" prefixes resolved: the shown text and the position of the
// character to underline (-1 for none).
QString stripPrefixes(const QString& text, int* underlineAt)
{
    QString out;
    out.reserve(text.size());
    *underlineAt = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&') && *underlineAt < 0)
                *underlineAt = int(out.size());
        } else if (text[i] == QLatin1Char('&')) {
            continue; // a lone "&" at the end shows nothing
        }
        out.append(text[i]);
    }
    return out;
}

struct TextLine {
    QString text;
    int start = 0; // position of its first character in the whole text
};

QList<TextLine> layoutLines(const QString& text, TextMetrics& fm, int width, uint32_t format)
{
    QList<TextLine> lines;
    if (format & dt::SingleLine) {
        QString one = text;
        one.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines.append({one, 0});
        return lines;
    }
    int pos = 0;
    while (true) {
        int nl = int(text.indexOf(QLatin1Char('\n'), pos));
        const int end = nl < 0 ? int(text.size()) : nl;
        QString para = text.mid(pos, end - pos);
        if (para.endsWith(QLatin1Char('\r')))
            para.chop(1);
        if (!(format & dt::WordBreak) || fm.advance(para) <= width) {
            lines.append({para, pos});
        } else {
            // Break between words; a word wider than the box keeps its own line.
            int lineStart = 0;
            int i = 0;
            while (lineStart < para.size()) {
                int lastFit = -1;
                i = lineStart;
                while (i <= para.size()) {
                    if (i == para.size() || para[i] == QLatin1Char(' ')) {
                        if (fm.advance(para.mid(lineStart, i - lineStart)) <= width || lastFit < 0)
                            lastFit = i;
                        else
                            break;
                        if (i == para.size())
                            break;
                    }
                    ++i;
                }
                lines.append({para.mid(lineStart, lastFit - lineStart), pos + lineStart});
                lineStart = lastFit;
                while (lineStart < para.size() && para[lineStart] == QLatin1Char(' '))
                    ++lineStart;
            }
        }
        if (nl < 0)
            break;
        pos = nl + 1;
    }
    return lines;
}

void deleteEntry(HGDIOBJ h)
{
    auto it = T().objects.find(h);
    if (it == T().objects.end())
        return;
    if (it->second.kind == ObjectEntry::Brush)
        --T().brushes;
    else
        --T().fonts;
    T().objects.erase(it);
}

bool isStock(HGDIOBJ h) { return h == NULL_BRUSH || h == DEFAULT_FONT; }

} // namespace

void setFaceName(LogFont& lf, const QString& name)
{
    std::memset(lf.faceName, 0, sizeof lf.faceName);
    const QByteArray bytes = name.toLatin1();
    std::memcpy(lf.faceName, bytes.constData(), std::min<size_t>(size_t(bytes.size()), sizeof lf.faceName - 1));
}

QFont qfontOf(const LogFont& lf)
{
    const QString face = QString::fromLatin1(lf.faceName, int(strnlen(lf.faceName, sizeof lf.faceName)));
    const plat::Font::StandIn standIn = plat::Font::standInFor(face);
    QFont f(standIn.family);
    if (standIn.stretch != 100)
        f.setStretch(standIn.stretch);
    int px = plat::fontPixelSize(8.25);
    if (lf.height < 0) {
        px = -lf.height;
    } else if (lf.height > 0) {
        // A cell height: scale the em so that ascent + descent fits it.
        QFont probe = f;
        probe.setPixelSize(lf.height);
        const int cell = std::max(1, QFontMetrics(probe).height());
        px = int(plat::roundEven(double(lf.height) * lf.height / cell));
    }
    f.setPixelSize(std::max(1, px));
    f.setWeight(QFont::Weight(lf.weight <= 0 ? 400 : std::clamp<int>(lf.weight, 1, 1000)));
    f.setItalic(lf.italic != 0);
    f.setUnderline(lf.underline != 0);
    f.setStrikeOut(lf.strikeOut != 0);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    return f;
}

// --- Device contexts --------------------------------------------------------

HDC CreateImageDC(QImage* target, std::function<QFont()> defaultFont, std::function<void()> changed)
{
    if (!target)
        return 0;
    DcEntry dc;
    dc.image = target;
    dc.defaultFont = std::move(defaultFont);
    dc.changed = std::move(changed);
    const HDC h = newHandle();
    T().dcs.emplace(h, std::move(dc));
    return h;
}

int32_t DeleteDC(HDC hdc)
{
    auto it = T().dcs.find(hdc);
    if (it == T().dcs.end())
        return 0;
    const HGDIOBJ held[] = {it->second.brush, it->second.font};
    T().dcs.erase(it);
    for (HGDIOBJ h : held) {
        ObjectEntry* o = objectOf(h);
        if (!o)
            continue;
        --o->selections;
        if (o->releasedByContext && o->selections == 0)
            deleteEntry(h);
    }
    return 1;
}

Colour SetTextColor(HDC hdc, Colour c)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0xFFFFFFFFu;
    return std::exchange(dc->text, c);
}

Colour GetTextColor(HDC hdc)
{
    DcEntry* dc = dcOf(hdc);
    return dc ? dc->text : 0;
}

Colour SetBkColor(HDC hdc, Colour c)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0xFFFFFFFFu;
    return std::exchange(dc->bk, c);
}

Colour GetBkColor(HDC hdc)
{
    DcEntry* dc = dcOf(hdc);
    return dc ? dc->bk : 0;
}

// --- Brushes, fonts, selection -----------------------------------------------

HBRUSH CreateSolidBrush(Colour c)
{
    ObjectEntry o;
    o.kind = ObjectEntry::Brush;
    o.colour = c;
    const HBRUSH h = newHandle();
    T().objects.emplace(h, std::move(o));
    ++T().brushes;
    return h;
}

HBRUSH CreatePatternBrush(const PicturePtr& picture)
{
    if (!picture || picture->isEmpty())
        return 0;
    const QImage& img = picture->image();
    ObjectEntry o;
    o.kind = ObjectEntry::Brush;
    o.pattern = true;
    o.mono = img.depth() == 1 || (img.format() == QImage::Format_Indexed8 && img.colorCount() <= 2);
    o.tile = img.convertToFormat(QImage::Format_RGB32);
    const HBRUSH h = newHandle();
    T().objects.emplace(h, std::move(o));
    ++T().brushes;
    return h;
}

HFONT CreateFontIndirectA(const LogFont& lf)
{
    ObjectEntry o;
    o.kind = ObjectEntry::Font;
    o.logFont = lf;
    o.logFont.faceName[sizeof lf.faceName - 1] = 0;
    o.qfont = qfontOf(o.logFont);
    const HFONT h = newHandle();
    T().objects.emplace(h, std::move(o));
    ++T().fonts;
    return h;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    bool isBrush = false;
    if (obj == NULL_BRUSH) {
        isBrush = true;
    } else if (obj != DEFAULT_FONT) {
        ObjectEntry* o = objectOf(obj);
        if (!o)
            return 0;
        isBrush = o->kind == ObjectEntry::Brush;
    }
    HGDIOBJ& slot = isBrush ? dc->brush : dc->font;
    const HGDIOBJ previous = slot;
    if (previous == obj)
        return previous;
    slot = obj;
    if (ObjectEntry* o = objectOf(obj))
        ++o->selections;
    if (ObjectEntry* p = objectOf(previous)) {
        --p->selections;
        if (p->releasedByContext && p->selections == 0)
            deleteEntry(previous);
    }
    return previous;
}

int32_t DeleteObject(HGDIOBJ obj)
{
    if (isStock(obj))
        return 1;
    ObjectEntry* o = objectOf(obj);
    if (!o || o->selections > 0)
        return 0;
    deleteEntry(obj);
    return 1;
}

void setReleasedByContext(HGDIOBJ obj, bool released)
{
    if (ObjectEntry* o = objectOf(obj))
        o->releasedByContext = released;
}

bool isReleasedByContext(HGDIOBJ obj)
{
    const ObjectEntry* o = objectOf(obj);
    return o && o->releasedByContext;
}

HBRUSH currentBrush(HDC hdc)
{
    const DcEntry* dc = dcOf(hdc);
    return dc ? dc->brush : 0;
}

HFONT currentFont(HDC hdc)
{
    const DcEntry* dc = dcOf(hdc);
    return dc ? dc->font : 0;
}

// --- Drawing ----------------------------------------------------------------

int32_t FillRect(HDC hdc, const Rect& r, HBRUSH brush)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    if (brush == NULL_BRUSH)
        return 1;
    const ObjectEntry* b = brushOf(brush);
    if (!b)
        return 0;
    if (r.right > r.left && r.bottom > r.top)
        fillArea(*dc, *b, r);
    touched(*dc);
    return 1;
}

bool fillWithSelectedBrush(HDC hdc, const Rect& r)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc || dc->brush == NULL_BRUSH)
        return false;
    return FillRect(hdc, r, dc->brush) != 0;
}

int32_t TextOutA(HDC hdc, int32_t x, int32_t y, const QString& text)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc || drawableArea(*dc).isNull())
        return 0;
    int32_t esc = 0;
    TextMetrics& m = metricsOf(fontOf(*dc, &esc));
    {
        QPainter p(dc->image);
        preparePainter(p, *dc, m.font(), esc, x, y);
        m.draw(p, QPoint(0, m.ascent()), text);
    }
    touched(*dc);
    return 1;
}

int32_t GetTextExtentPoint32A(HDC hdc, const QString& text, Size& size)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    TextMetrics& m = metricsOf(fontOf(*dc, nullptr));
    size.cx = m.advance(text);
    size.cy = m.height();
    return 1;
}

int32_t DrawTextA(HDC hdc, const QString& text, Rect& r, uint32_t format)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    int32_t esc = 0;
    TextMetrics& fm = metricsOf(fontOf(*dc, &esc));
    const QFont& f = fm.font();
    int underlineAt = -1;
    const QString shown = (format & dt::NoPrefix) ? text : stripPrefixes(text, &underlineAt);
    auto span = [](int32_t from, int32_t to) {
        return int(std::clamp<int64_t>(int64_t(to) - from, -(int64_t(1) << 30), int64_t(1) << 30));
    };
    const int boxW = span(r.left, r.right), boxH = span(r.top, r.bottom);
    const QList<TextLine> lines = layoutLines(shown, fm, boxW, format);
    const int lineH = fm.height();
    const int totalH = lineH * int(lines.size());
    int widest = 0;
    for (const auto& l : lines)
        widest = std::max(widest, fm.advance(l.text));
    if (format & dt::CalcRect) {
        r.right = int32_t(std::min<int64_t>(int64_t(r.left) + widest, INT32_MAX));
        r.bottom = int32_t(std::min<int64_t>(int64_t(r.top) + totalH, INT32_MAX));
        return totalH;
    }
    if (drawableArea(*dc).isNull())
        return 0;
    int top = 0;
    if (format & dt::SingleLine) {
        if (format & dt::VCenter)
            top = (boxH - lineH) / 2;
        else if (format & dt::Bottom)
            top = boxH - lineH;
    }
    {
        QPainter p(dc->image);
        preparePainter(p, *dc, f, esc, r.left, r.top);
        if (!(format & dt::NoClip))
            p.setClipRect(QRect(0, 0, std::max(0, boxW), std::max(0, boxH)), Qt::IntersectClip);
        int y = top;
        for (const auto& l : lines) {
            const int w = fm.advance(l.text);
            int x = 0;
            if (format & dt::Right)
                x = boxW - w;
            else if (format & dt::Center)
                x = (boxW - w) / 2;
            fm.draw(p, QPoint(x, y + fm.ascent()), l.text);
            const int u = underlineAt - l.start;
            if (underlineAt >= 0 && u >= 0 && u < l.text.size()) {
                const int ux = x + fm.advance(l.text.left(u));
                const int uw = fm.advance(l.text.mid(u, 1));
                p.fillRect(QRect(ux, y + fm.ascent() + 1, std::max(1, uw), 1), p.pen().color());
            }
            y += lineH;
        }
    }
    touched(*dc);
    return top + totalH;
}

int32_t IntersectClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    auto c = [](int64_t v) { return std::clamp<int64_t>(v, -(int64_t(1) << 30), int64_t(1) << 30); };
    const int64_t l = c(left), t = c(top), rr = std::max(l, c(right)), b = std::max(t, c(bottom));
    const QRect r(int(l), int(t), int(rr - l), int(b - t));
    dc->clip = dc->clipped ? dc->clip.intersected(r) : r;
    dc->clipped = true;
    return dc->clip.isEmpty() ? 1 : 2; // empty region / simple region
}

int32_t SelectClipRgn(HDC hdc, int64_t region)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc || region != 0)
        return 0;
    dc->clipped = false;
    dc->clip = QRect();
    return 2;
}

int32_t DrawStateA(HDC hdc, HBRUSH brush, std::nullptr_t, const PicturePtr& picture, int64_t, int32_t x, int32_t y,
                   int32_t cx, int32_t cy, uint32_t flags)
{
    DcEntry* dc = dcOf(hdc);
    const ObjectEntry* b = brushOf(brush);
    if (!dc || !b || !picture || picture->isEmpty() || flags != (DST_BITMAP | DSS_MONO))
        return 0;
    const QRect area = drawableArea(*dc);
    if (area.isNull())
        return 0;
    const QImage& img = picture->image();
    const int w = cx > 0 ? std::min(cx, img.width()) : img.width();
    const int h = cy > 0 ? std::min(cy, img.height()) : img.height();

    // Which pixels are background: transparent ones when the picture has
    // any, else those of the top-left pixel's colour.
    bool byAlpha = false;
    if (img.hasAlphaChannel()) {
        for (int py = 0; py < img.height() && !byAlpha; ++py)
            for (int px = 0; px < img.width() && !byAlpha; ++px)
                byAlpha = qAlpha(sourcePixel(img, px, py)) == 0;
    }
    const QRgb corner = sourcePixel(img, 0, 0) & 0xFFFFFFu;
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            const QRgb s = sourcePixel(img, px, py);
            const bool background = byAlpha ? qAlpha(s) < 128 : (s & 0xFFFFFFu) == corner;
            if (background || !area.contains(x + px, y + py))
                continue;
            putRgb(*dc->image, x + px, y + py, brushPixel(*b, *dc, x + px, y + py));
        }
    }
    touched(*dc);
    return 1;
}

int32_t DrawFocusRect(HDC hdc, const Rect& r)
{
    DcEntry* dc = dcOf(hdc);
    if (!dc)
        return 0;
    const QRect area = drawableArea(*dc);
    if (area.isNull() || r.left == r.right || r.top == r.bottom)
        return 1;
    // The frame's own corners, which may lie off the image.
    const int64_t left = std::min(r.left, r.right), right = int64_t(std::max(r.left, r.right)) - 1;
    const int64_t top = std::min(r.top, r.bottom), bottom = int64_t(std::max(r.top, r.bottom)) - 1;
    const uint32_t c = qrgbOf(dc->text);
    auto dot = [&](int64_t x, int64_t y) {
        if (((x + y) & 1) == 0 && x >= area.left() && x <= area.right() && y >= area.top() && y <= area.bottom())
            putRgb(*dc->image, int(x), int(y), c);
    };
    // Only the stretch of each edge that can be on the image is walked.
    for (int64_t x = std::max<int64_t>(left, area.left()); x <= std::min<int64_t>(right, area.right()); ++x) {
        dot(x, top);
        dot(x, bottom);
    }
    for (int64_t y = std::max<int64_t>(top, area.top()); y <= std::min<int64_t>(bottom, area.bottom()); ++y) {
        dot(left, y);
        dot(right, y);
    }
    touched(*dc);
    return 1;
}

// --- System values ----------------------------------------------------------

Colour GetSysColor(int32_t index) { return plat::sysColor(index); }

int32_t GetDeviceCaps(HDC, int32_t index)
{
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return plat::Dpi;
    case PLANES:
        return 1;
    case BITSPIXEL: {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->depth() : 24;
    }
    default:
        return 0;
    }
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t num = int64_t(a) * b;
    int64_t q = num / c;
    const int64_t r = num % c;
    // Halves away from zero.
    if (2 * (r < 0 ? -r : r) >= (c < 0 ? -int64_t(c) : int64_t(c)))
        q += ((num < 0) != (c < 0)) ? -1 : 1;
    if (q > INT32_MAX || q < INT32_MIN)
        return -1;
    return int32_t(q);
}

int32_t GetWindowRect(HWND hwnd, Rect& r)
{
    const QWidget* w = plat::windowFromHandle(hwnd);
    if (!w)
        return 0;
    const QRect g = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    r = Rect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return 1;
}

// --- Leak counting ----------------------------------------------------------

int liveBrushes() { return T().brushes; }
int liveFonts() { return T().fonts; }
int liveDCs() { return int(T().dcs.size()); }

} // namespace plat::gdi
