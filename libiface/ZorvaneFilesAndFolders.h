// File and folder functions of the utility library: path helpers.
#pragma once
#include <QString>
#include <memory>

namespace zg {

class ZorvaneDiskInfo;

class ZorvaneFilesAndFolders {
public:
    static constexpr const char* ClassId = "{7EC6596F-BC1C-11D2-94CF-004005455FAA}";
    static constexpr const char* InterfaceId = "{87E7BD8F-4C90-11D4-8111-005004D78BE4}";
    static constexpr const char* ClassName = "ZorvaneFilesAndFolders";

    virtual ~ZorvaneFilesAndFolders() = default;

    // The path ending in exactly one backslash: a path that already ends in
    // a backslash (a drive's root, "C:\") is returned unchanged; "" stays "".
    virtual QString AddTrailingBackslash(const QString& Path) = 0;

    // The facts of one drive ("C", "c:" or "C:\"): a new object at every call.
    virtual std::shared_ptr<ZorvaneDiskInfo> Disk(const QString& Drive) = 0;
};

} // namespace zg
