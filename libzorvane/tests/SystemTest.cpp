#include "Error.h"
#include "FakeMachine.h"
#include "Paths.h"
#include "ProcessorImpl.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "SystemImpl.h"
#include "TestWindowObject.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zgtest::FakeMachine;

class SystemFunctions : public ::testing::Test {
protected:
    void SetUp() override { zg::installMachine(fake); }
    void TearDown() override { zg::installMachine(nullptr); }

    std::shared_ptr<FakeMachine> fake = std::make_shared<FakeMachine>();
    zg::SystemImpl sys;
};

TEST_F(SystemFunctions, ColoursResolveSystemColoursAndBlendByRatio)
{
    EXPECT_EQ(sys.BlendedColorRGB(0x000000, 0xFFFFFF, 0.5f), 0x808080u); // 127.5 rounds to even 128
    EXPECT_EQ(sys.BlendedColorRGB(0x0000FF, 0xFF0000, 0.0f), 0x0000FFu);
    EXPECT_EQ(sys.BlendedColorRGB(0x0000FF, 0xFF0000, 1.0f), 0xFF0000u);
    EXPECT_EQ(sys.BlendedColorRGB(0x0000FF, 0xFF0000, 7.0f), 0xFF0000u);
    const plat::Colour shadow = plat::sysColor(plat::syscolour::ButtonShadow);
    EXPECT_EQ(sys.BlendedColorRGB(0x80000010, 0x80000010, 0.5f), shadow);
    EXPECT_EQ(sys.ColorToRGB(0x8000000F), plat::sysColor(plat::syscolour::ButtonFace));
    EXPECT_EQ(sys.MaskColorToRGB(0x00FF00FF), 0xFF00FFu);
    int32_t r = -1, g = -1, b = -1;
    sys.GetRGBComponents(0x00336699, r, g, b);
    EXPECT_EQ(r, 0x99);
    EXPECT_EQ(g, 0x66);
    EXPECT_EQ(b, 0x33);
}

TEST_F(SystemFunctions, ExecuteApplicationGivesTheStartCodes)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString dir = plat::fromSystemPath(tmp.path());

    EXPECT_EQ(sys.ExecuteApplication(dir + "\\nofolder\\Demo.exe", "", ""), 3);
    EXPECT_EQ(sys.ExecuteApplication(dir + "\\Missing.exe", "", ""), 2);
    EXPECT_EQ(sys.ExecuteApplication("", "", ""), 2);
    EXPECT_EQ(sys.ExecuteApplication(dir, "", ""), 5); // a folder is no program

    QFile plain(tmp.filePath("Plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("#!/bin/true\n");
    plain.close();
    EXPECT_EQ(sys.ExecuteApplication(dir + "\\Plain", "", ""), 5); // no execute permission

    QFile foreign(tmp.filePath("Foreign.exe"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    static const char header[] = "MZ\x90\0\3\0\0\0 not a program of this machine";
    foreign.write(header, sizeof header - 1);
    foreign.close();
    foreign.setPermissions(foreign.permissions() | QFile::ExeOwner | QFile::ExeUser);
    EXPECT_EQ(sys.ExecuteApplication(dir + "\\Foreign.exe", "", ""), 11);

    EXPECT_GT(sys.ExecuteApplication("C:\\bin\\true", "", ""), 32);
    EXPECT_GT(sys.ExecuteApplication("C:\\bin\\true.exe", "", ""), 32); // the desktop's suffix is tolerated
}

TEST_F(SystemFunctions, DocumentsAndFoldersGoToTheDesktopOpener)
{
    EXPECT_GT(sys.ExecuteDocument("https://www.example.com/"), 32);
    ASSERT_EQ(fake->opened.size(), 1);
    EXPECT_EQ(fake->opened[0], "https://www.example.com/");

    QTemporaryDir tmp;
    const QString dir = plat::fromSystemPath(tmp.path());
    EXPECT_EQ(sys.ExecuteDocument(dir + "\\Nothing.txt"), 2);
    EXPECT_EQ(sys.ExecuteDocument(dir + "\\none\\Nothing.txt"), 3);
    EXPECT_EQ(sys.ExploreFolder(dir + "\\none"), 3);
    EXPECT_GT(sys.ExploreFolder(dir), 32);
    EXPECT_EQ(fake->opened.last(), QUrl::fromLocalFile(tmp.path()).toString());

    fake->opens = false;
    EXPECT_EQ(sys.ExecuteDocument("https://www.example.com/"), 31);
}

TEST_F(SystemFunctions, MouseMembersActOnlyOnTheInstalledMachine)
{
    sys.SetMouseScreenCoordinates(12, 34);
    int32_t x = 0, y = 0;
    sys.GetMouseScreenCoordinates(x, y);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);

    int32_t l, t, w, h;
    sys.GetMouseScreenBoundries(l, t, w, h);
    EXPECT_EQ(QRect(l, t, w, h), fake->desktop);
    sys.SetMouseScreenBoundries(100, 200, 164, 24);
    sys.GetMouseScreenBoundries(l, t, w, h);
    EXPECT_EQ(QRect(l, t, w, h), QRect(100, 200, 164, 24));
    sys.FreeMouseScreenBoundries();
    EXPECT_FALSE(fake->confinement);
    EXPECT_EQ(raisedError([&] { sys.SetMouseScreenBoundries(0, 0, -1, 5); }), 5);
    EXPECT_EQ(raisedError([&] { sys.SetMouseScreenBoundries(INT32_MAX - 10, 0, 19, 5); }), 6);
    EXPECT_EQ(raisedError([&] { sys.SetDesktopWorkArea(0, INT32_MAX, 10, 1); }), 6);
    EXPECT_FALSE(fake->confinement);

    sys.SetDesktopWorkArea(0, 0, 800, 400);
    sys.GetDesktopWorkArea(l, t, w, h);
    EXPECT_EQ(QRect(l, t, w, h), QRect(0, 0, 800, 400));

    sys.SimulateMouseActivity(3, 1, 188, 73);
    sys.SimulateMouseActivity(5, 1, 205, 58);
    ASSERT_EQ(fake->steps.size(), 2);
    EXPECT_EQ(fake->steps[0].action, 3);
    EXPECT_EQ(fake->steps[1].at, QPoint(205, 58));
    EXPECT_EQ(raisedError([&] { sys.SimulateMouseActivity(9, 1, 0, 0); }), 5);
    EXPECT_EQ(fake->steps.size(), 2);
}

TEST_F(SystemFunctions, AvailableColoursCanBeForcedForTheFewColourPaths)
{
    qputenv("ZG_AVAILABLE_COLORS", "16");
    EXPECT_EQ(sys.AvailableColors(), 16.0);
    qunsetenv("ZG_AVAILABLE_COLORS");
    const double colours = sys.AvailableColors();
    EXPECT_GE(colours, 2.0);
    EXPECT_LE(colours, 16777216.0);
}

TEST_F(SystemFunctions, KeyMasksFilterTypedCharacters)
{
    auto key = [&](char c, int format, const QString& mask = {}) {
        return sys.MaskKeyPress(nullptr, int16_t(c), format, mask, 0);
    };
    EXPECT_EQ(key('a', 0), 'a');
    EXPECT_EQ(key('5', 1), '5');
    EXPECT_EQ(key('a', 1), 0);
    EXPECT_EQ(key('\b', 1), '\b'); // control keys always pass
    EXPECT_EQ(key('Q', 2), 'Q');
    EXPECT_EQ(key('f', 14), 'F');  // hex digits in capitals
    EXPECT_EQ(key('g', 14), 0);
    EXPECT_EQ(key('2', 15), 0);
    EXPECT_EQ(key(':', 8), ':');
    EXPECT_EQ(key('(', 10), '(');
    EXPECT_EQ(key('(', 11), 0);
    EXPECT_EQ(key('x', 1, "xyz"), 'x'); // a custom mask lists what passes
    EXPECT_EQ(key('5', 1, "xyz"), 0);
    EXPECT_EQ(raisedError([&] { key('a', 16); }), 5);
    int16_t code = 65;
    sys.MaskKeyDownUp(nullptr, code, 14);
    EXPECT_EQ(code, 65);
}

// A custom mask has one place per character: "####" takes up to four digits
// wherever the caret is, and a selection typed over makes room.
TEST_F(SystemFunctions, CustomMasksPlaceEachCharacter)
{
    QLineEdit edit;
    const auto box = zgtest::windowObject(&edit);
    auto type = [&](char c, const QString& mask) {
        const int16_t k = sys.MaskKeyPress(box, int16_t(c), 99, mask, 0);
        if (k >= 32)
            edit.insert(QString(QChar(k)));
        return k;
    };
    EXPECT_EQ(type('1', "####"), '1');
    EXPECT_EQ(type('x', "####"), 0);
    EXPECT_EQ(type('2', "####"), '2');
    EXPECT_EQ(type('3', "####"), '3');
    EXPECT_EQ(type('4', "####"), '4');
    EXPECT_EQ(type('5', "####"), 0); // full
    EXPECT_EQ(type('\b', "####"), '\b');
    edit.setSelection(1, 2);
    EXPECT_EQ(type('9', "####"), '9');
    EXPECT_EQ(edit.text(), "194");

    edit.clear();
    EXPECT_EQ(type('(', "(###) ###-####"), '(');
    EXPECT_EQ(type('5', "(###) ###-####"), '5');
    edit.setText("(555");
    EXPECT_EQ(type('1', "(###) ###-####"), 0); // the place of ")"
    EXPECT_EQ(type(')', "(###) ###-####"), ')');
    edit.setText("A");
    EXPECT_EQ(type('f', R"(?H\#)"), 'f');
    EXPECT_EQ(type('7', R"(?H\#)"), 0); // "\#" is a literal "#"
    EXPECT_EQ(type('#', R"(?H\#)"), '#');
}

TEST_F(SystemFunctions, ValuesOfTheDisplayServerComeFromTheMachine)
{
    struct ServerMachine : FakeMachine {
        QString keyboardLayout() override { return "de(nodeadkeys)"; }
        std::optional<PointerDevices> pointerDevices() override { return PointerDevices{ "Test Mouse", 5, true }; }
    };
    zg::installMachine(std::make_shared<ServerMachine>());
    EXPECT_EQ(sys.KeyboardID(), "de(nodeadkeys)");
    EXPECT_EQ(sys.MouseButtonCount(), 5);
    EXPECT_EQ(sys.MouseID(), "Test Mouse");
    EXPECT_TRUE(sys.MouseWheelPresentNT());
    zg::installMachine(fake);
    EXPECT_FALSE(sys.KeyboardID().isEmpty()); // the locale without a server
}

TEST_F(SystemFunctions, ProcessorSpeedFromTheKernelTextsOrZero)
{
    EXPECT_EQ(zg::ProcessorImpl::speedFromTexts("2400000\n", ""), 2400.0);
    EXPECT_EQ(zg::ProcessorImpl::speedFromTexts("", "processor\t: 0\ncpu MHz\t\t: 1995.312\n"), 1995.312);
    EXPECT_EQ(zg::ProcessorImpl::speedFromTexts("garbage", "no clock here"), std::nullopt);

    sys.setProcessorSpeedSource([] { return std::optional<double>(832.5); });
    EXPECT_EQ(sys.Processor()->Speed(), 832); // halves to even
    EXPECT_NE(sys.Processor(), sys.Processor()); // a new object at every use
    sys.setProcessorSpeedSource([] { return std::optional<double>(); });
    EXPECT_EQ(sys.Processor()->Speed(), 0);
    sys.setProcessorSpeedSource([] { return std::optional<double>(99999.0); });
    EXPECT_EQ(sys.Processor()->Speed(), 32767);
    sys.setProcessorSpeedSource({});
    EXPECT_GE(sys.Processor()->Speed(), 0);
}

} // namespace
