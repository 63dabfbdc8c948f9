// The file list filled from a folder of n files (10,000 and 100,000) with the
// Pattern "*.txt;*.wav", beside the anchor: `ls` listing the same glob in
// that folder, run as a program in the same run. The list's fill should stay
// within twice the anchor, and its time per file the same as n grows.
#include "BenchMain.h"

#include <DesignData.h>
#include <FileLists.h>
#include <Form.h>
#include <Paths.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

class ListForm : public plat::Form {
public:
    ListForm()
        : Form(plat::DesignData::parse(
              R"({"form": {"name": "frmBench", "caption": "Bench", "left": 0, "top": 0, "clientWidth": 6000,
                 "clientHeight": 4500, "properties": []},
                 "controls": [{"name": "File1", "type": "FileListBox", "left": 0, "top": 0, "width": 3000,
                               "height": 4000}]})",
              QStringLiteral("bench.json")))
    {
    }
};

// A folder of n files: four in ten ".txt" (some in capitals), three ".wav",
// three other extensions.
class Folder {
public:
    explicit Folder(int n)
    {
        static const char* const kinds[] = {".txt", ".TXT", ".txt", ".txt", ".wav", ".wav", ".Wav",
                                            ".dat", ".ini", ".log"};
        for (int i = 0; i < n; ++i) {
            QFile f(dir_.filePath(QStringLiteral("file%1%2").arg(i, 6, 10, QLatin1Char('0')).arg(kinds[i % 10])));
            if (!f.open(QIODevice::WriteOnly))
                std::abort();
        }
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

const Folder& folderOf(int n)
{
    static std::map<int, std::unique_ptr<Folder>> folders;
    auto& f = folders[n];
    if (!f)
        f = std::make_unique<Folder>(n);
    return *f;
}

void BM_FileListFill(benchmark::State& state)
{
    const QString folder = plat::fromSystemPath(folderOf(int(state.range(0))).path());
    auto form = std::make_shared<ListForm>();
    form->Load();
    auto list = form->control<plat::FileListBox>(QStringLiteral("File1"));
    for (auto _ : state) {
        list->setPattern(QStringLiteral("*.txt;*.wav"));
        list->setPath(folder);
        benchmark::DoNotOptimize(list->ListCount());
        state.PauseTiming();
        list->setPattern(QStringLiteral("*.none")); // the next fill starts from an empty list
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LsGlob(benchmark::State& state)
{
    const QByteArray command = "cd '" + QFile::encodeName(folderOf(int(state.range(0))).path()) +
                               "' && exec ls -- *.txt *.wav >/dev/null";
    char sh[] = "/bin/sh", c[] = "-c";
    char* argv[] = {sh, c, const_cast<char*>(command.constData()), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid)
            state.SkipWithError("ls could not be run");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

constexpr int64_t kSizes[] = {10000, 100000};

} // namespace

BENCHMARK(BM_FileListFill)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LsGlob)->Arg(kSizes[0])->Arg(kSizes[1])->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    zgbench::RatioPairs pairs;
    for (int64_t n : kSizes)
        pairs.emplace_back("BM_FileListFill/" + std::to_string(n), "BM_LsGlob/" + std::to_string(n) + "/real_time");
    return zgbench::runWithRatios(argc, argv, pairs);
}
