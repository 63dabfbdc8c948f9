// Where button captions land against their images: for every orientation,
// text position, image size and both styles, no pixel of a caption lies
// under its image or the image's frame, and a caption is never cut through
// a line.
#include "PaintFixture.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <set>
#include <utility>

namespace listbar::testing {
namespace {

constexpr plat::Colour TextColour = 0x3300CC;  // 0x00BBGGRR
constexpr QRgb ImageRgb = 0x22DD44;            // as the surface shows it
constexpr QRgb TextRgb = 0xCC0033;

struct Case {
    int style, orientation, position, imageSize;
    QStringList captions;
};

std::string describe(const Case& c)
{
    return QStringLiteral("style %1, orientation %2, position %3, image %4, captions %5")
        .arg(c.style)
        .arg(c.orientation)
        .arg(c.position)
        .arg(c.imageSize)
        .arg(c.captions.join(QStringLiteral(" | ")))
        .toStdString();
}

using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const QImage& image, QRgb rgb, const QRect& area)
{
    Pixels found;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb)
                found.insert({x, y});
    return found;
}

QRect boundsOf(const Pixels& pixels)
{
    QRect r;
    for (const auto& [x, y] : pixels)
        r |= QRect(x, y, 1, 1);
    return r;
}

// Paints the case twice, with and without the images, and checks each
// button's caption against its image.
// One list bar serves all cases of a test (every list bar's notifier stays
// registered for the whole run).
void check(TestListBar& lb, const Case& c)
{
    SCOPED_TRACE(describe(c));
    while (lb.bars().Count() > 0)
        lb.bars().Remove(plat::Variant(int32_t(1)));
    lb.state.CurrentItem.reset();
    lb.state.Style = c.style;
    lb.state.Orientation = c.orientation;
    lb.window.width = c.orientation == 1 ? 520 : 113;
    lb.window.height = c.orientation == 1 ? 120 : 372;
    LBDelegate& d = *lb.state.Delegate;
    d.ButtonImageSize = int16_t(c.imageSize);
    d.ButtonTextPosition = c.position;
    d.ColorText = TextColour;
    d.ColorTextHover = TextColour;
    d.TextShadow = 0;
    lb.state.PictureClip = solidPicture(c.imageSize, c.imageSize, ImageRgb);
    lb.state.PicClipCellWidth = c.imageSize;
    lb.state.PicClipCellHeight = c.imageSize;
    lb.state.UseMaskColor = false;

    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    bar->ColorText(TextColour);
    bar->ColorTextHover(TextColour);
    bar->TextShadow(0);
    std::vector<LBButtonPtr> buttons;
    for (const QString& caption : c.captions)
        buttons.push_back(bar->Buttons()->Add(caption, plat::Variant()));
    lb.paint();
    const QImage bare = lb.shownImage();
    const auto items = lb.itemsOfKind(component::Button);
    ASSERT_EQ(items.size(), c.captions.size());

    for (const auto& b : buttons)
        b->ButtonImage(plat::Variant(int32_t(1)));
    // The first button hovered, so that its image frame is drawn too.
    auto first = lb.itemsOfKind(component::Button).at(0);
    first->MouseState = mousestate::Hover;
    lb.state.CurrentItem = first;
    lb.paint();
    const QImage withImages = lb.shownImage();

    for (const auto& item : items) {
        const QRect area(item->X, item->Y, item->Width, item->Height);
        const Pixels caption = pixelsOf(bare, TextRgb, area);
        EXPECT_FALSE(caption.empty()) << "no caption drawn in button " << item->ButtonOrder;
        // Every caption pixel is still there with the image drawn ...
        EXPECT_EQ(pixelsOf(withImages, TextRgb, area), caption) << "button " << item->ButtonOrder;
        // ... and none lies inside the image's frame (the image and two
        // pixels around it).
        const Pixels image = pixelsOf(withImages, ImageRgb, area.adjusted(-4, -4, 4, 4));
        ASSERT_FALSE(image.empty()) << "button " << item->ButtonOrder;
        const QRect frame = boundsOf(image).adjusted(-2, -2, 2, 2);
        EXPECT_EQ(boundsOf(image).size(), QSize(c.imageSize, c.imageSize));
        int inside = 0;
        for (const auto& [x, y] : caption)
            inside += frame.contains(x, y);
        EXPECT_EQ(inside, 0) << "caption pixels inside the image frame of button " << item->ButtonOrder;
    }
}

TEST(CaptionPlacementTest, CaptionsBelowTheImage)
{
    TestListBar lb;
    for (int style : {0, 1})
        for (int orientation : {0, 1})
            for (int size : {16, 24, 32}) {
                check(lb, {style, orientation, 1, size, {QStringLiteral("Cate 1"), QStringLiteral("Cate 2")}});
                // A caption wider than the button: every button of a
                // horizontal bar takes the taller layout.
                check(lb, {style, orientation, 1, size, {QStringLiteral("Cate 1"), QStringLiteral("A much longer caption")}});
            }
}

TEST(CaptionPlacementTest, CaptionsAboveTheImage)
{
    TestListBar lb;
    for (int style : {0, 1})
        for (int orientation : {0, 1})
            for (int size : {16, 24, 32}) {
                check(lb, {style, orientation, 4, size, {QStringLiteral("Cate 1"), QStringLiteral("Cate 2")}});
                check(lb, {style, orientation, 4, size, {QStringLiteral("Cate 1"), QStringLiteral("A much longer caption")}});
            }
}

TEST(CaptionPlacementTest, CaptionsBesideTheImage)
{
    TestListBar lb;
    for (int position : {2, 3})
        for (int style : {0, 1})
            for (int orientation : {0, 1})
                for (int size : {16, 24, 32}) {
                    check(lb, {style, orientation, position, size, {QStringLiteral("Ab"), QStringLiteral("Cd")}});
                    check(lb, {style, orientation, position, size,
                           {QStringLiteral("Ab"), QStringLiteral("A caption that wraps onto more lines")}});
                }
}

// A caption that wraps in a box with room for one line shows that whole
// line and nothing of the next. On buttons side by side with the caption
// beside the image, a caption narrower than the button but wider than its
// box there wraps in a box one line high.
TEST(CaptionPlacementTest, AWrappedCaptionShowsWholeLinesOnly)
{
    TestListBar lb;
    lb.state.Orientation = 1;
    lb.window.width = 520;
    lb.window.height = 120;
    LBDelegate& d = *lb.state.Delegate;
    d.ButtonTextPosition = 2;
    d.ButtonImageSize = 32;
    d.ColorText = TextColour;
    d.TextShadow = 0;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    bar->ColorText(TextColour);
    bar->TextShadow(0);
    const QString caption = QStringLiteral("Abcdef ghijklm");
    bar->Buttons()->Add(caption, plat::Variant());
    lb.paint();
    const auto item = lb.itemsOfKind(component::Button).at(0);
    ASSERT_LE(lb.window.TextWidth(caption), item->Width);
    const QFontMetrics metrics(bar->ButtonFont()->qfont());
    ASSERT_GT(metrics.horizontalAdvance(caption), item->Width - 38); // it wraps
    const Pixels text = pixelsOf(lb.shownImage(), TextRgb, QRect(item->X, item->Y, item->Width, item->Height));
    ASSERT_FALSE(text.empty());
    EXPECT_LT(boundsOf(text).height(), metrics.height()) << "a second line shows in part";
    EXPECT_GT(boundsOf(text).height(), metrics.height() / 2); // the first line whole
}

} // namespace
} // namespace listbar::testing
