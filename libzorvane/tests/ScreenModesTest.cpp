#include "Error.h"
#include "FakeSeams.h"
#include "PrivateXvfb.h"
#include "QtPrinters.h"
#include "ScreenModesImpl.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zgtest::FakeDisplayModeSwitch;

zg::DisplayMode mode(int w, int h, int hz, QByteArray display = ":77", uint64_t id = 1)
{
    zg::DisplayMode m;
    m.width = w;
    m.height = h;
    m.frequency = hz;
    m.colors = zg::colorsOfDepth(24);
    m.display = std::move(display);
    m.output = "DP-1";
    m.modeId = id;
    return m;
}

class ScreenModes : public ::testing::Test {
protected:
    void SetUp() override { zg::installDisplayModeSwitch(fake); }
    void TearDown() override { zg::installDisplayModeSwitch(nullptr); }
    std::shared_ptr<FakeDisplayModeSwitch> fake = std::make_shared<FakeDisplayModeSwitch>();
};

TEST_F(ScreenModes, RefreshRatesComeFromTheTimingsAndColoursFromTheDepth)
{
    EXPECT_EQ(zg::refreshRate(148500000, 2200, 1125, false, false), 60);
    EXPECT_EQ(zg::refreshRate(65000000, 1344, 806, false, false), 60); // 1024 x 768, 60.004 Hz
    EXPECT_EQ(zg::refreshRate(74250000, 2200, 1125, true, false), 60); // interlaced: two fields a frame
    EXPECT_EQ(zg::refreshRate(54000000, 1800, 500, false, true), 30);  // double scan
    EXPECT_EQ(zg::refreshRate(1, 0, 0, false, false), 0);
    EXPECT_EQ(zg::colorsOfDepth(24), 16777216.0);
    EXPECT_EQ(zg::colorsOfDepth(32), 16777216.0);
    EXPECT_EQ(zg::colorsOfDepth(16), 65536.0);
    EXPECT_EQ(zg::colorsOfDepth(4), 16.0);
}

TEST_F(ScreenModes, AnIndexOutsideTheListRaisesAClearError)
{
    zg::ScreenModesImpl modes(zg::DisplayModeList{{mode(1024, 768, 60), mode(800, 600, 60)}, mode(1024, 768, 60)});
    EXPECT_EQ(modes.ModeCount(), 2);
    int16_t i = 2;
    EXPECT_EQ(modes.Item(i)->Width(), 800);
    for (int16_t stale : {int16_t(3), int16_t(0), int16_t(-1)}) {
        try {
            modes.Item(stale);
            FAIL() << "no error for " << stale;
        } catch (const plat::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
            EXPECT_TRUE(e.info().description.contains(QString::number(stale))) << e.info().description.toStdString();
            EXPECT_TRUE(e.info().description.contains(QStringLiteral("2 mode"))) << e.info().description.toStdString();
        }
    }
}

TEST_F(ScreenModes, SwitchingGoesThroughTheSeamAndSavesOnlyAfterASwitch)
{
    zg::ScreenModeImpl m(mode(800, 600, 75));
    EXPECT_TRUE(m.MakeCurrent());
    EXPECT_EQ(fake->switched.size(), 1u);
    EXPECT_TRUE(fake->saved.empty());

    EXPECT_TRUE(m.MakeCurrentAndSave());
    ASSERT_EQ(fake->saved.size(), 1u);
    EXPECT_EQ(fake->saved[0].frequency, 75);

    fake->switches = false;
    EXPECT_FALSE(m.MakeCurrentAndSave());
    EXPECT_EQ(fake->saved.size(), 1u); // a refused mode is not kept

    // A mode of a display without the extension is refused before the seam.
    zg::ScreenModeImpl fixed(mode(800, 600, 60, QByteArray()));
    fake->switches = true;
    EXPECT_FALSE(fixed.MakeCurrent());
    EXPECT_FALSE(fixed.MakeCurrentAndSave());
    EXPECT_EQ(fake->switched.size(), 3u);
}

TEST_F(ScreenModes, WithoutTheExtensionTheOneCurrentModeIsListed)
{
    // The tests run on the offscreen platform.
    zg::ScreenModesImpl modes;
    ASSERT_EQ(modes.ModeCount(), 1);
    int16_t one = 1;
    const auto only = modes.Item(one);
    const auto current = modes.CurrentMode();
    EXPECT_EQ(only->Width(), current->Width());
    EXPECT_EQ(only->Height(), current->Height());
    EXPECT_GT(current->Width(), 0);
    EXPECT_GT(current->Colors(), 0.0);
    EXPECT_FALSE(current->MakeCurrent());
    EXPECT_TRUE(fake->switched.empty());
}

TEST_F(ScreenModes, ASavedModeReadsBackAndAnOddFileReadsAsNone)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("cfg/ZorvaneGlobals/ScreenMode.conf"));
    EXPECT_FALSE(zg::readSavedScreenMode(path));
    ASSERT_TRUE(zg::writeSavedScreenMode(path, mode(1280, 1024, 75)));
    const auto back = zg::readSavedScreenMode(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 1280);
    EXPECT_EQ(back->height, 1024);
    EXPECT_EQ(back->frequency, 75);
    EXPECT_EQ(back->output, QByteArray("DP-1"));

    QFile odd(path);
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly | QIODevice::Truncate));
    odd.write("[Display]\nWidth=wide\nHeight=-3\n");
    odd.close();
    EXPECT_FALSE(zg::readSavedScreenMode(path));

    // The real place is the user's configuration folder.
    EXPECT_TRUE(zg::savedScreenModePath().startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

TEST_F(ScreenModes, ThePrivateXServersModesAreReadThroughTheExtension)
{
    zgtest::PrivateXvfb x;
    if (!x.start())
        GTEST_SKIP() << "no Xvfb to start";
    const auto list = zg::readXRandRModes(x.displayName());
    ASSERT_TRUE(list) << "the server offers the Resize and Rotate extension";
    ASSERT_FALSE(list->modes.empty());
    EXPECT_EQ(list->current.width, 1024);
    EXPECT_EQ(list->current.height, 768);
    EXPECT_EQ(list->current.colors, 16777216.0);
    EXPECT_EQ(list->current.display, x.displayName());
    EXPECT_FALSE(list->current.output.isEmpty());
    EXPECT_NE(list->current.modeId, 0u);
    bool currentListed = false;
    for (const auto& m : list->modes) {
        EXPECT_GT(m.width, 0);
        EXPECT_EQ(m.colors, 16777216.0);
        currentListed |= m.modeId == list->current.modeId;
    }
    EXPECT_TRUE(currentListed);
    EXPECT_TRUE(fake->switched.empty());

    EXPECT_FALSE(zg::readXRandRModes(":65000")); // no such server: nothing, no crash
}

} // namespace
