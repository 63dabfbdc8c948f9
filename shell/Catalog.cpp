#include "Catalog.h"

#include <ShellTexts.h>

#include <algorithm>

namespace shell::catalog {

namespace {

// The demo program of an item: ZGDemos\Zorvane<Name>\Zorvane<Name>Demo.exe.
QString demoOf(const char* name)
{
    const QString n = QString::fromLatin1(name);
    return QStringLiteral("ZGDemos\\Zorvane%1\\Zorvane%1Demo.exe").arg(n);
}

std::vector<Item> makeItems()
{
    return {
        { QStringLiteral("DATA"), demoOf("Data"),
          QStringLiteral("Miscellaneous data functions that include converting SQL string wildcard formats.") },
        { QStringLiteral("FILESANDFOLDERS"), demoOf("FilesAndFolders"),
          QStringLiteral("Miscellaneous functions to create, manipulate, and obtain information about files and "
                         "folders.  Includes pathname string parsing functions.") },
        { QStringLiteral("FORMFUNCTIONS"), demoOf("FormFunctions"),
          QStringLiteral("A robust set of form functions that let you manipulate your forms.  Create "
                         "floating windows, customized form shapes, and more.") },
        { QStringLiteral("MISCELLANEOUS"), demoOf("Miscellaneous"),
          QStringLiteral("Miscellaneous variable and graphics functions, including color masking, alpha blending, "
                         "color mapping, tint mapping, and more.") },
        { QStringLiteral("MULTIMEDIA"), demoOf("Multimedia"),
          QStringLiteral("Play wave files, system sounds, and MIDI tones with easy to use multimedia functions.") },
        { QStringLiteral("NUMBERS"), demoOf("Numbers"),
          QStringLiteral("Convert between Signed/Unsigned values.  Also convert between Decimal, Binary, Octal, Hex "
                         "and Roman numerals.  Includes 64-bit integer support.") },
        { QStringLiteral("STRINGS"), demoOf("Strings"),
          QStringLiteral("Powerfully and easily search and manipulate strings with nearly 60 string functions.") },
        { QStringLiteral("SYSTEM"), demoOf("System"),
          QStringLiteral("Retrieve and manipulate miscellaneous system information.  Manipulate the mouse from code, "
                         "reboot the computer, edit shortcuts, and more.") },
        { QStringLiteral("APM"), demoOf("APM"),
          QStringLiteral("Utilize Advanced Power Management features in your applications.") },
        { QStringLiteral("CODETIMER"), demoOf("CodeTimer"),
          QStringLiteral("Utilize code-only timer objects in applications that have no interface, such as Services and "
                         "Server-side web components.") },
        { QStringLiteral("DISKINFO"), demoOf("DiskInfo"),
          QStringLiteral("Obtain detailed information about any disk on the system including drive type, size, space "
                         "available, and even sector information.") },
        { QStringLiteral("ENCRYPTION"), demoOf("Encryption"),
          QStringLiteral("Utilize symmetric encryption algorithms in your applications.  Secure passwords, documents, "
                         "and more!") },
        { QStringLiteral("FILEVERSION"), demoOf("FileVersion"),
          QStringLiteral("Obtain detailed file version information for any EXE, DLL, or other file that has file "
                         "version resources.") },
        { QStringLiteral("GHOSTCANVAS"), demoOf("GhostCanvas"),
          QStringLiteral("Utilize a powerful, invisible drawing surface for fast drawing, then copy the results to a "
                         "visible surface for optimized GDI graphics && animation.") },
        { QStringLiteral("ICONS"), demoOf("Icons"),
          QStringLiteral(
              "Extract icons from any Windows file that has embedded icon resources, such as EXEs and DLLs.") },
        { QStringLiteral("MEMORY"), demoOf("Memory"),
          QStringLiteral("Obtain detailed information about system memory and swap file usage.") },
        { QStringLiteral("PICTURE"), demoOf("Picture"), QString::fromLatin1(zg::shelltext::PictureDescription) },
        { QStringLiteral("PROCESSOR"), demoOf("Processor"),
          QStringLiteral("Obtain detailed information about the processor(s) installed on the system, including type, "
                         "manufacturer, and speed.") },
        { QStringLiteral("REGISTRYANDINI"), demoOf("RegistryAndINI"),
          QStringLiteral("Read && write to the registry with power and ease.  Access the full registry && iterate "
                         "through keys and values, plus access INI files the same manner.") },
        { QStringLiteral("SCREENMODES"), demoOf("ScreenModes"),
          QStringLiteral(
              "Iterate through available screen modes, and instantly switch screen modes from your applications.") },
        { QStringLiteral("SPECIALFOLDERS"), demoOf("SpecialFolders"),
          QStringLiteral("Return (and even change) paths to special system folders, such as the Windows folder, the "
                         "Desktop, My Documents, and more.") },
        { QStringLiteral("SYSCOUNTER"), demoOf("SysCounter"),
          QStringLiteral("Time your code or user's activity with microsecond accuracy.") },
        { QStringLiteral("WINDOWSVERSION"), demoOf("WindowsVersion"),
          QStringLiteral("Return all available version information about the installed version of Windows, including "
                         "specific operating system, version, and service pack.") },
    };
}

} // namespace

const std::vector<Item>& items()
{
    static const std::vector<Item> all = makeItems();
    return all;
}

const Item* findItem(const QString& key)
{
    const auto& all = items();
    auto it = std::find_if(all.begin(), all.end(), [&](const Item& i) { return i.key == key; });
    return it == all.end() ? nullptr : &*it;
}

const std::vector<Category>& categories()
{
    static const std::vector<Category> all = {
        { QStringLiteral("Global Functions"),
          QStringLiteral("GBL"),
          4,
          QStringLiteral("A host of powerful, masterfully written functions that extend the capability of your "
                         "code, making development faster and easier than ever before."),
          { QStringLiteral("DATA"), QStringLiteral("FILESANDFOLDERS"), QStringLiteral("FORMFUNCTIONS"),
            QStringLiteral("MISCELLANEOUS"), QStringLiteral("MULTIMEDIA"), QStringLiteral("NUMBERS"),
            QStringLiteral("STRINGS"), QStringLiteral("SYSTEM") } },
        { QStringLiteral("Objects && Creatable Classes"),
          QStringLiteral("OBJ"),
          5,
          QStringLiteral("Classes and pre-created objects that give you the power to do what you've always wanted "
                         "to do in your programs."),
          { QStringLiteral("APM"), QStringLiteral("CODETIMER"), QStringLiteral("DISKINFO"),
            QStringLiteral("ENCRYPTION"), QStringLiteral("FILEVERSION"), QStringLiteral("GHOSTCANVAS"),
            QStringLiteral("ICONS"), QStringLiteral("MEMORY"), QStringLiteral("PICTURE"), QStringLiteral("PROCESSOR"),
            QStringLiteral("REGISTRYANDINI"), QStringLiteral("SCREENMODES"), QStringLiteral("SPECIALFOLDERS"),
            QStringLiteral("SYSCOUNTER"), QStringLiteral("WINDOWSVERSION") } },
    };
    return all;
}

const Category& globalFunctions()
{
    return categories()[0];
}
const Category& objectsAndClasses()
{
    return categories()[1];
}

bool isStartFailure(int32_t code)
{
    switch (code) {
    case 0: // out of resources
    case 2: // file not found
    case 3: // path not found
    case 5: // access denied
    case 8: // out of memory
    case 11: // bad format
    case 26: // sharing violation
    case 27: // incomplete association
    case 28: // DDE time-out
    case 29: // DDE failure
    case 30: // DDE busy
    case 31: // no association
    case 32: // library not found
        return true;
    default:
        return false;
    }
}

} // namespace shell::catalog
