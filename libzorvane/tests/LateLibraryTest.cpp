// The outside libraries opened at their first call: opened once, only when a
// member needs them, and without them each member fails as it does when
// the call itself fails.
#include "EncryptionImpl.h"
#include "OggSound.h"
#include "PrivateXvfb.h"
#include "RaisedError.h"
#include "ScreenModesImpl.h"
#include "X11Desktop.h"
#include "late/LateLibrary.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

namespace {

using zg::late::Library;

bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

// The libraries that the library itself names to the loader (its DT_NEEDED
// entries), read from its dynamic section as loaded in this process.
QStringList neededByTheLibrary()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&zg::late::symbol), &info) || !info.dli_fname)
        return {};
    void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    link_map* map = nullptr;
    QStringList needed;
    if (handle && dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map) {
        const char* strings = nullptr;
        for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d)
            if (d->d_tag == DT_STRTAB)
                strings = reinterpret_cast<const char*>(d->d_un.d_ptr);
        for (const ElfW(Dyn)* d = map->l_ld; strings && d->d_tag != DT_NULL; ++d)
            if (d->d_tag == DT_NEEDED)
                needed << QString::fromLatin1(strings + d->d_un.d_val);
    }
    if (handle)
        dlclose(handle);
    return needed;
}

int opens = 0;
void* countingOpen(const char* soname)
{
    ++opens;
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}
void* refuse(const char*) { return nullptr; }

class LateLibraries : public ::testing::Test {
protected:
    void TearDown() override { zg::late::setOpenerForTests(nullptr); }
};

TEST_F(LateLibraries, TheCipherLibraryIsOpenedOnceAtTheFirstCipherCall)
{
    // The library does not name it to the loader (this test program links
    // it itself, for the tests that check cipher texts independently).
    const QStringList needed = neededByTheLibrary();
    ASSERT_FALSE(needed.isEmpty());
    for (const char* late : {"libsodium", "libblkid", "libXtst", "libXfixes", "libXi.", "libXrandr", "libvorbis"})
        for (const QString& n : needed)
            EXPECT_FALSE(n.startsWith(QLatin1String(late))) << n.toStdString();
    zg::late::setOpenerForTests(countingOpen);
    opens = 0;
    EXPECT_FALSE(zg::late::isOpen(Library::Sodium));

    zg::EncryptionImpl e;
    e.setEncryptionKey(QStringLiteral("key"));
    const QString cipher = e.EncryptString(QStringLiteral("text"));
    EXPECT_EQ(e.DecryptString(cipher), QStringLiteral("text"));
    EXPECT_TRUE(zg::late::isOpen(Library::Sodium));
    EXPECT_TRUE(mapped("libsodium"));
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(zg::late::symbol(Library::Sodium, "no_such_function"), nullptr);
}

TEST_F(LateLibraries, WithoutTheCipherOrDecoderTheirMembersFailAsUsual)
{
    zg::late::setOpenerForTests(refuse);
    zg::EncryptionImpl e;
    e.setEncryptionKey(QStringLiteral("key"));
    // A raised error (which one depends on whether the library had started
    // in this process before), never a crash or a text that is no cipher.
    EXPECT_NE(raisedError([&] { e.EncryptString(QStringLiteral("text")); }), 0);
    EXPECT_NE(raisedError([&] { e.DecryptString(QStringLiteral("AQID")); }), 0);
    EXPECT_FALSE(zg::late::isOpen(Library::Sodium));

    // Any file, sound or not, is then one that does not decode.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("sound.oga"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("OggS") + QByteArray(200, '\0'));
    f.close();
    EXPECT_FALSE(zg::decodeOggVorbis(path));
    const QString theme = QStringLiteral("/usr/share/sounds/freedesktop/stereo/bell.oga");
    if (QFile::exists(theme)) {
        EXPECT_FALSE(zg::decodeOggVorbis(theme));
        zg::late::setOpenerForTests(nullptr);
        EXPECT_TRUE(zg::decodeOggVorbis(theme));
        EXPECT_TRUE(zg::late::isOpen(Library::VorbisFile));
    }
}

TEST_F(LateLibraries, WithoutTheExtensionLibrariesTheServerLooksAsIfItLackedThem)
{
    zgtest::PrivateXvfb xvfb;
    if (!xvfb.start(800, 600))
        GTEST_SKIP() << xvfb.why();

    zg::late::setOpenerForTests(refuse);
    {
        auto desktop = zg::X11Desktop::open(xvfb.displayName());
        ASSERT_TRUE(desktop);
        EXPECT_FALSE(desktop->hasTestInput());
        EXPECT_FALSE(desktop->hasBarriers());
        EXPECT_FALSE(desktop->pointerDevices());
        desktop->confine(QRect(10, 10, 100, 100));
        desktop->confine(std::nullopt);
        EXPECT_FALSE(zg::readXRandRModes(xvfb.displayName()));
    }
    for (Library l : {Library::XTest, Library::XFixes, Library::XInput, Library::XRandR})
        EXPECT_FALSE(zg::late::isOpen(l));

    // The same server through the libraries: each forwarder passes its
    // arguments and results through unchanged.
    zg::late::setOpenerForTests(nullptr);
    auto desktop = zg::X11Desktop::open(xvfb.displayName());
    ASSERT_TRUE(desktop);
    EXPECT_TRUE(desktop->hasTestInput());
    EXPECT_TRUE(desktop->hasBarriers());
    // Xvfb's own mouse, when its server lists one.
    if (const auto devices = desktop->pointerDevices()) {
        EXPECT_FALSE(devices->name.isEmpty());
    }
    const auto modes = zg::readXRandRModes(xvfb.displayName());
    ASSERT_TRUE(modes);
    EXPECT_FALSE(modes->modes.empty());
}

} // namespace
