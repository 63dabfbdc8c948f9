// The real display switch, its saving and the login manager's requests end
// a test program that reaches them, so that a missing stand-in is found at
// once. Each is aimed at nothing real should the refusal ever fail: a
// display that does not exist, a system bus that is not there.
#include "APMImpl.h"
#include "ScreenModesImpl.h"

#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

class RealSeams : public ::testing::Test {
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        zg::installDisplayModeSwitch(nullptr);
        zg::installPowerManager(nullptr);
    }
};

zg::DisplayMode nowhere()
{
    zg::DisplayMode m;
    m.width = 640;
    m.height = 480;
    m.display = ":65000"; // no server
    m.output = "NOWHERE-1";
    m.modeId = 1;
    return m;
}

TEST_F(RealSeams, TheDisplaySwitchAndItsSavingRefuseToRunInATest)
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("ZG_TEST"));
    EXPECT_DEATH(zg::displayModeSwitch()->switchTo(nowhere()), "display mode switch");
    EXPECT_DEATH(
        {
            qputenv("XDG_CONFIG_HOME", "/nonexistent/zg-test-config");
            zg::displayModeSwitch()->save(nowhere());
        },
        "saving of the display setting");
}

TEST_F(RealSeams, TheLoginManagerIsNeverAskedToSuspendFromATest)
{
    EXPECT_DEATH(
        {
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/zg-test-bus");
            zg::powerManager()->request(QStringLiteral("Suspend"), false);
        },
        "Suspend request");
}

} // namespace
