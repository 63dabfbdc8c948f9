// One paint of the owner-drawn button, beside a Qt push button of the same
// size rendered into an image in the same run: a 120 x 69 picture button
// (the catalog's grid) and a 75 x 25 standard button with an image and a
// shadowed caption. Prints how many times slower (or faster) our paint is.
#include "ZSButton.h"

#include <Library.h>
#include <Picture.h>
#include <Register.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

class BenchButton : public button::InternalZSButton {
public:
    using InternalZSButton::CalculateMaxImageSize;
    using InternalZSButton::RedrawButton;
};

// A picture in the spirit of the catalog's item pictures: a framed
// gradient on the mask colour's border.
plat::PicturePtr itemPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0xC0, 0xC0));
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(40, 80, 160));
    g.setColorAt(1, QColor(200, 220, 255));
    p.fillRect(QRect(2, 2, w - 4, h - 4), g);
    p.setPen(Qt::black);
    p.drawRect(QRect(2, 2, w - 5, h - 5));
    p.end();
    return plat::Picture::fromImage(img);
}

std::shared_ptr<BenchButton> makeButton(int w, int h)
{
    auto b = std::make_shared<BenchButton>();
    b->UserControl_Initialize();
    b->setTwipsRect(QRectF(0, 0, w * 15.0, h * 15.0));
    b->runtime().IsReady = true;
    return b;
}

void BM_ZSButton_Picture_120x69(benchmark::State& state)
{
    auto b = makeButton(120, 69);
    auto& s = b->settings();
    s.ButtonStyle = 2;
    s.ButtonImage = itemPicture(120, 69);
    s.ButtonImageHover = itemPicture(120, 69);
    b->CalculateMaxImageSize();
    int32_t look = 0;
    for (auto _ : state) {
        b->RedrawButton(look);
        look = 1 - look;
        benchmark::DoNotOptimize(b->Picture());
    }
}

void BM_QPushButton_120x69(benchmark::State& state)
{
    QPushButton pb;
    pb.setIcon(QIcon(QPixmap::fromImage(itemPicture(110, 60)->image())));
    pb.setIconSize(QSize(110, 60));
    pb.resize(120, 69);
    QImage target(120, 69, QImage::Format_RGB32);
    for (auto _ : state) {
        pb.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}

void BM_ZSButton_Standard_75x25(benchmark::State& state)
{
    auto b = makeButton(75, 25);
    auto& s = b->settings();
    s.ButtonStyle = 0;
    s.Caption = QStringLiteral("Launch");
    s.TextShadow = 1;
    s.ButtonImage = itemPicture(16, 16);
    b->CalculateMaxImageSize();
    int32_t look = 0;
    for (auto _ : state) {
        b->RedrawButton(look);
        look = 1 - look;
        benchmark::DoNotOptimize(b->Picture());
    }
}

void BM_QPushButton_75x25(benchmark::State& state)
{
    QPushButton pb(QStringLiteral("Launch"));
    pb.setIcon(QIcon(QPixmap::fromImage(itemPicture(16, 16)->image())));
    pb.resize(75, 25);
    QImage target(75, 25, QImage::Format_RGB32);
    for (auto _ : state) {
        pb.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}

BENCHMARK(BM_ZSButton_Picture_120x69);
BENCHMARK(BM_QPushButton_120x69);
BENCHMARK(BM_ZSButton_Standard_75x25);
BENCHMARK(BM_QPushButton_75x25);

} // namespace

int main(int argc, char** argv)
{
    return zgbench::runWithRatios(argc, argv,
                                  {{"BM_ZSButton_Picture_120x69", "BM_QPushButton_120x69"},
                                   {"BM_ZSButton_Standard_75x25", "BM_QPushButton_75x25"}});
}
