// The Ogg Vorbis decoder's functions, opened from libvorbisfile (and with it
// libvorbis and libogg) at the first event sound decoded (LateLibrary.h).
#include "LateLibrary.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#pragma GCC visibility push(hidden)
#include <vorbis/vorbisfile.h>
#pragma GCC visibility pop

extern "C" {

int ov_open_callbacks(void* datasource, OggVorbis_File* vf, const char* initial, long ibytes,
                      ov_callbacks callbacks)
{
    return ZG_LATE_CALL(VorbisFile, ov_open_callbacks, OV_EREAD, datasource, vf, initial, ibytes, callbacks);
}

vorbis_info* ov_info(OggVorbis_File* vf, int link)
{
    return ZG_LATE_CALL(VorbisFile, ov_info, static_cast<vorbis_info*>(nullptr), vf, link);
}

long ov_read(OggVorbis_File* vf, char* buffer, int length, int bigendianp, int word, int sgned, int* bitstream)
{
    return ZG_LATE_CALL(VorbisFile, ov_read, long(OV_EREAD), vf, buffer, length, bigendianp, word, sgned, bitstream);
}

int ov_clear(OggVorbis_File* vf) { return ZG_LATE_CALL(VorbisFile, ov_clear, OV_EREAD, vf); }

} // extern "C"
