#include "MidiSynth.h"

namespace zg {

QStringList defaultSoundFonts()
{
    QStringList fonts;
    for (const char* dir : {"/usr/share/sounds/sf2/", "/usr/local/share/sounds/sf2/"})
        for (const char* name : {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"})
            fonts << QString::fromLatin1(dir) + QLatin1String(name);
    return fonts;
}

} // namespace zg
