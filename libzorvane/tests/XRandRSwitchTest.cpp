// The real mode switch, against an X server the test starts itself.
#include "PrivateXvfb.h"
#include "QtPrinters.h"
#include "ScreenModesImpl.h"

#include <gtest/gtest.h>

#include "XRandRTestMode.h" // Xlib's macros after every Qt header

namespace {

using ExtraMode = zgtest::XRandRTestMode;

class RealSwitch : public ::testing::Test {
protected:
    void SetUp() override { zg::installDisplayModeSwitch(zg::xrandrSwitchForPrivateServer()); }
    void TearDown() override { zg::installDisplayModeSwitch(nullptr); }
};

TEST_F(RealSwitch, ThePrivateServerSwitchesToAnotherModeOfItsOutput)
{
    zgtest::PrivateXvfb x;
    if (!x.start())
        GTEST_SKIP() << "no Xvfb to start";
    ExtraMode extra(x.displayName());
    ASSERT_NE(extra.id(), 0u);

    const auto before = zg::readXRandRModes(x.displayName());
    ASSERT_TRUE(before);
    ASSERT_EQ(before->modes.size(), 2u);
    EXPECT_EQ(before->current.width, 1024);
    const zg::DisplayMode* small = nullptr;
    for (const auto& m : before->modes)
        if (m.modeId == extra.id())
            small = &m;
    ASSERT_TRUE(small);
    EXPECT_EQ(small->width, 800);
    EXPECT_EQ(small->height, 600);
    EXPECT_EQ(small->frequency, 60); // 40 MHz over 1056 x 628

    zg::ScreenModeImpl mode(*small);
    EXPECT_TRUE(mode.MakeCurrent());
    const auto after = zg::readXRandRModes(x.displayName());
    ASSERT_TRUE(after);
    EXPECT_EQ(after->current.width, 800);
    EXPECT_EQ(after->current.height, 600);
    EXPECT_EQ(after->current.modeId, extra.id());

    // And back to the larger mode: the screen grows first.
    const zg::DisplayMode* large = nullptr;
    for (const auto& m : after->modes)
        if (m.width == 1024)
            large = &m;
    ASSERT_TRUE(large);
    EXPECT_TRUE(zg::ScreenModeImpl(*large).MakeCurrent());
    EXPECT_EQ(zg::readXRandRModes(x.displayName())->current.width, 1024);

    // A mode the output does not offer (gone since the list was read) and
    // an output that does not exist are refused without harm.
    zg::DisplayMode gone = *small;
    gone.modeId = 0x7FFFFF;
    EXPECT_FALSE(zg::ScreenModeImpl(gone).MakeCurrent());
    zg::DisplayMode noOutput = *small;
    noOutput.output = "NOWHERE-9";
    EXPECT_FALSE(zg::ScreenModeImpl(noOutput).MakeCurrent());
    // The switch for a private server never keeps a setting.
    EXPECT_FALSE(zg::ScreenModeImpl(*small).MakeCurrentAndSave());
    EXPECT_EQ(zg::readXRandRModes(x.displayName())->current.width, 800);
}

} // namespace
