#include "Sounds.h"

#include <Library.h>
#include <ZorvaneFilesAndFolders.h>
#include <ZorvaneMultimedia.h>
#include <ZorvaneSystem.h>

namespace shell {

void PlaySound(const QString& fileName)
{
    const QString dir = zg::System()->WindowsDirectory();
    const QString path = zg::FilesAndFolders()->AddTrailingBackslash(dir) + fileName;
    zg::Multimedia()->PlayWaveFile(path, false, true);
}

} // namespace shell
