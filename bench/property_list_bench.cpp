// Reading property lists of design data: a user control's bag of n
// properties from its JSON list form, and the same list written into a bag
// one property at a time. The time per property should stay the same as n
// grows (10,000 to 160,000 entries).
#include <PropertyBag.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <benchmark/benchmark.h>

namespace {

QJsonArray listOf(int n)
{
    QJsonArray list;
    for (int i = 0; i < n; ++i)
        list.append(QJsonArray{QStringLiteral("Property%1").arg(i), i});
    return list;
}

void BM_ReadPropertyList(benchmark::State& state)
{
    const QJsonArray list = listOf(int(state.range(0)));
    for (auto _ : state) {
        const plat::PropertyBag bag = plat::PropertyBag::fromJson(list);
        benchmark::DoNotOptimize(bag.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadPropertyList)->RangeMultiplier(4)->Range(10000, 160000)->Unit(benchmark::kMillisecond);

void BM_WriteProperties(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        plat::PropertyBag bag;
        for (int i = 0; i < n; ++i)
            bag.WriteProperty(QStringLiteral("Property%1").arg(i), plat::Variant(int32_t(i)), plat::Variant(-1));
        benchmark::DoNotOptimize(bag.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteProperties)->RangeMultiplier(4)->Range(10000, 160000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
