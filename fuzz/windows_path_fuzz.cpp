// Windows-style paths converted at the file-system boundary, both ways. The
// Linux side never keeps a backslash and the Windows side never a slash.
#include "FuzzSupport.h"

#include <Paths.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = zgfuzz::text(data, size);
    const QString system = plat::toSystemPath(path);
    ZG_FUZZ_CHECK(!system.contains(u'\\'), "a converted path keeps a backslash");
    const QString windows = plat::fromSystemPath(path);
    ZG_FUZZ_CHECK(!windows.contains(u'/'), "a Windows path keeps a slash");
    (void)plat::toSystemPath(windows);
    (void)plat::fromSystemPath(system);
    return 0;
}
