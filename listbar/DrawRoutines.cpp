// The drawing routines both painters call: picture-clip cells, button images
// with their frames, the drag insert mark, tab captions (rotated in a
// horizontal list bar) and the choice of a button's image reference.
// Errors are not handled here: they end the routine, and the painter goes
// on with its next statement.
#include "ListBarPainter.h"

#include "Gdi.h"
#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"
#include "Library.h"
#include "PaintSupport.h"
#include "ZorvaneGhostCanvas.h"

#include <QPoint>
#include <algorithm>

namespace listbar {

using namespace paint;

namespace {
constexpr int32_t CopyRop = 0xCC0020;
constexpr int32_t IconSize = 16;

// Raster faces have no rotated form; their outline stand-ins are used.
QString outlineFace(const QString& face)
{
    if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        face.compare(QLatin1String("Small Fonts"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Arial");
    if (face.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Courier New");
    if (face.compare(QLatin1String("MS Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Times New Roman");
    return face;
}
} // namespace

int32_t ListBarPainter::ClampToMax(int32_t A, int32_t B, int32_t C)
{
    const int32_t larger = std::max(A, B);
    return larger <= C ? larger : C;
}

plat::PicturePtr ListBarPainter::GetPictureClipCell(int32_t CellNumber)
{
    const ListBarState& s = state_;
    const int32_t cellWidth = s.PicClipCellWidth, cellHeight = s.PicClipCellHeight;
    // A grid without cells (a cell size loaded as 0) gives no picture.
    if (cellWidth <= 0 || cellHeight <= 0)
        return nullptr;
    std::shared_ptr<zg::ZorvaneGhostCanvas> grid = zg::NewGhostCanvas();
    grid->setBackColor(s.UseMaskColor ? s.MaskColor : window_.WindowBackColor());
    grid->setPicture(s.PictureClip);
    const int32_t columns = grid->Width() / cellWidth;
    const int32_t rows = grid->Height() / cellHeight;
    if (CellNumber < 1 || columns < 1 || rows < 1 || int64_t(CellNumber) > int64_t(columns) * rows)
        return nullptr;
    const int32_t row = (CellNumber - 1) / columns;
    const int32_t column = (CellNumber - 1) % columns;
    return grid->GetPictureRegion(double(column) * cellWidth, double(row) * cellHeight, cellWidth, cellHeight);
}

void ListBarPainter::DrawButtonImage(const plat::PicturePtr& Picture, int32_t X, int32_t Y, int16_t MouseButton,
                                     int32_t MouseState, BarDrawStyle& Style)
{
    const ListBarState& s = state_;
    const int32_t S = Style.ButtonImageSize;
    zg::ZorvaneGhostCanvas& canvas = surface();
    if (Picture) {
        if (s.UseMaskColor)
            canvas.PaintPictureTransparent(Picture, s.MaskColor, X + 2, Y + 2, S, S, 0);
        else
            canvas.PaintPicture(Picture, X + 2, Y + 2, S, S, 0, 0, 0, 0, CopyRop);
        // At rest, the image's three greys take the system's 3-D colours.
        if (MouseState == 0 && s.AcclimateGrayTones) {
            static const struct {
                plat::Colour grey;
                plat::Colour system;
            } tones[] = {{0xC0C0C0, 0x8000000F}, {0x808080, 0x80000010}, {0xFFFFFF, 0x80000014}};
            for (const auto& tone : tones)
                if (tone.grey != s.MaskColor)
                    canvas.PaintPictureEx(Picture, tone.grey, X + 2, Y + 2, S, S, true, false, tone.system, 1);
        }
    }
    if (!s.ActiveButtons)
        return;
    const plat::Colour H = Style.ColorHighlight, O = Style.ColorOutline;
    // A press with another button than the left one looks like hover.
    if (MouseState == 1 || (MouseState == 2 && MouseButton > 1)) {
        canvas.FillRect(X, Y, X + S + 4, Y + S + 4, O, false);
        canvas.Line(X, Y, X, Y + S + 3, H);
        canvas.Line(X, Y, X + S + 3, Y, H);
    } else if (MouseState == 2) {
        canvas.FillRect(X, Y, X + S + 4, Y + S + 4, H, false);
        canvas.Line(X, Y, X, Y + S + 4, O);
        canvas.Line(X, Y, X + S + 4, Y, O);
    }
}

void ListBarPainter::DrawInsertMark(plat::Colour Colour, const QString& InsertID, int16_t Before,
                                    const LBTrackingObjectPtr& Item)
{
    const ListBarState& s = state_;
    const LBTrackingObjectPtr client = s.ClientItem;
    if (!client || (InsertID.isEmpty() && Before == 0))
        return;
    const bool vertical = !horizontal();
    const int32_t margins = s.ButtonMarginLeftTop + s.ButtonMarginRightBottom;
    int32_t L = client->X, T = client->Y, W = client->Width, H = client->Height;
    if (vertical) {
        L += s.ButtonMarginLeftTop;
        W -= margins;
    } else {
        T += s.ButtonMarginLeftTop;
        H -= margins;
    }
    const bool noButtons = deref(deref(bars().ItemByID(client->BarID)).Buttons()).Count() == 0;

    // Two corner or edge arrows and a line between them, by where the mark
    // goes; K is the line's fixed coordinate.
    QString A, B;
    QPoint PA, PB;
    int32_t K = 0;
    if (noButtons || !Item) {
        A = QStringLiteral("ARROW_TOPLEFT");
        PA = {L + 3, T + 3};
        if (vertical) {
            B = QStringLiteral("ARROW_TOPRIGHT");
            PB = {L + W - 12, T + 3};
            K = T + 3;
        } else {
            B = QStringLiteral("ARROW_BOTTOMLEFT");
            PB = {L + 3, T + H - 12};
            K = L + 3;
        }
    } else {
        const int32_t end = vertical ? Item->Y + Item->Height : Item->X + Item->Width;
        const int32_t start = vertical ? Item->Y : Item->X;
        if (Item->IsTop && Before != 0) {
            A = QStringLiteral("ARROW_TOPLEFT");
            PA = {L + 3, T + 3};
            if (vertical) {
                B = QStringLiteral("ARROW_TOPRIGHT");
                PB = {L + W - 10, T + 3};
                K = T + 3;
            } else {
                B = QStringLiteral("ARROW_BOTTOMLEFT");
                PB = {L + 3, T + H - 10};
                K = L + 3;
            }
        } else if (!Item->IsBottom && Before == 0) {
            K = end + 2;
            if (vertical) {
                A = QStringLiteral("ARROW_LEFT");
                B = QStringLiteral("ARROW_RIGHT");
                PA = {L + 3, end - 2};
                PB = {L + W - 8, end - 2};
            } else {
                A = QStringLiteral("ARROW_TOP");
                B = QStringLiteral("ARROW_BOTTOM");
                PA = {end - 2, T + 3};
                PB = {end - 2, T + H - 8};
            }
        } else if (Item->IsBottom && Before == 0) {
            K = end + 2;
            if (vertical) {
                A = QStringLiteral("ARROW_BOTTOMLEFT");
                B = QStringLiteral("ARROW_BOTTOMRIGHT");
                PA = {L + 3, end - 4};
                PB = {L + W - 10, end - 4};
            } else {
                A = QStringLiteral("ARROW_TOPRIGHT");
                B = QStringLiteral("ARROW_BOTTOMRIGHT");
                PA = {end - 4, T + 3};
                PB = {end - 4, T + H - 10};
            }
        } else {
            K = start - 1;
            if (vertical) {
                A = QStringLiteral("ARROW_LEFT");
                B = QStringLiteral("ARROW_RIGHT");
                PA = {L + 3, start - 5};
                PB = {L + W - 8, start - 5};
            } else {
                A = QStringLiteral("ARROW_TOP");
                B = QStringLiteral("ARROW_BOTTOM");
                PA = {start - 5, T + 3};
                PB = {start - 5, T + H - 8};
            }
        }
    }

    // The icons are white on transparent: their white takes the mark's colour.
    zg::ZorvaneGhostCanvas& canvas = surface();
    canvas.PaintPictureEx(plat::loadResPicture(A), 0xFFFFFF, PA.x(), PA.y(), IconSize, IconSize, false, false,
                          Colour, 2);
    canvas.PaintPictureEx(plat::loadResPicture(B), 0xFFFFFF, PB.x(), PB.y(), IconSize, IconSize, false, false,
                          Colour, 2);
    if (vertical)
        canvas.Line(PA.x() + 1, K, PB.x() + 1, K, Colour);
    else
        canvas.Line(K, PA.y() + 1, K, PB.y() + 1, Colour);
}

void ListBarPainter::DrawOrientedCaption(const QString& Text, int32_t X, int32_t Y, int32_t Length,
                                         int32_t LineHeight, int32_t MouseState, BarDrawStyle& Style,
                                         plat::Colour CaptionColour)
{
    namespace gdi = plat::gdi;
    zg::ZorvaneGhostCanvas& canvas = surface();
    gdi::HFONT rotated = 0;
    gdi::HGDIOBJ previous = 0;
    gdi::HDC dc = 0;
    // The rotated font lives for this one caption, whichever way it ends.
    ScopeExit release([&] {
        if (!rotated)
            return;
        if (previous)
            gdi::SelectObject(dc, previous);
        gdi::DeleteObject(rotated);
    });

    if (horizontal()) {
        // Size, weight, style and face all come from the surface's font.
        const plat::FontPtr font = canvas.Font();
        dc = canvas.hDC();
        gdi::LogFont lf;
        lf.height = -gdi::MulDiv(canvas.FontSize(), gdi::GetDeviceCaps(dc, gdi::LOGPIXELSY), 72);
        lf.width = 0;
        lf.escapement = 900; // text running bottom to top
        lf.orientation = 900;
        const plat::Font& f = deref(font);
        lf.weight = f.Bold() ? 700 : 400;
        lf.italic = f.Italic() ? 1 : 0;
        lf.underline = f.Underline() ? 1 : 0;
        lf.strikeOut = f.Strikethrough() ? 1 : 0;
        lf.charSet = 1;
        gdi::setFaceName(lf, outlineFace(canvas.FontName()));
        rotated = gdi::CreateFontIndirectA(lf);
        if (rotated)
            previous = gdi::SelectObject(dc, rotated);
    }

    if (rotated) {
        // Centred along the tab when it is shorter than the room, else drawn
        // from its start point.
        const int32_t D = N(Length - canvas.TextWidth(Text));
        if (D > 0)
            DrawCaptionText(Text, X, Y - D / 2, Length, MouseState, Style, LineHeight - D, 0, false, true,
                            CaptionColour, true);
        else
            DrawCaptionText(Text, X, Y, Length, MouseState, Style, LineHeight, 0, true, true, CaptionColour, true);
    } else {
        DrawCaptionText(Text, X, Y, Length, MouseState, Style, LineHeight, 2, true, false, CaptionColour, true);
    }
}

plat::Variant ListBarPainter::ResolveButtonImage(int32_t MouseState, const QString& BarID, const QString& ButtonID,
                                                 bool FromPictureClip)
{
    const LBButton& button = deref(deref(deref(bars().ItemByID(BarID)).Buttons()).ItemByID(ButtonID));
    const plat::Variant* order[3];
    if (MouseState == 0) {
        order[0] = &button.ButtonImage();
        order[1] = &button.ButtonImageHover();
        order[2] = &button.ButtonImageDown();
    } else if (MouseState == 1) {
        order[0] = &button.ButtonImageHover();
        order[1] = &button.ButtonImage();
        order[2] = &button.ButtonImageDown();
    } else {
        order[0] = &button.ButtonImageDown();
        order[1] = &button.ButtonImageHover();
        order[2] = &button.ButtonImage();
    }
    for (const plat::Variant* reference : order)
        if (IsImageReferenceValid(*reference, FromPictureClip))
            return *reference;
    return plat::Variant::null();
}

} // namespace listbar
