// What the paint shows: the edges of the standard and flat styles, the
// picture style and its window shape, the dithered toggled background, the
// disabled emboss, the focus rectangle, image preparation and the release
// of every brush.
#include "ButtonTestSupport.h"

#include <Error.h>
#include <Gdi.h>

using namespace buttontest;

namespace {

class PaintTest : public ButtonTest {
protected:
    void SetUp() override
    {
        ButtonTest::SetUp();
        // Real text output; only the pixels of edges are probed.
        zg::resetForTests();
    }

    // Pixel probes: each (x, y) with the colour it must show.
    static void expectPixels(const QImage& img, std::initializer_list<std::tuple<int, int, plat::Colour>> probes,
                             const char* what)
    {
        for (auto [x, y, c] : probes)
            EXPECT_EQ(img.pixel(x, y) & 0xFFFFFF, rgbOf(c) & 0xFFFFFF) << what << " at " << x << "," << y;
    }
};

constexpr int W = 20, H = 12;

} // namespace

TEST_F(PaintTest, StandardStyleEdges)
{
    auto b = makeButton(W, H, 0);
    b->RedrawButton(0);
    expectPixels(shown(b),
                 {{0, 0, Red}, {W - 2, 0, Red}, {0, H - 2, Red}, {W - 1, 0, Blue}, {0, H - 1, Blue},
                  {W - 1, H - 1, Blue}, {1, H - 2, Green}, {W - 2, H - 2, Green}, {W - 2, 1, Green},
                  {W / 2, H / 2, Grey}},
                 "raised");

    // Hover looks the same from outside.
    const QImage raised = shown(b);
    b->RedrawButton(1);
    EXPECT_EQ(shown(b), raised);

    b->RedrawButton(-1);
    expectPixels(shown(b),
                 {{0, 0, Blue}, {W - 1, H - 1, Blue}, {1, 1, Green}, {W - 2, H - 2, Green}, {2, 2, Grey}},
                 "pressed");

    // A switched-on toggle button of kind 1 is pressed in every state; of
    // kind 2 it is raised.
    b->settings().Value = true;
    b->settings().ButtonToggles = 1;
    b->RedrawButton(1);
    expectPixels(shown(b), {{0, 0, Blue}, {1, 1, Green}}, "toggled");
    b->settings().ButtonToggles = 2;
    b->RedrawButton(0);
    expectPixels(shown(b), {{0, 0, Red}, {W - 1, H - 1, Blue}}, "toggle kind 2");
    b->settings().Value = false;

    // The form's default button: an outer ring and edges two pixels in.
    b->setDefault(true);
    b->RedrawButton(0);
    expectPixels(shown(b),
                 {{0, 0, Blue}, {W - 1, H - 1, Blue}, {W - 2, H - 2, Blue}, {1, 1, Red}, {W - 3, 1, Red},
                  {W - 3, H - 3, Green}, {2, H - 3, Green}, {W - 3, 2, Green}},
                 "default");
    b->settings().DrawFocusRectangle = false;
    b->RedrawButton(0);
    expectPixels(shown(b), {{0, 0, Red}, {W - 1, H - 1, Blue}}, "default without focus rectangle");
}

TEST_F(PaintTest, FlatStyleEdges)
{
    auto b = makeButton(W, H, 1);
    b->RedrawButton(0);
    expectPixels(shown(b), {{0, 0, Grey}, {W - 1, H - 1, Grey}}, "idle");
    b->RedrawButton(1);
    expectPixels(shown(b), {{0, 0, Red}, {W - 1, H - 1, Green}, {W - 1, 0, Green}}, "hover");
    b->RedrawButton(-1);
    expectPixels(shown(b), {{0, 0, Green}, {W - 1, H - 1, Red}}, "pressed");
    // Focused with the mouse elsewhere: raised.
    b->runtime().HasFocus = true;
    EXPECT_EQ(b->GetDrawState(), 2);
    b->RedrawButton(2);
    expectPixels(shown(b), {{0, 0, Red}, {W - 1, H - 1, Green}}, "focused");
}

TEST_F(PaintTest, FocusRectangleOnlyOnStandardStyle)
{
    auto b = makeButton(W, H, 0);
    b->runtime().HasFocus = true;
    b->RedrawButton(0);
    EXPECT_EQ(b->runtime().FocusRect[2], W - 4);
    EXPECT_EQ(b->runtime().FocusRect[3], H - 4);
    // The dotted frame sets every other pixel of its edge in button text.
    const QImage img = shown(b);
    int dark = 0;
    for (int x = 4; x < W - 4; ++x)
        dark += (img.pixel(x, 4) & 0xFFFFFF) == (rgbOf(0x80000012u) & 0xFFFFFF);
    EXPECT_GE(dark, (W - 8) / 2 - 1);

    b->runtime().FocusRect[2] = 0;
    b->settings().ButtonStyle = 1;
    b->RedrawButton(0);
    EXPECT_EQ(b->runtime().FocusRect[2], 0);
}

TEST_F(PaintTest, DitherBackgroundOfSwitchedOnToggleButton)
{
    const int brushes = plat::gdi::liveBrushes();
    auto b = makeButton(W, H, 0);
    b->settings().ColorButton = Yellow;
    b->settings().Value = true;
    b->settings().ButtonToggles = 1;
    b->RedrawButton(0);
    const QImage img = shown(b);
    // Inside the edges: a checkerboard of the button and highlight colours.
    const QRgb a = img.pixel(5, 5) & 0xFFFFFF, c = img.pixel(6, 5) & 0xFFFFFF;
    EXPECT_NE(a, c);
    for (QRgb v : {a, c})
        EXPECT_TRUE(v == (rgbOf(Yellow) & 0xFFFFFF) || v == (rgbOf(Red) & 0xFFFFFF));
    EXPECT_EQ(img.pixel(5, 6) & 0xFFFFFF, c);
    EXPECT_EQ(plat::gdi::liveBrushes(), brushes);

    // Toggle kind 2 shows no checkerboard.
    b->settings().ButtonToggles = 2;
    b->RedrawButton(0);
    EXPECT_EQ(shown(b).pixel(5, 5) & 0xFFFFFF, rgbOf(Grey) & 0xFFFFFF);
    EXPECT_EQ(shown(b).pixel(6, 5) & 0xFFFFFF, rgbOf(Grey) & 0xFFFFFF);
}

TEST_F(PaintTest, DisabledImageIsEmbossedSilhouette)
{
    const int brushes = plat::gdi::liveBrushes();
    const int fonts = plat::gdi::liveFonts();
    const int dcs = plat::gdi::liveDCs();
    auto b = makeButton(40, 40, 0);
    // The silhouette's background is the picture's top-left colour (no
    // transparency in it): white here; the black square is the shape.
    QImage pic(8, 8, QImage::Format_RGB32);
    pic.fill(qRgb(255, 255, 255));
    for (int y = 3; y < 5; ++y)
        for (int x = 3; x < 5; ++x)
            pic.setPixel(x, y, qRgb(0, 0, 0));
    auto& s = b->settings();
    s.ButtonImage = plat::Picture::fromImage(pic);
    s.ButtonPositionImage = 4;
    b->CalculateMaxImageSize();
    b->setEnabled(false);
    b->RedrawButton(0);
    // Image box centred: x = y = 20 - 4 = 16; the square at 19..20.
    expectPixels(shown(b),
                 {{19, 19, Green}, {20, 20, Green}, {21, 21, Red}, {21, 20, Red}, {18, 18, Grey}, {16, 16, Grey}},
                 "disabled");
    EXPECT_EQ(plat::gdi::liveBrushes(), brushes);
    EXPECT_EQ(plat::gdi::liveFonts(), fonts);
    EXPECT_EQ(plat::gdi::liveDCs(), dcs);

    // The picture chosen for the disabled look, when set, replaces it.
    s.ButtonImageHover = solidPicture(8, 8, qRgb(255, 255, 255));
    s.DisabledImageExtraction = 3;
    b->RedrawButton(0);
    expectPixels(shown(b), {{19, 19, Grey}}, "extracted picture is all background");
    s.DisabledImageExtraction = 7; // out of range: the state's picture stays
    b->RedrawButton(0);
    expectPixels(shown(b), {{19, 19, Green}}, "out-of-range extraction");

    // A picture with transparency: its transparent pixels are the
    // background, so even a white top-left pixel that is opaque counts.
    QImage alpha(8, 8, QImage::Format_ARGB32);
    alpha.fill(qRgba(0, 0, 0, 0));
    alpha.setPixel(0, 0, qRgba(255, 255, 255, 255));
    s.ButtonImage = plat::Picture::fromImage(alpha);
    b->RedrawButton(0);
    expectPixels(shown(b), {{16, 16, Green}, {17, 17, Red}, {19, 19, Grey}}, "transparent background");
}

TEST_F(PaintTest, PictureStyleShapesTheWindowByMaskColour)
{
    auto b = makeButton(12, 10, 2);
    QImage pic(12, 10, QImage::Format_RGB32);
    pic.fill(qRgb(0xC0, 0xC0, 0xC0));
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 10; ++x)
            pic.setPixel(x, y, qRgb(0, 0, 255));
    b->settings().ButtonImage = plat::Picture::fromImage(pic);
    b->RedrawButton(0);
    EXPECT_EQ(b->plat::UserControl::BackStyle(), 0);
    EXPECT_EQ(b->plat::UserControl::MaskColor(), 0xC0C0C0u);
    ASSERT_TRUE(b->MaskPicture());
    const QImage mask = b->MaskPicture()->image();
    EXPECT_EQ(mask.pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_EQ(mask.pixel(5, 5) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);

    // Without the mask colour the window is opaque again and the picture is
    // copied as it is.
    b->settings().UseMaskColor = false;
    b->RedrawButton(0);
    EXPECT_EQ(b->plat::UserControl::BackStyle(), 1);
    EXPECT_EQ(shown(b).pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u);

    // No picture at all: the back colour, also over the mask fill.
    b->settings().ButtonImage = nullptr;
    b->settings().UseMaskColor = true;
    b->RedrawButton(0);
    EXPECT_EQ(shown(b).pixel(5, 5) & 0xFFFFFF, rgbOf(Grey) & 0xFFFFFF);
}

TEST_F(PaintTest, TranslateColorResolvesOnlySystemColours)
{
    EXPECT_EQ(TestButton::TranslateColor(0xFFu), 0xFFu);
    EXPECT_EQ(TestButton::TranslateColor(0x8000000Fu), plat::gdi::GetSysColor(15));
}

TEST_F(PaintTest, AcclimatedImageRecoloursOnlyTheThreeGreys)
{
    auto b = makeButton(W, H, 0);
    QImage pic(6, 1, QImage::Format_RGB32);
    const QRgb source[] = {qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0xFF, 0xFF),
                           qRgb(0xC0, 0xC0, 0xC1), qRgb(0, 0, 0), qRgb(0x12, 0x34, 0x56)};
    for (int x = 0; x < 6; ++x)
        pic.setPixel(x, 0, source[x]);
    auto& s = b->settings();
    s.ColorButton = Yellow;
    s.ButtonImage = solidPicture(6, 1, qRgb(9, 9, 9));
    s.ButtonImageUp = plat::Picture::fromImage(pic);
    b->BuildAcclimatedImage();
    ASSERT_TRUE(b->runtime().AcclimatedImage);
    const QImage out = b->runtime().AcclimatedImage->image();
    const QRgb expected[] = {rgbOf(Yellow), rgbOf(Green), rgbOf(Red), source[3], source[4], source[5]};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(out.pixel(x, 0) & 0xFFFFFF, expected[x] & 0xFFFFFF) << "pixel " << x;

    // Shown only in the normal state when asked for.
    s.AcclimateGrayTones = true;
    s.UseMaskColor = false;
    s.ButtonPositionImage = 4;
    b->CalculateMaxImageSize();
    b->RedrawButton(0);
    EXPECT_EQ(shown(b).pixel(W / 2 - 3, H / 2) & 0xFFFFFF, rgbOf(Yellow) & 0xFFFFFF);
    // Hover shows the stored pictures (no hover picture: ButtonImage).
    b->RedrawButton(1);
    EXPECT_EQ(shown(b).pixel(W / 2 - 3, H / 2) & 0xFFFFFF, qRgb(9, 9, 9) & 0xFFFFFF);

    // No source: no copy.
    s.ButtonImage = s.ButtonImageUp = nullptr;
    b->BuildAcclimatedImage();
    EXPECT_FALSE(b->runtime().AcclimatedImage);
}

TEST_F(PaintTest, AcclimatedImageFailingPartWayLeavesNoCopy)
{
    auto b = makeButton(W, H, 0);
    b->settings().ButtonImage = solidPicture(4, 4, qRgb(0xC0, 0xC0, 0xC0));
    b->BuildAcclimatedImage();
    ASSERT_TRUE(b->runtime().AcclimatedImage);

    // A surface whose recolouring fails.
    class FailingCanvas : public zg::RecordingCanvas {
    public:
        FailingCanvas() : RecordingCanvas(std::make_shared<zg::GhostCanvas>()) {}
        void PaintPictureEx(const plat::PicturePtr&, plat::Colour, double, double, double, double, bool, bool,
                            plat::Colour, int32_t) override
        {
            plat::raise(5);
        }
    };
    zg::installFactory<zg::ZorvaneGhostCanvas>([] { return std::make_shared<FailingCanvas>(); });
    b->BuildAcclimatedImage();
    EXPECT_FALSE(b->runtime().AcclimatedImage);
}

namespace {

// A window that the rectangle test can be asked about.
class PlainWindow : public plat::Object, public plat::WindowObject {
public:
    PlainWindow()
    {
        widget_.setGeometry(100, 50, 30, 20);
        handle_ = plat::registerWindow(&widget_);
    }
    int64_t hWnd() const override { return handle_; }
    QWidget* widget() const override { return const_cast<QWidget*>(&widget_); }

private:
    QWidget widget_;
    int64_t handle_ = 0;
};

} // namespace

TEST_F(PaintTest, MouseOverObjectCountsEveryEdgeAsInside)
{
    auto b = makeButton(W, H, 0);
    auto window = std::make_shared<PlainWindow>();
    plat::gdi::Rect r;
    ASSERT_NE(plat::gdi::GetWindowRect(window->hWnd(), r), 0);
    for (QPoint inside : {QPoint(r.left, r.top), QPoint(r.right, r.bottom), QPoint(r.right, r.top)}) {
        mouse->cursor = inside;
        EXPECT_TRUE(b->zzzMouseIsOverObject(window)) << inside.x() << "," << inside.y();
    }
    for (QPoint outside : {QPoint(r.right + 1, r.top), QPoint(r.left, r.top - 1)}) {
        mouse->cursor = outside;
        EXPECT_FALSE(b->zzzMouseIsOverObject(window)) << outside.x() << "," << outside.y();
    }

    // An object without a window handle.
    try {
        b->zzzMouseIsOverObject(std::make_shared<plat::Object>());
        ADD_FAILURE() << "no error raised";
    } catch (const plat::RuntimeError& e) {
        EXPECT_EQ(e.number(), 30016);
        EXPECT_EQ(e.info().source, QStringLiteral("ZSButton.zzzMouseIsOverObject"));
        EXPECT_EQ(e.info().description, QStringLiteral("Object does not have an associated Window Handle (hWnd)."));
        EXPECT_TRUE(e.info().helpFile.endsWith(QStringLiteral("\\ZorvaneSG3.chm"))) << e.info().helpFile.toStdString();
        EXPECT_EQ(e.info().helpContext, 1000);
    }
}
