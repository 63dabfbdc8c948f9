// The drive map built from a mount table of n mounts (1,000 to 100,000),
// beside the anchor: a plain parse of the same table into its fields, each
// line split once. The map's time per mount should stay within a small
// multiple of the parse's as n grows; 100,000 mounts well under half a second.
//
// The table mixes what a busy machine shows: disks mounted under /srv, every
// tenth point mounted over again (the later mount hides the earlier), binds
// of a disk elsewhere, and pseudo file systems.
#include "BenchMain.h"

#include <Paths.h>

#include <QStringList>

namespace {

QString tableOf(int n)
{
    QString table;
    table += QStringLiteral("1 0 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n");
    for (int i = 0; i < n - 1; ++i) {
        const int id = i + 2;
        switch (i % 10) {
        case 0: // a point mounted over again below
            table += QStringLiteral("%1 1 9:%2 / /srv/d%3 rw - ext4 /dev/loop%2 rw\n").arg(id).arg(i).arg(i / 10);
            break;
        case 1: // a bind of a disk already shown
            table += QStringLiteral("%1 1 9:%2 / /srv/b%3 rw - ext4 /dev/loop%2 rw\n").arg(id).arg(i - 1).arg(i);
            break;
        case 2:
            table += QStringLiteral("%1 1 0:%2 / /proc/p%2 rw - proc proc rw\n").arg(id).arg(i);
            break;
        case 3: // the earlier mount on that point is hidden
            table += QStringLiteral("%1 1 9:%2 / /srv/d%3 rw - xfs /dev/loop%2 rw\n").arg(id).arg(i).arg(i / 10);
            break;
        default:
            table += QStringLiteral("%1 1 9:%2 / /srv/m%2 rw,relatime shared:%2 - ext4 /dev/loop%2 rw\n")
                         .arg(id)
                         .arg(i);
        }
    }
    return table;
}

void BM_DriveMap(benchmark::State& state)
{
    const QString table = tableOf(int(state.range(0)));
    const plat::DriveFacts facts;
    for (auto _ : state) {
        const auto map = plat::buildDriveMap(table, facts);
        benchmark::DoNotOptimize(map.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PlainParse(benchmark::State& state)
{
    const QString table = tableOf(int(state.range(0)));
    for (auto _ : state) {
        std::vector<QStringList> lines;
        for (const QString& line : table.split(u'\n', Qt::SkipEmptyParts))
            lines.push_back(line.split(u' ', Qt::SkipEmptyParts));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

constexpr int64_t kSizes[] = {1000, 16000, 100000};

} // namespace

BENCHMARK(BM_DriveMap)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainParse)->Arg(kSizes[0])->Arg(kSizes[1])->Arg(kSizes[2])->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    zgbench::RatioPairs pairs;
    for (int64_t n : kSizes)
        pairs.emplace_back("BM_DriveMap/" + std::to_string(n), "BM_PlainParse/" + std::to_string(n));
    return zgbench::runWithRatios(argc, argv, pairs);
}
