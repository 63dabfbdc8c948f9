#include "Error.h"
#include "Font.h"
#include "Gdi.h"
#include "Library.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "Register.h"
#include "StringsImpl.h"
#include "ZorvaneGhostCanvas.h"

#include <gtest/gtest.h>

namespace {

namespace gdi = plat::gdi;

TEST(StringSearches, InStrReverseFindsTheLastMatchStartingAtOrBeforeStart)
{
    zg::StringsImpl s;
    EXPECT_EQ(s.InStrReverse("1001", "1", 3), 1);
    EXPECT_EQ(s.InStrReverse("1001", "1", 4), 4);
    EXPECT_EQ(s.InStrReverse("1001", "1", 99), 4); // past the end: from the end
    EXPECT_EQ(s.InStrReverse("1001", "1"), 4);      // omitted: the whole text
    EXPECT_EQ(s.InStrReverse("1001", "1", 0), 0);   // nothing lies at or before 0
    EXPECT_EQ(s.InStrReverse("0000", "1", 4), 0);
    EXPECT_EQ(s.InStrReverse("", "1", 1), 0);
    EXPECT_EQ(s.InStrReverse("1001", "", 3), 0);
    EXPECT_EQ(s.InStrReverse("abab", "ab", 3), 3); // a match may run past Start
    EXPECT_EQ(s.InStrReverse("abab", "ab", 2), 1);
}

TEST(StringSearches, InStrExcludingSkipsExcludedStringsWhole)
{
    zg::StringsImpl s;
    const QStringList amp{"&&"};
    EXPECT_EQ(s.InStrExcluding("a&&b&c", "&", amp), 5);
    EXPECT_EQ(s.InStrExcluding("&&", "&", amp), 0);
    EXPECT_EQ(s.InStrExcluding("&&&x", "&", amp), 3);
    EXPECT_EQ(s.InStrExcluding("&Close", "&", amp), 1);
    EXPECT_EQ(s.InStrExcluding("Close&", "&", amp), 6);
    EXPECT_EQ(s.InStrExcluding("a&b&c", "&", amp, 3), 4);
    EXPECT_EQ(s.InStrExcluding("a&b", "&", amp, 10), 0);
    EXPECT_EQ(raisedError([&] { s.InStrExcluding("a&b", "&", amp, 0); }), 5);
}

TEST(StringCuts, EdgesOfTheCountsAndPositions)
{
    zg::StringsImpl s;
    EXPECT_EQ(s.TextAfter("abcdef", 2), "cdef");
    EXPECT_EQ(s.TextAfter("abcdef", 0), "abcdef");
    EXPECT_EQ(s.TextAfter("abcdef", -3), "abcdef");
    EXPECT_EQ(s.TextAfter("abcdef", 6), "");
    EXPECT_EQ(s.TextAfter("abcdef", 60), "");

    EXPECT_EQ(s.LeftOf("0110", 2), "01");
    EXPECT_EQ(s.LeftOf("0110", 0), "");
    EXPECT_EQ(s.LeftOf("0110", -1), "");
    EXPECT_EQ(s.LeftOf("0110", 9), "0110");

    EXPECT_EQ(s.CountOccurrences("1101", {"1"}), 3);
    EXPECT_EQ(s.CountOccurrences("1111", {"11"}), 2);
    EXPECT_EQ(s.CountOccurrences("1101", {"1", "0"}), 4);
    EXPECT_EQ(s.CountOccurrences("1101", {""}), 0);
    EXPECT_EQ(s.CountOccurrences("", {"1"}), 0);

    EXPECT_EQ(s.RemoveChars("abcdef", 2, 1), "acdef");
    EXPECT_EQ(s.RemoveChars("abcdef", 6, 1), "abcde");
    EXPECT_EQ(s.RemoveChars("abcdef", 7, 1), "abcdef");
    EXPECT_EQ(s.RemoveChars("abcdef", 0, 2), "bcdef"); // only position 1 lies in the range
    EXPECT_EQ(s.RemoveChars("abcdef", 2, 0), "abcdef");
    EXPECT_EQ(s.RemoveChars("abcdef", 2, -4), "abcdef");
    EXPECT_EQ(s.RemoveChars("abcdef", 5, 100), "abcd");
    EXPECT_EQ(s.RemoveChars("abcdef", 2, INT32_MAX), "a");
    EXPECT_EQ(s.RemoveChars("abcdef", INT32_MAX, INT32_MAX), "abcdef");

    EXPECT_EQ(s.SplitAtDelimiter("ZSListBar^BarID=K1", "=", 1), "ZSListBar^BarID");
    EXPECT_EQ(s.SplitAtDelimiter("ZSListBar^BarID=K1", "=", 2), "K1");
    EXPECT_EQ(s.SplitAtDelimiter("a=b=c", "=", 2), "b=c");
    EXPECT_EQ(s.SplitAtDelimiter("abc", "=", 1), "abc");
    EXPECT_EQ(s.SplitAtDelimiter("abc", "=", 2), "");
    EXPECT_EQ(raisedError([&] { s.SplitAtDelimiter("a=b", "=", 3); }), 5);
    EXPECT_EQ(raisedError([&] { s.SplitAtDelimiter("a=b", "", 1); }), 5);

    EXPECT_EQ(s.NewLine(), "\r\n");
    EXPECT_EQ(s.LineBreaks(2), "\r\n\r\n");
    EXPECT_EQ(s.LineBreaks(0), "");
    EXPECT_EQ(raisedError([&] { s.LineBreaks(-1); }), 5);
}

// Text on a real drawing surface.
class TextOnSurface : public ::testing::Test {
protected:
    static constexpr plat::Colour White = 0xFFFFFF;
    static constexpr plat::Colour Red = 0x0000FF;

    void SetUp() override
    {
        zg::registerLibrary();
        canvas = zg::NewGhostCanvas();
        canvas->InitFlag(false);
        canvas->setBackColor(White);
        canvas->SetSize(200, 120);
        canvas->setFont(plat::Font::make(QStringLiteral("Arial"), 10));
        canvas->setForeColor(Red);
    }

    // Bounding box of the pixels that are no longer white.
    QRect inked() const
    {
        const QImage img = canvas->Picture()->image().convertToFormat(QImage::Format_RGB32);
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    int pixelsOf(QRgb rgb) const
    {
        const QImage img = canvas->Picture()->image().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
        return n;
    }

    zg::StringsImpl strings;
    std::shared_ptr<zg::ZorvaneGhostCanvas> canvas;
};

TEST_F(TextOnSurface, MeasuringWritesTheBlockSizeBackAndDrawsNothing)
{
    float w = 190, h = 100;
    auto before = canvas;
    strings.DrawTextOnCanvasEx(canvas, "Hello", 0, 0, w, h, zg::ZorvaneStrings::AlignLeft, false, false);
    EXPECT_EQ(canvas, before); // the same surface is handed back
    EXPECT_EQ(w, float(canvas->TextWidth("Hello")));
    EXPECT_EQ(h, float(canvas->TextHeight("Hello")));
    EXPECT_TRUE(inked().isNull());

    // Words wrap at the box's width: two lines, no wider than the box.
    const float line = h;
    float w2 = float(canvas->TextWidth("Hello")) + 4, h2 = 100;
    strings.DrawTextOnCanvasEx(canvas, "Hello Hello", 0, 0, w2, h2, 0, false, false);
    EXPECT_EQ(h2, 2 * line);
    EXPECT_LE(w2, float(canvas->TextWidth("Hello")) + 4);

    // An access-key marker takes no room; a doubled one shows one "&".
    float wa = 190, ha = 100, wb = 190, hb = 100;
    strings.DrawTextOnCanvasEx(canvas, "&Close", 0, 0, wa, ha, 0, false, false);
    strings.DrawTextOnCanvasEx(canvas, "A&&B", 0, 0, wb, hb, 0, false, false);
    EXPECT_EQ(wa, float(canvas->TextWidth("Close")));
    EXPECT_EQ(wb, float(canvas->TextWidth("A&B")));
}

TEST_F(TextOnSurface, DrawingUsesTheForeColourInsideTheBox)
{
    strings.DrawTextOnCanvas(canvas, "Hi there", 10, 20, 150, 40, zg::ZorvaneStrings::AlignLeft);
    const QRect box = inked();
    ASSERT_FALSE(box.isNull());
    EXPECT_GE(box.left(), 10);
    EXPECT_GE(box.top(), 20);
    EXPECT_LT(box.bottom(), 60);
    EXPECT_GT(pixelsOf(qRgb(255, 0, 0)), 0);

    // Right alignment moves the text to the box's right edge.
    canvas->Cls();
    strings.DrawTextOnCanvas(canvas, "Hi", 10, 20, 150, 40, zg::ZorvaneStrings::AlignRight);
    EXPECT_GT(inked().left(), 100);
    EXPECT_LE(inked().right(), 160);

    zg::ZorvaneStrings& iface = strings;
    std::shared_ptr<zg::ZorvaneGhostCanvas> none;
    EXPECT_EQ(raisedError([&] { iface.DrawTextOnCanvas(none, "x", 0, 0, 10, 10); }), 91);
}

TEST_F(TextOnSurface, DrawTextAlignedClipsOnlyWhenAsked)
{
    strings.DrawTextAligned(canvas, "WWWWWWWWWW", 10, 10, 30, 20, 0, false, true, true);
    EXPECT_LT(inked().right(), 40);
    canvas->Cls();
    strings.DrawTextAligned(canvas, "WWWWWWWWWW", 10, 10, 30, 20, 0, false, false, true);
    EXPECT_GE(inked().right(), 40);
    // Without SingleLine the words wrap onto further lines.
    canvas->Cls();
    strings.DrawTextAligned(canvas, "Wide words here", 10, 10, 40, 100, 0, false, true, false);
    EXPECT_GT(inked().height(), int(canvas->TextHeight("W")));
}

// Text cut to its box: against the bottom when a whole line or more of the
// box stays empty, at the top when less does, and only whole lines when the
// text is taller than the box.
TEST_F(TextOnSurface, DrawTextAlignedPlacesClippedTextByTheRoomLeft)
{
    const int line = int(canvas->TextHeight("W"));
    const int top = 10;
    auto rowsOf = [&](const QString& text, int width, int height, bool clip, bool singleLine) {
        canvas->Cls();
        strings.DrawTextAligned(canvas, text, 10, float(top), float(width), float(height), 0, false, clip, singleLine);
        return inked();
    };
    // One line in a box two lines and six pixels high: at the bottom.
    QRect r = rowsOf("Caption", 150, 2 * line + 6, true, false);
    EXPECT_GT(r.top(), top + line);
    EXPECT_LT(r.bottom(), top + 2 * line + 6);
    // Three pixels to spare: at the top, as one line in a box of its own.
    r = rowsOf("Caption", 150, line + 3, true, false);
    EXPECT_LT(r.top(), top + 4);
    EXPECT_EQ(rowsOf("Caption", 150, line + 3, true, true), r);
    // Two lines that fill the box with six pixels to spare start at the top.
    const int narrow = int(canvas->TextWidth("Caption")) + 2;
    r = rowsOf("Caption Caption", narrow, 2 * line + 6, true, false);
    EXPECT_LT(r.top(), top + 4);
    EXPECT_GT(r.bottom(), top + line);
    // Three lines in room for two and a bit: the two first, nothing of the third.
    r = rowsOf("Caption Caption Caption", narrow, 2 * line + 6, true, false);
    EXPECT_LT(r.top(), top + 4);
    EXPECT_LT(r.bottom(), top + 2 * line);
    // Two lines in room for one and a bit: the first alone.
    r = rowsOf("Caption Caption", narrow, line + 3, true, false);
    EXPECT_LT(r.bottom(), top + line);
    // Unclipped text starts at the top and runs on.
    r = rowsOf("Caption Caption Caption", narrow, line + 3, false, false);
    EXPECT_LT(r.top(), top + 4);
    EXPECT_GT(r.bottom(), top + 2 * line);
    // A box lower than one line shows the top of the first.
    r = rowsOf("Caption Caption", narrow, line / 2, true, false);
    EXPECT_FALSE(r.isNull());
    EXPECT_LT(r.bottom(), top + line / 2);
}

TEST_F(TextOnSurface, RotatedFontTurnsTheBoxUpwardAboutItsCorner)
{
    gdi::LogFont lf;
    lf.height = -13;
    lf.escapement = 900;
    lf.orientation = 900;
    lf.weight = 400;
    gdi::setFaceName(lf, QStringLiteral("Arial"));
    const gdi::HFONT font = gdi::CreateFontIndirectA(lf);
    ASSERT_NE(font, 0);
    const gdi::HGDIOBJ old = gdi::SelectObject(canvas->hDC(), font);

    strings.DrawTextAligned(canvas, "Caption", 40, 100, 80, 16, 0, false, true, true);
    const QRect box = inked();
    ASSERT_FALSE(box.isNull());
    EXPECT_GT(box.height(), box.width()); // runs upward
    EXPECT_GE(box.left(), 40);
    EXPECT_LE(box.right(), 40 + 16);
    EXPECT_LE(box.bottom(), 100);
    EXPECT_GE(box.top(), 100 - 80);

    gdi::SelectObject(canvas->hDC(), old);
    EXPECT_NE(gdi::DeleteObject(font), 0);
}

} // namespace
