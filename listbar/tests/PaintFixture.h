// A small list bar for the layout and painting tests: the model, a window
// with fixed text metrics (7 pixels a character, 13 a line), and a host that
// answers the model's requests the way the control does, redrawing through
// ListBarPainter. The library's drawing surface, string, system and data
// classes are the real ones; identifiers count up.
#pragma once
#include "FakeLibrary.h"
#include "GhostCanvas.h"
#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"
#include "LBDelegate.h"
#include "Library.h"
#include "ListBarPainter.h"
#include "ListBarState.h"
#include "DataImpl.h"
#include "testing/RecordingCanvas.h"
#include "StringsImpl.h"
#include "SystemImpl.h"
#include "Units.h"
#include "ZorvaneGhostCanvas.h"

#include <QImage>
#include <QStringList>
#include <map>
#include <stdexcept>
#include <memory>
#include <vector>

namespace listbar::testing {

class TestWindow : public ListBarWindow {
public:
    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    void setFont(const plat::FontPtr& f) override { font = f; }
    double TextWidth(const QString& text) override { return 7.0 * text.size(); }
    double TextHeight(const QString&) override { return 13.0; }
    double ScaleX(double v, int from, int to) override { return pictureScale * plat::convertUnits(v, from, to); }
    double ScaleY(double v, int from, int to) override { return pictureScale * plat::convertUnits(v, from, to); }
    bool Enabled() const override { return enabled; }
    plat::Colour WindowBackColor() const override { return windowBackColor; }
    bool UserMode() const override { return userMode; }
    QString DisplayName() const override { return QStringLiteral("NavBar"); }
    void ShowPicture(const plat::PicturePtr& p) override
    {
        if (failShow)
            throw std::runtime_error("the window is gone");
        shown.push_back(p);
    }
    plat::PicturePtr ListImagePicture(const QString& name, const plat::Variant& reference) override
    {
        if (name != imageListName)
            return nullptr;
        return listImages.at(reference.toString());
    }
    void StopScrollTimers() override { ++timerStops; }

    double width = 113;
    double height = 372;
    double pictureScale = 1; // 0: every picture converts to no pixels
    bool failShow = false;   // ShowPicture fails with an exception of our own
    plat::FontPtr font;
    bool enabled = true;
    bool userMode = true;
    plat::Colour windowBackColor = 0x00FF00;
    std::vector<plat::PicturePtr> shown;
    int timerStops = 0;
    QString imageListName;
    std::map<QString, plat::PicturePtr> listImages;
};

// Records each text copy with the surface's colour at that moment.
struct TextCopy {
    QString text;
    float x, y, width, height;
    int32_t alignment;
    bool clip, singleLine;
    plat::Colour colour;
};

class RecordingStrings : public zg::StringsImpl {
public:
    void DrawTextAligned(std::shared_ptr<zg::ZorvaneGhostCanvas>& Canvas, const QString& Text, float Left,
                         float Top, float Width, float Height, int32_t Alignment, bool RightToLeft, bool ClipToBox,
                         bool SingleLine, int32_t Reserved1, int32_t Reserved2) override
    {
        copies.push_back({Text, Left, Top, Width, Height, Alignment, ClipToBox, SingleLine, Canvas->ForeColor()});
        zg::StringsImpl::DrawTextAligned(Canvas, Text, Left, Top, Width, Height, Alignment, RightToLeft, ClipToBox,
                                         SingleLine, Reserved1, Reserved2);
    }
    std::vector<TextCopy> copies;
};

class TestListBar : public LBDelegateHost {
public:
    TestListBar()
    {
        zg::installShared<zg::ZorvaneNumbers>(std::make_shared<FakeNumbers>());
        zg::installShared<zg::ZorvaneStrings>(strings);
        zg::installShared<zg::ZorvaneSystem>(std::make_shared<zg::SystemImpl>());
        zg::installShared<zg::ZorvaneData>(std::make_shared<zg::DataImpl>());
        zg::installFactory<zg::ZorvaneGhostCanvas>([this] {
            auto canvas = std::make_shared<zg::RecordingCanvas>(std::make_shared<zg::GhostCanvas>());
            canvases.push_back(canvas);
            return canvas;
        });
        state.Delegate = LBDelegate::Create();
        state.Delegate->attach(this);
        state.Bars = std::make_shared<LBBars>();
        state.Bars->DelegateID(state.Delegate->UniqueID());
        LBDelegate& d = *state.Delegate;
        d.BarFont = plat::Font::make(QStringLiteral("Arial"), 8.25);
        d.ButtonImageSize = 24;
        d.ButtonTextPosition = 1;
        d.BackColor = 0x404040;
        d.ForeColor = 0xFFFFFF;
        d.ColorButton = 0xC0C0C0;
        d.ColorHighlight = 0xFFFFFF;
        d.ColorShadow = 0x808080;
        d.ColorOutline = 0x000000;
        d.ColorText = 0x000001;
        d.ColorTextHover = 0x0000FF;
        d.ColorTextShadow = 0x202020;
        d.ColorSelection = 0xFF0000;
        d.ColorInsertLines = 0x00FFFF;
        state.BorderStyle = 2;
        state.ActiveButtons = true;
        state.PicClipCellWidth = 24;
        state.PicClipCellHeight = 24;
        state.IconSource = 1;
    }
    ~TestListBar() override
    {
        detachFromDelegate();
        zg::resetForTests();
    }

    void paint() { painter.LayoutAndPaint(); }
    LBBars& bars() { return *state.Bars; }
    std::vector<LBTrackingObjectPtr> items() const { return state.TrackingObjects->snapshot(); }
    std::vector<LBTrackingObjectPtr> itemsOfKind(int32_t kind) const
    {
        std::vector<LBTrackingObjectPtr> found;
        for (const auto& item : items())
            if (item->ComponentType == kind)
                found.push_back(item);
        return found;
    }
    // The drawing calls of the last pass's surface (the surfaces of
    // picture-clip cells are never sized).
    QStringList log() const
    {
        for (auto it = canvases.rbegin(); it != canvases.rend(); ++it)
            if (!(*it)->calls(QStringLiteral("SetSize")).isEmpty())
                return *(*it)->log();
        return {};
    }
    QImage shownImage() const { return window.shown.empty() ? QImage() : window.shown.back()->image(); }
    QRgb pixel(int x, int y) const { return shownImage().pixel(x, y) & 0xFFFFFF; }

    void Delegate_RedrawRequested(const QString&, const QString&) override { paint(); }
    void Delegate_OrderChange(const QString& sBar, const QString& sButton, int32_t OrderIndex) override
    {
        auto bar = bars().ItemByID(sBar);
        if (sButton.isEmpty())
            bars().Reorder(bar, OrderIndex);
        else if (bar)
            bar->Buttons()->Reorder(bar->Buttons()->ItemByID(sButton), OrderIndex);
        paint();
    }
    void Delegate_MakeVisible(const QString&, const QString&) override {}
    void Delegate_BarActivated(const QString& sBar, bool) override
    {
        bars().ActiveBarID(sBar);
        paint();
    }
    void Delegate_EditCaption(const QString&, const QString&) override {}
    void Delegate_TextWidthQuery(const QString&, const QString& TextToQuery, int32_t& LenText, bool) override
    {
        LenText = int32_t(window.TextWidth(TextToQuery));
    }
    void Delegate_DetermineLongestText(const QString& sBar) override
    {
        if (auto bar = bars().ItemByID(sBar))
            bar->Buttons()->DetermineLongestText();
    }
    void Delegate_Scroll(const QString&, const QString&) override { paint(); }
    void Delegate_CalculateVisibleButtons(const QString& sBar) override
    {
        if (auto bar = bars().ItemByID(sBar)) {
            bar->Buttons()->CalculateVisibleButtons();
            bar->ValidateStartingButton();
        }
        paint();
    }
    void Delegate_CalculateVisibleBars() override
    {
        bars().CalculateVisibleBars();
        paint();
    }
    void Delegate_GetBar(QString& sBar, LBBarPtr& Bar) override { Bar = bars().ItemByID(sBar); }
    void Delegate_KillTrackingObject() override
    {
        state.CurrentItem.reset();
        Delegate_CalculateVisibleBars();
    }

    std::shared_ptr<RecordingStrings> strings = std::make_shared<RecordingStrings>();
    std::vector<std::shared_ptr<zg::RecordingCanvas>> canvases;
    ListBarState state;
    TestWindow window;
    ListBarPainter painter{state, window};
};

// A picture of one colour.
inline plat::PicturePtr solidPicture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return plat::Picture::fromImage(image);
}

} // namespace listbar::testing
