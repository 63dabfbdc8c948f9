// Facts of one drive, reached through ZorvaneFilesAndFolders::Disk (a new
// object at every use).
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
};

} // namespace zg
