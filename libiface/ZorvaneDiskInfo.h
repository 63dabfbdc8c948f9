// Facts of one drive, reached through ZorvaneFilesAndFolders::Disk (a new
// object at every use).
//
// Our definition: the drive is the drive map's drive of the object's letter
// (C: the Linux root, then the machine's other file systems and media). Its
// facts are read afresh at every call. For a drive that is not ready (no
// medium, no such letter) every member but IsReady and DriveType gives an
// empty text, False or 0.
#pragma once
#include <QString>
#include <cstdint>
#include <memory>

namespace zg {

class ZorvaneDiskInfo {
public:
    static constexpr const char* ClassId = "{2F6A4C11-93D7-4B0E-8E52-6C1D0A7B3E90}";
    static constexpr const char* InterfaceId = "{7EC65960-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* ClassName = "ZorvaneDiskInfo";

    virtual ~ZorvaneDiskInfo() = default;

    // The drive is mounted and its file system answers.
    virtual bool IsReady() = 0;
    // 2 removable, 3 fixed, 4 network share, 5 optical, 6 RAM disk; 1 for a
    // letter with no drive.
    virtual int32_t DriveType() = 0;
    // The file system's own label ("" when it has none).
    virtual QString VolumeName() = 0;
    // The file system: ISO 9660 (CDFS), FAT12 or FAT16 (IsFAT), FAT32, NTFS.
    // A FAT volume's kind is the one its boot sector states, or else the one
    // its cluster count gives (below 65525 clusters FAT12/16).
    virtual bool IsCDFS() = 0;
    virtual bool IsFAT() = 0;
    virtual bool IsFAT32() = 0;
    virtual bool IsNTFS() = 0;
    // The file system's identifier as the file system writes it ("1A2B-3C4D"
    // for FAT, 16 hex digits for NTFS, a UUID for Linux file systems); ""
    // when it cannot be read.
    virtual QString SerialNumber() = 0;
    // For a network share the shared folder, Windows-style
    // ("\\server\share"); "" for other drives.
    virtual QString ShareName() = 0;
    // Bytes, as 64-bit counts: the size, what is free, and what an ordinary
    // user may still use (less than free where space is kept for the
    // administrator).
    virtual int64_t TotalSpace() = 0;
    virtual int64_t FreeSpace() = 0;
    virtual int64_t FreeAccountSpace() = 0;
    // Clusters are the file system's blocks (its fundamental block size);
    // free clusters are all free ones. 64-bit, so very large volumes do not
    // wrap.
    virtual int64_t TotalClusters() = 0;
    virtual int64_t FreeClusters() = 0;
    // The cluster size in sectors of the device's logical sector size (512
    // bytes for drives without a block device); at least 1.
    virtual int32_t SectorsPerCluster() = 0;
};

} // namespace zg
