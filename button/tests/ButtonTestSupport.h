// Helpers of the button's tests: a button whose painters can be called
// directly, a text library that records what is drawn, a mouse that stays
// where the test puts it, and pictures made in memory.
#pragma once
#include "ButtonGlobals.h"
#include "ZSButton.h"

#include <GhostCanvas.h>
#include <Library.h>
#include <Machine.h>
#include <Register.h>
#include <ZorvaneGhostCanvas.h>
#include <ZorvaneStrings.h>
#include <testing/RecordingCanvas.h>

#include <QImage>
#include <QRectF>
#include <gtest/gtest.h>
#include <vector>

namespace buttontest {

class TestButton : public button::InternalZSButton {
public:
    using InternalZSButton::BuildAcclimatedImage;
    using InternalZSButton::CalculateMaxImageSize;
    using InternalZSButton::Canvas_;
    using InternalZSButton::DrawCaptionText;
    using InternalZSButton::GetDrawState;
    using InternalZSButton::RedrawButton;
    using InternalZSButton::TranslateColor;
};

// One text drawn through the library.
struct DrawnText {
    QString text;
    plat::Colour colour;
    float x, y, w, h;
};

// Text calls are recorded; measuring gives `measure` (clamped to nothing),
// so the layout is independent of the machine's fonts.
class RecordingStrings : public zg::ZorvaneStrings {
public:
    std::vector<DrawnText> drawn;
    float measuredWidth = 40, measuredHeight = 13;

    int32_t InStrReverse(const QString&, const QString&, int32_t) override { return 0; }
    QString TextAfter(const QString& t, int32_t) override { return t; }
    QString LeftOf(const QString& t, int32_t) override { return t; }
    int32_t CountOccurrences(const QString&, const QStringList&) override { return 0; }
    QString RemoveChars(const QString& t, int32_t, int32_t) override { return t; }
    QString SplitAtDelimiter(const QString& t, const QString&, int32_t) override { return t; }
    int32_t InStrExcluding(const QString&, const QString&, const QStringList&, int32_t) override { return 0; }
    QString PadToWidth(const plat::Variant&, int16_t) override { return {}; }
    QString NewLine(int16_t) override { return {}; }
    QString LineBreaks(int16_t) override { return {}; }
    void DrawTextOnCanvas(std::shared_ptr<zg::ZorvaneGhostCanvas>& canvas, const QString& text, float x, float y,
                          float w, float h, int32_t, bool, bool) override
    {
        drawn.push_back({text, canvas->ForeColor(), x, y, w, h});
    }
    void DrawTextOnCanvasEx(std::shared_ptr<zg::ZorvaneGhostCanvas>&, const QString& text, float, float, float& w,
                            float& h, int32_t, bool, bool) override
    {
        w = text.isEmpty() ? 0 : measuredWidth;
        h = text.isEmpty() ? 0 : measuredHeight;
    }
    void DrawTextAligned(std::shared_ptr<zg::ZorvaneGhostCanvas>&, const QString&, float, float, float, float,
                         int32_t, bool, bool, bool, int32_t, int32_t) override
    {
    }
};

// The cursor stays where the test puts it.
class StillMouse : public zg::Machine {
public:
    QPoint cursor{-1000, -1000};
    QPoint cursorPos() override { return cursor; }
    void setCursorPos(QPoint p) override { cursor = p; }
    std::optional<QRect> cursorConfinement() override { return std::nullopt; }
    void confineCursor(std::optional<QRect>) override {}
    QRect desktopRect() override { return {0, 0, 800, 600}; }
    QRect workArea() override { return desktopRect(); }
    void setWorkArea(QRect) override {}
    void mouseInput(int, int, QPoint) override {}
    bool openUrl(const QUrl&) override { return false; }
};

// Every surface made is a recording one around a real surface; the log of
// the last one made is kept.
struct CanvasRecorder {
    std::shared_ptr<zg::RecordingCanvas> last;
    int made = 0;
    void install()
    {
        zg::installFactory<zg::ZorvaneGhostCanvas>([this] {
            ++made;
            last = std::make_shared<zg::RecordingCanvas>(std::make_shared<zg::GhostCanvas>());
            return std::static_pointer_cast<zg::ZorvaneGhostCanvas>(last);
        });
    }
};

inline plat::PicturePtr solidPicture(int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return plat::Picture::fromImage(img);
}

inline QRgb rgbOf(plat::Colour c)
{
    return plat::toQRgb(plat::translateColour(c));
}

// Colours easy to tell apart in pixel probes.
constexpr plat::Colour Red = 0x0000FFu, Green = 0x00FF00u, Blue = 0xFF0000u, Grey = 0x808080u,
                       Yellow = 0x00FFFFu, White = 0xFFFFFFu, Black = 0;

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        zg::resetForTests();
        button::ZorvaneButtonGlobals::resetForTests();
        mouse = std::make_shared<StillMouse>();
        zg::installMachine(mouse);
        strings = std::make_shared<RecordingStrings>();
        zg::installShared<zg::ZorvaneStrings>(strings);
    }
    void TearDown() override
    {
        buttons.clear();
        zg::installMachine(nullptr);
        zg::resetForTests();
        button::ZorvaneButtonGlobals::resetForTests();
    }

    // A button of w x h pixels, initialised and sized (so it paints), with
    // colours that pixel probes can tell apart.
    std::shared_ptr<TestButton> makeButton(int w, int h, int32_t style = 0)
    {
        auto b = std::make_shared<TestButton>();
        b->UserControl_Initialize();
        auto& s = b->settings();
        s.ButtonStyle = style;
        s.ColorHighlight = Red;
        s.ColorOutline = Blue;
        s.ColorShadow = Green;
        s.ColorButton = Grey;
        b->setBackColor(Grey);
        b->setForeColor(Black);
        b->setTwipsRect(QRectF(0, 0, w * 15.0, h * 15.0));
        b->runtime().IsReady = true;
        buttons.push_back(b);
        return b;
    }

    static QImage shown(const std::shared_ptr<TestButton>& b)
    {
        auto p = b->Picture();
        return p ? p->image() : QImage();
    }

    std::shared_ptr<StillMouse> mouse;
    std::shared_ptr<RecordingStrings> strings;
    std::vector<std::shared_ptr<TestButton>> buttons;
};

} // namespace buttontest
