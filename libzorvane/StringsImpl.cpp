#include "StringsImpl.h"

#include "Error.h"
#include "Gdi.h"
#include "Numbers.h"
#include "Units.h"
#include "ZorvaneGhostCanvas.h"

#include <algorithm>
#include <cmath>

namespace zg {

namespace gdi = plat::gdi;

namespace {

[[noreturn]] void invalidArgument(const char* member)
{
    plat::raise(plat::err::InvalidCall, QStringLiteral("ZorvaneStrings.") + QLatin1String(member));
}

QString separators(int16_t count, const char* member)
{
    if (count < 0)
        invalidArgument(member);
    return QStringLiteral("\r\n").repeated(count);
}

uint32_t alignmentFormat(int32_t alignment)
{
    switch (alignment) {
    case ZorvaneStrings::AlignRight:
        return gdi::dt::Right;
    case ZorvaneStrings::AlignCenter:
        return gdi::dt::Center;
    default:
        return gdi::dt::Left;
    }
}

int32_t whole(double v)
{
    const double r = plat::roundEven(v);
    return int32_t(std::clamp(r, -1.0e9, 1.0e9));
}

// The box in whole pixels; a negative extent counts as an empty box.
gdi::Rect boxOf(float x, float y, float width, float height)
{
    gdi::Rect r;
    r.left = whole(x);
    r.top = whole(y);
    r.right = r.left + std::max(0, whole(width));
    r.bottom = r.top + std::max(0, whole(height));
    return r;
}

ZorvaneGhostCanvas& surfaceOf(const std::shared_ptr<ZorvaneGhostCanvas>& canvas, const char* member)
{
    if (!canvas)
        plat::raise(plat::err::ObjectNotSet, QStringLiteral("ZorvaneStrings.") + QLatin1String(member));
    return *canvas;
}

// Lays out (and draws, unless the format asks only for the extent) text on
// the surface's device context in the surface's fore colour, putting the
// context's text colour back afterwards.
void layOut(ZorvaneGhostCanvas& canvas, const QString& text, gdi::Rect& box, uint32_t format)
{
    const gdi::HDC dc = canvas.hDC();
    const plat::Colour previous = gdi::SetTextColor(dc, canvas.ForeColor());
    gdi::DrawTextA(dc, text, box, format);
    gdi::SetTextColor(dc, previous);
}

// Where text cut to its box sits in it. Text that leaves a whole line or
// more of the box empty is set against the box's bottom edge: a caption box
// taller than its caption may reach up under a picture drawn above it (a
// caption below its image on buttons that stand side by side), never under
// one below it. Text that leaves less room stays at the top. Text taller
// than the box shows as many whole lines as the box holds, from the first,
// so that no line is cut through; a box lower than one line shows the top
// of the first.
void placeInBox(ZorvaneGhostCanvas& canvas, const QString& text, gdi::Rect& box, uint32_t format)
{
    const gdi::HDC dc = canvas.hDC();
    gdi::Size line;
    if (!gdi::GetTextExtentPoint32A(dc, QString(), line) || line.cy <= 0)
        return;
    gdi::Rect extent = box;
    gdi::DrawTextA(dc, text, extent, format | gdi::dt::CalcRect);
    const int64_t textHeight = int64_t(extent.bottom) - extent.top;
    const int64_t boxHeight = int64_t(box.bottom) - box.top;
    if (textHeight > boxHeight) {
        const int64_t lines = boxHeight / line.cy;
        if (lines >= 1)
            box.bottom = int32_t(box.top + lines * line.cy);
    } else if (boxHeight - textHeight >= line.cy) {
        box.top = int32_t(box.bottom - textHeight);
    }
}

} // namespace

int32_t StringsImpl::InStrReverse(const QString& Text, const QString& Find, int32_t Start)
{
    if (Find.isEmpty() || Start == 0 || Text.isEmpty())
        return 0;
    const qsizetype last = Start < 0 ? Text.size() : std::min<qsizetype>(Start, Text.size());
    // The match must start at or before `last` (1-based), so its 0-based
    // start is at most last - 1.
    const qsizetype at = Text.lastIndexOf(Find, last - 1);
    return at < 0 ? 0 : int32_t(at + 1);
}

QString StringsImpl::TextAfter(const QString& Text, int32_t Count)
{
    if (Count <= 0)
        return Text;
    return Count >= Text.size() ? QString() : Text.mid(Count);
}

QString StringsImpl::LeftOf(const QString& Text, int32_t Count)
{
    if (Count <= 0)
        return QString();
    return Text.left(Count);
}

int32_t StringsImpl::CountOccurrences(const QString& Text, const QStringList& Find)
{
    int64_t total = 0;
    for (const QString& f : Find) {
        if (f.isEmpty())
            continue;
        for (qsizetype at = Text.indexOf(f); at >= 0; at = Text.indexOf(f, at + f.size()))
            ++total;
    }
    return int32_t(total);
}

QString StringsImpl::RemoveChars(const QString& Text, int32_t Start, int32_t Count)
{
    if (Count <= 0)
        return Text;
    // The range [Start, Start + Count) in 1-based positions, cut to the text.
    const int64_t from = std::max<int64_t>(Start, 1);
    const int64_t to = std::min<int64_t>(int64_t(Start) + Count, int64_t(Text.size()) + 1);
    if (from >= to)
        return Text;
    QString out = Text;
    out.remove(qsizetype(from - 1), qsizetype(to - from));
    return out;
}

QString StringsImpl::SplitAtDelimiter(const QString& Text, const QString& Delimiter, int32_t Part)
{
    if (Delimiter.isEmpty() || (Part != 1 && Part != 2))
        invalidArgument("SplitAtDelimiter");
    const qsizetype at = Text.indexOf(Delimiter);
    if (Part == 1)
        return at < 0 ? Text : Text.left(at);
    return at < 0 ? QString() : Text.mid(at + Delimiter.size());
}

int32_t StringsImpl::InStrExcluding(const QString& Text, const QString& Find, const QStringList& Excluding,
                                    int32_t Start)
{
    if (Start < 1)
        invalidArgument("InStrExcluding");
    if (Find.isEmpty())
        return 0;
    qsizetype i = Start - 1;
    while (i < Text.size()) {
        bool skipped = false;
        for (const QString& ex : Excluding) {
            if (!ex.isEmpty() && QStringView(Text).mid(i).startsWith(ex)) {
                i += ex.size();
                skipped = true;
                break;
            }
        }
        if (skipped)
            continue;
        if (QStringView(Text).mid(i).startsWith(Find))
            return int32_t(i + 1);
        ++i;
    }
    return 0;
}

QString StringsImpl::NewLine(int16_t Count)
{
    return separators(Count, "NewLine");
}

QString StringsImpl::LineBreaks(int16_t Count)
{
    return separators(Count, "LineBreaks");
}

void StringsImpl::DrawTextOnCanvas(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X, float Y,
                                   float Width, float Height, int32_t Alignment, bool RightToLeft, bool Reserved)
{
    ZorvaneGhostCanvas& canvas = surfaceOf(Canvas, "DrawTextOnCanvas");
    gdi::Rect box = boxOf(X, Y, Width, Height);
    layOut(canvas, Text, box, alignmentFormat(Alignment) | gdi::dt::WordBreak | gdi::dt::NoClip);
}

void StringsImpl::DrawTextOnCanvasEx(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float X,
                                     float Y, float& Width, float& Height, int32_t Alignment, bool RightToLeft,
                                     bool Draw)
{
    ZorvaneGhostCanvas& canvas = surfaceOf(Canvas, "DrawTextOnCanvasEx");
    const uint32_t format = alignmentFormat(Alignment) | gdi::dt::WordBreak | gdi::dt::NoClip;
    gdi::Rect box = boxOf(X, Y, Width, Height);
    gdi::Rect extent = box;
    layOut(canvas, Text, extent, format | gdi::dt::CalcRect);
    if (Draw)
        layOut(canvas, Text, box, format);
    Width = float(extent.right - extent.left);
    Height = float(extent.bottom - extent.top);
}

void StringsImpl::DrawTextAligned(std::shared_ptr<ZorvaneGhostCanvas>& Canvas, const QString& Text, float Left,
                                  float Top, float Width, float Height, int32_t Alignment, bool RightToLeft,
                                  bool ClipToBox, bool SingleLine, int32_t Reserved1, int32_t Reserved2)
{
    ZorvaneGhostCanvas& canvas = surfaceOf(Canvas, "DrawTextAligned");
    gdi::Rect box = boxOf(Left, Top, Width, Height);
    const uint32_t format = alignmentFormat(Alignment) | gdi::dt::Top
                            | (SingleLine ? gdi::dt::SingleLine : gdi::dt::WordBreak)
                            | (ClipToBox ? 0u : gdi::dt::NoClip);
    if (ClipToBox)
        placeInBox(canvas, Text, box, format);
    layOut(canvas, Text, box, format);
}

QString StringsImpl::PadToWidth(const plat::Variant& Text, int16_t Width)
{
    if (Width < 0)
        invalidArgument("PadToWidth");
    return plat::CStr(Text).rightJustified(Width, u'0');
}

} // namespace zg
