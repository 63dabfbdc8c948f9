// What the painters and their drawing routines put on the surface: pixel
// probes of frames, bevels and arrows in distinct colours, the calls of a
// recording surface for pictures and the insert mark, and the text copies of
// captions. Glyph pixels are never probed.
#include "PaintFixture.h"

#include "Gdi.h"
#include "Numbers.h"

#include <gtest/gtest.h>

namespace listbar::testing {
namespace {

QRgb rgbOf(plat::Colour c) { return plat::toQRgb(c) & 0xFFFFFF; }

TEST(PaintTest, BevelledFramesTabsAndClientArea)
{
    TestListBar lb;
    auto bar = lb.bars().Add(QString());
    bar->BackColor(0x00A000);
    bar->BarImage(solidPicture(10, 10, qRgb(0x12, 0x34, 0x56)));
    const LBDelegate& d = *lb.state.Delegate;
    const int W = 113, H = 372;

    // The double border: shadow outline, highlight on the bottom and right,
    // then an outline and the face colour inside it.
    EXPECT_EQ(lb.pixel(0, 0), rgbOf(d.ColorShadow));
    EXPECT_EQ(lb.pixel(W - 1, 0), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(0, H - 1), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(1, 1), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(W - 2, 5), rgbOf(d.ColorButton));
    EXPECT_EQ(lb.pixel(5, H - 2), rgbOf(d.ColorButton));

    // The tab at (2, 2, 109, 20): highlight along its top and left, outline
    // on its right and bottom, face inside.
    EXPECT_EQ(lb.pixel(2, 2), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(2, 10), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(110, 10), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(60, 21), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(100, 10), rgbOf(d.ColorButton));

    // The client area (2, 22, 109, 348): the stretched background picture
    // inside a three-pixel margin of the bar's colour.
    for (int inset = 0; inset < 3; ++inset) {
        EXPECT_EQ(lb.pixel(2 + inset, 200), rgbOf(0x00A000));
        EXPECT_EQ(lb.pixel(110 - inset, 200), rgbOf(0x00A000));
        EXPECT_EQ(lb.pixel(60, 22 + inset), rgbOf(0x00A000));
    }
    EXPECT_EQ(lb.pixel(5, 200), qRgb(0x12, 0x34, 0x56) & 0xFFFFFF);
    EXPECT_EQ(lb.pixel(60, 25), qRgb(0x12, 0x34, 0x56) & 0xFFFFFF);
}

TEST(PaintTest, BackgroundPictureTiling)
{
    TestListBar lb;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    bar->BarImage(solidPicture(40, 30, qRgb(9, 9, 9)));
    bar->BarImageTileHorizontally(true);
    // Across only: each copy as high as the client area, one every 40 pixels.
    QStringList copies = lb.log().filter(QStringLiteral("PaintPicture(Picture(40x30)"));
    ASSERT_EQ(copies.size(), 3); // 109 wide
    EXPECT_EQ(copies[1], QStringLiteral("PaintPicture(Picture(40x30), 42, 22, 40, 348, 0, 0, 0, 0, &H00CC0020)"));

    // A picture that converts to no pixels would tile forever: it is left out.
    lb.window.pictureScale = 0;
    bar->BarImageTileVertically(true);
    EXPECT_TRUE(lb.log().filter(QStringLiteral("PaintPicture(Picture(40x30)")).isEmpty());
}

TEST(PaintTest, BevelledScrollArrows)
{
    TestListBar lb;
    lb.window.width = 234;
    lb.window.height = 100;
    lb.state.BorderStyle = 0;
    lb.state.Orientation = 1;
    lb.state.Delegate->ButtonTextPosition = 0;
    lb.state.Delegate->ButtonImageSize = 28;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    for (int i = 1; i <= 10; ++i)
        bar->Buttons()->Add(QStringLiteral("B%1").arg(i), i);
    bar->SetStartingButton(5);
    const LBDelegate& d = *lb.state.Delegate;

    // The backward arrow at (24, 84, 12, 12) points left around (30, 90).
    auto back = lb.itemsOfKind(component::ScrollUp).at(0);
    ASSERT_EQ(back->X, 24);
    EXPECT_EQ(lb.pixel(24, 84), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(35, 95), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(28, 89), rgbOf(d.ColorOutline)); // the tip
    EXPECT_EQ(lb.pixel(27, 89), rgbOf(d.ColorButton));
    EXPECT_EQ(lb.pixel(30, 87), rgbOf(d.ColorOutline)); // the base
    EXPECT_EQ(lb.pixel(30, 91), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(31, 90), rgbOf(d.ColorButton));

    // Pressed: highlight along the bottom and right, the triangle one pixel
    // right and down.
    back->MouseState = mousestate::Pressed;
    back->MouseButton = 2; // any button
    back->Locked = true;
    lb.state.CurrentItem = back;
    lb.paint();
    EXPECT_EQ(lb.pixel(30, 95), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(35, 90), rgbOf(d.ColorHighlight));
    EXPECT_EQ(lb.pixel(29, 90), rgbOf(d.ColorOutline));
    EXPECT_EQ(lb.pixel(28, 89), rgbOf(d.ColorButton));
}

TEST(PaintTest, PictureStyleChoosesPicturesByState)
{
    TestListBar lb;
    lb.state.Style = 1;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    bar->CaptionImage(solidPicture(50, 20, qRgb(1, 1, 1)));
    bar->CaptionImageHover(solidPicture(51, 20, qRgb(2, 2, 2)));
    bar->CaptionImageDown(solidPicture(52, 20, qRgb(3, 3, 3)));
    auto tabPicture = [&] {
        const QStringList calls = lb.log().filter(QStringLiteral("PaintPicture(Picture(5"));
        return calls.isEmpty() ? QString() : calls.last();
    };
    EXPECT_EQ(tabPicture(), QStringLiteral("PaintPicture(Picture(50x20), 2, 2, 109, 20, 0, 0, 0, 0, &H00CC0020)"));

    // A press with the right button looks like hover; with the left, pressed.
    auto tab = lb.itemsOfKind(component::BarTab).at(0);
    tab->MouseState = mousestate::Pressed;
    tab->MouseButton = 2;
    tab->Locked = true;
    lb.state.CurrentItem = tab;
    lb.paint();
    EXPECT_TRUE(tabPicture().startsWith(QStringLiteral("PaintPicture(Picture(51x20)")));
    auto rebuilt = lb.itemsOfKind(component::BarTab).at(0);
    EXPECT_EQ(lb.state.CurrentItem, rebuilt); // the press survived the pass
    rebuilt->MouseButton = 1;
    lb.paint();
    EXPECT_TRUE(tabPicture().startsWith(QStringLiteral("PaintPicture(Picture(52x20)")));
}

TEST(PaintTest, CaptionCopiesAndColours)
{
    TestListBar lb;
    lb.state.Surface = std::make_shared<zg::GhostCanvas>();
    lb.state.Surface->SetSize(200, 100);
    BarDrawStyle style;
    style.LineHeight = 13;
    style.ColorHighlight = 0x0000AA;
    style.ColorText = 0x0000BB;
    style.ColorTextHover = 0x0000CC;
    style.ColorTextShadow = 0x0000DD;
    auto& copies = lb.strings->copies;
    auto draw = [&](int32_t shadow, int32_t depth, double points, int32_t mouseState = 0, bool useOverride = false) {
        copies.clear();
        lb.state.Surface->setFont(plat::Font::make(QStringLiteral("Arial"), points));
        style.TextShadow = shadow;
        style.TextShadowDepth = depth;
        lb.painter.DrawCaptionText(QStringLiteral("Text"), 10, 20, 80, mouseState, style, 0, 2, true, false, 0x0000EE,
                                   useOverride);
    };

    // Style 1, automatic depth: an eighth of the font size, at least 1.
    for (auto [points, d] : std::initializer_list<std::pair<double, int>>{{8.25, 1}, {20.0, 2}, {7.0, 1}}) {
        draw(1, 0, points);
        ASSERT_EQ(copies.size(), 2u);
        EXPECT_EQ(copies[0].x, 10 + d);
        EXPECT_EQ(copies[0].y, 20 + d);
        EXPECT_EQ(copies[0].colour, 0x0000DDu);
        EXPECT_EQ(copies[1].colour, 0x0000BBu);
        EXPECT_EQ(copies[1].height, 13); // box height 0: one line
    }
    draw(1, -3, 8.25);
    EXPECT_EQ(copies[0].x, 7);
    EXPECT_EQ(copies[0].y, 17);

    draw(3, 0, 8.25);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].x, 9);
    EXPECT_EQ(copies[0].colour, 0x0000DDu);
    EXPECT_EQ(copies[1].x, 11);
    EXPECT_EQ(copies[1].colour, 0x0000AAu);
    for (int32_t plain : {0, 6}) {
        draw(plain, 0, 8.25);
        EXPECT_EQ(copies.size(), 1u);
    }

    // Hover beats the override; without hover the override wins.
    draw(0, 0, 8.25, 1, true);
    EXPECT_EQ(copies.back().colour, 0x0000CCu);
    draw(0, 0, 8.25, 0, true);
    EXPECT_EQ(copies.back().colour, 0x0000EEu);

    // Disabled: engraved, whatever the shadow style.
    lb.window.enabled = false;
    draw(5, 0, 8.25, 1, true);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].x, 11);
    EXPECT_EQ(copies[0].y, 21);
    EXPECT_EQ(copies[0].colour, 0x0000AAu);
    EXPECT_EQ(copies[1].x, 10);
    EXPECT_EQ(copies[1].colour, 0x0000DDu);
}

TEST(PaintTest, ButtonCaptionsAndTabCaptions)
{
    TestListBar lb;
    auto bar = lb.bars().Add(QStringLiteral("Categories"));
    auto wide = bar->Buttons()->Add(QStringLiteral("Global Functions"), 4);
    bar->Buttons()->Add(QStringLiteral("Short"), 5);
    bar->ColorTextShadow(0x80000010);
    bar->TextShadow(1);
    lb.state.EditorVisible = true;
    lb.state.EditBarID = bar->UniqueID();
    lb.state.EditButtonID = wide->UniqueID();
    lb.strings->copies.clear();
    lb.paint();

    QStringList texts;
    for (const auto& copy : lb.strings->copies)
        texts << copy.text;
    // The edited button's caption is left out; the tab caption stays.
    EXPECT_FALSE(texts.contains(QStringLiteral("Global Functions")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Short")));
    const auto& tabCaption = lb.strings->copies.back();
    EXPECT_EQ(tabCaption.text, QStringLiteral("Categories"));
    EXPECT_EQ(tabCaption.colour, lb.state.Delegate->ColorSelection); // the open bar's tab
    EXPECT_EQ(tabCaption.alignment, 2);
    // A button shadow of the system's button-shadow colour is blended
    // halfway to the outline.
    const auto& shadow = lb.strings->copies.front();
    EXPECT_EQ(shadow.text, QStringLiteral("Short"));
    EXPECT_EQ(shadow.colour, zg::System()->BlendedColorRGB(0x80000010, bar->ColorOutline(), 0.5f));
}

TEST(PaintTest, RotatedTabCaptionsReleaseTheirFont)
{
    TestListBar lb;
    lb.state.Orientation = 2; // any value but 0 is side by side
    lb.window.width = 372;
    lb.window.height = 113;
    lb.state.Delegate->BarFont = plat::Font::make(QStringLiteral("Courier"), 10);
    auto bar = lb.bars().Add(QStringLiteral("Go"));
    bar->ButtonFontSize(24); // the open bar's buttons use a larger font
    const int fonts = plat::gdi::liveFonts();
    lb.strings->copies.clear();
    lb.paint();
    EXPECT_EQ(plat::gdi::liveFonts(), fonts);

    const auto tab = lb.itemsOfKind(component::BarTab).at(0);
    const auto& caption = lb.strings->copies.back();
    ASSERT_EQ(caption.text, QStringLiteral("Go"));
    // Shorter than the room (H - 8): centred along the tab in the tabs' own
    // font, running upward from its bottom end.
    zg::GhostCanvas measure;
    measure.setFont(lb.state.Delegate->BarFont);
    const int32_t room = tab->Height - 8;
    const int32_t spare = plat::CLng(room - measure.TextWidth(QStringLiteral("Go")));
    ASSERT_GT(spare, 0);
    EXPECT_EQ(caption.y, tab->Y + tab->Height - 4 - spare / 2);
    EXPECT_EQ(caption.width, room);
    EXPECT_EQ(caption.alignment, 0);
    EXPECT_TRUE(caption.singleLine);
}

TEST(PaintTest, PictureClipCells)
{
    TestListBar lb;
    QImage grid(96, 64, QImage::Format_RGB32);
    for (int cell = 0; cell < 6; ++cell)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                grid.setPixel((cell % 3) * 32 + x, (cell / 3) * 32 + y, qRgb(cell * 40, 0, 0));
    lb.state.PictureClip = plat::Picture::fromImage(grid);
    lb.state.PicClipCellWidth = 32;
    lb.state.PicClipCellHeight = 32;

    auto cell4 = lb.painter.GetPictureClipCell(4); // first of the second row
    ASSERT_TRUE(cell4);
    EXPECT_EQ(cell4->widthPixels(), 32);
    EXPECT_EQ(cell4->image().pixel(5, 5) & 0xFFFFFF, qRgb(120, 0, 0) & 0xFFFFFF);
    EXPECT_FALSE(lb.painter.GetPictureClipCell(0));
    EXPECT_FALSE(lb.painter.GetPictureClipCell(7));
    // A cell size loaded as 0 gives no cells at all.
    lb.state.PicClipCellWidth = 0;
    EXPECT_FALSE(lb.painter.GetPictureClipCell(1));
}

TEST(PaintTest, ButtonImagesAndFrames)
{
    TestListBar lb;
    lb.state.PictureClip = solidPicture(48, 24, qRgb(0xC0, 0xC0, 0xC0));
    lb.state.AcclimateGrayTones = true;
    lb.state.MaskColor = 0xC0C0C0;
    lb.state.UseMaskColor = false;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    auto button = bar->Buttons()->Add(QString(), plat::Variant());
    button->ButtonImageDown(2); // the only image: shown in every state
    QStringList log = lb.log();
    EXPECT_EQ(log.filter(QStringLiteral("PaintPicture(Picture(24x24)")).size(), 1);
    // The grey equal to the mask colour is not recoloured.
    EXPECT_EQ(log.filter(QStringLiteral("PaintPictureEx(")).size(), 2);
    EXPECT_TRUE(log.filter(QStringLiteral("&H00C0C0C0")).filter(QStringLiteral("PaintPictureEx(")).isEmpty());

    // A right-button press shows the hover frame: outline, then highlight
    // lines on the top and left.
    auto item = lb.itemsOfKind(component::Button).at(0);
    item->MouseState = mousestate::Pressed;
    item->MouseButton = 2;
    lb.state.CurrentItem = item;
    lb.paint();
    log = lb.log();
    const int32_t fx = item->X + (item->Width - 24) / 2 - 2, fy = item->Y;
    EXPECT_TRUE(log.contains(QStringLiteral("FillRect(%1, %2, %3, %4, &H00000000, False)")
                                 .arg(fx).arg(fy).arg(fx + 28).arg(fy + 28)));
    EXPECT_TRUE(log.contains(QStringLiteral("Line(%1, %2, %3, %4, &H00FFFFFF)").arg(fx).arg(fy).arg(fx).arg(fy + 27)));
    EXPECT_TRUE(log.filter(QStringLiteral("PaintPictureEx(")).isEmpty()); // not at rest

    // Without active buttons no frame in any state.
    lb.state.ActiveButtons = false;
    lb.paint();
    EXPECT_FALSE(lb.log().contains(QStringLiteral("FillRect(%1, %2, %3, %4, &H00000000, False)")
                                       .arg(fx).arg(fy).arg(fx + 28).arg(fy + 28)));
}

TEST(PaintTest, InsertMarkPositions)
{
    TestListBar lb;
    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    auto first = bar->Buttons()->Add(QStringLiteral("One"), 1);
    auto last = bar->Buttons()->Add(QStringLiteral("Two"), 2);
    const auto items = lb.itemsOfKind(component::Button);
    const int32_t s1 = items[0]->Y + items[0]->Height;
    const int32_t s2 = items[1]->Y + items[1]->Height;
    // The client area is (2, 22, 109, 348); no margins.
    auto markLine = [&] {
        const QStringList lines = lb.log().filter(QStringLiteral("&H0000FFFF)")).filter(QStringLiteral("Line("));
        return lines.isEmpty() ? QString() : lines.last();
    };
    auto icons = [&] { return lb.log().filter(QStringLiteral("PaintPictureEx(Picture(16x16)")); };

    lb.painter.LayoutAndPaint(false, QString(), 0, first->UniqueID(), 0); // after the first
    EXPECT_EQ(markLine(), QStringLiteral("Line(6, %1, 104, %1, &H0000FFFF)").arg(s1 + 2));
    ASSERT_EQ(icons().size(), 2);
    EXPECT_EQ(icons()[0], QStringLiteral("PaintPictureEx(Picture(16x16), &H00FFFFFF, 5, %1, 16, 16, False, False, "
                                         "&H0000FFFF, 2)")
                              .arg(s1 - 2));

    lb.painter.LayoutAndPaint(false, QString(), 0, last->UniqueID(), 0); // after the last
    EXPECT_EQ(markLine(), QStringLiteral("Line(6, %1, 102, %1, &H0000FFFF)").arg(s2 + 2));

    lb.painter.LayoutAndPaint(false, QString(), 0, first->UniqueID(), -1); // before the first
    EXPECT_EQ(markLine(), QStringLiteral("Line(6, 25, 102, 25, &H0000FFFF)"));

    lb.painter.LayoutAndPaint(false, QString(), 0, last->UniqueID(), -1); // before another
    EXPECT_EQ(markLine(), QStringLiteral("Line(6, %1, 104, %1, &H0000FFFF)").arg(items[1]->Y - 1));

    lb.painter.LayoutAndPaint(false, QString(), 0, QString(), -1); // no button named
    EXPECT_EQ(markLine(), QStringLiteral("Line(6, 25, 100, 25, &H0000FFFF)"));

    lb.paint(); // the next ordinary pass has no mark
    EXPECT_TRUE(icons().isEmpty());
}

TEST(PaintTest, DesignTimeShowsTheName)
{
    TestListBar lb;
    lb.window.userMode = false;
    const std::pair<plat::Colour, const char*> cases[] = {
        {0x000080, "ForeColor(&H00FFFFFF)"}, {0xFFFFFF, "ForeColor(&H00000000)"}, {0x808080, "ForeColor(&H00000000)"}};
    for (auto [back, ink] : cases) {
        lb.state.Delegate->BackColor = back;
        lb.paint();
        const QStringList log = lb.log();
        EXPECT_TRUE(log.contains(QLatin1String(ink)));
        const int at = int(log.indexOf(QStringLiteral("PrintText(\"NavBar\")")));
        ASSERT_GE(at, 2);
        EXPECT_EQ(log[at - 2], QStringLiteral("CurrentX(8)"));
        EXPECT_EQ(log[at - 1], QStringLiteral("CurrentY(8)"));
    }
    lb.bars().Add(QStringLiteral("Bar"));
    EXPECT_EQ(lb.state.TrackingObjects->Count(), 0);
}

TEST(PaintTest, ImageReferences)
{
    TestListBar lb;
    using V = plat::Variant;
    for (bool numberOnly : {false, true}) {
        EXPECT_TRUE(ListBarPainter::IsImageReferenceValid(V(int16_t(3)), numberOnly));
        EXPECT_TRUE(ListBarPainter::IsImageReferenceValid(V(3.5), numberOnly));
        EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(0), numberOnly));
        EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(QString()), numberOnly));
        EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(true), numberOnly));
        EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(uint8_t(7)), numberOnly));
        EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(), numberOnly));
    }
    EXPECT_TRUE(ListBarPainter::IsImageReferenceValid(V(QStringLiteral("key")), false));
    EXPECT_FALSE(ListBarPainter::IsImageReferenceValid(V(QStringLiteral("key")), true));

    auto bar = lb.bars().Add(QStringLiteral("Bar"));
    auto button = bar->Buttons()->Add(QString(), V(QStringLiteral("idle")));
    button->ButtonImageHover(V(7));
    auto resolve = [&](int32_t state, bool grid) {
        return lb.painter.ResolveButtonImage(state, bar->UniqueID(), button->UniqueID(), grid).toString();
    };
    EXPECT_EQ(resolve(0, false), QStringLiteral("idle"));
    EXPECT_EQ(resolve(0, true), QStringLiteral("7")); // a key cannot name a grid cell
    EXPECT_EQ(resolve(1, false), QStringLiteral("7"));
    EXPECT_EQ(resolve(2, false), QStringLiteral("7"));
    button->ButtonImageHover(V());
    EXPECT_TRUE(lb.painter.ResolveButtonImage(2, bar->UniqueID(), button->UniqueID(), true).isNull());

    // From the image list named by the control.
    lb.state.IconSource = 0;
    lb.state.ImageListControl = QStringLiteral("ImageList1");
    lb.window.imageListName = QStringLiteral("ImageList1");
    lb.window.listImages[QStringLiteral("idle")] = solidPicture(16, 16, qRgb(5, 5, 5));
    lb.paint();
    EXPECT_EQ(lb.log().filter(QStringLiteral("PaintPictureTransparent(Picture(16x16)")).size(), 0);
    EXPECT_EQ(lb.log().filter(QStringLiteral("PaintPicture(Picture(16x16), ")).size(), 1);
}

} // namespace
} // namespace listbar::testing
