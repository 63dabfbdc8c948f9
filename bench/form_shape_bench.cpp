// Shaping a window from the text of a polygon, beside the demo's own star
// shaping its 570 x 410 window in the same run: zig-zags of 10 and 50
// points across the whole range of the numbers taken, and 4096 strokes that
// each cross every row, on a 1280 x 1024 window. Prints how many times the
// star's time each takes.
#include "BenchMain.h"
#include "HostileShapes.h"

#include <FormFunctionsImpl.h>
#include <Object.h>
#include <Window.h>

#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

class Shaped : public plat::Object, public plat::WindowObject {
public:
    explicit Shaped(QWidget* w) : widget_(w) {}
    int64_t hWnd() const override { return plat::registerWindow(widget_); }
    QWidget* widget() const override { return widget_; }

private:
    QWidget* widget_;
};

const char* const Star =
    "(0,200)-(100,180)-(10,80)-(150,130)-(140,0)-(240,130)-(290,0)-(320,110)-(430,10)-(420,130)-(540,100)-"
    "(460,160)-(560,190)-(420,220)-(520,290)-(340,270)-(380,360)-(280,300)-(220,400)-(170,310)-(85,370)-"
    "(140,270)-(30,290)-(120,230)";

using zgtest::comb;
using zgtest::zigZag;

void shape(benchmark::State& state, const QString& text, int width, int height)
{
    QWidget window;
    window.resize(width, height);
    const auto form = std::make_shared<Shaped>(&window);
    zg::FormFunctionsImpl ff;
    for (auto _ : state) {
        window.clearMask();
        if (!ff.SetFormShapeFromPoints(form, text))
            state.SkipWithError("the text was refused");
    }
}

void BM_Shape_Star_570x410(benchmark::State& state) { shape(state, QString::fromLatin1(Star), 570, 410); }
BENCHMARK(BM_Shape_Star_570x410)->Unit(benchmark::kMicrosecond);

void BM_Shape_ZigZag10_1280x1024(benchmark::State& state) { shape(state, zigZag(10), 1280, 1024); }
BENCHMARK(BM_Shape_ZigZag10_1280x1024)->Unit(benchmark::kMicrosecond);

void BM_Shape_ZigZag50_1280x1024(benchmark::State& state) { shape(state, zigZag(50), 1280, 1024); }
BENCHMARK(BM_Shape_ZigZag50_1280x1024)->Unit(benchmark::kMicrosecond);

void BM_Shape_Comb4096_1280x1024(benchmark::State& state) { shape(state, comb(4096, 1280), 1280, 1024); }
BENCHMARK(BM_Shape_Comb4096_1280x1024)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return zgbench::runWithRatios(argc, argv,
                                  {{"BM_Shape_ZigZag10_1280x1024", "BM_Shape_Star_570x410"},
                                   {"BM_Shape_ZigZag50_1280x1024", "BM_Shape_Star_570x410"},
                                   {"BM_Shape_Comb4096_1280x1024", "BM_Shape_Star_570x410"}});
}
