// Every figure of the disk window for three drives, each value read from a
// drive object fetched again as the window does, the volumes read afresh at
// the start of each pass; beside the anchor: `df` on the same three folders,
// run as a program in the same run. The pass should stay within 1.5 times
// the anchor; "reads" counts the volume reads of one pass (one per drive).
//
// The drives' devices are ext4 images in a folder of the bench's own, so the
// volumes are read the same way wherever the bench runs.
#include "BenchMain.h"
#include "Ext4Image.h"

#include <Library.h>
#include <Paths.h>
#include <ZorvaneDiskInfo.h>
#include <ZorvaneFilesAndFolders.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void writeExt4Image(const QString& path, const QByteArray& label)
{
    if (!zgtest::writeExt4Image(path, label))
        std::abort();
}

std::atomic<int> volumeReads{0};

// Three drives D:, E:, F: on images, each "mounted" on a folder of its own.
class ThreeDrives {
public:
    ThreeDrives()
    {
        plat::Drive c;
        c.letter = u'C';
        c.mountPoint = QStringLiteral("/");
        std::vector<plat::Drive> map{c};
        for (char16_t letter : {u'D', u'E', u'F'}) {
            const QString name = QStringLiteral("zgvol") + QChar(letter);
            writeExt4Image(dir_.filePath(name), "VOLUME" + QByteArray(1, char(letter)));
            QDir(dir_.path()).mkdir(name + QStringLiteral("-files"));
            plat::Drive d;
            d.letter = QChar(letter);
            d.mountPoint = dir_.filePath(name + QStringLiteral("-files"));
            d.source = dir_.filePath(name);
            d.device = name;
            d.fsType = QStringLiteral("ext4");
            folders_ << QFile::encodeName(d.mountPoint);
            map.push_back(d);
        }
        plat::setDeviceFolder(dir_.path());
        plat::installDriveMap(map);
        static const plat::VolumeReader machine = plat::setVolumeReader(nullptr);
        plat::setVolumeReader([](const QString& path) {
            ++volumeReads;
            return machine(path);
        });
    }
    const QList<QByteArray>& folders() const { return folders_; }

private:
    QTemporaryDir dir_;
    QList<QByteArray> folders_;
};

const ThreeDrives& drives()
{
    static const ThreeDrives d;
    return d;
}

// The disk window's reads for one drive, in its order.
void readDrive(const QString& letter)
{
    auto disk = [&letter] { return zg::FilesAndFolders()->Disk(letter); };
    benchmark::DoNotOptimize(disk()->IsReady());
    benchmark::DoNotOptimize(disk()->DriveType());
    if (!disk()->IsReady())
        return;
    benchmark::DoNotOptimize(disk()->VolumeName());
    benchmark::DoNotOptimize(disk()->IsCDFS() || disk()->IsFAT() || disk()->IsFAT32() || disk()->IsNTFS());
    benchmark::DoNotOptimize(disk()->SerialNumber());
    if (disk()->DriveType() == 4)
        benchmark::DoNotOptimize(disk()->ShareName());
    benchmark::DoNotOptimize(disk()->TotalSpace());
    benchmark::DoNotOptimize(disk()->FreeSpace());
    benchmark::DoNotOptimize(disk()->FreeAccountSpace());
    benchmark::DoNotOptimize(disk()->TotalClusters());
    benchmark::DoNotOptimize(disk()->FreeClusters());
    benchmark::DoNotOptimize(disk()->SectorsPerCluster());
}

void BM_DiskFigures(benchmark::State& state)
{
    drives();
    volumeReads = 0;
    for (auto _ : state) {
        plat::forgetVolumes(); // each pass is a new burst
        for (const char* letter : {"D", "E", "F"})
            readDrive(QString::fromLatin1(letter));
    }
    state.counters["reads"] = double(volumeReads) / double(state.iterations());
}

void BM_Df(benchmark::State& state)
{
    std::vector<QByteArray> args{"df", "-P"};
    for (const QByteArray& folder : drives().folders())
        args.push_back(folder);
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "df", &quiet, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) != pid)
            state.SkipWithError("df could not be run");
    }
    posix_spawn_file_actions_destroy(&quiet);
}

} // namespace

BENCHMARK(BM_DiskFigures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Df)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return zgbench::runWithRatios(argc, argv, {{"BM_DiskFigures", "BM_Df/real_time"}});
}
