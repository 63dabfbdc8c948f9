// The volume probe's functions, opened from libblkid at the first disk
// query that reads a device (LateLibrary.h).
#include "LateLibrary.h"

#pragma GCC visibility push(hidden)
#include <blkid/blkid.h>
#pragma GCC visibility pop

extern "C" {

blkid_probe blkid_new_probe_from_filename(const char* filename)
{
    return ZG_LATE_CALL(Blkid, blkid_new_probe_from_filename, blkid_probe(nullptr), filename);
}

void blkid_free_probe(blkid_probe pr) { ZG_LATE_CALL_VOID(Blkid, blkid_free_probe, pr); }

int blkid_probe_enable_superblocks(blkid_probe pr, int enable)
{
    return ZG_LATE_CALL(Blkid, blkid_probe_enable_superblocks, -1, pr, enable);
}

int blkid_probe_set_superblocks_flags(blkid_probe pr, int flags)
{
    return ZG_LATE_CALL(Blkid, blkid_probe_set_superblocks_flags, -1, pr, flags);
}

int blkid_do_safeprobe(blkid_probe pr) { return ZG_LATE_CALL(Blkid, blkid_do_safeprobe, -1, pr); }

int blkid_probe_lookup_value(blkid_probe pr, const char* name, const char** data, size_t* len)
{
    return ZG_LATE_CALL(Blkid, blkid_probe_lookup_value, -1, pr, name, data, len);
}

} // extern "C"
