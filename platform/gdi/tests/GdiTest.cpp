#include "Gdi.h"
#include "Window.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using namespace plat::gdi;

namespace {

constexpr QRgb White = 0xFFFFFFFFu;

QImage whiteImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(White);
    return img;
}

uint32_t px(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; }

// Bounding box of every pixel that is not white.
QRect inkBox(const QImage& img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != White)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// A 2 x 2 one-bit checkerboard: black at (0,0) and (1,1).
plat::PicturePtr monoChecker()
{
    QImage img(2, 2, QImage::Format_Mono);
    img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    img.setPixel(0, 0, 0);
    img.setPixel(1, 0, 1);
    img.setPixel(0, 1, 1);
    img.setPixel(1, 1, 0);
    return plat::Picture::fromImage(img);
}

struct Dc {
    QImage image;
    HDC hdc;
    explicit Dc(int w = 40, int h = 40) : image(whiteImage(w, h)), hdc(CreateImageDC(&image)) {}
    ~Dc() { DeleteDC(hdc); }
};

} // namespace

TEST(Gdi, MulDivRoundsHalvesAwayFromZeroAndReportsFailureAsMinusOne)
{
    EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67
    EXPECT_EQ(MulDiv(5, 1, 2), 3);     // 2.5 goes up, not to the even 2
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 4), 2);     // 1.75
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, 4, 2), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX); // the product itself may pass 32 bits
    EXPECT_EQ(GetDeviceCaps(0, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(0, LOGPIXELSY), 96);
    EXPECT_GT(GetDeviceCaps(0, BITSPIXEL), 0);
    EXPECT_EQ(GetSysColor(15), plat::sysColor(15));
}

TEST(Gdi, OneBitPatternTakesTheContextColoursAtFillTime)
{
    Dc dc;
    HBRUSH b = CreatePatternBrush(monoChecker());
    ASSERT_NE(b, 0);
    SetTextColor(dc.hdc, plat::rgb(255, 0, 0));
    SetBkColor(dc.hdc, plat::systemColour(plat::syscolour::Desktop));
    ASSERT_NE(FillRect(dc.hdc, Rect{1, 1, 5, 5}, b), 0);
    const uint32_t red = 0xFF0000, desktop = plat::toQRgb(plat::sysColor(1)) & 0xFFFFFF;
    // The pattern is anchored at the context's origin, not at the rectangle.
    EXPECT_EQ(px(dc.image, 2, 2), red);
    EXPECT_EQ(px(dc.image, 1, 1), red);
    EXPECT_EQ(px(dc.image, 2, 1), desktop);
    EXPECT_EQ(px(dc.image, 1, 2), desktop);
    EXPECT_EQ(px(dc.image, 5, 5), 0xFFFFFFu); // right and bottom edges excluded
    EXPECT_EQ(px(dc.image, 0, 0), 0xFFFFFFu);

    SetTextColor(dc.hdc, plat::rgb(0, 0, 255));
    FillRect(dc.hdc, Rect{0, 0, 2, 2}, b);
    EXPECT_EQ(px(dc.image, 0, 0), 0x0000FFu);

    // A picture with colours of its own keeps them.
    QImage colour(1, 1, QImage::Format_RGB32);
    colour.fill(qRgb(0, 128, 0));
    HBRUSH c = CreatePatternBrush(plat::Picture::fromImage(colour));
    FillRect(dc.hdc, Rect{10, 10, 12, 12}, c);
    EXPECT_EQ(px(dc.image, 11, 11), 0x008000u);
    DeleteObject(b);
    DeleteObject(c);
    EXPECT_EQ(CreatePatternBrush(nullptr), 0);
}

TEST(Gdi, SelectionGuardsDeletionAndLibraryBrushesDieWithTheirContext)
{
    const int brushes = liveBrushes(), fonts = liveFonts(), dcs = liveDCs();
    {
        Dc dc;
        EXPECT_EQ(liveDCs(), dcs + 1);
        HBRUSH b = CreateSolidBrush(0xFF);
        EXPECT_EQ(SelectObject(dc.hdc, b), NULL_BRUSH);
        EXPECT_EQ(currentBrush(dc.hdc), b);
        EXPECT_EQ(DeleteObject(b), 0); // still selected
        EXPECT_EQ(SelectObject(dc.hdc, NULL_BRUSH), b);
        EXPECT_NE(DeleteObject(b), 0);
        EXPECT_EQ(DeleteObject(b), 0); // gone
        EXPECT_EQ(SelectObject(dc.hdc, b), 0);

        LogFont lf;
        lf.height = -11;
        HFONT f = CreateFontIndirectA(lf);
        EXPECT_EQ(liveFonts(), fonts + 1);
        EXPECT_EQ(SelectObject(dc.hdc, f), DEFAULT_FONT);
        EXPECT_EQ(SelectObject(dc.hdc, DEFAULT_FONT), f);
        EXPECT_NE(DeleteObject(f), 0);

        // Released by its context: deleted when selected out...
        HBRUSH r1 = CreateSolidBrush(0);
        setReleasedByContext(r1, true);
        SelectObject(dc.hdc, r1);
        SelectObject(dc.hdc, NULL_BRUSH);
        EXPECT_EQ(DeleteObject(r1), 0);
        // ...or when the context ends with it selected.
        HBRUSH r2 = CreateSolidBrush(0);
        setReleasedByContext(r2, true);
        SelectObject(dc.hdc, r2);
    }
    EXPECT_EQ(liveBrushes(), brushes);
    EXPECT_EQ(liveFonts(), fonts);
    EXPECT_EQ(liveDCs(), dcs);
    EXPECT_NE(DeleteObject(NULL_BRUSH), 0); // stock objects stay
}

TEST(Gdi, DrawStateMonoPaintsTheSilhouetteOfEverythingButTheBackground)
{
    // Magenta background (its top-left pixel), a grey, a white and a black
    // pixel of content.
    QImage pic(3, 3, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 255));
    pic.setPixel(1, 1, qRgb(128, 128, 128));
    pic.setPixel(2, 1, qRgb(255, 255, 255));
    pic.setPixel(1, 2, qRgb(0, 0, 0));
    Dc dc;
    HBRUSH b = CreateSolidBrush(plat::systemColour(plat::syscolour::ButtonShadow));
    ASSERT_NE(DrawStateA(dc.hdc, b, nullptr, plat::Picture::fromImage(pic), 0, 10, 20, 3, 3, DST_BITMAP | DSS_MONO), 0);
    const uint32_t shadow = plat::toQRgb(plat::sysColor(16)) & 0xFFFFFF;
    EXPECT_EQ(px(dc.image, 11, 21), shadow);
    EXPECT_EQ(px(dc.image, 12, 21), shadow);
    EXPECT_EQ(px(dc.image, 11, 22), shadow);
    EXPECT_EQ(inkBox(dc.image), QRect(11, 21, 2, 2));
    EXPECT_EQ(px(dc.image, 12, 22), 0xFFFFFFu); // background left alone

    // Cropped to cx x cy.
    Dc small;
    DrawStateA(small.hdc, b, nullptr, plat::Picture::fromImage(pic), 0, 0, 0, 2, 2, DST_BITMAP | DSS_MONO);
    EXPECT_EQ(inkBox(small.image), QRect(1, 1, 1, 1));

    // With transparency, exactly the transparent pixels are background, so
    // opaque content of the corner's colour still shows.
    QImage alpha(2, 1, QImage::Format_ARGB32);
    alpha.setPixel(0, 0, qRgba(0, 0, 0, 0));
    alpha.setPixel(1, 0, qRgba(0, 0, 0, 255));
    Dc third;
    DrawStateA(third.hdc, b, nullptr, plat::Picture::fromImage(alpha), 0, 5, 5, 0, 0, DST_BITMAP | DSS_MONO);
    EXPECT_EQ(inkBox(third.image), QRect(6, 5, 1, 1));

    EXPECT_EQ(DrawStateA(third.hdc, b, nullptr, plat::Picture::fromImage(pic), 0, 0, 0, 0, 0, DST_BITMAP), 0);
    EXPECT_EQ(DrawStateA(third.hdc, b, nullptr, nullptr, 0, 0, 0, 0, 0, DST_BITMAP | DSS_MONO), 0);
    DeleteObject(b);
}

TEST(Gdi, FocusRectangleIsDottedInsideItsRectangleInTheTextColour)
{
    Dc dc;
    SetTextColor(dc.hdc, plat::systemColour(plat::syscolour::ButtonText));
    DrawFocusRect(dc.hdc, Rect{4, 4, 14, 10});
    EXPECT_EQ(inkBox(dc.image), QRect(4, 4, 10, 6));
    EXPECT_EQ(px(dc.image, 4, 4), 0u);
    EXPECT_EQ(px(dc.image, 5, 4), 0xFFFFFFu);
    EXPECT_EQ(px(dc.image, 6, 4), 0u);
    EXPECT_EQ(px(dc.image, 13, 9), 0u);       // bottom-right corner pixel, 13 + 9 even
    EXPECT_EQ(px(dc.image, 8, 6), 0xFFFFFFu); // inside untouched

    // Extreme rectangles cost no more than the image and touch only it.
    Dc wide(6, 6);
    DrawFocusRect(wide.hdc, Rect{INT32_MIN, 2, INT32_MAX, 4});
    EXPECT_EQ(inkBox(wide.image), QRect(0, 2, 6, 2));
    HBRUSH b = CreateSolidBrush(0);
    FillRect(wide.hdc, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, b);
    EXPECT_EQ(px(wide.image, 5, 5), 0u);
    DeleteObject(b);
}

TEST(Gdi, RotatedFontDrawsUpwardAboveItsAnchorAndMeasuresAlongTheText)
{
    Dc dc(120, 120);
    LogFont lf;
    lf.height = -16;
    lf.weight = 700;
    setFaceName(lf, QStringLiteral("Arial"));
    HFONT flat = CreateFontIndirectA(lf);
    lf.escapement = lf.orientation = 900;
    HFONT up = CreateFontIndirectA(lf);
    const QString text = QStringLiteral("Caption");

    HGDIOBJ old = SelectObject(dc.hdc, flat);
    Size flatSize;
    GetTextExtentPoint32A(dc.hdc, text, flatSize);
    TextOutA(dc.hdc, 10, 10, text);
    const QRect flatBox = inkBox(dc.image);
    EXPECT_GE(flatBox.top(), 10);
    EXPECT_GT(flatBox.width(), flatBox.height());

    dc.image.fill(White);
    SelectObject(dc.hdc, up);
    Size upSize;
    GetTextExtentPoint32A(dc.hdc, text, upSize);
    EXPECT_EQ(upSize.cx, flatSize.cx); // extent along the text, not on screen
    TextOutA(dc.hdc, 20, 100, text);
    const QRect box = inkBox(dc.image);
    ASSERT_FALSE(box.isNull());
    EXPECT_GT(box.height(), box.width());  // runs vertically
    EXPECT_LE(box.bottom(), 100);          // above the anchor...
    EXPECT_GE(box.left(), 20);             // ...and to its right
    EXPECT_LE(box.right(), 20 + upSize.cy);
    EXPECT_GE(box.top(), 100 - upSize.cx - 1);
    // Upward from the anchor: a longer text reaches higher, its start stays.
    dc.image.fill(White);
    TextOutA(dc.hdc, 20, 100, text + text);
    const QRect longer = inkBox(dc.image);
    EXPECT_LT(longer.top(), box.top() - upSize.cx / 2);
    EXPECT_NEAR(longer.bottom(), box.bottom(), 1);
    SelectObject(dc.hdc, old);
    DeleteObject(flat);
    DeleteObject(up);
}

// Text drawn through a context looks exactly as the painter draws it, the
// first time and again from what the context keeps of it, in plain, bold,
// decorated and turned fonts.
TEST(Gdi, TextLooksAsThePainterDrawsIt)
{
    const QStringList texts = {"Launch", "Objects & Creatable Classes", "AVAWAY To, ffi", "ABCjgpq`,/|", "x"};
    for (int variant = 0; variant < 4; ++variant) {
        LogFont lf;
        lf.height = -11 - variant * 2;
        lf.weight = variant == 1 ? 700 : 400;
        lf.underline = variant == 2;
        lf.escapement = lf.orientation = variant == 3 ? 900 : 0;
        setFaceName(lf, QStringLiteral("Arial"));
        HFONT font = CreateFontIndirectA(lf);
        for (const QString& text : texts) {
            for (int again = 0; again < 2; ++again) {
                Dc dc(260, 260);
                HGDIOBJ old = SelectObject(dc.hdc, font);
                TextOutA(dc.hdc, 30, 200, text);
                SelectObject(dc.hdc, old);

                QImage expected = whiteImage(260, 260);
                QFont f = qfontOf(lf);
                f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
                QPainter p(&expected);
                p.setRenderHint(QPainter::TextAntialiasing, false);
                p.setFont(f);
                p.setPen(Qt::black);
                p.translate(30, 200);
                p.rotate(-lf.escapement / 10.0);
                p.drawText(QPoint(0, QFontMetrics(f).ascent()), text);
                p.end();
                EXPECT_EQ(dc.image, expected) << variant << " " << text.toStdString() << " " << again;
            }
        }
        DeleteObject(font);
    }
}

TEST(Gdi, DrawTextWrapsAlignsAndMeasures)
{
    Dc dc(200, 100);
    Rect r{0, 0, 60, 0};
    const int lineH = DrawTextA(dc.hdc, QStringLiteral("One"), r, dt::CalcRect | dt::SingleLine);
    ASSERT_GT(lineH, 0);
    Rect wrap{0, 0, 60, 0};
    const int h = DrawTextA(dc.hdc, QStringLiteral("alpha beta gamma delta"), wrap, dt::CalcRect | dt::WordBreak);
    EXPECT_GE(h, 2 * lineH);
    EXPECT_LE(wrap.right, 60 + 1);
    EXPECT_EQ(inkBox(dc.image), QRect()); // measuring draws nothing

    Rect amp{0, 0, 200, 0}, one{0, 0, 200, 0};
    DrawTextA(dc.hdc, QStringLiteral("A&&B"), amp, dt::CalcRect | dt::SingleLine);
    DrawTextA(dc.hdc, QStringLiteral("A&B"), one, dt::CalcRect | dt::SingleLine | dt::NoPrefix);
    EXPECT_EQ(amp.right, one.right); // "&&" shows as one "&"

    Rect centred{0, 0, 200, 40};
    DrawTextA(dc.hdc, QStringLiteral("Mid"), centred, dt::Center | dt::VCenter | dt::SingleLine);
    const QRect box = inkBox(dc.image);
    EXPECT_NEAR(box.left() + box.right(), 199, 4);
    EXPECT_NEAR(box.top() + box.bottom(), 39, 6);

    // Clipped to the box unless NoClip.
    dc.image.fill(White);
    Rect tight{0, 0, 8, lineH};
    DrawTextA(dc.hdc, QStringLiteral("Wide text"), tight, dt::SingleLine);
    EXPECT_LE(inkBox(dc.image).right(), 7);
}

TEST(Gdi, WindowRectangleOfTopLevelAndChildWindows)
{
    QWidget top;
    top.setGeometry(100, 50, 200, 120);
    QWidget child(&top);
    child.setGeometry(10, 20, 30, 40);
    top.show();
    const HWND h = plat::registerWindow(&child);
    Rect r;
    ASSERT_NE(GetWindowRect(h, r), 0);
    const QPoint origin = child.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(r.left, origin.x());
    EXPECT_EQ(r.top, origin.y());
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_EQ(r.bottom - r.top, 40);
    EXPECT_EQ(GetWindowRect(0x7FFFFFF0, r), 0);
}
