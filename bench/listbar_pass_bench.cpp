// Full layout-and-paint passes of the list bar, beside a Qt tool box of the
// same size with the same pages and buttons rendered into an image in the
// same run: the catalog's list bar (113 x 372, one bar, two buttons), a
// 150 x 400 list bar of 10 bars with 20 buttons each, and one of 10 bars
// with 10,000 buttons each. Prints each pass's time against the tool box's,
// and the large list bar's pass against the small one's.
//
// The large fixture is built with the control detached from its notifier,
// so adding a button does not measure every caption of its bar again; each
// bar's captions are measured once at the end.
#include "LBBar.h"
#include "LBBars.h"
#include "LBButton.h"
#include "LBButtons.h"
#include "LBDelegate.h"
#include "ListBarPainter.h"
#include "ListBarState.h"

#include <Font.h>
#include <Numbers.h>
#include <Picture.h>
#include <Register.h>
#include <Units.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace listbar;

// The control's window as the pass sees it, measuring with Qt's metrics.
class BenchWindow : public ListBarWindow {
public:
    BenchWindow(int w, int h) : width_(w), height_(h) {}
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void setFont(const plat::FontPtr& font) override
    {
        if (font && (!font_ || !font_->sameValue(*font))) {
            metrics_ = std::make_unique<QFontMetricsF>(font->qfont());
        }
        font_ = font;
    }
    double TextWidth(const QString& text) override { return metrics_ ? metrics_->horizontalAdvance(text) : 0; }
    double TextHeight(const QString&) override { return metrics_ ? metrics_->height() : 0; }
    double ScaleX(double v, int from, int to) override { return plat::convertUnits(v, from, to); }
    double ScaleY(double v, int from, int to) override { return plat::convertUnits(v, from, to); }
    bool Enabled() const override { return true; }
    plat::Colour WindowBackColor() const override { return 0x8000000F; }
    bool UserMode() const override { return true; }
    QString DisplayName() const override { return QStringLiteral("NavBar"); }
    void ShowPicture(const plat::PicturePtr& picture) override { shown_ = picture; }
    plat::PicturePtr ListImagePicture(const QString&, const plat::Variant&) override { return nullptr; }
    void StopScrollTimers() override {}

private:
    int width_;
    int height_;
    plat::FontPtr font_;
    std::unique_ptr<QFontMetricsF> metrics_;
    plat::PicturePtr shown_;
};

// The control's answers that building the fixture needs: caption widths
// from a cache, no redraws.
class BenchHost : public LBDelegateHost {
public:
    explicit BenchHost(BenchWindow& window) : window_(window) {}
    void Delegate_RedrawRequested(const QString&, const QString&) override {}
    void Delegate_OrderChange(const QString&, const QString&, int32_t) override {}
    void Delegate_MakeVisible(const QString&, const QString&) override {}
    void Delegate_BarActivated(const QString&, bool) override {}
    void Delegate_EditCaption(const QString&, const QString&) override {}
    void Delegate_TextWidthQuery(const QString&, const QString& TextToQuery, int32_t& LenText, bool) override
    {
        auto it = widths_.find(TextToQuery);
        if (it == widths_.end())
            it = widths_.insert(TextToQuery, plat::CLng(window_.TextWidth(TextToQuery)));
        LenText = *it;
    }
    void Delegate_DetermineLongestText(const QString&) override {}
    void Delegate_Scroll(const QString&, const QString&) override {}
    void Delegate_CalculateVisibleButtons(const QString&) override {}
    void Delegate_CalculateVisibleBars() override {}
    void Delegate_GetBar(QString&, LBBarPtr&) override {}
    void Delegate_KillTrackingObject() override {}
    void detach() { detachFromDelegate(); }

private:
    BenchWindow& window_;
    QHash<QString, int32_t> widths_;
};

QString buttonCaption(int bar, int button)
{
    static const char* const words[] = {"Global Functions", "Objects && Creatable Classes", "Strings", "Numbers",
                                        "Multimedia", "Files and Folders"};
    return QStringLiteral("%1 %2.%3").arg(QLatin1String(words[button % 6])).arg(bar).arg(button);
}

// A list bar of the catalog's make-up: picture-clip images with a mask
// colour, 24 x 24 cells, text below the images, a double border.
struct BenchListBar {
    BenchListBar(int w, int h, int bars, int buttonsPerBar, bool detachedBuild)
        : window(w, h), host(window)
    {
        state.Delegate = LBDelegate::Create();
        state.Bars = std::make_shared<LBBars>();
        state.Bars->DelegateID(state.Delegate->UniqueID());
        LBDelegate& d = *state.Delegate;
        d.BarFont = plat::Font::make(QStringLiteral("MS Sans Serif"), 8.25);
        d.ButtonImageSize = 24;
        d.ButtonTextPosition = 1;
        d.BackColor = 0x80000010;
        d.ForeColor = 0xFFFFFF;
        d.ColorButton = 0x8000000F;
        d.ColorHighlight = 0x80000014;
        d.ColorShadow = 0x80000010;
        d.ColorOutline = 0x80000015;
        d.ColorText = 0x80000012;
        d.ColorTextHover = 0x80000012;
        d.ColorTextShadow = 0x80000010;
        d.ColorSelection = 0x80000012;
        d.ColorInsertLines = 0x80000015;
        state.Style = 0;
        state.BorderStyle = 2;
        state.ActiveButtons = true;
        state.IconSource = 1;
        state.PictureClip = pictureClip();
        state.PicClipCellWidth = 24;
        state.PicClipCellHeight = 24;
        state.UseMaskColor = true;
        state.MaskColor = 0xFF00FF;

        window.setFont(d.BarFont);
        if (!detachedBuild)
            state.Delegate->attach(&host);
        for (int b = 1; b <= bars; ++b) {
            LBBarPtr bar = state.Bars->Add(QStringLiteral("Bar %1").arg(b));
            for (int i = 1; i <= buttonsPerBar; ++i)
                bar->Buttons()->Add(buttonCaption(b, i), 1 + i % 5);
        }
        if (detachedBuild) {
            state.Delegate->attach(&host);
            for (const LBBarPtr& bar : state.Bars->NewEnum())
                bar->Buttons()->DetermineLongestText();
        }
    }
    ~BenchListBar() { host.detach(); }

    static plat::PicturePtr pictureClip()
    {
        QImage strip(120, 24, QImage::Format_RGB32);
        strip.fill(qRgb(255, 0, 255));
        for (int cell = 0; cell < 5; ++cell)
            for (int y = 4; y < 20; ++y)
                for (int x = 4; x < 20; ++x)
                    strip.setPixel(cell * 24 + x, y, qRgb(40 * cell, 200 - 30 * cell, 90));
        return plat::Picture::fromImage(strip);
    }

    ListBarState state;
    BenchWindow window;
    BenchHost host;
    ListBarPainter painter{state, window};
};

void runPasses(benchmark::State& s, BenchListBar& lb)
{
    lb.painter.LayoutAndPaint();
    for (auto _ : s) {
        lb.painter.LayoutAndPaint();
        benchmark::DoNotOptimize(lb.state.RedrawCounter);
    }
}

// A tool box with one page per bar, each page a column of tool buttons with
// the image above the caption.
struct BenchToolBox {
    BenchToolBox(int w, int h, int pages, int buttonsPerPage)
    {
        const QIcon icon(QPixmap::fromImage(BenchListBar::pictureClip()->image().copy(0, 0, 24, 24)));
        for (int p = 1; p <= pages; ++p) {
            auto* page = new QWidget;
            auto* column = new QVBoxLayout(page);
            for (int i = 1; i <= buttonsPerPage; ++i) {
                auto* button = new QToolButton;
                button->setText(buttonCaption(p, i));
                button->setIcon(icon);
                button->setIconSize(QSize(24, 24));
                button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                column->addWidget(button);
            }
            column->addStretch();
            box.addItem(page, QStringLiteral("Bar %1").arg(p));
        }
        box.resize(w, h);
        image = QImage(w, h, QImage::Format_RGB32);
    }
    QToolBox box;
    QImage image;
};

void runRenders(benchmark::State& s, BenchToolBox& tb)
{
    tb.box.render(&tb.image);
    for (auto _ : s) {
        tb.box.render(&tb.image);
        benchmark::DoNotOptimize(tb.image.bits());
    }
}

void BM_ListBar_Catalog_113x372(benchmark::State& s)
{
    BenchListBar lb(113, 372, 1, 2, false);
    runPasses(s, lb);
}
void BM_QToolBox_Catalog_113x372(benchmark::State& s)
{
    BenchToolBox tb(113, 372, 1, 2);
    runRenders(s, tb);
}
void BM_ListBar_10x20_150x400(benchmark::State& s)
{
    BenchListBar lb(150, 400, 10, 20, false);
    runPasses(s, lb);
}
void BM_QToolBox_10x20_150x400(benchmark::State& s)
{
    BenchToolBox tb(150, 400, 10, 20);
    runRenders(s, tb);
}
void BM_ListBar_10x10000_150x400(benchmark::State& s)
{
    // Built once for the whole run (it takes a while); never destroyed, so
    // that no widget outlives the application object.
    static BenchListBar* lb = new BenchListBar(150, 400, 10, 10000, true);
    runPasses(s, *lb);
}
void BM_QToolBox_10x10000_150x400(benchmark::State& s)
{
    static BenchToolBox* tb = new BenchToolBox(150, 400, 10, 10000);
    runRenders(s, *tb);
}

BENCHMARK(BM_ListBar_Catalog_113x372);
BENCHMARK(BM_QToolBox_Catalog_113x372);
BENCHMARK(BM_ListBar_10x20_150x400);
BENCHMARK(BM_QToolBox_10x20_150x400);
BENCHMARK(BM_ListBar_10x10000_150x400);
BENCHMARK(BM_QToolBox_10x10000_150x400);

} // namespace

int main(int argc, char** argv)
{
    return zgbench::runWithRatios(argc, argv,
                                  {{"BM_ListBar_Catalog_113x372", "BM_QToolBox_Catalog_113x372"},
                                   {"BM_ListBar_10x20_150x400", "BM_QToolBox_10x20_150x400"},
                                   {"BM_ListBar_10x10000_150x400", "BM_QToolBox_10x10000_150x400"},
                                   {"BM_ListBar_10x10000_150x400", "BM_ListBar_10x20_150x400"}});
}
