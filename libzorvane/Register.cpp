#include "Register.h"

#include "APMImpl.h"
#include "DataImpl.h"
#include "EncryptionImpl.h"
#include "FilesAndFoldersImpl.h"
#include "FormFunctionsImpl.h"
#include "IconsImpl.h"
#include "Library.h"
#include "MemoryImpl.h"
#include "MiscellaneousImpl.h"
#include "MultimediaImpl.h"
#include "NumbersImpl.h"
#include "ScreenModesImpl.h"
#include "StringsImpl.h"
#include "SystemImpl.h"

namespace zg {

void registerGhostCanvas();

void registerLibrary()
{
    registerClass<ZorvaneSystem, SystemImpl>();
    registerClass<ZorvaneNumbers, NumbersImpl>();
    registerClass<ZorvaneStrings, StringsImpl>();
    registerClass<ZorvaneMiscellaneous, MiscellaneousImpl>();
    registerClass<ZorvaneData, DataImpl>();
    registerClass<ZorvaneMultimedia, MultimediaImpl>();
    registerClass<ZorvaneFilesAndFolders, FilesAndFoldersImpl>();
    registerClass<ZorvaneFormFunctions, FormFunctionsImpl>();
    registerClass<ZorvaneScreenModes, ScreenModesImpl>();
    registerClass<ZorvaneAPM, APMImpl>();
    registerClass<ZorvaneIcons, IconsImpl>();
    registerClass<ZorvaneEncryption, EncryptionImpl>();
    registerClass<ZorvaneMemory, MemoryImpl>();
    registerGhostCanvas();
}

} // namespace zg
