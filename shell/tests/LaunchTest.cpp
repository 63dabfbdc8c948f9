// Pointing at items, starting their demo programs, the failure box, the
// sounds, and the maker logo.
#include "ShellTestSupport.h"

#include <Graphics.h>
#include <Label.h>
#include <Paths.h>
#include <QtPrinters.h>
#include <ShellTexts.h>
#include <ZSButton.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

using namespace shelltest;

namespace {

class LaunchTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        shell::ZGDemoCode::AppFolder = QStringLiteral("C:\\apps\\zg\\");
        demo = loadCatalog();
        choose(*demo, "GBL");
        multimedia->played.clear();
    }
    // A press and release of the left button on item button i: the button
    // raises MouseDown, then Click before MouseUp.
    void pressAndClick(int16_t i)
    {
        const auto b = demo->NavButton(i);
        int16_t button = 1, shift = 0;
        float x = 10, y = 10;
        b->MouseDown.raise(button, shift, x, y);
        b->Click.raise();
        b->MouseUp.raise(button, shift, x, y);
    }
    QString systemDescription() const { return shell::catalog::findItem(QStringLiteral("SYSTEM"))->description; }

    std::shared_ptr<shell::frmZGDemo> demo;
};

TEST_F(LaunchTest, HoveringDescribesAnItemAndLeavingRestoresTheCategory)
{
    demo->NavButton(7)->MouseEnter.raise();
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneSwish.wav") });
    EXPECT_EQ(demo->lblInfo->Caption(), systemDescription());
    demo->NavButton(7)->MouseLeave.raise();
    EXPECT_EQ(demo->lblInfo->Caption(), demo->CategoryDescription);

    // A button whose tag is no item keeps the text, and leaving it still
    // restores the category's.
    demo->NavButton(3)->setTag(QStringLiteral("NOTANITEM"));
    demo->lblInfo->setCaption(QStringLiteral("before"));
    demo->NavButton(3)->MouseEnter.raise();
    EXPECT_EQ(demo->lblInfo->Caption(), QStringLiteral("before"));
    demo->NavButton(3)->MouseLeave.raise();
    EXPECT_EQ(demo->lblInfo->Caption(), demo->CategoryDescription);

    // Entering a category button of the list bar.
    multimedia->played.clear();
    auto gbl = category(*demo, "GBL");
    demo->NavBar->ButtonMouseEnter.raise(gbl);
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneFtz.wav") });
}

TEST_F(LaunchTest, ClickingStartsTheItemsDemoWithOneSnap)
{
    system->startCode = 42;
    pressAndClick(7);
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneSnap.wav") });
    EXPECT_EQ(system->started,
              QStringList { QStringLiteral("C:\\apps\\zg\\ZGDemos\\ZorvaneSystem\\ZorvaneSystemDemo.exe") });
    EXPECT_FALSE(demo->ButtonPressed);
    EXPECT_TRUE(plat::msgBoxLog().empty());

    // From the keyboard: a click without a press snaps once too.
    multimedia->played.clear();
    demo->NavButton(0)->Click.raise();
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneSnap.wav") });
    EXPECT_EQ(system->started.last(), QStringLiteral("C:\\apps\\zg\\ZGDemos\\ZorvaneData\\ZorvaneDataDemo.exe"));
}

TEST_F(LaunchTest, FailedStartsShowTheBoxAndOthersCountAsStarted)
{
    for (int32_t code : { 0, 2, 3, 5, 8, 11, 26, 31, 32 }) {
        plat::clearMsgBoxLog();
        system->startCode = code;
        demo->Hide();
        pressAndClick(7);
        ASSERT_EQ(plat::msgBoxLog().size(), 1u) << code;
        const plat::MsgBoxRequest& box = plat::msgBoxLog()[0];
        EXPECT_EQ(box.prompt,
                  QStringLiteral("Could not find or execute the specified demo.  Error code returned was '")
                      + QString::number(code) + QStringLiteral("'.  Press help for an error code list."));
        EXPECT_EQ(box.style, 16432);
        EXPECT_EQ(box.title, QStringLiteral("Sorry!  Can't Do That!"));
        EXPECT_EQ(box.helpFile, QStringLiteral("C:\\zgwin\\system32\\ZorvaneSG3.chm"));
        EXPECT_EQ(box.context, 1095);
        // The window is shown again after the box.
        EXPECT_TRUE(demo->Visible()) << code;
    }
    for (int32_t code : { 33, 1, 4, 12, 25, -1, 100000 }) {
        plat::clearMsgBoxLog();
        system->startCode = code;
        demo->Hide();
        pressAndClick(7);
        EXPECT_TRUE(plat::msgBoxLog().empty()) << code;
        EXPECT_TRUE(demo->Visible()) << code;
    }
}

TEST_F(LaunchTest, TheBoxNamesTheHelpPagesOfTheStartCodes)
{
    // The help file of the box, in the generated system directory, has its
    // page for context 1095.
    qputenv("ZG_SYSTEM_DIR", ZG_TEST_SYSTEM_DIR);
    system->realSystemDirectory = true;
    system->startCode = 2;
    pressAndClick(7);
    qunsetenv("ZG_SYSTEM_DIR");
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    const plat::MsgBoxRequest& box = plat::msgBoxLog()[0];
    EXPECT_TRUE(box.helpFile.endsWith(QStringLiteral("\\ZorvaneSG3.chm")));
    QFile page(plat::helpPagePath(box.helpFile, box.context));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << qPrintable(page.fileName());
    const QString text = QString::fromUtf8(page.readAll());
    for (const char* code : { "26", "31", "32" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(code))) << code;
}

TEST_F(LaunchTest, MissingDemoAndUnknownItemFailWithTheirCodes)
{
    // The real program start with a folder that holds no demos.
    shell::ZGDemoCode::AppFolder = plat::fromSystemPath(QStringLiteral("/nonexistent-zg-folder")) + QLatin1Char('\\');
    pressAndClick(7);
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(plat::msgBoxLog()[0].prompt.contains(QStringLiteral("'3'"))
                || plat::msgBoxLog()[0].prompt.contains(QStringLiteral("'2'")))
        << qPrintable(plat::msgBoxLog()[0].prompt);

    // A tag that names no item starts nothing and reports code 0.
    plat::clearMsgBoxLog();
    system->started.clear();
    demo->NavButton(2)->setTag(QStringLiteral("NOTANITEM"));
    pressAndClick(2);
    EXPECT_TRUE(system->started.isEmpty());
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(plat::msgBoxLog()[0].prompt.contains(QStringLiteral("was '0'.")));
}

TEST_F(LaunchTest, AnInstalledDemoIsFoundUnderTheProgramFolderAndStarted)
{
    // A program folder with the System demo where the catalog expects it,
    // installed without the ".exe" of its Windows-style name.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString marker = folder.filePath(QStringLiteral("started"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("ZGDemos/ZorvaneSystem")));
    QFile demoProgram(folder.filePath(QStringLiteral("ZGDemos/ZorvaneSystem/ZorvaneSystemDemo")));
    ASSERT_TRUE(demoProgram.open(QIODevice::WriteOnly));
    demoProgram.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    demoProgram.close();
    demoProgram.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    shell::ZGDemoCode::AppFolder = plat::fromSystemPath(folder.path()) + QLatin1Char('\\');

    pressAndClick(7);
    EXPECT_TRUE(plat::msgBoxLog().empty());
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(marker) && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_TRUE(QFileInfo::exists(marker));
}

TEST_F(LaunchTest, WithoutAProgramFolderTheDemoIsLookedForBesideTheProgram)
{
    shell::ZGDemoCode::AppFolder.clear();
    system->startCode = 42;
    pressAndClick(5);
    ASSERT_EQ(system->started.size(), 1);
    EXPECT_EQ(system->started[0],
              plat::appPath() + QStringLiteral("\\ZGDemos\\ZorvaneNumbers\\ZorvaneNumbersDemo.exe"));
}

TEST_F(LaunchTest, LibraryFailuresAreIgnoredInTheClickAndReportedElsewhere)
{
    // In the click, a failing sound or start is passed over: code 0, the box.
    multimedia->failing = true;
    system->failing = true;
    demo->NavButton(7)->Click.raise();
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(plat::msgBoxLog()[0].prompt.contains(QStringLiteral("was '0'.")));
    // The help file's folder could not be had either; the box still shows.
    EXPECT_TRUE(plat::msgBoxLog()[0].helpFile.isEmpty());
    EXPECT_TRUE(demo->Visible());

    // Elsewhere the failure is reported as a run-time error and the window
    // goes on.
    plat::clearMsgBoxLog();
    system->failing = false;
    auto gbl = category(*demo, "GBL");
    demo->NavBar->ButtonMouseEnter.raise(gbl);
    ASSERT_EQ(plat::msgBoxLog().size(), 1u);
    EXPECT_TRUE(plat::msgBoxLog()[0].prompt.contains(QStringLiteral("429")));
    EXPECT_TRUE(demo->isLoaded());
}

TEST_F(LaunchTest, MakerLogoOpensTheWebSite)
{
    demo->BrellicorLogo->Click.raise();
    EXPECT_EQ(multimedia->names(), QStringList { QStringLiteral("ZorvaneClickz.wav") });
    EXPECT_EQ(system->documents, QStringList { QString::fromLatin1(zg::shelltext::MakerWebAddress) });
}

} // namespace
