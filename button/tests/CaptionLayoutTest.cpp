// Caption shadows, the content layout of standard buttons and automatic
// sizing, checked through the recorded text and picture calls.
#include "ButtonTestSupport.h"

#include <QRegularExpression>

using namespace buttontest;

namespace {

struct Copy {
    plat::Colour colour;
    float dx, dy;
    bool operator==(const Copy&) const = default;
};

void PrintTo(const Copy& c, std::ostream* os)
{
    *os << "{" << std::hex << c.colour << std::dec << ", " << c.dx << ", " << c.dy << "}";
}

class CaptionTest : public ButtonTest {
protected:
    std::vector<Copy> shadowCopies(TestButton& b, int16_t offset = 0)
    {
        strings->drawn.clear();
        b.Canvas_ = zg::NewGhostCanvas();
        b.DrawCaptionText(10, 20, 50, 13, offset, QStringLiteral("Go"));
        b.Canvas_.reset();
        std::vector<Copy> copies;
        for (const auto& d : strings->drawn)
            copies.push_back({d.colour, d.x - 10, d.y - 20});
        return copies;
    }
};

// The image drawn in the last paint: its position from the recorded call.
QPoint imageAt(const zg::RecordingCanvas& canvas)
{
    const QStringList calls = canvas.calls(QStringLiteral("PaintPictureTransparent"));
    if (calls.isEmpty())
        return {-1000, -1000};
    // PaintPictureTransparent(Picture(WxH), &Hxxxxxxxx, x, y, ...)
    const QStringList parts = calls.last().split(QStringLiteral(", "));
    return {parts.value(2).toInt(), parts.value(3).toInt()};
}

} // namespace

TEST_F(CaptionTest, ShadowStylesDrawTheirCopiesInOrder)
{
    auto b = makeButton(80, 30);
    auto& s = b->settings();
    s.ColorTextShadow = Yellow;
    s.TextShadowDepth = 5;
    const std::vector<std::vector<Copy>> expected = {
        {},
        {{Yellow, 5, 5}},
        {{Red, 1, 1}},
        {{Green, -1, -1}, {Red, 1, 1}},
        {{Red, -1, -1}},
        {{Green, 1, 1}, {Red, -1, -1}},
    };
    for (int style = 0; style <= 5; ++style) {
        s.TextShadow = style;
        EXPECT_EQ(shadowCopies(*b), expected[size_t(style)]) << "TextShadow " << style;
    }
    for (int outside : {6, -1}) {
        s.TextShadow = outside;
        EXPECT_TRUE(shadowCopies(*b).empty()) << "TextShadow " << outside;
    }
    // Lowered content moves every copy one pixel further.
    s.TextShadow = 3;
    EXPECT_EQ(shadowCopies(*b, 1), (std::vector<Copy>{{Green, 0, 0}, {Red, 2, 2}}));
}

TEST_F(CaptionTest, DropShadowDepthFollowsTheFontWhenZero)
{
    auto b = makeButton(80, 30);
    b->settings().TextShadow = 1;
    b->settings().ColorTextShadow = Yellow;
    for (auto [points, depth] : {std::pair{8.25, 1.0f}, {16.0, 2.0f}, {24.0, 3.0f}, {4.0, 1.0f}}) {
        b->Font()->setSize(points);
        EXPECT_EQ(shadowCopies(*b), (std::vector<Copy>{{Yellow, depth, depth}})) << points << " points";
    }
}

TEST_F(CaptionTest, AutoSizeFitsImageCaptionAndSpacing)
{
    CanvasRecorder canvases;
    canvases.install();
    auto b = makeButton(200, 100);
    auto& s = b->settings();
    s.AutoSize = true;
    s.ButtonContentSpacing = 3;
    s.ButtonPositionImage = 0;
    s.Caption = QStringLiteral("Caption");
    s.ButtonImage = solidPicture(32, 32, qRgb(0, 0, 0));
    b->CalculateMaxImageSize();
    strings->measuredWidth = 40;
    strings->measuredHeight = 13;
    b->RedrawButton(0);
    EXPECT_DOUBLE_EQ(b->twipsRect().width(), 85 * 15.0);
    EXPECT_DOUBLE_EQ(b->twipsRect().height(), 42 * 15.0);
    // The resize it caused painted nothing of its own.
    EXPECT_EQ(canvases.made, 1);

    // Without a caption the size is the image plus 4 + 2s each way.
    s.Caption.clear();
    b->RedrawButton(0);
    EXPECT_DOUBLE_EQ(b->twipsRect().width(), (32 + 4 + 6) * 15.0);
    EXPECT_DOUBLE_EQ(b->twipsRect().height(), (32 + 4 + 6) * 15.0);

    // A spacing whose 16-bit products overflow leaves the size alone.
    s.Caption = QStringLiteral("Caption");
    s.ButtonContentSpacing = 20000;
    b->RedrawButton(0);
    EXPECT_DOUBLE_EQ(b->twipsRect().width(), 42 * 15.0);
    EXPECT_DOUBLE_EQ(b->twipsRect().height(), 42 * 15.0);
}

TEST_F(CaptionTest, LoweredContentMovesImageOnePixelInEveryPosition)
{
    CanvasRecorder canvases;
    canvases.install();
    auto b = makeButton(101, 61);
    auto& s = b->settings();
    s.ButtonContentSpacing = 2;
    s.ButtonImage = solidPicture(17, 15, qRgb(0, 0, 0));
    s.ButtonImageToggled = s.ButtonImage;
    s.Caption = QStringLiteral("Text");
    b->CalculateMaxImageSize();
    for (int position = 0; position <= 4; ++position) {
        s.ButtonPositionImage = position;
        b->RedrawButton(0);
        const QPoint normal = imageAt(*canvases.last);
        b->RedrawButton(-1);
        EXPECT_EQ(imageAt(*canvases.last) - normal, QPoint(1, 1)) << "position " << position;
        // A switched-on toggle button lowers only when asked to.
        s.ButtonToggles = 2;
        s.Value = true;
        s.LowerToggledContent = false;
        b->RedrawButton(0);
        EXPECT_EQ(imageAt(*canvases.last), normal) << "position " << position;
        s.LowerToggledContent = true;
        b->RedrawButton(0);
        EXPECT_EQ(imageAt(*canvases.last) - normal, QPoint(1, 1)) << "position " << position;
        s.ButtonToggles = 0;
        s.Value = false;
    }
    // Known places for one layout: image left of the caption, centred
    // vertically in its box.
    s.ButtonPositionImage = 0;
    b->RedrawButton(0);
    EXPECT_EQ(imageAt(*canvases.last), QPoint(2 + 2 + 0, 61 / 2 - 15 / 2 + 0));
    s.ButtonPositionImage = 1;
    b->RedrawButton(0);
    EXPECT_EQ(imageAt(*canvases.last).x(), 101 - (17 + 2 + 2));
}

TEST_F(CaptionTest, OnlyDownImageKeepsItsRoomInEveryState)
{
    CanvasRecorder canvases;
    canvases.install();
    auto b = makeButton(100, 40);
    auto& s = b->settings();
    s.ButtonImageDown = solidPicture(32, 20, qRgb(0, 0, 0));
    s.Caption = QStringLiteral("Go");
    b->CalculateMaxImageSize();
    EXPECT_EQ(b->runtime().MaxImageWidth, 32);
    EXPECT_EQ(b->runtime().MaxImageHeight, 20);
    b->BuildAcclimatedImage();
    EXPECT_FALSE(b->runtime().AcclimatedImage);

    b->RedrawButton(0);
    EXPECT_TRUE(canvases.last->calls(QStringLiteral("PaintPictureTransparent")).isEmpty());
    ASSERT_FALSE(strings->drawn.empty());
    // The caption box starts past the image's room: 2s + 2 + MW.
    EXPECT_FLOAT_EQ(strings->drawn.back().x, 2 + 32);
    EXPECT_FLOAT_EQ(strings->drawn.back().w, 100 - (4 + 32));

    strings->drawn.clear();
    b->RedrawButton(-1);
    EXPECT_EQ(imageAt(*canvases.last), QPoint(3, 40 / 2 - 20 / 2 + 1));
    EXPECT_FLOAT_EQ(strings->drawn.back().x, 2 + 32 + 1);
}

TEST_F(CaptionTest, VerticalCentringPutsTheOddPixelBelow)
{
    auto b = makeButton(80, 26);
    auto& s = b->settings();
    s.Caption = QStringLiteral("Go");
    strings->measuredHeight = 13; // box height 22 leaves 9
    b->RedrawButton(0);
    ASSERT_FALSE(strings->drawn.empty());
    EXPECT_FLOAT_EQ(strings->drawn.back().y, 2 + 4);
    EXPECT_FLOAT_EQ(strings->drawn.back().h, 22);

    s.AlignmentVertical = 1;
    strings->drawn.clear();
    b->RedrawButton(0);
    EXPECT_FLOAT_EQ(strings->drawn.back().y, 2 + 9);
}

TEST_F(CaptionTest, CaptionColoursFollowStateToggleAndEnabled)
{
    auto b = makeButton(80, 26);
    auto& s = b->settings();
    s.Caption = QStringLiteral("Go");
    s.CaptionToggled = QStringLiteral("On");
    s.ColorHoverText = Yellow;
    s.ColorToggledText = White;
    s.ColorToggledHoverText = Blue;
    auto last = [&](int32_t state) {
        strings->drawn.clear();
        b->RedrawButton(state);
        return strings->drawn.back();
    };
    EXPECT_EQ(last(0).colour, Black);
    EXPECT_EQ(last(1).colour, Yellow);
    EXPECT_EQ(last(-1).colour, Yellow);
    s.ButtonToggles = 1;
    s.Value = true;
    EXPECT_EQ(last(0).colour, White);
    EXPECT_EQ(last(0).text, QStringLiteral("On"));
    EXPECT_EQ(last(1).colour, Blue);
    // While pressed the plain caption shows.
    EXPECT_EQ(last(-1).text, QStringLiteral("Go"));

    // Disabled: highlight copy one pixel right and down, then the shadow
    // colour, and no shadow copies.
    s.ButtonToggles = 0;
    s.Value = false;
    s.TextShadow = 2;
    b->setEnabled(false);
    strings->drawn.clear();
    b->RedrawButton(0);
    ASSERT_EQ(strings->drawn.size(), 2u);
    EXPECT_EQ(strings->drawn[0].colour, Red);
    EXPECT_EQ(strings->drawn[1].colour, Green);
    EXPECT_FLOAT_EQ(strings->drawn[0].x - strings->drawn[1].x, 1);
}
