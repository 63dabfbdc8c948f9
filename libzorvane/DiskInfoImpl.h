// The facts of one drive of the drive map, from the file system's
// statistics, the kernel's block device attributes and the volume's own
// label and identifier.
#pragma once
#include "ZorvaneDiskInfo.h"

#include <QChar>
#include <memory>
#include <optional>

namespace zg {

// What the drive facts are read from; tests install a fake.
class DiskProbe {
public:
    struct Drive {
        QString mountPoint; // Linux path; "" when not mounted
        QString source;     // the mounted device or share
        QString device;     // kernel block device name ("sdb1"); "" for none
        QString fsType;     // as the mount table names it
        int32_t kind = 3;   // drive-type code
        bool ready = false;
        QString label;      // the drive map's label
        QString uuid;       // the drive map's file-system identifier
    };
    struct Space {
        uint64_t blockSize = 0; // bytes of one block (fragment size)
        uint64_t blocks = 0, freeBlocks = 0, availableBlocks = 0;
    };
    struct Identity {
        QString label, uuid, type, version; // version: "FAT12", "FAT16", "FAT32", ...
    };
    virtual ~DiskProbe() = default;
    virtual std::optional<Drive> drive(QChar letter) = 0;
    virtual std::optional<Space> space(const QString& mountPoint) = 0;
    // The logical sector size of a block device; 0 when unknown.
    virtual int logicalSectorSize(const QString& device) = 0;
    virtual Identity identity(const Drive& drive) = 0;
};

std::shared_ptr<DiskProbe> diskProbe();
// Tests: replace it (nullptr goes back to the machine's).
void installDiskProbe(std::shared_ptr<DiskProbe> probe);

class DiskInfoImpl : public ZorvaneDiskInfo {
public:
    explicit DiskInfoImpl(QChar letter);

    bool IsReady() override;
    int32_t DriveType() override;
    QString VolumeName() override;
    bool IsCDFS() override;
    bool IsFAT() override;
    bool IsFAT32() override;
    bool IsNTFS() override;
    QString SerialNumber() override;
    QString ShareName() override;
    int64_t TotalSpace() override;
    int64_t FreeSpace() override;
    int64_t FreeAccountSpace() override;
    int64_t TotalClusters() override;
    int64_t FreeClusters() override;
    int32_t SectorsPerCluster() override;

private:
    std::optional<DiskProbe::Drive> readyDrive();
    std::optional<DiskProbe::Space> space();
    // "FAT12/16", "FAT32" or "" for a drive that is not FAT.
    QString fatKind();

    QChar letter_;
};

// A count of blocks as bytes, held at the largest 64-bit value.
int64_t blockBytes(uint64_t blocks, uint64_t blockSize);

} // namespace zg
